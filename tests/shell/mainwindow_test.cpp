#include "editing/personcontrols.h"
#include "editing/personpage.h"
#include "editing/persontexts.h"
#include "model/familychange.h"
#include "model/messages.h"
#include "print/printpage.h"
#include "shell/aboutpage.h"
#include "shell/association.h"
#include "shell/settings.h"
#include "shell/windowfixture.h"
#include "shell/windowreadreporter.h"
#include "ui/label3d.h"
#include "ui/personlabel.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

using namespace kinrow;

namespace {

const QByteArray KinrowFile = "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n"
                              "0 @I1@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n"
                              "0 @I2@ INDI\r\n1 NAME AYSE /YILMAZ/\r\n1 SEX F\r\n0 TRLR\r\n";
const QByteArray ForeignFile = "0 HEAD\r\n1 SOUR OTHERPROG\r\n2 VERS 5.5\r\n1 CHAR ANSI\r\n"
                               "0 @I1@ INDI\r\n1 NAME JOHN /SMITH/\r\n1 SEX M\r\n0 TRLR\r\n";

// Every text the language switch puts into the window's own controls.
QStringList Captions(TForm_Main& window)
{
    AboutPage* about = window.TabSheet_About;
    return {window.windowTitle(),
            test::Control<QLabel>(*about, "Lb_Title")->text(),
            test::Control<QPushButton>(*about, "BitBtn_Dosya")->text(),
            test::Control<QPushButton>(*about, "Button_Devam")->text(),
            test::Control<QToolButton>(*about, "SB_ErrorClose")->text(),
            test::Control<QTextEdit>(*about, "RichEdit_About")->toPlainText(),
            test::Control<Label3D>(*about, "Label3D_WebPage")->toolTip(),
            test::Control<Label3D>(*about, "Label3D_Email")->toolTip(),
            test::Control<QComboBox>(*about, "ComboBox_Lang")->itemText(0),
            test::Control<QComboBox>(*about, "ComboBox_Lang")->itemText(1),
            QString::number(test::Control<QComboBox>(*about, "ComboBox_Lang")->currentIndex()),
            test::PersonControls(window.TabSheet_Main).SB_Duzelt->text(),
            test::PersonControls(window.TabSheet_Main).SB_Save->toolTip()};
}

class MainWindowTest : public test::WindowFixture
{
protected:
    // Opens a file through the file button and its dialog.
    void openThroughDialog(TForm_Main& window, const QString& path, bool readOnly = false)
    {
        prompts->chooseFile(path, readOnly);
        QTest::mouseClick(test::Control<QPushButton>(window, "BitBtn_Dosya"), Qt::LeftButton);
    }
};

} // namespace

TEST_F(MainWindowTest, FirstStartTakesACopyOfTheInstalledSample)
{
    QDir().mkpath(home.filePath("system/kinrow/sample"));
    ASSERT_TRUE(QFile::copy(KINROW_SOURCE_DIR "/data/sample/aile.ged",
                            home.filePath("system/kinrow/sample/aile.ged")));
    const QString copies =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/sample";
    QDir(copies).removeRecursively();

    auto window = start();
    EXPECT_EQ(window->session().familyFileName, copies + "/aile.ged");
    EXPECT_TRUE(QFile::exists(copies + "/aile.ged"));
    window.reset();

    // A family file of the user's comes first: given on the command line, or in the folder.
    const QString own = write("own.ged", "0 HEAD\n");
    EXPECT_EQ(start({own})->session().familyFileName, own);
    write("Kinrow.ged", "0 HEAD\n");
    EXPECT_EQ(start()->session().familyFileName, home.filePath("Kinrow.ged"));
    QDir(copies).removeRecursively();
}

// Captions that do not fit their controls at the starting size, in the language shown: each as
// "name: text (needs N of M pixels)".
QStringList ClippedCaptions(const QWidget& window)
{
    QStringList clipped;
    const auto check = [&clipped](const QWidget& control, QString text, int room) {
        text.remove(QLatin1Char('&'));
        const int needed = control.fontMetrics().horizontalAdvance(text);
        if (!text.isEmpty() && !text.contains(QLatin1Char('\n')) && needed > room)
            clipped << QStringLiteral("%1: %2 (needs %3 of %4 pixels)")
                           .arg(control.objectName(), text)
                           .arg(needed)
                           .arg(room);
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (button->objectName().isEmpty() || button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        int room = button->width() - 4;
        if (qobject_cast<const QPushButton*>(button))
            room = button->style()
                       ->subElementRect(QStyle::SE_PushButtonContents, &option, button)
                       .width() -
                   2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
        if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
            room = button->width() -
                   button->style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, button) -
                   button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, button);
        check(*button, button->text(), room);
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->objectName().isEmpty() && !label->wordWrap() && label->pixmap().isNull())
            check(*label, label->text(), label->contentsRect().width());
    }
    return clipped;
}

