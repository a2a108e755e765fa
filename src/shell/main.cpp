#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    app.setOrganizationName(QStringLiteral("Kinrow"));
    app.setApplicationDisplayName(QStringLiteral("KINROW - Aile Soyağacı"));
    kinrow::TForm_Main window(app.arguments().mid(1));
    // TEMPORARY: the selection dialog TForm_ListeDlg is created here once it lands.
    window.show();
    return app.exec();
}
