#include "shell/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("kinrow"));
    kinrow::TForm_Main window;
    window.show();
    return app.exec();
}
