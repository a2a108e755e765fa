#include "editing/listedlg.h"
#include "gedcom/recoveryfile.h"
#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    app.setOrganizationName(QStringLiteral("Kinrow"));
    // The program title captions plain message boxes (ApplicationTitle); Qt would append a
    // display name to every window title, so none is set.
    kinrow::TForm_Main window(app.arguments().mid(1));
    kinrow::TForm_ListeDlg listeDialog(&window);
    window.setListeDialog(&listeDialog);
    window.show();
    window.startRecovery(kinrow::RecoveryFolder());
    return app.exec();
}
