#include "editing/personpage.h"
#include "print/printpage.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "shell/settings.h"
#include "ui/scriptedprompts.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace kinrow;
using kinrow::test::ScriptedPrompts;

namespace {

// Two persons alike in name, surname and birth year.
const QByteArray TwinFile = "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n"
                            "0 @I1@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n1 BIRT\r\n"
                            "2 DATE 1950\r\n0 @I2@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n"
                            "1 BIRT\r\n2 DATE 1950\r\n0 TRLR\r\n";

TEST(FamilyCheckWindow, FindingsGoToTheErrorListAndChangeNothing)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir home;
    QFile::remove(SettingsFilePath());
    const QString path = home.filePath("ikiz.ged");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TwinFile);
    file.close();

    auto scripted = std::make_unique<ScriptedPrompts>();
    ScriptedPrompts* prompts = scripted.get();
    TForm_Main window({path}, std::move(scripted));
    QTest::mouseClick(window.TabSheet_About->Button_Devam, Qt::LeftButton);
    ASSERT_EQ(window.session().persons().size(), 2u);
    const PersonList before = window.session().persons();

    window.SB_YazClick();
    PrintPage* print = window.TabSheet_Print;
    ASSERT_TRUE(print->BitBtn_Check->isEnabled());
    EXPECT_EQ(print->BitBtn_Check->parentWidget(), print->TabSheet_P_Diger);
    QTest::mouseClick(print->BitBtn_Check, Qt::LeftButton);

    AboutPage* about = window.TabSheet_About;
    EXPECT_EQ(window.PageControl_Main->currentWidget(), about);
    EXPECT_TRUE(about->Memo_Errors->isVisibleTo(&window));
    const QStringList lines = about->Memo_Errors->toPlainText().split('\n');
    EXPECT_EQ(lines, QStringList({"File Name : " + path, "Family check - findings : 1",
                                  "Records 1, 2 have the same name, surname and birth date."}));

    QTest::mouseClick(about->SB_ErrorClose, Qt::LeftButton);
    EXPECT_EQ(window.PageControl_Main->currentWidget(),
              static_cast<QWidget*>(window.TabSheet_Main));
    EXPECT_FALSE(window.session().unsavedChanges());
    EXPECT_EQ(window.session().persons(), before);
    EXPECT_TRUE(prompts->script.empty());
    QFile::remove(SettingsFilePath());
}

} // namespace

// The application must outlive every window and die before Qt's own statics do.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
