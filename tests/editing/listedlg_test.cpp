#include "editing/listedlg.h"
#include "editing/listemodel.h"
#include "editing/persontexts.h"
#include "model/messages.h"
#include "ui/scriptedprompts.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

constexpr Lang English = Lang::English;

// 100 persons whose given names run backwards and whose surnames cycle through five
// values, so the three columns sort differently.
PersonList Family()
{
    PersonList persons(100);
    for (int i = 0; i < 100; ++i) {
        TTreeData& p = persons[std::size_t(i)];
        p.Id = i + 1;
        p.GivenName = QStringLiteral("G%1").arg(200 - i);
        p.Surname = QStringLiteral("S%1").arg(i % 5);
        p.Sex = i % 3 == 0 ? SexMale : (i % 3 == 1 ? SexFemale : 'U');
        p.BirthPlace = QStringLiteral("ANKARA");
        p.BirthDate = 1900 + i;
        p.MotherId = i > 0 ? i : 0;
    }
    return persons;
}

class ListeDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dlg.setCollationLocale(QLocale(QLocale::English));
        grid = dlg.findChild<QTableView*>(QStringLiteral("VST_Liste"));
        ASSERT_NE(grid, nullptr);
    }

    void showJumpList(qint32 recNoMain)
    {
        dlg.FillJumpList(persons, recNoMain, English);
        dlg.show();
        QCoreApplication::processEvents();
    }

    qint32 noAt(int row) const
    {
        return grid->model()->index(row, 0).data(ListeModel::RecNoRole).toInt();
    }
    QString textAt(int row, int column) const
    {
        return grid->model()->index(row, column).data().toString();
    }
    void clickHeader(int column)
    {
        QHeaderView* header = grid->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // The record number shown in the n-th visible row (0-based) of the viewport.
    qint32 visibleRow(int n) const
    {
        const QModelIndex index = grid->indexAt(QPoint(5, n * 16 + 8));
        return index.data(ListeModel::RecNoRole).toInt();
    }
    bool isBold(int row) const
    {
        return grid->model()->index(row, 1).data(Qt::FontRole).value<QFont>().bold();
    }

    PersonList persons = Family();
    TForm_ListeDlg dlg;
    test::ScriptedPrompts prompts; // page dialogs shown as they are unless answered
    QTableView* grid = nullptr;
};

QLineEdit* FindField(TForm_ListeDlg& dlg)
{
    return dlg.findChild<QLineEdit*>(QStringLiteral("Edit_Find"));
}

} // namespace