TEST_F(MainWindowTest, EveryCaptionFitsItsControlInBothLanguages)
{
    auto window = start();
    for (const Lang lang : {Lang::Turkish, Lang::English}) {
        window->session().setLang(lang);
        const QStringList clipped = ClippedCaptions(*window);
        EXPECT_TRUE(clipped.isEmpty()) << clipped.join(QLatin1Char('\n')).toStdString();
    }
}

// The back buttons of the chart, table and print pages give the person page's title in the
// language now shown, all three alike: "ILGIN" is "Ilgin" in English and "Ilgın" in Turkish.
TEST_F(MainWindowTest, BackButtonsGiveOneTitleAfterALanguageSwitch)
{
    const QString path = write("aile.ged", QByteArray(KinrowFile).replace("AHMET", "ILGIN"));
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    test::Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(0);
    const test::PersonControls person(window->TabSheet_Main);
    QStringList hints;
    const auto backHint = [&](QAbstractButton* go, const char* back) {
        QTest::mouseClick(go, Qt::LeftButton);
        auto* button = test::Control<QAbstractButton>(*window, back);
        hints << button->toolTip();
        QTest::mouseClick(button, Qt::LeftButton);
    };
    backHint(person.SB_Tree, "SB_T_Back");
    backHint(person.SB_TView, "SB_T1_Back");
    backHint(person.SB_Yaz, "SB_P_Back");
    ASSERT_EQ(hints.size(), 3);
    EXPECT_TRUE(hints[0].contains(u"Ilgın YILMAZ"_qs)) << hints[0].toStdString();
    EXPECT_EQ(hints[1], hints[0]);
    EXPECT_EQ(hints[2], hints[0]);
}

TEST_F(MainWindowTest, StartsWithoutSettingsInEnglishOnTheAboutPage)
{
    auto window = start();
    EXPECT_EQ(window->session().lang(), Lang::English);
    EXPECT_EQ(window->session().recNoMain(), 1);
    EXPECT_EQ(window->session().familyFileName, home.filePath("Kinrow.ged"));
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_About);
    EXPECT_EQ(window->windowTitle(), "KINROW - Family Tree - " + home.filePath("Kinrow.ged"));
    EXPECT_EQ(window->size(), QSize(616, 480));
    EXPECT_FALSE(test::Control<QPlainTextEdit>(*window, "Memo_Errors")->isVisibleTo(window.get()));
    EXPECT_EQ(window->PageControl_Main->count(), 5);
    EXPECT_EQ(window->PageControl_Main->widget(1), static_cast<QWidget*>(window->TabSheet_Main));
    EXPECT_FALSE(window->TabSheet_Print->associationTicked());
}

TEST_F(MainWindowTest, LanguageSwitchRestoresEveryCaption)
{
    auto window = start();
    QComboBox* lang = window->findChild<QComboBox*>("ComboBox_Lang");
    ASSERT_TRUE(lang);
    const QStringList english = Captions(*window);
    lang->setCurrentIndex(0);
    const QStringList turkish = Captions(*window);
    EXPECT_EQ(window->session().lang(), Lang::Turkish);
    EXPECT_EQ(turkish[3], "DEVAM");
    EXPECT_EQ(turkish[8], "Türkçe");
    EXPECT_EQ(turkish[11], "&Düzelt");
    EXPECT_TRUE(turkish[0].startsWith("KINROW - Aile Soyağacı - "));
    EXPECT_TRUE(turkish[5].startsWith("KULLANIM ÖZELLİKLERİ\n"));
    for (int i = 0; i < 8; ++i)
        EXPECT_NE(turkish[i], english[i]) << i;
    lang->setCurrentIndex(1);
    EXPECT_EQ(Captions(*window), english);
    EXPECT_EQ(english[8], "Turkish");
    EXPECT_EQ(english[9], "English");
    lang->setCurrentIndex(0);
    EXPECT_EQ(Captions(*window), turkish);
}

TEST_F(MainWindowTest, AboutTextHasCentredHeadingsAndBullets)
{
    auto window = start();
    QTextDocument* doc = test::Control<QTextEdit>(*window, "RichEdit_About")->document();
    QTextBlock block = doc->begin();
    EXPECT_EQ(block.text(), LangText(Msg::AboutNotesHeading, Lang::English));
    EXPECT_TRUE(block.blockFormat().alignment() & Qt::AlignHCenter);
    block = block.next();
    ASSERT_TRUE(block.textList());
    EXPECT_EQ(block.textList()->count(), 2);
    block = block.next().next();
    EXPECT_TRUE(block.text().isEmpty());
    EXPECT_FALSE(block.textList());
    EXPECT_EQ(block.next().text(), LangText(Msg::AboutOtherHeading, Lang::English));
    EXPECT_EQ(doc->blockCount(), 12);
    EXPECT_EQ(doc->lastBlock().blockFormat().textIndent(), 10);
}

