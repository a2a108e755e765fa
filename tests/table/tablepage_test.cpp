#include "editing/family.h"
#include "editing/personcontrols.h"
#include "editing/personpage.h"
#include "model/session.h"
#include "shell/mainwindow.h"
#include "shell/windowfixture.h"
#include "table/generationcolumns.h"
#include "table/generationmodel.h"
#include "table/tablepage.h"
#include "ui/controls.h"
#include "ui/personlabel.h"
#include "ui/scriptedprompts.h"
#include "ui/speedbutton.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include <csignal>

#include <sys/resource.h>

using namespace kinrow;
using test::At;
using test::Child;
using test::Persons;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

namespace {

// Answers the input box and the save dialog as well.
class TablePrompts : public test::ScriptedPrompts
{
public:
    std::deque<std::optional<QString>> inputs;
    std::deque<std::optional<SaveFileChoice>> saves;

    std::optional<QString> inputBox(const QString&, const QString& label,
                                    const QString& value) override
    {
        inputLabels.append(label);
        inputDefaults.append(value);
        if (inputs.empty()) {
            ADD_FAILURE() << "unexpected input box";
            return std::nullopt;
        }
        auto answer = inputs.front();
        inputs.pop_front();
        return answer;
    }
    std::optional<SaveFileChoice> saveFile(const QString&, const QString&,
                                           const QString& filter) override
    {
        filters.append(filter);
        if (saves.empty()) {
            ADD_FAILURE() << "unexpected save dialog";
            return std::nullopt;
        }
        auto choice = saves.front();
        saves.pop_front();
        return choice;
    }

    QStringList inputLabels;
    QStringList inputDefaults;
    QStringList filters;
};

// Grandparents 4..7, parents 2 and 3, the person 1, children 8 and 9, grandchild 10 of 8.
PersonList Family()
{
    PersonList persons = Persons(10);
    Child(persons, 3, 2, 1);
    Child(persons, 5, 4, 2);
    Child(persons, 7, 6, 3);
    Child(persons, 0, 1, 8);
    Child(persons, 0, 1, 9);
    Child(persons, 0, 8, 10);
    for (qint32 n : {3, 5, 7, 9})
        At(persons, n).Sex = SexFemale;
    return persons;
}

class TablePageTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        session.replaceFamily(Family());
        session.setLang(Lang::English);
        session.setRecNoMain(1);
        page.resize(616, 480);
        page.show();
    }

    QModelIndex rowOf(qint32 recNo)
    {
        const GenerationTable& table = page.model()->table();
        for (qint32 row = 0; row < table.size(); ++row) {
            if (table.row(row).RecNo == recNo)
                return page.model()->indexOfRow(row);
        }
        return {};
    }

    Session session;
    TablePrompts prompts;
    TablePage page{session, prompts};
};

