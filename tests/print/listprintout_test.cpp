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
    options.pageDots = QSize(width, 1400); // 60 lines fit above the bottom line
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
    EXPECT_EQ(bottom->y, 1400 - 20);
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
    // Widths: "10" 20 dots, "bbb" 30 dots, the heading "Soyad" 50 dots, each with the 7-dot gap.
    const ListColumnLayout layout = LayoutListColumns(Rows(10), options);
    EXPECT_EQ(layout.total, 27 + 37 + 57);
    EXPECT_EQ(layout.x[0], (800 - 78 - 121) / 2 + 78);
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

TEST(ListPrintout, AColumnIsAsWideAsItsWidestTextOrItsHeading)
{
    ListPrintOptions options = Options(78 + 27 + 8 * 147); // room for texts of 14 letters
    options.shown.fill(true);
    // Texts of one letter: every heading is wider; texts of 14 letters are wider than all.
    const ListColumnLayout narrow = LayoutListColumns(Rows(1, 1), options);
    const ListColumnLayout wide = LayoutListColumns(Rows(1, 14), options);
    for (int column = 1; column < ListColumnCount; ++column) {
        EXPECT_EQ(narrow.widths[column], 10 * ListColumnHeadings()[column].size() + 7) << column;
        EXPECT_EQ(wide.widths[column], 140 + 7) << column;
    }
    EXPECT_EQ(narrow.widths[0], 20 + 7); // "No"
}

TEST(ListPrintout, TooWideTablesNarrowOnlyTheirWidestColumnsFromTheMargin)
{
    ListPrintOptions options = Options();
    options.shown.fill(true);
    std::vector<ListPrintRow> rows = Rows(2, 4); // the headings are wider than "bbbb"
    rows[0].cells[7] = QString(40, u'x');        // 407 dots
    rows[1].cells[8] = QString(30, u'y');        // 307 dots
    const ListColumnLayout layout = LayoutListColumns(rows, options);
    const int room = 800 - 78;
    EXPECT_EQ(layout.total, room);
    EXPECT_EQ(layout.x[0], 78);
    // Columns 0 to 6 keep their heading widths; spouses and children share what is left.
    int kept = layout.widths[0];
    EXPECT_EQ(kept, 20 + 7);
    for (int column = 1; column <= 6; ++column) {
        EXPECT_EQ(layout.widths[column],
                  10 * std::max<int>(ListColumnHeadings()[column].size(), 4) + 7)
            << column;
        kept += layout.widths[column];
    }
    // Neither has less than an equal share: their longest words are wider than that.
    const int rest = room - kept;
    EXPECT_EQ(layout.widths[7] + layout.widths[8], rest);
    EXPECT_GE(layout.widths[8], rest / 2 - 1);
    EXPECT_GE(layout.widths[7], layout.widths[8]);
    EXPECT_LT(layout.widths[7], 407 + 7);
    EXPECT_EQ(layout.x[8], layout.x[7] + layout.widths[7]);
}

TEST(ListPrintout, TextsWiderThanTheirColumnWrapAndTheRowGrows)
{
    ListPrintOptions options = Options();
    options.shown.fill(true);
    std::vector<ListPrintRow> rows = Rows(2, 4);
    rows[0].cells[8] = QStringLiteral("Ali & Veli & Ayşe & Fatma & Hasan & Hüseyin & Zeynep & "
                                      "Mehmet & Osman & Emine & Hatice & Yusuf");
    rows[1].cells[8].clear();
    const ListPrintout printout = BuildListPrintout(rows, options);
    const ListColumnLayout& columns = printout.columns;
    const int room = columns.widths[8] - 7;
    ASSERT_LT(room, 10 * rows[0].cells[8].size());
    QStringList joined;
    std::vector<int> ys;
    for (const Placed& placed : Texts(printout.pages[0])) {
        if (placed.x != columns.x[8] || placed.text == u"Cocuklar")
            continue;
        EXPECT_LE(10 * placed.text.size(), room) << placed.text.toStdString();
        joined << placed.text;
        ys.push_back(placed.y);
    }
    // Broken at spaces, nothing lost, one line height apart.
    EXPECT_EQ(joined.join(u' '), rows[0].cells[8]);
    ASSERT_GT(ys.size(), 2u);
    for (std::size_t i = 1; i < ys.size(); ++i)
        EXPECT_EQ(ys[i], ys[0] + int(i) * 20);
    // The next row starts below the tallest cell of this one.
    EXPECT_EQ(Find(Texts(printout.pages[0]), QStringLiteral("2"))->y, ys.back() + 20);
}