TEST_F(MainWindowTest, ProblemFileStaysOnTheErrorListUntilContinue)
{
    const QString path = write("foreign.ged", ForeignFile);
    auto window = start();
    openThroughDialog(*window, path);
    AboutPage* about = window->TabSheet_About;
    EXPECT_EQ(window->PageControl_Main->currentWidget(), about);
    EXPECT_TRUE(test::Control<QPlainTextEdit>(*about, "Memo_Errors")->isVisibleTo(window.get()));
    EXPECT_TRUE(test::Control<QToolButton>(*about, "SB_ErrorClose")->isVisibleTo(window.get()));
    EXPECT_TRUE(test::Control<QPlainTextEdit>(*about, "Memo_Errors")
                    ->toPlainText()
                    .startsWith("File Name : " + path));
    EXPECT_FALSE(window->session().unsavedChanges());
    EXPECT_EQ(test::Control<QPlainTextEdit>(*about, "Memo_Errors")->geometry(),
              QRect(51, 60, 500, 341));

    EXPECT_FALSE(test::PersonControls(window->TabSheet_Main).SB_Save->isEnabled());
    QTest::mouseClick(test::Control<QToolButton>(*about, "SB_ErrorClose"), Qt::LeftButton);
    EXPECT_TRUE(window->session().unsavedChanges());
    EXPECT_TRUE(test::PersonControls(window->TabSheet_Main).SB_Save->isEnabled());
    EXPECT_EQ(window->PageControl_Main->currentWidget(),
              static_cast<QWidget*>(window->TabSheet_Main));
    EXPECT_FALSE(test::Control<QPlainTextEdit>(*about, "Memo_Errors")->isVisibleTo(window.get()));
    EXPECT_TRUE(window->session().unsavedChanges());
}

TEST_F(MainWindowTest, TheErrorListLiesAboveEveryOtherControl)
{
    auto window = start();
    window->show();
    openThroughDialog(*window, write("foreign.ged", ForeignFile));
    AboutPage* about = window->TabSheet_About;
    ASSERT_TRUE(test::Control<QPlainTextEdit>(*about, "Memo_Errors")->isVisible());
    const QRect list =
        test::Control<QPlainTextEdit>(*about, "Memo_Errors")->geometry().adjusted(1, 1, -1, -1);
    for (int x = list.left(); x <= list.right(); x += 6) {
        for (int y = list.top(); y <= list.bottom(); y += 6) {
            QWidget* shown = about->childAt(x, y);
            ASSERT_TRUE(shown == test::Control<QPlainTextEdit>(*about, "Memo_Errors") ||
                        test::Control<QPlainTextEdit>(*about, "Memo_Errors")->isAncestorOf(shown))
                << x << "," << y << " " << (shown ? shown->objectName().toStdString() : "");
        }
    }
}

TEST_F(MainWindowTest, NothingOfThePreviousFamilyStaysOnScreen)
{
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
        write(name, "");
    const QByteArray head = "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n";
    const QByteArray pictures = "1 OBJE\r\n2 FILE a.jpg\r\n1 OBJE\r\n2 FILE b.jpg\r\n";
    const QString first = write("aile.ged", head + "0 @I1@ INDI\r\n1 NAME ALI /KAYA/\r\n" +
                                                pictures + "0 @I2@ INDI\r\n0 TRLR\r\n");
    const QString second =
        write("diger.ged", head + "0 @I1@ INDI\r\n1 NAME CAN /AK/\r\n" + pictures +
                               "1 OBJE\r\n2 FILE c.jpg\r\n" + "0 TRLR\r\n");
    auto window = start();
    openThroughDialog(*window, first);
    test::PersonControls page(window->TabSheet_Main);
    QTest::mouseClick(page.SB_ResimPrior, Qt::LeftButton);
    ASSERT_EQ(page.Lb_ResimNo->text(), "1/2");

    openThroughDialog(*window, home.filePath("yeni.ged"));
    ASSERT_TRUE(window->session().isAdding());
    EXPECT_EQ(page.Lb_RecAdet->text(), "Total Records : 0");
    EXPECT_EQ(page.Lb_ResimNo->text(), " 0/0");
    QTest::mouseClick(page.SB_Iptal, Qt::LeftButton);

    openThroughDialog(*window, second);
    EXPECT_EQ(page.Lb_RecAdet->text(), "Total Records : 1");
    EXPECT_EQ(page.Lb_ResimNo->text(), "3/3"); // as at start-up, not the first family's 1
}

TEST_F(MainWindowTest, ContinueOpensTheRememberedFileThenOnlySwitchesPage)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    EXPECT_EQ(window->session().persons().size(), 2u);
    EXPECT_EQ(window->windowTitle(), "KINROW - Family Tree - " + path);
    EXPECT_EQ(window->PageControl_Main->currentWidget(),
              static_cast<QWidget*>(window->TabSheet_Main));
    window->SB_AboutClick();
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    EXPECT_EQ(window->PageControl_Main->currentWidget(),
              static_cast<QWidget*>(window->TabSheet_Main));
    EXPECT_EQ(window->session().persons().size(), 2u);
}

