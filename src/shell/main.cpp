#include "editing/listedlg.h"
#include "shell/mainwindow.h"
#include "shell/prompts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    app.setOrganizationName(QStringLiteral("Kinrow"));
    // Qt would append a display name to every window title, so the title lives in the prompts.
    kinrow::TForm_Main window(app.arguments().mid(1));
    kinrow::TForm_ListeDlg listeDialog(&window);
    window.setListeDialog(&listeDialog);
    window.show();
    return app.exec();
}
