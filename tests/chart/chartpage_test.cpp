// The chart page on the real window: walking the family by clicks, and printing into a PDF.
#include "chart/chartlistbox.h"
#include "chart/chartpage.h"
#include "editing/family.h"
#include "editing/personcontrols.h"
#include "editing/personpage.h"
#include "gedcom/familysave.h"
#include "model/messages.h"
#include "pictures/picturepanel.h"
#include "print/printpage.h"
#include "shell/windowfixture.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace kinrow;

namespace {

TTreeData Person(const char* given, const char* surname, char sex)
{
    TTreeData p;
    p.GivenName = QString::fromLatin1(given);
    p.Surname = QString::fromLatin1(surname);
    p.Sex = sex;
    return p;
}

// Mehmet (1) is Osman's (6) and Fatma's (7) son and Hasan's (8) grandson; he has Can (4) and
// Deniz (9) with Ayse (2) and Elif (5) with Zeynep (3). Osman has one wife.
PersonList Family()
{
    PersonList persons{
        Person("MEHMET", "KAYA", 'E'), Person("AYSE", "KAYA", 'K'),  Person("ZEYNEP", "DEMIR", 'K'),
        Person("CAN", "KAYA", 'E'),    Person("ELIF", "KAYA", 'K'),  Person("OSMAN", "KAYA", 'E'),
        Person("FATMA", "KAYA", 'K'),  Person("HASAN", "KAYA", 'E'), Person("DENIZ", "KAYA", 'K')};
    for (std::size_t i = 0; i < persons.size(); ++i)
        persons[i].Id = qint32(i + 1);
    test::Marry(persons, 1, 2);
    test::Marry(persons, 1, 3);
    test::Marry(persons, 6, 7);
    test::Child(persons, 2, 1, 4);
    test::Child(persons, 3, 1, 5);
    test::Child(persons, 2, 1, 9);
    test::Child(persons, 7, 6, 1);
    test::Child(persons, 0, 8, 6);
    return persons;
}

// The text of a PDF file; with layout, spaced as it stands on the page.
QString PdfText(const QString& pdf, bool layout = false)
{
    QProcess process;
    QStringList arguments{pdf, QStringLiteral("-")};
    if (layout)
        arguments.prepend(QStringLiteral("-layout"));
    process.start(QStringLiteral("pdftotext"), arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class ChartPageTest : public test::WindowFixture
{
protected:
    // Opens the family file with CONTINUE on record recNo and shows the person page.
    void open(const QString& path, qint32 recNo)
    {
        window = start({path});
        window->show();
        QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
        ASSERT_TRUE(window->session().isRecord(recNo));
        window->session().setRecNoMain(recNo);
        window->TabSheet_Main->ShowRecord();
    }
    void openFamily(qint32 recNo)
    {
        const QString path = home.filePath("aile.ged");
        ASSERT_TRUE(SaveFamilyFile(path, Family(), {}).saved);
        open(path, recNo);
    }

    ChartPage* chart() const { return window->TabSheet_Tree; }
    SlotLabel* slotLabel(int slot) const
    {
        return test::Control<SlotLabel>(*chart(), qPrintable(SlotLabelName(slot)));
    }
    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    void clickSlot(const char* name)
    {
        auto* label = chart()->findChild<SlotLabel*>(QLatin1String(name));
        ASSERT_TRUE(label) << name;
        click(label);
    }
    QPoint rowCentre(ChartListBox* list, int row)
    {
        QApplication::processEvents(); // the list lays out its entries later
        return list->visualItemRect(list->item(row)).center();
    }
    void clickRow(ChartListBox* list, int row)
    {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }
    void doubleClickRow(ChartListBox* list, int row)
    {
        clickRow(list, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
    }
    QWidget* activePage() const { return window->PageControl_Main->currentWidget(); }
};

TEST_F(ChartPageTest, WalksTheFamilyByClicks)
{
    openFamily(1);
    click(test::PersonControls(window->TabSheet_Main).SB_Tree);
    ASSERT_EQ(activePage(), chart());
    EXPECT_EQ(window->activePageTag(), 1);
    EXPECT_EQ(test::Control<SlotLabel>(*chart(), "Lb_T_Main")->tag(), 1);
    EXPECT_EQ(test::Control<SlotLabel>(*chart(), "Lb_T_Main")->text(),
              QStringLiteral("  Mehmet KAYA"));
    EXPECT_EQ(slotLabel(2)->tag(), 6);
    EXPECT_EQ(slotLabel(3)->tag(), 7);
    EXPECT_EQ(slotLabel(4)->tag(), 8);
    EXPECT_EQ(slotLabel(5)->text(), QStringLiteral("< ?? >"));
    EXPECT_EQ(test::Control<SpeedButton>(*chart(), "SB_T_Back")->toolTip(),
              QStringLiteral("1 - Mehmet KAYA"));
    EXPECT_EQ(test::Control<QLabel>(*chart(), "Lb_T_Esi")->text(), QStringLiteral("SPOUSE :"));
    // The picture panel keeps its Turkish caption in English too.
    EXPECT_EQ(test::Control<PicturePanel>(*chart(), "Panel_T")->caption(), u"R E S İ M"_qs);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->texts(),
              QStringList({"Can KAYA", "Elif KAYA", "Deniz KAYA"})); // the order the file keeps

    // An empty slot only tells so.
    prompts->answerMessage(PromptAnswer::Ok);
    clickSlot("Lb_T_A21");
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::RecordNotFilled, Lang::English));
    EXPECT_EQ(chart()->chartPerson(), 1);

    // Two spouses: each click marks the children that spouse shares, and only those.
    clickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari"), 0);
    clickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Esi"), 0);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->selectedRow(), -1);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->texts(),
              QStringList({"•Can KAYA", "Elif KAYA", "•Deniz KAYA"}));
    clickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Esi"), 1);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->texts(),
              QStringList({"Can KAYA", "•Elif KAYA", "Deniz KAYA"}));
    // Choosing a child lets go of the spouse; entering a slot lets go of both.
    clickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari"), 2);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Esi")->selectedRow(), -1);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(slotLabel(9), &enter);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->selectedRow(), -1);

    // A father's slot makes him the chart person; the person page keeps its record.
    clickSlot("Lb_T_B11");
    EXPECT_EQ(chart()->chartPerson(), 6);
    EXPECT_EQ(slotLabel(2)->tag(), 8);
    EXPECT_EQ(slotLabel(3)->tag(), 0);
    EXPECT_EQ(window->session().recNoMain(), 1);
    EXPECT_EQ(test::Control<SpeedButton>(*chart(), "SB_T_Back")->toolTip(),
              QStringLiteral("1 - Mehmet KAYA"));

    // One spouse: a click marks nothing and lets go of the child.
    clickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari"), 0);
    clickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Esi"), 0);
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->texts(),
              QStringList({"Mehmet KAYA"}));
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari")->selectedRow(), -1);

    // Double clicks on a child and a spouse re-centre the chart.
    doubleClickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari"), 0);
    EXPECT_EQ(chart()->chartPerson(), 1);
    doubleClickRow(test::Control<ChartListBox>(*chart(), "ListBox_T_Cocuklari"), 1);
    EXPECT_EQ(chart()->chartPerson(), 5);
    EXPECT_EQ(slotLabel(3)->tag(), 3);
    EXPECT_EQ(window->session().recNoMain(), 1);

    // Back leaves the person page as it was.
    click(test::Control<SpeedButton>(*chart(), "SB_T_Back"));
    EXPECT_EQ(activePage(), window->TabSheet_Main);
    EXPECT_EQ(window->session().recNoMain(), 1);

    // The centre slot, and the button beside it, make the chart person current.
    click(test::PersonControls(window->TabSheet_Main).SB_Tree);
    clickSlot("Lb_T_B11");
    click(test::Control<SlotLabel>(*chart(), "Lb_T_Main"));
    EXPECT_EQ(activePage(), window->TabSheet_Main);
    EXPECT_EQ(window->session().recNoMain(), 6);
    EXPECT_EQ(test::PersonControls(window->TabSheet_Main).Edit_Ad->text(), QStringLiteral("OSMAN"));
    click(test::PersonControls(window->TabSheet_Main).SB_Tree);
    clickSlot("Lb_T_B11");
    click(test::Control<SpeedButton>(*chart(), "SB_T_Main"));
    EXPECT_EQ(window->session().recNoMain(), 8);
    EXPECT_EQ(activePage(), window->TabSheet_Main);
}