TEST_F(MainWindowTest, ContinueWithoutTheRememberedFileAsksForOne)
{
    auto window = start();
    prompts->cancelFileDialog();
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    EXPECT_EQ(prompts->dialogTitles, QStringList{"File Open or Create New"});
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_About);
    EXPECT_FALSE(QFile::exists(home.filePath("Kinrow.ged")));

    // A new name in a writable folder creates the file and starts the first record.
    prompts->chooseFile(home.filePath("yeni.ged"));
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(home.filePath("yeni.ged")));
    EXPECT_EQ(window->session().editMode(), EditMode::First);
    EXPECT_EQ(test::PersonControls(window->TabSheet_Main).Lb_Info->text(),
              LangText(Msg::FirstRecordTitle, Lang::English));
    EXPECT_TRUE(test::PersonControls(window->TabSheet_Main).SB_Tamam->isEnabled());

    // A record being entered keeps the window open.
    window->show();
    prompts->answerMessage(PromptAnswer::Ok);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::EditInProgress, Lang::English));
    EXPECT_EQ(window->PageControl_Main->currentWidget(),
              static_cast<QWidget*>(window->TabSheet_Main));
}

TEST_F(MainWindowTest, ToolbarLeadsToAboutAndExit)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start({path});
    window->show();
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    EXPECT_EQ(test::PersonControls(window->TabSheet_Main).Edit_Ad->text(), "AHMET");
    QTest::mouseClick(test::PersonControls(window->TabSheet_Main).SB_About, Qt::LeftButton);
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_About);
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    QTest::mouseClick(test::PersonControls(window->TabSheet_Main).SB_Exit, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ReadOnlyChoiceMarksTheCaption)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start();
    openThroughDialog(*window, path, true);
    EXPECT_TRUE(window->session().readOnlyMode());
    EXPECT_TRUE(window->windowTitle().endsWith(" - Read Only !!!!!"));
    EXPECT_FALSE(test::PersonControls(window->TabSheet_Main).SB_Duzelt->isEnabled());
    EXPECT_FALSE(test::PersonControls(window->TabSheet_Main).SB_AnneEkle->isEnabled());
    EXPECT_TRUE(test::PersonControls(window->TabSheet_Main).Edit_Ad->isReadOnly());
    // Nothing may replace a file opened only for reading.
    window->session().setUnsavedChanges(true);
    prompts->answerMessage(PromptAnswer::Ok);
    EXPECT_FALSE(window->SB_SaveClick());
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::ReadOnlyRefusal, Lang::English));
    window->session().setUnsavedChanges(false);
}

TEST_F(MainWindowTest, TheReadOnlyMarkStaysThroughLanguageSwitches)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start();
    openThroughDialog(*window, path, true);
    const QString english = "KINROW - Family Tree - " + path + " - Read Only !!!!!";
    EXPECT_EQ(window->windowTitle(), english);
    test::Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(0);
    EXPECT_EQ(window->windowTitle(), "KINROW - Aile Soyağacı - " + path + " - Read Only !!!!!");
    test::Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(1);
    EXPECT_EQ(window->windowTitle(), english);
}

TEST_F(MainWindowTest, FailedOpenKeepsThePreviousName)
{
    auto window = start();
    const QString before = window->session().familyFileName;
    prompts->chooseFile(home.filePath("eski.dat"));
    prompts->answerMessage(PromptAnswer::Ok);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::DatCreateRefusal, Lang::English));
    EXPECT_EQ(window->session().familyFileName, before);
    prompts->cancelFileDialog();
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(window->session().familyFileName, before);
}

TEST_F(MainWindowTest, LegacyImportEndsWithGedName)
{
    const QString path = write("eski.dat", QByteArray(1008, '\0'));
    auto window = start();
    openThroughDialog(*window, path);
    EXPECT_EQ(window->session().familyFileName, home.filePath("eski.ged"));
    EXPECT_TRUE(window->windowTitle().endsWith(home.filePath("eski.ged")));
    EXPECT_EQ(window->session().persons().size(), 2u);
    QTest::mouseClick(test::Control<QToolButton>(*window, "SB_ErrorClose"), Qt::LeftButton);
    EXPECT_TRUE(window->session().unsavedChanges());
    EXPECT_TRUE(window->SB_SaveClick());
    EXPECT_TRUE(QFile::exists(home.filePath("eski.ged")));
    EXPECT_EQ(QFile(path).size(), 1008);
}

