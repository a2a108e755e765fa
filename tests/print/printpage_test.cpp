#include "editing/family.h"
#include "editing/personcontrols.h"
#include "editing/personpage.h"
#include "model/messages.h"
#include "print/printmodel.h"
#include "print/printpage.h"
#include "shell/association.h"
#include "shell/settings.h"
#include "shell/windowfixture.h"
#include "table/tableexport.h"
#include "ui/speedbutton.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace kinrow;
using namespace kinrow::test;

namespace {

// The text of a PDF file, as pdftotext reads it.
QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Father 1, mother 2, children 3 and 4, and a stranger 5.
PersonList Family()
{
    PersonList persons = Persons(5);
    At(persons, 2).Sex = SexFemale;
    At(persons, 4).Sex = SexFemale;
    Marry(persons, 1, 2);
    Child(persons, 2, 1, 3);
    Child(persons, 2, 1, 4);
    return persons;
}

class PrintPageTest : public WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        window = start();
        window->session().replaceFamily(Family());
        window->session().setRecNoMain(3);
        page = window->TabSheet_Print;
    }

    QList<qint32> shownRecNos() const
    {
        QList<qint32> recNos;
        for (int row = 0; row < page->model()->rowCount(); ++row)
            recNos.append(page->model()->index(row, 0).data().toInt());
        return recNos;
    }

    PrintPage* page = nullptr;
};

} // namespace

TEST_F(PrintPageTest, ModelPassesTheTester)
{
    QAbstractItemModelTester tester(page->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    window->SB_YazClick();
    page->table().setScope(PrintScope::Males);
    page->table().setUncheckedRows(UncheckedRows::Hide);
    page->ComboBox_P_ListeChange();
    page->VST_PrintHeaderClick(PrintColumnNo);
    const QModelIndex first = page->model()->index(0, PrintColumnNo);
    EXPECT_TRUE(page->model()->setData(first, Qt::Unchecked, Qt::CheckStateRole));
    EXPECT_EQ(first.data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(
        page->model()->setData(page->model()->index(0, 1), Qt::Checked, Qt::CheckStateRole));
}

TEST_F(PrintPageTest, OpensChangesScopeAndTicksARow)
{
    window->show();
    QTest::mouseClick(test::PersonControls(window->TabSheet_Main).SB_Yaz, Qt::LeftButton);
    EXPECT_EQ(window->PageControl_Main->currentWidget(), page);
    // The first opening takes the family of person 3: parents and the person, not the sister.
    EXPECT_EQ(Control<QComboBox>(*page, "ComboBox_P_Liste")->currentIndex(), 0);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{1, 2, 3}));
    EXPECT_TRUE(Control<QRadioButton>(*page, "RG_P_Show")->isChecked());
    EXPECT_EQ(Control<QLabel>(*page, "Lb_P_Tplm")->text(), "All\n5 Kişi");
    EXPECT_EQ(Control<QLabel>(*page, "Lb_P_Checked")->text(), "Selected\n3 Kişi");
    EXPECT_EQ(Control<QLabel>(*page, "Lb_P_Visible")->text(), "Visible\n5 Kişi");
    EXPECT_EQ(Control<QTableView>(*page, "VST_Print")->currentIndex().row(), 2);
    EXPECT_EQ(page->shownColumns(), (QList<int>{0, 1, 2, 3, 4}));

    Control<QComboBox>(*page, "ComboBox_P_Liste")->setCurrentIndex(3);
    Q_EMIT Control<QComboBox>(*page, "ComboBox_P_Liste")->activated(3);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{2, 4}));
    Control<QRadioButton>(*page, "RG_P_Hide")->click();
    EXPECT_EQ(shownRecNos(), (QList<qint32>{2, 4}));
    EXPECT_EQ(Control<QLabel>(*page, "Lb_P_Visible")->text(), "Visible\n2 Kişi");

    // Space on the focused row unticks it: it stays in sight and both choices are cleared.
    Control<QTableView>(*page, "VST_Print")
        ->setCurrentIndex(page->model()->index(1, PrintColumnNo));
    QTest::keyClick(Control<QTableView>(*page, "VST_Print"), Qt::Key_Space);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{2}));
    EXPECT_EQ(Control<QLabel>(*page, "Lb_P_Checked")->text(), "Selected\n1 Kişi");
    EXPECT_EQ(Control<QComboBox>(*page, "ComboBox_P_Liste")->currentIndex(), -1);
    EXPECT_FALSE(Control<QRadioButton>(*page, "RG_P_Hide")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(*page, "RG_P_Show")->isChecked());
    EXPECT_EQ(shownRecNos(), (QList<qint32>{2, 4}));

    // Ticking it again and printing puts both ticked rows, and only those, into the PDF.
    QTest::keyClick(Control<QTableView>(*page, "VST_Print"), Qt::Key_Space);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{2, 4}));
    const QString pdf = home.filePath(QStringLiteral("list.pdf"));
    prompts->printToPdf(pdf);
    prompts->answerMessage(PromptAnswer::Ok);
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_Yaz"), Qt::LeftButton);
    EXPECT_EQ(prompts->offeredPageCounts, QList<int>{1});
    EXPECT_EQ(prompts->messages.value(0), LangText(Msg::PrintFinished, Lang::English));
    const QString text = PdfText(pdf); // poppler-utils is among the build's packages
    EXPECT_TRUE(text.contains(QStringLiteral("P2")) && text.contains(QStringLiteral("P4")));
    EXPECT_FALSE(text.contains(QStringLiteral("P1")) || text.contains(QStringLiteral("P3")));

    // The next opening applies the family scope afresh.
    QTest::mouseClick(Control<SpeedButton>(*page, "SB_P_Back"), Qt::LeftButton);
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_Main);
    QTest::mouseClick(test::PersonControls(window->TabSheet_Main).SB_Yaz, Qt::LeftButton);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{1, 2, 3}));
}