TEST_F(ChartPageTest, SlotsHaveTheirSidesColoursAndPlaces)
{
    openFamily(1);
    click(test::PersonControls(window->TabSheet_Main).SB_Tree);
    struct Case
    {
        int slot;
        QRect geometry;
        QColor border;
    };
    const Case cases[] = {{1, {37, 211, 348, 26}, Qt::black},
                          {2, {200, 124, 200, 22}, QColor(0, 0, 255)},
                          {7, {295, 350, 140, 20}, QColor(255, 0, 0)},
                          {9, {356, 105, 121, 14}, QColor(255, 0, 0)},
                          {30, {480, 368, 120, 14}, QColor(0, 0, 255)}};
    for (const Case& c : cases) {
        EXPECT_EQ(slotLabel(c.slot)->geometry(), c.geometry) << c.slot;
        EXPECT_EQ(slotLabel(c.slot)->borderColor(), c.border) << c.slot;
    }
    // Men blue, women maroon; an empty slot keeps its colour.
    EXPECT_EQ(slotLabel(2)->textColor(), QColor(0, 0, 255));
    EXPECT_EQ(slotLabel(3)->textColor(), QColor(128, 0, 0));
    EXPECT_EQ(slotLabel(9)->textColor(), QColor(128, 0, 0));
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Esi")->textColor(),
              QColor(128, 0, 0));

    // The language switch turns the fixed captions at once, the chart's own at the next fill.
    test::Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(0);
    EXPECT_EQ(test::Control<PicturePanel>(*chart(), "Panel_T")->caption(),
              LangText(Msg::ImagePanelCaption, Lang::Turkish));
    EXPECT_EQ(test::Control<QLabel>(*chart(), "Lb_T_Esi")->text(), QStringLiteral("SPOUSE :"));
    chart()->FillTreeChart(1);
    EXPECT_EQ(test::Control<QLabel>(*chart(), "Lb_T_Esi")->text(),
              LangText(Msg::SpouseHeading, Lang::Turkish) + " :");

    // The page grows with the window.
    window->resize(1232, 960);
    EXPECT_EQ(slotLabel(2)->geometry(), QRect(400, 248, 400, 44));
    EXPECT_EQ(test::Control<ChartListBox>(*chart(), "ListBox_T_Esi")->itemHeight(), 26);
}