TEST_F(MainWindowTest, AnImportAsksBeforeTakingTheNameOfAnotherFamily)
{
    const QString dat = write("eski.dat", QByteArray(1008, '\0'));
    const QString other = write("eski.ged", KinrowFile);
    auto window = start();
    const QString before = window->session().familyFileName;
    // No, then the save dialog cancelled: nothing is opened.
    prompts->chooseFile(dat);
    prompts->answerMessage(PromptAnswer::No);
    prompts->cancelSaveDialog();
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(prompts->messages.last(),
              other + "\r\r" + LangText(Msg::ImportNameTaken, Lang::English));
    EXPECT_EQ(window->session().familyFileName, before);
    EXPECT_TRUE(window->session().persons().empty());

    // No, then another name: the import takes it, and saving leaves the other family alone.
    prompts->chooseFile(dat);
    prompts->answerMessage(PromptAnswer::No);
    prompts->chooseSaveFile(home.filePath("aktarilan"));
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(window->session().familyFileName, home.filePath("aktarilan.ged"));
    ASSERT_EQ(window->session().persons().size(), 2u);
    QTest::mouseClick(test::Control<QToolButton>(*window, "SB_ErrorClose"), Qt::LeftButton);
    ASSERT_TRUE(window->SB_SaveClick());
    ASSERT_TRUE(window->SB_SaveClick());
    QFile kept(other);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), KinrowFile);
    EXPECT_FALSE(QFile::exists(home.filePath("eski.bak")));

    // Yes lets the import replace the other family.
    prompts->chooseFile(dat);
    prompts->answerMessage(PromptAnswer::Yes);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(window->session().familyFileName, other);
}

TEST_F(MainWindowTest, AFailedSaveOffersAnotherNameAndTheWindowCloses)
{
    QDir(home.path()).mkpath("gone");
    QDir(home.path()).mkpath("resim");
    write("resim/a.jpg", "");
    const QString path =
        write("gone/aile.ged", QByteArray(KinrowFile)
                                   .replace("1 SEX M\r\n", "1 SEX M\r\n1 OBJE\r\n2 FILE "
                                                           "../resim/a.jpg\r\n"));
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    ASSERT_EQ(window->session().persons().at(0).Pictures, QStringList{"../resim/a.jpg"});
    window->show();
    window->session().setUnsavedChanges(true);
    ASSERT_TRUE(QDir(home.filePath("gone")).removeRecursively());
    // The settings cannot be written either: a folder has taken their name.
    ASSERT_TRUE(QDir().mkpath(SettingsFilePath()));

    prompts->answerMessage(PromptAnswer::Yes); // save before exit
    prompts->answerMessage(PromptAnswer::Yes); // under another name
    prompts->chooseSaveFile(home.filePath("kurtarma.ged"));
    prompts->answerMessage(PromptAnswer::Ok); // the settings were not written
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(prompts->messages[1].endsWith(LangText(Msg::SaveElsewhereQuestion, Lang::English)));
    EXPECT_EQ(prompts->messages[2],
              LangText(Msg::SettingsNotWritten, Lang::English) + SettingsFilePath());
    EXPECT_EQ(window->session().familyFileName, home.filePath("kurtarma.ged"));
    EXPECT_FALSE(window->session().unsavedChanges());
    QFile saved(home.filePath("kurtarma.ged"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("2 FILE resim/a.jpg\r\n"));
    QDir(SettingsFilePath()).removeRecursively();
}

TEST_F(MainWindowTest, SavingIntoAFolderThatRewritesPictureNamesForgetsTheSteps)
{
    QDir(home.path()).mkpath("gone");
    QDir(home.path()).mkpath("resim");
    write("resim/a.jpg", "");
    const QString path =
        write("gone/aile.ged", QByteArray(KinrowFile)
                                   .replace("1 SEX M\r\n", "1 SEX M\r\n1 OBJE\r\n2 FILE "
                                                           "../resim/a.jpg\r\n"));
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    Session& session = window->session();
    FamilyChange change(session, StepKind::Correct, {2});
    change.persons()[1].GivenName = "FATMA";
    change.commit();
    ASSERT_TRUE(QDir(home.filePath("gone")).removeRecursively());

    prompts->answerMessage(PromptAnswer::Yes); // under another name
    prompts->chooseSaveFile(home.filePath("kurtarma.ged"));
    ASSERT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(session.persons()[0].Pictures, QStringList{"resim/a.jpg"});
    // An undone step would bring back a name of the old folder.
    EXPECT_FALSE(session.undo());
    EXPECT_EQ(session.persons()[1].GivenName, "FATMA");
}

TEST_F(MainWindowTest, SavingTwiceKeepsOneBackup)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    window->session().setUnsavedChanges(true);
    ASSERT_TRUE(window->SB_SaveClick());
    EXPECT_FALSE(window->session().unsavedChanges());
    ASSERT_TRUE(window->SB_SaveClick());
    const QStringList backups = QDir(home.path()).entryList({"*.bak"});
    EXPECT_EQ(backups, QStringList{"aile.bak"});
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(MainWindowTest, FailedSaveKeepsTheFlagAndTheWindowOpen)
{
    QDir(home.path()).mkdir("gone");
    const QString path = write("gone/aile.ged", KinrowFile);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    window->show();
    window->session().setUnsavedChanges(true);
    QDir::setCurrent(home.path());
    ASSERT_TRUE(QDir(home.filePath("gone")).removeRecursively());

    prompts->answerMessage(PromptAnswer::Ok);
    EXPECT_FALSE(window->SB_SaveClick());
    EXPECT_FALSE(prompts->messages.last().isEmpty());
    EXPECT_TRUE(window->session().unsavedChanges());

    // Yes to saving at exit, but the save fails: the window stays with the changes.
    prompts->answerMessage(PromptAnswer::Yes);
    prompts->answerMessage(PromptAnswer::Ok);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->session().unsavedChanges());

    // Yes to saving before opening another file, failing likewise: no dialog follows.
    prompts->answerMessage(PromptAnswer::Yes);
    prompts->answerMessage(PromptAnswer::Ok);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(window->session().familyFileName, path);
    window->session().setUnsavedChanges(false);
}

