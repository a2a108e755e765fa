// Saves a picture of the print page on the sample family for the documentation:
// print_screenshot tr|en OUT.png (run under Xvfb).
#include "editing/personpage.h"
#include "print/printpage.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>

using namespace kinrow;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 3) {
        qWarning("usage: print_screenshot tr|en OUT.png");
        return 2;
    }
    // Never read or write the user's real settings.
    QStandardPaths::setTestModeEnabled(true);
    const QString sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");
    TForm_Main window({sample});
    window.findChild<QComboBox*>("ComboBox_Lang")
        ->setCurrentIndex(qstrcmp(argv[1], "tr") == 0 ? 0 : 1);
    window.show();
    window.findChild<QPushButton*>("Button_Devam")->click();
    window.session().setRecNoMain(5);
    window.TabSheet_Main->ShowRecord();
    window.TabSheet_Main->findChild<SpeedButton*>(QStringLiteral("SB_Yaz"))->click();
    app.processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