TEST_F(ChartPageTest, PrintsTheChartIntoAPdfFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // The sample family, with pictures, as the program opens it.
    const QString sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample");
    for (const QString& name : QDir(sample + "/resimler").entryList(QDir::Files)) {
        QDir(home.path()).mkpath(QStringLiteral("resimler"));
        QFile::copy(sample + "/resimler/" + name, home.filePath("resimler/" + name));
    }
    QFile::copy(sample + "/aile.ged", home.filePath("aile.ged"));
    open(home.filePath("aile.ged"), 19);
    click(test::PersonControls(window->TabSheet_Main).SB_Tree);

    // Cancelling the dialog prints nothing.
    const QString pdf = home.filePath("chart.pdf");
    prompts->cancelPrintDialog();
    click(test::Control<SpeedButton>(*chart(), "SB_T_Yazdir"));
    EXPECT_FALSE(QFile::exists(pdf));

    prompts->printToPdf(pdf);
    click(test::Control<SpeedButton>(*chart(), "SB_T_Yazdir"));
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("KINROW - Family Tree"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Kemal ÖZTÜRK"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Osman (x)"))) << text.toStdString();
    // The same page as kinrow-tool writes without a window, text for text and place for place.
    const QString tool = home.filePath("tool.pdf");
    ASSERT_EQ(QProcess::execute(
                  QStringLiteral(KINROW_TOOL),
                  {QStringLiteral("chart"), home.filePath("aile.ged"), QStringLiteral("19"), tool}),
              0);
    EXPECT_EQ(PdfText(pdf, true), PdfText(tool, true));

    // Paper smaller than the chart needs: a warning, and the chart is printed all the same.
    const QString small = home.filePath("a5.pdf");
    prompts->printToPdf(small, QPageSize::A5);
    prompts->answerMessage(PromptAnswer::Ok);
    click(test::Control<SpeedButton>(*chart(), "SB_T_Yazdir"));
    EXPECT_EQ(prompts->messages.last(), LangText(Msg::PaperTooSmall, Lang::English));
    EXPECT_TRUE(PdfText(small).contains(QStringLiteral("Kemal ÖZTÜRK")));

    // A file that cannot be written is reported, not passed over as printed.
    prompts->printToPdf(home.filePath("no/such/folder/chart.pdf"));
    prompts->answerMessage(PromptAnswer::Ok);
    click(test::Control<SpeedButton>(*chart(), "SB_T_Yazdir"));
    EXPECT_TRUE(prompts->messages.last().startsWith(QStringLiteral("Cannot print to ")));
    EXPECT_EQ(prompts->printDialogs, 4);
}

TEST_F(ChartPageTest, PrintsInTheFontChosenInTheFontDialog)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdffonts")).isEmpty())
        GTEST_SKIP() << "pdffonts (poppler-utils) is not installed";
    openFamily(1);
    prompts->answerFont(QFont(QStringLiteral("DejaVu Serif")));
    QTest::mouseClick(test::Control<QPushButton>(*window->TabSheet_Print, "BitBtn_Font"),
                      Qt::LeftButton);
    click(test::PersonControls(window->TabSheet_Main).SB_Tree);
    const QString pdf = home.filePath("serif.pdf");
    prompts->printToPdf(pdf);
    click(test::Control<SpeedButton>(*chart(), "SB_T_Yazdir"));
    QProcess fonts;
    fonts.start(QStringLiteral("pdffonts"), {pdf});
    fonts.waitForFinished(60000);
    const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
    EXPECT_TRUE(listed.contains(QStringLiteral("DejaVuSerif"))) << listed.toStdString();
    EXPECT_FALSE(listed.contains(QStringLiteral("DejaVuSans"))) << listed.toStdString();
}

} // namespace

// The application must outlive every window and die before Qt's own statics do.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