TEST_F(MainWindowTest, ClosingAfterAFailedSaveKeepsTheWindowAndTheChange)
{
    QDir(home.path()).mkdir("gone");
    const QString path = write("gone/aile.ged", KinrowFile);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    window->show();
    Session& session = window->session();
    FamilyChange change(session, StepKind::Correct, {2});
    change.persons()[1].GivenName = "FATMA";
    change.commit();
    ASSERT_TRUE(QDir(home.filePath("gone")).removeRecursively());

    prompts->answerMessage(PromptAnswer::Yes); // save before exit
    prompts->answerMessage(PromptAnswer::No);  // not under another name
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->session().unsavedChanges());
    EXPECT_EQ(session.persons().at(1).GivenName, "FATMA");
    EXPECT_TRUE(session.history().canUndo());
    window->session().setUnsavedChanges(false);
}

TEST_F(MainWindowTest, AFileChangedOnTheDiskSinceOpeningIsNeverSilentlyReplaced)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    window->session().setUnsavedChanges(true);
    // Another window saves the family meanwhile.
    const QByteArray other = QByteArray(KinrowFile).replace("AYSE", "EMINE");
    write("aile.ged", other);
    const auto onDisk = [&](const QString& name) {
        QFile file(home.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString question = LangText(Msg::FileChangedOnDisk, Lang::English).arg(path);

    prompts->answerMessage(PromptAnswer::Cancel);
    EXPECT_FALSE(window->SB_SaveClick());
    EXPECT_EQ(prompts->messages.value(0), question);
    EXPECT_EQ(onDisk("aile.ged"), other);
    EXPECT_FALSE(QFile::exists(home.filePath("aile.bak")));
    EXPECT_TRUE(window->session().unsavedChanges());

    // Yes, the default, saves under another name and leaves the other window's file alone.
    prompts->answerMessage(PromptAnswer::Yes);
    prompts->chooseSaveFile(home.filePath("aile2.ged"));
    EXPECT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(onDisk("aile.ged"), other);
    EXPECT_EQ(window->session().familyFileName, home.filePath("aile2.ged"));
    EXPECT_TRUE(onDisk("aile2.ged").contains("AYSE"));
    EXPECT_FALSE(window->session().unsavedChanges());

    // Saved here, the new file is this window's: the next save asks nothing.
    window->session().setUnsavedChanges(true);
    EXPECT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(prompts->messages.size(), 2);

    // No overwrites, and the other program's file becomes the backup.
    write("aile2.ged", other);
    window->session().setUnsavedChanges(true);
    prompts->answerMessage(PromptAnswer::No);
    EXPECT_TRUE(window->SB_SaveClick());
    EXPECT_TRUE(onDisk("aile2.ged").contains("AYSE"));
    EXPECT_EQ(onDisk("aile2.bak"), other);
}

TEST_F(MainWindowTest, FileButtonAsksAboutUnsavedChanges)
{
    const QString first = write("aile.ged", KinrowFile);
    const QString second = write("diger.ged", KinrowFile);
    auto window = start({first});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    window->session().setUnsavedChanges(true);
    prompts->answerMessage(PromptAnswer::Cancel);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::SaveChangesQuestion, Lang::English));
    EXPECT_EQ(window->session().familyFileName, first);
    prompts->answerMessage(PromptAnswer::Yes);
    prompts->chooseFile(second);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_TRUE(QFile::exists(home.filePath("aile.bak")));
    EXPECT_EQ(window->session().familyFileName, second);
    EXPECT_FALSE(window->session().unsavedChanges());
}

TEST_F(MainWindowTest, ClosingWithUnsavedChangesHonoursTheAnswer)
{
    const QString path = write("aile.ged", KinrowFile);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    window->show();
    window->session().setUnsavedChanges(true);

    prompts->answerMessage(PromptAnswer::Cancel);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::SaveBeforeExitQuestion, Lang::English));
    EXPECT_FALSE(QFile::exists(home.filePath("aile.bak")));

    prompts->answerMessage(PromptAnswer::No);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(home.filePath("aile.bak")));

    window->show();
    window->session().setUnsavedChanges(true);
    prompts->answerMessage(PromptAnswer::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(QFile::exists(home.filePath("aile.bak")));
    EXPECT_FALSE(window->session().unsavedChanges());
}

