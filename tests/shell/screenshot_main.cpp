// Saves pictures of the window's pages for the documentation: screenshot LANG OUT.png.
#include "shell/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QStandardPaths>

#include "shell/aboutpage.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: screenshot tr|en OUT.png");
        return 2;
    }
    // Never read or write the user's real settings.
    QStandardPaths::setTestModeEnabled(true);
    kinrow::TForm_Main window;
    window.findChild<QComboBox*>("ComboBox_Lang")
        ->setCurrentIndex(qstrcmp(argv[1], "tr") == 0 ? 0 : 1);
    window.show();
    app.processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