TEST(ListPrintout, WrappedRowsMoveThePageBreaksAndTheCount)
{
    // Wide enough for all columns but the children's, which is left 30 letters.
    ListPrintOptions options = Options(78 + 459 + 67 + 307);
    options.shown.fill(true);
    std::vector<ListPrintRow> rows = Rows(45, 4);
    for (ListPrintRow& row : rows)
        row.cells[8] = QString(2 * 30, u'z') + u" zzz"_qs; // three lines
    // 60 lines to a page: 20 rows of three lines each.
    EXPECT_EQ(ListPageCount(rows, options), 3);
    const ListPrintout printout = BuildListPrintout(rows, options);
    ASSERT_EQ(printout.pageCount, 3);
    EXPECT_TRUE(Find(Texts(printout.pages[0]), QStringLiteral("Sayfa : 1/3")));
    EXPECT_EQ(Numbers(printout.pages[0], printout.columns.x[0]).size(), 20);
    EXPECT_EQ(Numbers(printout.pages[2], printout.columns.x[0]).first(), u"41");

    // A shorter sheet holds fewer lines: no row crosses the bottom line.
    options.pageDots.setHeight(700);
    const ListPrintout shorter = BuildListPrintout(rows, options);
    for (const Drawing& page : shorter.pages) {
        for (const Placed& placed : Texts(page)) {
            if (!placed.text.contains(u'&')) {
                EXPECT_LE(placed.y + 20, 700 - 20) << placed.text.toStdString();
            }
        }
    }
    EXPECT_EQ(ListPageCount(rows, options), shorter.pageCount);
    EXPECT_GT(shorter.pageCount, 3);
}

TEST(ListPrintout, WrapTextBreaksAtSpacesThenInsideWords)
{
    const auto width = [](const QString& text) { return 10 * int(text.size()); };
    const struct
    {
        QString text;
        int room;
        int maxLines;
        QStringList lines;
    } cases[] = {
        {u"Ali Veli"_qs, 80, 9, {u"Ali Veli"_qs}},
        {u"Ali Veli Can"_qs, 80, 9, {u"Ali Veli"_qs, u"Can"_qs}},
        {u"KARAOSMANOĞLU"_qs, 50, 9, {u"KARAO"_qs, u"SMANO"_qs, u"ĞLU"_qs}},
        {u"a KARAOSMANOĞLU b"_qs, 50, 9, {u"a"_qs, u"KARAO"_qs, u"SMANO"_qs, u"ĞLU b"_qs}},
        {u"Ali Veli Can Cem"_qs, 80, 1, {u"Ali Vel…"_qs}},
        {u"Ali Veli Can Cem"_qs, 80, 2, {u"Ali Veli"_qs, u"Can Cem"_qs}},
        {u"Ali Veli Can Cem Naz"_qs, 80, 2, {u"Ali Veli"_qs, u"Can Cem…"_qs}},
        // A letter outside the basic plane is never split in two.
        {u"𝔄𝔅𝔆"_qs, 25, 9, {u"𝔄"_qs, u"𝔅"_qs, u"𝔆"_qs}},
        {u"W"_qs, 5, 9, {u"W"_qs}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WrapText(c.text, c.room, width, c.maxLines), c.lines) << c.text.toStdString();
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