TEST_F(MainWindowTest, SettingsWrittenAtCloseAreReadAtTheNextStart)
{
    const QString path = write("aile.ged", KinrowFile);
    {
        auto window = start({path});
        QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
        window->session().setRecNoMain(2);
        test::Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(0);
        window->show();
        EXPECT_TRUE(window->close());
    }
    auto window = start();
    EXPECT_EQ(window->session().lang(), Lang::Turkish);
    EXPECT_EQ(window->session().recNoMain(), 2);
    EXPECT_EQ(window->session().familyFileName, path);
    EXPECT_EQ(test::Control<QPushButton>(*window, "Button_Devam")->text(), "DEVAM");
}

TEST_F(MainWindowTest, ResizingKeepsTheShapeAndScalesControls)
{
    auto window = start();
    window->show();
    window->resize(400, 900);
    EXPECT_EQ(window->size(), QSize(616, 480));
    window->resize(1232, 200);
    EXPECT_EQ(window->size(), QSize(1232, 960));
    AboutPage* about = window->TabSheet_About;
    EXPECT_EQ(test::Control<QPushButton>(*about, "BitBtn_Dosya")->geometry(),
              QRect(670, 600, 402, 50));
    EXPECT_EQ(test::Control<QLabel>(*about, "Lb_Title")->font().pixelSize(), 38);
    // Back and forth many times: no rounding creeps into the design geometry.
    for (int width : {700, 917, 633, 1001, 616})
        window->resize(width, 1);
    EXPECT_EQ(test::Control<QPushButton>(*about, "BitBtn_Dosya")->geometry(),
              QRect(335, 300, 201, 25));
    EXPECT_EQ(test::Control<QLabel>(*about, "Lb_Title")->font().pixelSize(), 19);
}

TEST_F(MainWindowTest, StartUpReadsTheAssociationAndTheStoredFont)
{
    ASSERT_TRUE(RegisterGedAssociation(QCoreApplication::applicationFilePath()));
    ASSERT_TRUE(WriteFontValues(SettingsFilePath(), "DejaVu Serif", 0));
    auto window = start();
    EXPECT_TRUE(window->TabSheet_Print->associationTicked());
    EXPECT_EQ(window->font().family(), "DejaVu Serif");
    for (QWidget* widget : window->findChildren<QWidget*>())
        EXPECT_EQ(widget->font().family(), "DejaVu Serif") << widget->objectName().toStdString();
    // The title keeps its own size and weight under the program font.
    EXPECT_EQ(test::Control<QLabel>(*window, "Lb_Title")->font().pixelSize(), 19);
    EXPECT_TRUE(test::Control<QLabel>(*window, "Lb_Title")->font().bold());
    // A font that was not changed is not offered for storing at close.
    window->show();
    EXPECT_TRUE(window->close());
    ASSERT_TRUE(RemoveGedAssociation());
}

TEST_F(MainWindowTest, ReadProgressShowsTheBarAndMessagesGoThroughPrompts)
{
    auto window = start();
    window->show();
    QProgressBar* bar = test::Control<QProgressBar>(*window, "ProgressBar_Read");
    WindowReadReporter reporter(window->prompts(), bar);
    reporter.progress(250, 1000);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->value(), 250);
    reporter.progress(5'000'000'000, 10'000'000'000); // beyond int, still a fraction
    EXPECT_EQ(bar->value(), 500);
    EXPECT_EQ(bar->geometry(), QRect(56, 48, 500, 12));
    reporter.progressDone();
    EXPECT_FALSE(bar->isVisible());
    prompts->answerMessage(PromptAnswer::Ok);
    reporter.message("17. Line is too long. File could not open.");
    EXPECT_EQ(prompts->messages.last(), "17. Line is too long. File could not open.");
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

TEST_F(MainWindowTest, LargeFileMovesAndRepaintsTheProgressBar)
{
    QByteArray bytes = "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n";
    for (int p = 1; p <= 60000; ++p)
        bytes += "0 @I" + QByteArray::number(p) + "@ INDI\r\n1 NAME AD /SOYAD/\r\n1 SEX M\r\n";
    bytes += "0 TRLR\r\n";
    const QString path = write("buyuk.ged", bytes);
    auto window = start();
    window->show();
    QProgressBar* bar = test::Control<QProgressBar>(*window, "ProgressBar_Read");
    QList<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&values](int v) { values.append(v); });
    PaintCounter painter;
    bar->installEventFilter(&painter);
    openThroughDialog(*window, path);
    EXPECT_EQ(window->session().persons().size(), 60000u);
    EXPECT_GT(values.size(), 10);
    EXPECT_GE(painter.paints, 1);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened.append(url); }
};