TEST_F(ListeDlgTest, ModelPassesTheItemModelTesterWhileFilledAndSorted)
{
    QAbstractItemModelTester tester(grid->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    showJumpList(5);
    clickHeader(2);
    clickHeader(1);
    QTest::keyClicks(FindField(dlg), "g1");
    QTest::keyClick(FindField(dlg), Qt::Key_Backspace);
    dlg.FillCandidateList(persons, 5, English, "c", "w", {});
    EXPECT_EQ(grid->model()->rowCount(), 0);
}

TEST_F(ListeDlgTest, JumpListSelectsBoldsAndScrollsToTheCurrentRecord)
{
    showJumpList(37);
    EXPECT_EQ(dlg.windowTitle(), LangText(Msg::ListTitle, English));
    EXPECT_EQ(dlg.focusedRecord(), 37);
    EXPECT_EQ(dlg.selectedRecord(), 37);
    EXPECT_EQ(visibleRow(9), 37);
    EXPECT_EQ(visibleRow(0), 28);
    EXPECT_TRUE(isBold(36));
    EXPECT_FALSE(isBold(35));

    const QFont bold = grid->model()->index(36, 0).data(Qt::FontRole).value<QFont>();
    EXPECT_EQ(bold.pointSizeF(), grid->font().pointSizeF() + 2);
    // Men blue, women red, others unchanged, and only in the name columns.
    EXPECT_EQ(grid->model()->index(0, 1).data(Qt::ForegroundRole).value<QColor>(),
              QColor(0, 0, 255));
    EXPECT_EQ(grid->model()->index(1, 2).data(Qt::ForegroundRole).value<QColor>(),
              QColor(255, 0, 0));
    EXPECT_FALSE(grid->model()->index(2, 1).data(Qt::ForegroundRole).isValid());
    EXPECT_FALSE(grid->model()->index(0, 0).data(Qt::ForegroundRole).isValid());
    dlg.reject();
}

TEST_F(ListeDlgTest, NearTheTopTheListStartsAtItsFirstRow)
{
    showJumpList(3);
    EXPECT_EQ(visibleRow(0), 1);
    EXPECT_EQ(visibleRow(2), 3);
    dlg.reject();
}

TEST_F(ListeDlgTest, HeaderClicksFlipTheSameColumnAndShadeOnlyTheSortColumn)
{
    showJumpList(50);
    const QModelIndex noCell = grid->model()->index(0, 0);
    const QModelIndex adCell = grid->model()->index(0, 1);

    clickHeader(0);
    EXPECT_EQ(noAt(0), 1);
    clickHeader(0);
    EXPECT_EQ(noAt(0), 100);
    EXPECT_EQ(grid->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
    clickHeader(0);
    EXPECT_EQ(noAt(0), 1);
    EXPECT_TRUE(noCell.data(Qt::BackgroundRole).isValid());

    clickHeader(1);
    EXPECT_EQ(dlg.sortColumn(), 1);
    EXPECT_EQ(dlg.sortOrder(), Qt::AscendingOrder);
    EXPECT_EQ(textAt(0, 1), "G101");
    EXPECT_EQ(textAt(99, 1), "G200");
    EXPECT_FALSE(noCell.data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(adCell.data(Qt::BackgroundRole).value<QColor>(), QColor(247, 247, 247));
    // The selection follows its person through the sorts and stays the tenth row.
    EXPECT_EQ(dlg.selectedRecord(), 50);
    EXPECT_EQ(visibleRow(9), 50);

    // Other buttons only bring the selected row back to the tenth place.
    grid->verticalScrollBar()->setValue(0);
    QHeaderView* header = grid->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::RightButton, {},
                      QPoint(header->sectionViewportPosition(2) + 10, header->height() / 2));
    EXPECT_EQ(dlg.sortColumn(), 1);
    EXPECT_EQ(visibleRow(9), 50);
    dlg.reject();
}

TEST_F(ListeDlgTest, SortColumnAndDirectionSurviveClosingAndReopening)
{
    showJumpList(1);
    clickHeader(2);
    clickHeader(2);
    ASSERT_EQ(dlg.sortOrder(), Qt::DescendingOrder);
    dlg.reject();

    showJumpList(1);
    EXPECT_EQ(dlg.sortColumn(), 2);
    EXPECT_EQ(dlg.sortOrder(), Qt::DescendingOrder);
    EXPECT_EQ(textAt(0, 2), "S4");
    EXPECT_EQ(textAt(99, 2), "S0");
    // Stable: within one surname the rows keep record order.
    EXPECT_EQ(noAt(0), 5);
    EXPECT_EQ(noAt(1), 10);
    dlg.reject();
}

TEST_F(ListeDlgTest, DoubleClickReturnsTheRowAndEscapeCancels)
{
    QTimer::singleShot(0, &dlg, [this] {
        const QModelIndex target = grid->model()->index(41, 1);
        const QPoint at = grid->visualRect(target).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    });
    EXPECT_EQ(dlg.SB_ListeClick(prompts, persons, 37, English), 42);

    QTimer::singleShot(0, &dlg, [this] { QTest::keyClick(grid, Qt::Key_Escape); });
    EXPECT_EQ(dlg.SB_ListeClick(prompts, persons, 37, English), std::nullopt);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(ListeDlgTest, TypingNarrowsTheSortedListAndKeepsTheCurrentRowWhileShown)
{
    showJumpList(37); // surname S1, born 1936
    QLineEdit* find = FindField(dlg);
    EXPECT_EQ(dlg.focusWidget(), find);
    clickHeader(1); // given names run backwards: G101 (record 100) comes first
    find->setFocus();
    QTest::keyClicks(find, "s1");
    ASSERT_EQ(grid->model()->rowCount(), 20);
    EXPECT_EQ(noAt(0), 97);
    EXPECT_EQ(noAt(19), 2);
    EXPECT_EQ(dlg.selectedRecord(), 37);
    EXPECT_TRUE(isBold(grid->model()->rowCount() - 1 - 7)); // record 37 among 97, 92, ... 2

    // A birth year hides the current row, and so the selection goes.
    find->clear();
    QTest::keyClicks(find, "198"); // born 1980 to 1989, and G198
    ASSERT_EQ(grid->model()->rowCount(), 11);
    EXPECT_EQ(noAt(0), 90);
    EXPECT_EQ(noAt(10), 3);
    EXPECT_EQ(dlg.selectedRecord(), std::nullopt);
    find->clear();
    EXPECT_EQ(grid->model()->rowCount(), 100);
    EXPECT_EQ(noAt(0), 100);
    dlg.reject();
}

TEST_F(ListeDlgTest, EnterTakesTheFirstMatchOnlyWhenNothingIsSelected)
{
    const auto typeThenEnter = [this](const QString& typed) {
        prompts.onDialog = [typed](QDialog& dialog) {
            auto& shown = static_cast<TForm_ListeDlg&>(dialog);
            shown.show();
            QTest::keyClicks(FindField(shown), typed);
            QTest::keyClick(FindField(shown), Qt::Key_Return);
            return shown.isVisible() ? int(QDialog::Rejected) : shown.result();
        };
    };
    typeThenEnter("s3"); // hides record 37, so the first S3 row is taken
    EXPECT_EQ(dlg.SB_ListeClick(prompts, persons, 37, English), 4);
    typeThenEnter("s1"); // record 37 stays selected
    EXPECT_EQ(dlg.SB_ListeClick(prompts, persons, 37, English), 37);
    typeThenEnter("x"); // no match: Enter leaves the list open
    EXPECT_EQ(dlg.SB_ListeClick(prompts, persons, 37, English), std::nullopt);
    typeThenEnter("1950"); // nothing is selected in the candidate list
    EXPECT_EQ(dlg.ChooseCandidate(prompts, persons, 1, English, "c", "w", {50, 51, 52}), 51);
}

TEST_F(ListeDlgTest, DownMovesIntoTheListAtItsFirstRow)
{
    prompts.onDialog = [this](QDialog& dialog) {
        auto& shown = static_cast<TForm_ListeDlg&>(dialog);
        shown.show();
        QTest::keyClicks(FindField(shown), "g15"); // G159 (record 42) to G150 (record 51)
        QTest::keyClick(FindField(shown), Qt::Key_Down);
        EXPECT_EQ(shown.focusWidget(), grid);
        EXPECT_EQ(shown.selectedRecord(), 42);
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_Return);
        return shown.result();
    };
    EXPECT_EQ(dlg.ChooseCandidate(prompts, persons, 1, English, "c", "w", {1, 42, 43, 44, 99}), 43);
}

TEST_F(ListeDlgTest, HintIsThePersonSummaryWithLineBreaks)
{
    showJumpList(1);
    const QString hint =
        grid->model()->index(grid->model()->rowCount() - 1, 2).data(Qt::ToolTipRole).toString();
    QString expected = PersonSummary(persons, persons[99], English);
    EXPECT_EQ(hint, expected.replace('\r', '\n'));
    EXPECT_TRUE(hint.contains('\n'));
    dlg.reject();
}

TEST_F(ListeDlgTest, CandidateListSelectsNothingAndNeedsASelectedRowForOk)
{
    auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("BitBtn_Tamam"));
    QTimer::singleShot(0, &dlg, [ok] { ok->click(); });
    EXPECT_EQ(dlg.ChooseCandidate(prompts, persons, 10, English, "Caption", "Careful", {3, 5, 7}),
              std::nullopt);
    EXPECT_EQ(dlg.windowTitle(), "Caption");
    for (int row = 0; row < 3; ++row)
        EXPECT_FALSE(isBold(row));
    const auto* label = dlg.findChild<QLabel*>(QStringLiteral("Lb_Dikkat"));
    const QString expected =
        QString(LangText(Msg::SelectableCountLabel, English) + "3\r\rCareful").replace('\r', '\n');
    EXPECT_EQ(label->text(), expected);

    QTimer::singleShot(0, &dlg, [this, ok] {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(1, 0)).center());
        ok->click();
    });
    EXPECT_EQ(dlg.ChooseCandidate(prompts, persons, 10, English, "Caption", "Careful", {3, 5, 7}),
              5);
    EXPECT_EQ(label->text(), expected);
    // Shown again without refilling, the count is not repeated.
    dlg.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(label->text(), expected);
    dlg.reject();
}

TEST_F(ListeDlgTest, ActivationAppliesTheLanguageAndTheMainFont)
{
    dlg.setMainFontName(QStringLiteral("DejaVu Sans Mono"));
    dlg.FillCandidateList(persons, 1, Lang::Turkish, "c", {}, {});
    dlg.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(dlg.font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(),
              LangText(Msg::GivenName, Lang::Turkish));
    EXPECT_EQ(grid->model()->headerData(2, Qt::Horizontal).toString(),
              LangText(Msg::Surname, Lang::Turkish));
    EXPECT_EQ(dlg.findChild<QPushButton*>(QStringLiteral("BitBtn_Iptal"))->text(),
              LangText(Msg::CancelCaption, Lang::Turkish));
    EXPECT_EQ(dlg.size(), QSize(454, 373));
    dlg.reject();
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
