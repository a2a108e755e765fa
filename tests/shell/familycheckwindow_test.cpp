#include "editing/personcontrols.h"
#include "editing/personpage.h"
#include "shell/windowfixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

using namespace kinrow;

namespace {

// Two persons alike in name, surname and birth year.
const QByteArray TwinFile = "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n"
                            "0 @I1@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n1 BIRT\r\n"
                            "2 DATE 1950\r\n0 @I2@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n"
                            "1 BIRT\r\n2 DATE 1950\r\n0 TRLR\r\n";

using FamilyCheckWindow = test::WindowFixture;

TEST_F(FamilyCheckWindow, FindingsGoToTheErrorListAndChangeNothing)
{
    const QString path = write("ikiz.ged", TwinFile);
    window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    ASSERT_EQ(window->session().persons().size(), 2u);
    const PersonList before = window->session().persons();

    window->SB_YazClick();
    auto* check = test::Control<QPushButton>(*window, "BitBtn_Check");
    ASSERT_TRUE(check->isEnabled());
    EXPECT_EQ(check->parentWidget()->objectName(), "TabSheet_P_Diger");
    QTest::mouseClick(check, Qt::LeftButton);

    EXPECT_EQ(window->PageControl_Main->currentWidget()->objectName(), "TabSheet_About");
    auto* errors = test::Control<QPlainTextEdit>(*window, "Memo_Errors");
    EXPECT_TRUE(errors->isVisibleTo(window.get()));
    const QStringList lines = errors->toPlainText().split('\n');
    EXPECT_EQ(lines, QStringList({"File Name : " + path, "Family check - findings : 1",
                                  "Records 1, 2 have the same name, surname and birth date."}));

    QTest::mouseClick(test::Control<QToolButton>(*window, "SB_ErrorClose"), Qt::LeftButton);
    EXPECT_EQ(window->PageControl_Main->currentWidget(),
              static_cast<QWidget*>(window->TabSheet_Main));
    EXPECT_FALSE(window->session().unsavedChanges());
    EXPECT_EQ(window->session().persons(), before);
    EXPECT_TRUE(prompts->script.empty());
}

} // namespace

// The application must outlive every window and die before Qt's own statics do.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