TEST_F(MainWindowTest, AddressLabelsOpenTheirAddresses)
{
    auto window = start();
    window->show();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("mailto", &catcher, "open");
    QDesktopServices::setUrlHandler("http", &catcher, "open");
    QTest::mouseClick(test::Control<Label3D>(*window, "Label3D_Email"), Qt::LeftButton);
    QTest::mouseClick(test::Control<Label3D>(*window, "Label3D_WebPage"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("mailto");
    QDesktopServices::unsetUrlHandler("http");
    ASSERT_EQ(catcher.opened.size(), 2);
    EXPECT_EQ(catcher.opened[0].scheme(), "mailto");
    EXPECT_EQ(catcher.opened[1].host(), "www.kinrow.example");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// The application must outlive every window and die before Qt's own statics do.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "mainwindow_test.moc"

TEST_F(MainWindowTest, SampleFamilyOpensAndEveryRelativeIsOneClickAway)
{
    QDir sampleDir(QStringLiteral(KINROW_SOURCE_DIR "/data/sample"));
    const QString path = write("aile.ged", [&] {
        QFile file(sampleDir.filePath("aile.ged"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }());
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    Session& state = window->session();
    ASSERT_EQ(state.persons().size(), 41u);
    test::PersonControls page(window->TabSheet_Main);

    // A person of the third generation with both parents, two wives, children and a half-sister.
    const auto found = std::find_if(state.persons().begin(), state.persons().end(), [](auto& p) {
        return p.MotherId > 0 && p.FatherId > 0 && p.Spouses.size() > 1 && !p.Children.isEmpty();
    });
    ASSERT_NE(found, state.persons().end());
    const TTreeData person = *found;
    const auto visit = [&](auto* control, int clicks) {
        state.setRecNoMain(person.Id);
        window->TabSheet_Main->ShowRecord();
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(control, Qt::LeftButton);
        return state.recNoMain();
    };
    EXPECT_EQ(visit(page.Lb_Anne, 1), person.MotherId);
    EXPECT_EQ(visit(page.Lb_Baba, 1), person.FatherId);
    // The first click on a heading only selects the list's first entry.
    EXPECT_EQ(visit(page.SB_Esi, 1), person.Id);
    EXPECT_EQ(visit(page.SB_Esi, 2), person.Spouses.first());
    EXPECT_EQ(visit(page.SB_Cocuklari, 2), person.Children.first());
    const QList<qint32> siblings = SiblingsOf(state.persons(), person.Id);
    ASSERT_FALSE(siblings.isEmpty());
    EXPECT_EQ(visit(page.SB_Kardesleri, 2), siblings.first());
    EXPECT_EQ(page.Lb_RecAdet->text(), QStringLiteral("Total Records : 41"));
}

// A file holding lines the family cannot keep is not replaced by the first save unless the
// user says so; another name is the default answer.
TEST_F(MainWindowTest, TheFirstSaveOfARicherFileOffersAnotherName)
{
    const QByteArray richer = "0 HEAD\r\n1 SOUR OtherProgram\r\n2 VERS 5.5\r\n1 CHAR UTF-8\r\n"
                              "0 @I1@ INDI\r\n1 NAME Ali /Veli/\r\n1 FAMS @F1@\r\n0 @I2@ INDI\r\n"
                              "1 FAMS @F1@\r\n0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n"
                              "1 MARR\r\n2 DATE 1920\r\n0 TRLR\r\n";
    const QString question = LangText(Msg::SaveOverRicherFileQuestion, Lang::English);
    const auto asked = [&] { return prompts->messages.filter(question).size(); };
    const auto fileBytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };

    // Yes: saved under the chosen name; the other program's file stays as it was.
    const QString path = write("diger.ged", richer);
    auto window = start({path});
    QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
    ASSERT_EQ(window->session().persons().size(), 2u);
    prompts->answerMessage(PromptAnswer::Yes);
    prompts->chooseSaveFile(home.filePath("kopya.ged"));
    ASSERT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(asked(), 1);
    EXPECT_EQ(fileBytes(path), richer);
    EXPECT_EQ(window->session().familyFileName, home.filePath("kopya.ged"));
    EXPECT_TRUE(fileBytes(home.filePath("kopya.ged")).contains("1 NAME ALI /VELI/"));
    // The second save asks no more.
    ASSERT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(asked(), 1);

    // Cancel saves nothing; No replaces the file, and the next save asks no more.
    const QString second = write("ikinci.ged", richer);
    prompts->chooseFile(second);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    ASSERT_EQ(window->session().familyFileName, second);
    prompts->answerMessage(PromptAnswer::Cancel);
    EXPECT_FALSE(window->SB_SaveClick());
    EXPECT_EQ(fileBytes(second), richer);
    prompts->answerMessage(PromptAnswer::No);
    ASSERT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(asked(), 3);
    EXPECT_NE(fileBytes(second), richer);
    ASSERT_TRUE(window->SB_SaveClick());
    EXPECT_EQ(asked(), 3);
}
