// Saves a picture of the ancestor chart page: chart_screenshot tr|en FAMILY.ged RECNO OUT.png.
#include "chart/chartlistbox.h"
#include "chart/chartpage.h"
#include "editing/personpage.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QStandardPaths>

using namespace kinrow;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc != 5) {
        qWarning("usage: chart_screenshot tr|en FAMILY.ged RECNO OUT.png");
        return 2;
    }
    QStandardPaths::setTestModeEnabled(true); // never the user's real settings
    TForm_Main window({QString::fromLocal8Bit(argv[2])});
    window.findChild<QComboBox*>("ComboBox_Lang")
        ->setCurrentIndex(qstrcmp(argv[1], "tr") == 0 ? 0 : 1);
    window.show();
    window.findChild<QPushButton*>("Button_Devam")->click();
    const qint32 recNo = QByteArray(argv[3]).toInt();
    if (!window.session().isRecord(recNo))
        return 1;
    window.session().setRecNoMain(recNo);
    window.TabSheet_Main->ShowRecord();
    window.TabSheet_Main->findChild<SpeedButton*>(QStringLiteral("SB_Tree"))->click();
    // With two spouses or more, the first is chosen to show the children's markers.
    if (window.findChild<ChartListBox*>("ListBox_T_Esi")->count() >= 2)
        window.findChild<ChartListBox*>("ListBox_T_Esi")->setCurrentRow(0);
    for (int i = 0; i < 5; ++i)
        app.processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[4])) ? 0 : 1;
}