TEST_F(PrintPageTest, ColumnBoxesAndDoubleClickOnTheMother)
{
    window->SB_YazClick();
    ColumnCheckBox* mother = Control<ColumnCheckBox>(*page, "CheckBox1");
    EXPECT_EQ(mother->tag(), PrintColumnMother);
    EXPECT_TRUE(Control<QTableView>(*page, "VST_Print")->isColumnHidden(PrintColumnMother));
    mother->click();
    EXPECT_FALSE(Control<QTableView>(*page, "VST_Print")->isColumnHidden(PrintColumnMother));
    EXPECT_EQ(page->shownColumns(), (QList<int>{0, 1, 2, 3, 4, 5}));

    const QModelIndex cell = page->model()->index(3, PrintColumnMother); // person 4
    Control<QTableView>(*page, "VST_Print")->setCurrentIndex(cell);
    page->VST_PrintColumnDblClick(cell);
    EXPECT_EQ(window->session().recNoMain(), 2);
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_Main);

    // Without a mother the double click shows the person itself; the column stays shown.
    window->SB_YazClick();
    EXPECT_FALSE(Control<QTableView>(*page, "VST_Print")->isColumnHidden(PrintColumnMother));
    const QModelIndex own = page->model()->index(4, PrintColumnMother);
    Control<QTableView>(*page, "VST_Print")->setCurrentIndex(own);
    page->VST_PrintColumnDblClick(own);
    EXPECT_EQ(window->session().recNoMain(), 5);
}

TEST_F(PrintPageTest, PrintWithNothingTickedIsRefused)
{
    window->SB_YazClick();
    page->table().setScope(PrintScope::Surname);
    page->ComboBox_P_ListeChange();
    ASSERT_EQ(page->checkedRecNos(), (QList<qint32>{3}));
    const QModelIndex person3 = page->model()->index(2, PrintColumnNo);
    page->model()->setData(person3, Qt::Unchecked, Qt::CheckStateRole);
    prompts->answerMessage(PromptAnswer::Ok);
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_Yaz"), Qt::LeftButton);
    EXPECT_EQ(prompts->messages.value(0), LangText(Msg::NoCheckedPerson, Lang::English));
}