TEST_F(TablePageTest, ModelPassesTheTesterAndColoursRows)
{
    page.SB_TViewClick();
    QAbstractItemModelTester tester(page.model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    const QModelIndex me = rowOf(1);
    EXPECT_EQ(me.data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(rowOf(2).data(Qt::BackgroundRole).value<QColor>(), QColor(0x80, 0xFF, 0xFF));
    EXPECT_EQ(rowOf(3).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0x80, 0x80));
    EXPECT_TRUE(me.data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(me.data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0xFF));
    EXPECT_TRUE(rowOf(2).siblingAtColumn(ColGeneration).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(rowOf(2).data(Qt::FontRole).value<QFont>().bold());
    // Rebuilding resets the rows under the tester.
    page.SB_TViewClick();
}

TEST_F(TablePageTest, BuildShowsCountLabelAndOnlyThePersonsChildren)
{
    QSignalSpy activated(&page, &TablePage::activated);
    page.SB_TViewClick();
    EXPECT_EQ(activated.count(), 1);
    EXPECT_EQ(test::Control<QLabel>(page, "Lb_VST_Count")->text(), u"Persons in Table is 10"_qs);
    EXPECT_EQ(test::Control<PersonLabel>(page, "Lb_T1_Main")->tag(), 1);
    EXPECT_TRUE(test::Control<QTreeView>(page, "VST")->isExpanded(rowOf(1)));
    EXPECT_FALSE(test::Control<QTreeView>(page, "VST")->isExpanded(rowOf(2)));
    EXPECT_FALSE(test::Control<QTreeView>(page, "VST")->isExpanded(rowOf(8)));
    EXPECT_TRUE(test::Control<SpeedButton>(page, "SB_T1_Back")->toolTip().startsWith(u"1 - "_qs));
    EXPECT_EQ(test::Control<QTreeView>(page, "VST")->header()->logicalIndex(0), ColGeneration);
    EXPECT_TRUE(test::Control<QTreeView>(page, "VST")->isColumnHidden(ColRecNo));
}

TEST_F(TablePageTest, PopupBelowTheLastRowDisablesKisiBilgileri)
{
    page.SB_TViewClick();
    page.VSTGetPopupMenu(
        QPoint(10, test::Control<QTreeView>(page, "VST")->viewport()->height() - 2));
    EXPECT_TRUE(test::Control<QMenu>(page, "PopupMenu_VST")->isVisible());
    EXPECT_FALSE(test::Control<QAction>(page, "KisiBilgileri")->isEnabled());
    test::Control<QMenu>(page, "PopupMenu_VST")->hide();

    QSignalSpy opened(&page, &TablePage::personRequested);
    const QRect child = test::Control<QTreeView>(page, "VST")->visualRect(rowOf(9));
    page.VSTGetPopupMenu(child.center());
    EXPECT_TRUE(test::Control<QAction>(page, "KisiBilgileri")->isEnabled());
    // The right click made the row current: its person heads the page.
    EXPECT_EQ(test::Control<PersonLabel>(page, "Lb_T1_Main")->tag(), 9);
    test::Control<QAction>(page, "KisiBilgileri")->trigger();
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toInt(), 9);
    test::Control<QMenu>(page, "PopupMenu_VST")->hide();
    const QStringList order{u"HepsiniA1"_qs, u"HepsiniKapat1"_qs, u"KisiBilgileri"_qs,
                            QString(),       u"M_ArkadaResim"_qs, u"M_SatirSecimi"_qs,
                            QString(),       u"M_NesilNo"_qs,     u"M_DogYer"_qs,
                            u"M_DogOl"_qs,   u"M_Baba"_qs,        u"M_Anne"_qs,
                            u"M_Esleri"_qs};
    QStringList actual;
    for (QAction* action : test::Control<QMenu>(page, "PopupMenu_VST")->actions())
        actual.append(action->objectName());
    EXPECT_EQ(actual, order);
}

TEST_F(TablePageTest, LimitPromptRefusesAndRebuilds)
{
    page.SB_TViewClick();
    prompts.inputs = {u"abc"_qs, u"15"_qs, std::nullopt, u"1"_qs};
    prompts.answerMessage(PromptAnswer::Ok);
    page.BitBtn_NesilClick();
    EXPECT_EQ(prompts.messages, QStringList{u"Please give a number between 1 - 99"_qs});
    page.BitBtn_NesilClick();
    page.BitBtn_NesilClick();
    EXPECT_EQ(page.generationLimit(), 15);
    page.BitBtn_NesilClick();
    EXPECT_EQ(page.generationLimit(), 1);
    EXPECT_EQ(test::Control<QPushButton>(page, "BitBtn_Nesil")->text(), u"Max/Min 1 Generation"_qs);
    EXPECT_EQ(test::Control<QLabel>(page, "Lb_VST_Count")->text(), u"Persons in Table is 5"_qs);
    EXPECT_EQ(prompts.inputDefaults.last(), u"15"_qs);
}

TEST_F(TablePageTest, ExportWritesVisibleRowsAndColumnsAndReportsFailure)
{
    page.SB_TViewClick();
    test::Control<QAction>(page, "M_Baba")->trigger();
    test::Control<QAction>(page, "M_Anne")->trigger();
    test::Control<QTreeView>(page, "VST")->expand(rowOf(8));
    QTemporaryDir dir;
    prompts.saves = {SaveFileChoice{dir.filePath(u"tablo.csv"_qs), 4},
                     SaveFileChoice{dir.filePath(u"none/tablo"_qs), 0}};
    page.BitBtn_Nesil_SaveClick();
    QFile file(dir.filePath(u"tablo.txt"_qs));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // Header, two parents, the person, child 8 with grandchild 10, child 9.
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0],
              QByteArray("Generation\tName Surname\t\t\tBirth Place\tBirt & Deat\tSpouse\r"));
    EXPECT_EQ(lines[5], QByteArray("2\t\t\tP10 S10\t\t\t\r"));

    prompts.answerMessage(PromptAnswer::Ok);
    page.BitBtn_Nesil_SaveClick();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains(dir.filePath(u"none/tablo.html"_qs)));
}

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void Put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(TablePageTest, AnExistingFileOfTheNameActuallyWrittenIsAskedAboutFirst)
{
    page.SB_TViewClick();
    struct Case
    {
        int filter;
        QString typed;
        QString written;
    };
    const Case cases[] = {{0, u"report"_qs, u"report.html"_qs},
                          {1, u"notes"_qs, u"notes.uni"_qs},
                          {2, u"letter.doc"_qs, u"letter.rtf"_qs},
                          {4, u"keep.csv"_qs, u"keep.txt"_qs}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.toStdString());
        QTemporaryDir dir;
        const QString written = dir.filePath(c.written);
        Put(written, "old");
        prompts.messages.clear();
        prompts.saves = {SaveFileChoice{dir.filePath(c.typed), c.filter}};
        prompts.answerMessage(PromptAnswer::No);
        page.BitBtn_Nesil_SaveClick();
        EXPECT_EQ(Contents(written), "old");
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_EQ(prompts.messages[0],
                  LangText(Msg::TableExportReplaceQuestion, Lang::English).arg(written));
        EXPECT_EQ(prompts.buttonSets.last(), MessageButtons::YesNo);

        prompts.saves = {SaveFileChoice{dir.filePath(c.typed), c.filter}};
        prompts.answerMessage(PromptAnswer::Yes);
        page.BitBtn_Nesil_SaveClick();
        EXPECT_NE(Contents(written), "old");
        EXPECT_FALSE(QFile::exists(dir.filePath(c.typed)));
    }
}

