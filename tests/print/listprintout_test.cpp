#include "print/listprintout.h"
#include "print/printtable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kinrow;

namespace {

constexpr int Dpi = 100; // margin 78 dots, gap 7 dots, header line 90 dots

// Ten dots a character; lines of 20 dots, 35 for the title's font.
QSize FakeExtent(const QString& text, const DrawFont& font)
{
    return QSize(10 * int(text.size()), font.pointSize > 10 ? 35 : 20);
}

ListPrintOptions Options(int width = 800)
{
    ListPrintOptions options;
    options.pageDots = QSize(width, 1100);
    options.dpiX = options.dpiY = Dpi;
    options.textExtent = FakeExtent;
    options.webPage = QStringLiteral("web");
    options.email = QStringLiteral("mail");
    return options;
}

std::vector<ListPrintRow> Rows(int n, int textLength = 3)
{
    std::vector<ListPrintRow> rows;
    for (int i = 1; i <= n; ++i) {
        ListPrintRow row;
        row.recNo = i;
        row.cells[0] = QString::number(i);
        for (int c = 1; c < ListColumnCount; ++c)
            row.cells[c] = QString(textLength, QChar(u'a' + c));
        rows.push_back(row);
    }
    return rows;
}

struct Placed
{
    QString text;
    int x;
    int y;
};

std::vector<Placed> Texts(const Drawing& page)
{
    std::vector<Placed> texts;
    for (const DrawOp& op : page.ops) {
        if (const auto* text = std::get_if<TextOp>(&op))
            texts.push_back(
                {text->text, MmToDev(text->rect.left(), Dpi), MmToDev(text->rect.top(), Dpi)});
    }
    return texts;
}

const Placed* Find(const std::vector<Placed>& texts, const QString& text)
{
    const auto it = std::find_if(texts.begin(), texts.end(),
                                 [&](const Placed& placed) { return placed.text == text; });
    return it == texts.end() ? nullptr : &*it;
}

// The record numbers drawn on a page, top to bottom.
QStringList Numbers(const Drawing& page, int x0)
{
    QStringList numbers;
    for (const Placed& placed : Texts(page)) {
        if (placed.x == x0 && placed.text != u"No")
            numbers.append(placed.text);
    }
    return numbers;
}

TEST(ListPrintout, FortyFiveRowsFillOnePage)
{
    const ListPrintout printout = BuildListPrintout(Rows(45), Options());
    ASSERT_EQ(printout.pages.size(), 1u);
    EXPECT_TRUE(Find(Texts(printout.pages[0]), QStringLiteral("Sayfa : 1/1")));
    EXPECT_EQ(Numbers(printout.pages[0], printout.columns.x[0]).size(), 45);
}

TEST(ListPrintout, SixtyOneRowsLeaveOneRowOnTheSecondPage)
{
    const ListPrintout printout = BuildListPrintout(Rows(61), Options());
    ASSERT_EQ(printout.pages.size(), 2u);
    EXPECT_TRUE(Find(Texts(printout.pages[0]), QStringLiteral("Sayfa : 1/2")));
    EXPECT_TRUE(Find(Texts(printout.pages[1]), QStringLiteral("Sayfa : 2/2")));
    EXPECT_EQ(Numbers(printout.pages[0], printout.columns.x[0]).size(), 60);
    EXPECT_EQ(Numbers(printout.pages[1], printout.columns.x[0]), QStringList{"61"});
}

TEST(ListPrintout, HeaderStandsOnTheHeaderLineAndRowsStepDown)
{
    const ListPrintout printout = BuildListPrintout(Rows(2), Options());
    const std::vector<Placed> texts = Texts(printout.pages[0]);
    EXPECT_EQ(Find(texts, QStringLiteral("KINROW - Family Tree"))->y, 90 - 35);
    EXPECT_EQ(Find(texts, QStringLiteral("KINROW - Family Tree"))->x, 31); // 8 mm
    const Placed* number = Find(texts, QStringLiteral("Sayfa : 1/1"));
    EXPECT_EQ(number->y, 90 - 20);
    EXPECT_EQ(number->x, 800 - 110);
    EXPECT_EQ(Find(texts, QStringLiteral("No"))->y, 90);
    // The first row one line below the headings' y plus the width of "X".
    EXPECT_EQ(Find(texts, QStringLiteral("1"))->y, 90 + 10 + 20);
    EXPECT_EQ(Find(texts, QStringLiteral("2"))->y, 90 + 10 + 40);
    const Placed* bottom = Find(texts, QStringLiteral("web & mail"));
    EXPECT_EQ(bottom->x, 800 - 100);
    EXPECT_EQ(bottom->y, 1100 - 20);
}

TEST(ListPrintout, PagesTwoToThreeOfThreeStartWithPageTwo)
{
    ListPrintOptions options = Options();
    options.fromPage = 2;
    options.toPage = 3;
    const ListPrintout printout = BuildListPrintout(Rows(150), options);
    EXPECT_EQ(printout.pageCount, 3);
    ASSERT_EQ(printout.pageNumbers, (std::vector<int>{2, 3}));
    EXPECT_TRUE(Find(Texts(printout.pages[0]), QStringLiteral("Sayfa : 2/3")));
    const QStringList first = Numbers(printout.pages[0], printout.columns.x[0]);
    EXPECT_EQ(first.first(), u"61");
    EXPECT_EQ(Numbers(printout.pages[1], printout.columns.x[0]).size(), 30);
}

TEST(ListPrintout, OnlyTheFirstThreeColumnsAreCentredRightOfTheMargin)
{
    ListPrintOptions options = Options();
    options.shown = {true, true, true};
    // Widths: "10" 20 dots, names 30 dots, each with the 7-dot gap.
    const ListColumnLayout layout = LayoutListColumns(Rows(10), options);
    EXPECT_EQ(layout.total, 27 + 37 + 37);
    EXPECT_EQ(layout.x[0], (800 - 78 - 101) / 2 + 78);
    EXPECT_EQ(layout.x[1], layout.x[0] + 27);
    EXPECT_EQ(layout.x[2], layout.x[1] + 37);
    const ListPrintout printout = BuildListPrintout(Rows(10), options);
    const std::vector<Placed> texts = Texts(printout.pages[0]);
    EXPECT_FALSE(Find(texts, QStringLiteral("Dogum Yeri")));
    EXPECT_FALSE(Find(texts, QStringLiteral("ddd")));
}

TEST(ListPrintout, BirthAndDeathFollowTheSurnameWhenBirthPlaceIsHidden)
{
    ListPrintOptions options = Options();
    options.shown = {true, true, true, false, true};
    const ListPrintout printout = BuildListPrintout(Rows(3), options);
    const ListColumnLayout& layout = printout.columns;
    EXPECT_EQ(layout.x[4], layout.x[2] + layout.widths[2]);
    EXPECT_EQ(Find(Texts(printout.pages[0]), QStringLiteral("Dogum Tarihi"))->x, layout.x[4]);
    EXPECT_EQ(Find(Texts(printout.pages[0]), QStringLiteral("eee"))->x, layout.x[4]);
}

TEST(ListPrintout, TooWideColumnsShrinkInProportionFromTheMargin)
{
    ListPrintOptions options = Options();
    options.shown.fill(true);
    std::vector<ListPrintRow> rows = Rows(2, 12); // eight columns of 127 dots after the number
    rows[0].cells[7] = QString(40, u'x');         // 407 dots
    const ListColumnLayout layout = LayoutListColumns(rows, options);
    const int room = 800 - 78;
    EXPECT_EQ(layout.total, room);
    EXPECT_EQ(layout.x[0], 78);
    const int before = 17 + 7 * 127 + 407;
    EXPECT_EQ(layout.widths[0], 17 * room / before);
    EXPECT_EQ(layout.widths[7], 407 * room / before);
    EXPECT_EQ(layout.x[8],
              78 + 17 * room / before + 6 * (127 * room / before) + 407 * room / before);
}

TEST(ListPrintout, ColumnsPrintInIndexOrder)
{
    ListPrintOptions options = Options();
    options.shown = {true, true, true, true, true, true, false, true, true};
    const ListPrintout printout = BuildListPrintout(Rows(1), options);
    const std::vector<Placed> texts = Texts(printout.pages[0]);
    int previous = -1;
    for (const int column : {0, 1, 2, 3, 4, 5, 7, 8}) {
        const Placed* heading = Find(texts, ListColumnHeadings()[column]);
        ASSERT_TRUE(heading) << column;
        EXPECT_GT(heading->x, previous) << column;
        previous = heading->x;
    }
    EXPECT_FALSE(Find(texts, QStringLiteral("Baba")));
}

TEST(ListPrintout, EmptyCellsDrawNothing)
{
    std::vector<ListPrintRow> rows = Rows(1);
    rows[0].cells[3].clear();
    const ListPrintout printout = BuildListPrintout(rows, Options());
    for (const Placed& placed : Texts(printout.pages[0]))
        EXPECT_FALSE(placed.text.isEmpty());
}

} // namespace