TEST_F(PrintPageTest, CollectingIsRefusedInReadOnlyMode)
{
    EXPECT_TRUE(Control<QPushButton>(*page, "BitBtn_P_Resim")->isEnabled());
    window->session().setReadOnlyMode(true);
    EXPECT_FALSE(Control<QPushButton>(*page, "BitBtn_P_Resim")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(*page, "BitBtn_P_Kaydet")->isEnabled());
    EXPECT_TRUE(Control<QPushButton>(*page, "BitBtn_Yaz")->isEnabled());
}

TEST_F(PrintPageTest, LanguageSwitchClearsTheScopeAndKeepsTheRadio)
{
    window->SB_YazClick();
    Control<QRadioButton>(*page, "RG_P_Hide")->click();
    Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(0);
    EXPECT_EQ(Control<QComboBox>(*page, "ComboBox_P_Liste")->currentIndex(), -1);
    EXPECT_EQ(Control<QComboBox>(*page, "ComboBox_P_Liste")->itemText(1), "Soyadı");
    EXPECT_EQ(Control<QRadioButton>(*page, "RG_P_Hide")->text(), "Gizle");
    EXPECT_TRUE(Control<QRadioButton>(*page, "RG_P_Hide")->isChecked());
    EXPECT_EQ(page->table().scope(), PrintScope::None);
}

// Space ticks the focused row in any column; a click on a row's box makes that row current, so
// the next Space ticks the row just clicked.
TEST_F(PrintPageTest, SpaceAndClicksTickTheRowTheUserMeans)
{
    window->show();
    QTest::mouseClick(test::PersonControls(window->TabSheet_Main).SB_Yaz, Qt::LeftButton);
    auto* view = Control<QTableView>(*page, "VST_Print");
    ASSERT_EQ(page->checkedRecNos(), (QList<qint32>{1, 2, 3}));
    view->setCurrentIndex(page->model()->index(3, PrintColumnNo + 1));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{1, 2, 3, 4}));

    QStyleOptionViewItem option;
    option.initFrom(view);
    option.rect = view->visualRect(page->model()->index(4, PrintColumnNo));
    option.features = QStyleOptionViewItem::HasCheckIndicator;
    const QRect box =
        view->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, view);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{1, 2, 3, 4, 5}));
    EXPECT_EQ(view->currentIndex().row(), 4);
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(page->checkedRecNos(), (QList<qint32>{1, 2, 3, 4}));
}

// The information labels break their lines where the texts do, in either language.
TEST_F(PrintPageTest, InformationLabelsKeepTheirLineBreaks)
{
    for (const int lang : {0, 1}) {
        Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(lang);
        for (const char* name : {"Lb_P_Info", "Lb_P_Save", "Lb_P_Resim", "Lb_P_Font"}) {
            const QString text = Control<QLabel>(*page, name)->text();
            EXPECT_FALSE(text.contains(QLatin1Char('\r'))) << name;
            EXPECT_GE(text.count(QLatin1Char('\n')), 3) << name << ": " << text.toStdString();
        }
    }
}