TEST_F(TablePageTest, NoSecondQuestionForTheNameTheDialogAskedAboutOrForANewFile)
{
    page.SB_TViewClick();
    QTemporaryDir dir;
    Put(dir.filePath(u"tablo.txt"_qs), "old");
    prompts.saves = {SaveFileChoice{dir.filePath(u"tablo.txt"_qs), 4},
                     SaveFileChoice{dir.filePath(u"yeni"_qs), 0}};
    page.BitBtn_Nesil_SaveClick();
    page.BitBtn_Nesil_SaveClick();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(Contents(dir.filePath(u"tablo.txt"_qs)).startsWith("Generation\t"));
    EXPECT_TRUE(Contents(dir.filePath(u"yeni.html"_qs)).startsWith("<!DOCTYPE"));
}

// Past a file size limit a write fails as it would on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(TablePageTest, AWriteThatFailsHalfWayKeepsTheOldFileAndTheTable)
{
    // 2,000 children give an export well past the limit.
    PersonList persons = Persons(2001);
    for (qint32 n = 2; n <= 2001; ++n)
        Child(persons, 0, 1, n);
    session.replaceFamily(std::move(persons));
    page.SB_TViewClick();
    const qsizetype rows = page.model()->table().size();
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tablo.html"_qs);
    Put(path, "old");
    prompts.saves = {SaveFileChoice{path, 0}};
    prompts.answerMessage(PromptAnswer::Ok);
    {
        const FileSizeLimit limit(64 * 1024);
        page.BitBtn_Nesil_SaveClick();
    }
    EXPECT_EQ(Contents(path), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{u"tablo.html"_qs});
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].startsWith(path)) << prompts.messages[0].toStdString();
    EXPECT_EQ(page.model()->table().size(), rows);
    // Without the limit the same export goes through.
    prompts.saves = {SaveFileChoice{path, 0}};
    page.BitBtn_Nesil_SaveClick();
    EXPECT_GT(Contents(path).size(), 64 * 1024);
}

TEST_F(TablePageTest, ColumnsAndOptionsSurviveARebuild)
{
    page.SB_TViewClick();
    test::Control<QAction>(page, "M_Esleri")->trigger();
    test::Control<QAction>(page, "M_SatirSecimi")->trigger();
    test::Control<QTreeView>(page, "VST")
        ->header()
        ->moveSection(test::Control<QTreeView>(page, "VST")->header()->visualIndex(ColPlace), 1);
    page.SB_TViewClick();
    EXPECT_TRUE(test::Control<QTreeView>(page, "VST")->isColumnHidden(ColSpouses));
    EXPECT_EQ(test::Control<QTreeView>(page, "VST")->header()->logicalIndex(1), ColPlace);
    EXPECT_EQ(test::Control<QTreeView>(page, "VST")->selectionBehavior(),
              QAbstractItemView::SelectItems);
}

} // namespace

namespace {

using TablePageInWindow = test::WindowFixture;

TEST_F(TablePageInWindow, OpenedFromThePersonPageAndLeftByItsButtons)
{
    window = start();
    window->session().replaceFamily(Family());
    window->session().setRecNoMain(2);
    window->TabSheet_Main->ShowRecord();
    test::PersonControls(window->TabSheet_Main).SB_TView->click();
    ASSERT_EQ(window->activePageTag(), 2);
    TablePage* table = window->TabSheet_TView;
    EXPECT_EQ(test::Control<PersonLabel>(*table, "Lb_T1_Main")->tag(), 2);
    test::Control<SpeedButton>(*table, "SB_T1_Back")->click();
    EXPECT_EQ(window->activePageTag(), 0);
    EXPECT_EQ(window->session().recNoMain(), 2);

    test::PersonControls(window->TabSheet_Main).SB_TView->click();
    // The person (2) has child 1; "Kişi Bilgileri" on that row opens it on the person page.
    const QModelIndex me = table->model()->indexOfRow(table->model()->table().currentRow());
    test::Control<QTreeView>(*table, "VST")->setCurrentIndex(table->model()->index(0, 0, me));
    test::Control<QAction>(*table, "KisiBilgileri")->trigger();
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_Main);
    EXPECT_EQ(window->session().recNoMain(), 1);
}

} // namespace