TEST_F(PrintPageTest, ChangedFontIsOfferedAtCloseAndStored)
{
    const QString startFont = window->font().family();
    prompts->answerFont(QFont(startFont));
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_Font"), Qt::LeftButton);
    EXPECT_TRUE(Control<QToolButton>(*page, "SB_DefFont")
                    ->isHidden()); // the same font again changes nothing
    EXPECT_EQ(prompts->fontDialogFonts.value(0).family(), startFont);

    prompts->answerFont(QFont(QStringLiteral("DejaVu Serif")));
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_Font"), Qt::LeftButton);
    EXPECT_EQ(window->font().family(), "DejaVu Serif");
    EXPECT_EQ(Control<QTableView>(*page, "VST_Print")->font().family(), "DejaVu Serif");
    EXPECT_FALSE(Control<QToolButton>(*page, "SB_DefFont")->isHidden());
    EXPECT_EQ(Control<QToolButton>(*page, "SB_DefFont")->text(), "DEFAULT FONT\n" + startFont);
    EXPECT_EQ(window->session().printFontName(), "DejaVu Serif");

    prompts->answerMessage(PromptAnswer::Yes);
    window->close();
    ASSERT_EQ(prompts->messages.size(), 1);
    EXPECT_TRUE(prompts->messages[0].startsWith("Program Screen Font is changed by you."));
    QSettings ini(SettingsFilePath(), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Last Values/FontName").toString(), "DejaVu Serif");
    EXPECT_TRUE(ini.contains("Last Values/FontCharSet"));
}

TEST_F(PrintPageTest, DefaultFontButtonReturnsAndNothingIsAskedAtClose)
{
    const QString startFont = window->font().family();
    prompts->answerFont(QFont(QStringLiteral("DejaVu Serif")));
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_Font"), Qt::LeftButton);
    QTest::mouseClick(Control<QToolButton>(*page, "SB_DefFont"), Qt::LeftButton);
    EXPECT_EQ(window->font().family(), startFont);
    EXPECT_TRUE(Control<QToolButton>(*page, "SB_DefFont")->isHidden());
    window->close();
    EXPECT_TRUE(prompts->messages.isEmpty());
    QSettings ini(SettingsFilePath(), QSettings::IniFormat);
    EXPECT_FALSE(ini.contains("Last Values/FontName"));
}

TEST_F(PrintPageTest, AssociationBoxRegistersAndRemoves)
{
    const QString program = QCoreApplication::applicationFilePath();
    EXPECT_FALSE(Control<QCheckBox>(*page, "CheckBox_GED")->isChecked());
    prompts->answerMessage(PromptAnswer::Ok);
    Control<QCheckBox>(*page, "CheckBox_GED")->click();
    EXPECT_EQ(prompts->messages.last(), "GED Files Assocciation is OKEY");
    EXPECT_TRUE(IsGedAssociationRegistered(program));

    // The next start reads the tick back.
    auto again = std::make_unique<TForm_Main>(QStringList{}, std::make_unique<ScriptedPrompts>());
    EXPECT_TRUE(Control<QCheckBox>(*again, "CheckBox_GED")->isChecked());
    again.reset();

    prompts->answerMessage(PromptAnswer::Ok);
    Control<QCheckBox>(*page, "CheckBox_GED")->click();
    EXPECT_EQ(prompts->messages.last(), "GED Files Assocciation is Removed");
    EXPECT_FALSE(IsGedAssociationRegistered(program));
}

TEST_F(PrintPageTest, AssociationThatCannotBeWrittenIsNotReportedAsDone)
{
    // A file where the applications folder should be makes the desktop entry unwritable.
    QDir(home.path()).mkpath("data");
    QFile blocker(home.filePath("data/applications"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    prompts->answerMessage(PromptAnswer::Ok);
    Control<QCheckBox>(*page, "CheckBox_GED")->click();
    EXPECT_FALSE(Control<QCheckBox>(*page, "CheckBox_GED")->isChecked());
    EXPECT_NE(prompts->messages.last(), "GED Files Assocciation is OKEY");
}

TEST_F(PrintPageTest, CurrentDirShownAfterOpening)
{
    window->session().replaceFamily({});
    const QString path = home.filePath("fam.ged");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\r\n1 SOUR KINROW\r\n1 CHAR ANSI\r\n0 @I1@ INDI\r\n1 NAME A /B/\r\n"
               "1 SEX M\r\n0 TRLR\r\n");
    file.close();
    prompts->chooseFile(path);
    QTest::mouseClick(Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(Control<QLabel>(*page, "Lb_P_CurrentDir")->text(),
              "\n" + QDir::toNativeSeparators(home.path()));
}

TEST_F(PrintPageTest, SaveExportsTheVisibleRowsAndColumnsInDisplayOrder)
{
    window->SB_YazClick();
    page->table().setScope(PrintScope::Females);
    page->table().setUncheckedRows(UncheckedRows::Hide);
    Control<QComboBox>(*page, "ComboBox_P_Liste")->setCurrentIndex(3);
    Q_EMIT Control<QComboBox>(*page, "ComboBox_P_Liste")->activated(3);
    Control<QRadioButton>(*page, "RG_P_Hide")->click();
    Control<ColumnCheckBox>(*page, "CheckBox5")->click(); // birth place hidden
    // Surname dragged before the given name.
    QHeaderView* header = Control<QTableView>(*page, "VST_Print")->horizontalHeader();
    header->moveSection(header->visualIndex(PrintColumnSurname),
                        header->visualIndex(PrintColumnGivenName));
    EXPECT_EQ(page->exportContent(ExportFormat::PlainText),
              QByteArray("No\tSoyad\tAd\tDogum Tarihi\r\n2\tS2\tP2\t\r\n4\tS4\tP4\t\r\n"));

    const QString path = home.filePath("liste.html");
    prompts->chooseSaveFile(path);
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_P_Kaydet"), Qt::LeftButton);
    QFile html(path);
    ASSERT_TRUE(html.open(QIODevice::ReadOnly));
    const QByteArray content = html.readAll();
    EXPECT_TRUE(content.contains(">S4<"));
    EXPECT_FALSE(content.contains(">S3<"));
}

TEST_F(PrintPageTest, SaveAsksAboutTheFileActuallyWrittenBeforeReplacingIt)
{
    window->SB_YazClick();
    const QString written = home.filePath("liste.html");
    QFile old(written);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    prompts->chooseSaveFile(home.filePath("liste"));
    prompts->answerMessage(PromptAnswer::No);
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_P_Kaydet"), Qt::LeftButton);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old");
    old.close();
    EXPECT_TRUE(prompts->messages.last().contains(written))
        << prompts->messages.last().toStdString();

    prompts->chooseSaveFile(home.filePath("liste"));
    prompts->answerMessage(PromptAnswer::Yes);
    QTest::mouseClick(Control<QPushButton>(*page, "BitBtn_P_Kaydet"), Qt::LeftButton);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_TRUE(old.readAll().startsWith("<!DOCTYPE"));
}

// The application must outlive every window and die before Qt's own statics do.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

TEST_F(PrintPageTest, GedcomExportAsksAboutTheFileItWritesAndNeverReplacesTheFamily)
{
    QPushButton* button = Control<QPushButton>(*page, "BitBtn_GedExport");
    EXPECT_EQ(button->parentWidget(), Control<QWidget>(*page, "TabSheet_P_Diger"));
    EXPECT_EQ(button->text(), LangText(Msg::ExportGedcomCaption, Lang::English) + " ....");
    EXPECT_EQ(button->toolTip(), LangText(Msg::ExportGedcomHint, Lang::English));
    const auto put = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString familyFile = home.filePath("aile.ged");
    put(familyFile, "dialect");
    window->session().familyFileName = familyFile;
    const QString exported = home.filePath("disa.ged");
    put(exported, "old");
    const QString question =
        LangText(Msg::ExportReplaceQuestion, Lang::English).arg(QDir::toNativeSeparators(exported));

    // The suffix comes first, so the question names the file that would be replaced.
    prompts->chooseSaveFile(home.filePath("disa"));
    prompts->answerMessage(PromptAnswer::No);
    button->click();
    EXPECT_EQ(prompts->messages.value(0), question);
    EXPECT_EQ(bytesOf(exported), "old");

    prompts->chooseSaveFile(home.filePath("disa"));
    prompts->answerMessage(PromptAnswer::Yes);
    button->click();
    EXPECT_TRUE(bytesOf(exported).contains("\r\n1 CHAR UTF-8\r\n"));
    EXPECT_TRUE(bytesOf(exported).contains("\r\n0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n"));

    prompts->chooseSaveFile(familyFile);
    prompts->answerMessage(PromptAnswer::Ok);
    button->click();
    EXPECT_EQ(prompts->messages.value(2), LangText(Msg::ExportIsFamilyFile, Lang::English));
    EXPECT_EQ(bytesOf(familyFile), "dialect");

    prompts->cancelSaveDialog();
    button->click();
    EXPECT_EQ(prompts->messages.size(), 3);
    EXPECT_FALSE(window->session().unsavedChanges());
}
