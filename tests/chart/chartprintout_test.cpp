#include "chart/chartprintout.h"
#include "chartfamily.h"
#include "drawing/drawing.h"

#include <gtest/gtest.h>

#include <QHash>

#include <algorithm>

namespace {

using namespace kinrow;
using namespace kinrow::test;

constexpr double Tolerance = 1e-9;

std::vector<TextOp> Texts(const Drawing& drawing)
{
    std::vector<TextOp> texts;
    for (const DrawOp& op : drawing.ops)
        if (const auto* text = std::get_if<TextOp>(&op))
            texts.push_back(*text);
    return texts;
}

std::vector<TextOp> TextsAtX(const Drawing& drawing, double left)
{
    std::vector<TextOp> texts;
    for (const TextOp& text : Texts(drawing))
        if (qAbs(text.rect.left() - left) < Tolerance && (text.align & Qt::AlignLeft))
            texts.push_back(text);
    return texts;
}

std::optional<TextOp> FindText(const Drawing& drawing, const QString& content)
{
    for (const TextOp& text : Texts(drawing))
        if (text.text == content)
            return text;
    return std::nullopt;
}

bool HasBox(const Drawing& drawing, const QRectF& rect, double penWidth)
{
    return std::any_of(drawing.ops.begin(), drawing.ops.end(), [&](const DrawOp& op) {
        const auto* box = std::get_if<BoxOp>(&op);
        return box && box->rect == rect && box->pen.widthMm == penWidth &&
               box->pen.color == RgbBlack && box->brush == RgbWhite;
    });
}

bool HasArrowhead(const Drawing& drawing, const QList<QPointF>& corners)
{
    return std::any_of(drawing.ops.begin(), drawing.ops.end(), [&](const DrawOp& op) {
        const auto* polygon = std::get_if<PolygonOp>(&op);
        return polygon && polygon->points == corners && polygon->brush == RgbBlack &&
               polygon->pen.widthMm == 0;
    });
}

QRectF Box(double left, double top, double right, double bottom)
{
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

Drawing Print(const PersonList& persons, qint32 recNo, const ChartPrintOptions& options = {})
{
    return ChartPrintout(persons, BuildAncestorChart(persons, recNo, options.lang), options);
}

// Record n in slot n for all 31 slots.
PersonList FullTree()
{
    QSet<int> all;
    for (int n = 2; n <= 31; ++n)
        all.insert(n);
    return AncestorsInSlots(all);
}

TEST(ChartPrintout, PaperSmallerThanTheChartNeedsIsReported)
{
    // A4 at 600 dpi with 5 mm margins: 200 x 287 mm printable.
    const QSize portrait(4724, 6780);
    const QSize landscape(6780, 4724);
    EXPECT_FALSE(PaperTooSmallForChart(portrait, 600, 600, false));
    EXPECT_FALSE(PaperTooSmallForChart(landscape, 600, 600, true));
    // The same dots read in the wrong orientation are a sheet 287 mm wide and 200 mm high.
    EXPECT_TRUE(PaperTooSmallForChart(landscape, 600, 600, false));
    // Different resolutions across and down: 2362 dots are 200 mm at 300 dpi, 100 mm at 600.
    EXPECT_FALSE(PaperTooSmallForChart(QSize(2362, 6780), 300, 600, false));
    EXPECT_TRUE(PaperTooSmallForChart(QSize(2362, 6780), 600, 600, false));
    // A5 and a broken resolution.
    EXPECT_TRUE(PaperTooSmallForChart(QSize(3496, 4960), 600, 600, false));
    EXPECT_TRUE(PaperTooSmallForChart(portrait, 0, 600, false));
}

TEST(ChartPrintout, FrameAndTitleOpenThePage)
{
    const PersonList persons = FullTree();
    const Drawing drawing = Print(persons, 1);
    EXPECT_EQ(drawing.sizeMm, QSizeF(270, 195));
    const auto* frame = std::get_if<BoxOp>(&drawing.ops.front());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->rect, Box(0, 0, 270, 195));
    EXPECT_EQ(frame->pen.widthMm, 0.3);

    const TextOp title = Texts(drawing).front();
    EXPECT_EQ(title.text, u"KINROW - Family Tree"_qs);
    EXPECT_EQ(title.rect.left(), 8);
    EXPECT_NEAR(title.rect.bottom(), 23, Tolerance);
    EXPECT_EQ(title.align, Qt::AlignLeft | Qt::AlignBottom);
    EXPECT_EQ(title.font.pointSize, 18);
    EXPECT_TRUE(title.font.bold);
    EXPECT_FALSE(title.rotated);

    ChartPrintOptions turkish;
    turkish.lang = Lang::Turkish;
    turkish.fontFamily = u"Verdana"_qs;
    const TextOp tr = Texts(Print(persons, 1, turkish)).front();
    EXPECT_EQ(tr.text, u"KINROW - Aile Soyağacı"_qs);
    EXPECT_EQ(tr.font.family, u"Verdana"_qs);
}

TEST(ChartPrintout, PersonAndParentsAreCentredInTheirBoxes)
{
    const Drawing drawing = Print(FullTree(), 1);
    const struct
    {
        const char16_t* caption;
        QPointF centre;
        double size;
    } cases[] = {
        {u"  P1 S1", QPointF(135, 126.5), 16}, {u"  P2 S2", QPointF(78, 104), 10},
        {u"  P3 S3", QPointF(192, 104), 10},   {u"  P4 S4", QPointF(33, 84), 8},
        {u"  P7 S7", QPointF(237, 84), 8},
    };
    for (const auto& c : cases) {
        const auto text = FindText(drawing, QString::fromUtf16(c.caption));
        ASSERT_TRUE(text) << QString::fromUtf16(c.caption).toStdString();
        EXPECT_NEAR(text->rect.center().x(), c.centre.x(), Tolerance);
        EXPECT_NEAR(text->rect.center().y(), c.centre.y(), Tolerance);
        EXPECT_EQ(text->align, Qt::AlignCenter);
        EXPECT_EQ(text->font.pointSize, c.size);
        EXPECT_EQ(text->font.bold, c.size > 8);
    }
    EXPECT_TRUE(HasBox(drawing, Box(85, 121, 185, 132), 0.4));
    EXPECT_TRUE(HasBox(drawing, Box(50, 99, 106, 109), 0.2));
    EXPECT_TRUE(HasBox(drawing, Box(164, 99, 220, 109), 0.2));
}

TEST(ChartPrintout, GenerationBoxesAndArrowsStandAtTheirColumns)
{
    const Drawing drawing = Print(AncestorsInSlots({}), 1);
    // Generation 4 at x = 37, generation 3 at x = 69, generation 2 at x = 148.
    EXPECT_TRUE(HasBox(drawing, Box(37, 25, 47, 53), 0.1));
    EXPECT_TRUE(HasBox(drawing, Box(51, 25, 61, 53), 0.1));
    EXPECT_TRUE(HasArrowhead(drawing, {{47.5, 59}, {49, 62}, {50.5, 59}}));
    EXPECT_TRUE(HasBox(drawing, Box(69, 62, 97, 72), 0.1));
    EXPECT_TRUE(HasBox(drawing, Box(101, 62, 129, 72), 0.1));
    EXPECT_TRUE(HasArrowhead(drawing, {{97.5, 78}, {99, 81}, {100.5, 78}}));
    EXPECT_TRUE(HasBox(drawing, Box(148, 81, 194, 87), 0.1));
    EXPECT_TRUE(HasBox(drawing, Box(214, 81, 260, 87), 0.1));
    EXPECT_TRUE(HasArrowhead(drawing, {{202.5, 96}, {204, 99}, {205.5, 96}}));
    EXPECT_TRUE(HasBox(drawing, Box(241, 25, 251, 53), 0.1));
    EXPECT_TRUE(HasBox(drawing, Box(207, 62, 235, 72), 0.1));
    EXPECT_TRUE(HasBox(drawing, Box(10, 81, 56, 87), 0.1));
    // Empty slots print nothing inside their boxes.
    EXPECT_FALSE(FindText(drawing, u"S4"_qs));
    EXPECT_FALSE(FindText(drawing, u"S16"_qs));
    EXPECT_TRUE(std::none_of(drawing.ops.begin(), drawing.ops.end(), [](const DrawOp& op) {
        const auto* text = std::get_if<TextOp>(&op);
        return text && (text->rotated || text->text.startsWith(u'='));
    }));
}

TEST(ChartPrintout, GreatGreatGrandparentsStandUpright)
{
    const Drawing drawing = Print(FullTree(), 1);
    const double line = LineHeightMm(8);
    const struct
    {
        int slot;
        double x;
    } cases[] = {{16, 10}, {17, 24}, {23, 122}, {24, 148}, {31, 260}};
    for (const auto& c : cases) {
        const auto surname = FindText(drawing, QStringLiteral("S%1").arg(c.slot));
        const auto given = FindText(drawing, QStringLiteral("P%1").arg(c.slot));
        ASSERT_TRUE(surname && given) << c.slot;
        EXPECT_TRUE(surname->rotated && given->rotated);
        EXPECT_NEAR(surname->rect.left(), c.x, Tolerance) << c.slot;
        EXPECT_NEAR(surname->rect.width(), line, Tolerance);
        EXPECT_NEAR(given->rect.right(), c.x, Tolerance) << c.slot;
        EXPECT_NEAR(surname->rect.center().y(), 39, Tolerance);
        EXPECT_NEAR(given->rect.center().y(), 39, Tolerance);
        EXPECT_EQ(surname->align, Qt::AlignCenter);
    }
}

TEST(ChartPrintout, GreatGrandparentsHaveTheGivenNameAboveTheSurname)
{
    const Drawing drawing = Print(FullTree(), 1);
    const double line = LineHeightMm(8);
    for (const auto& [slot, x] : {std::pair{8, 17.0}, {11, 115.0}, {15, 253.0}}) {
        const auto surname = FindText(drawing, QStringLiteral("S%1").arg(slot));
        const auto given = FindText(drawing, QStringLiteral("P%1").arg(slot));
        ASSERT_TRUE(surname && given) << slot;
        EXPECT_FALSE(surname->rotated);
        EXPECT_NEAR(surname->rect.center().x(), x, Tolerance);
        EXPECT_NEAR(surname->rect.top(), 67, Tolerance);
        EXPECT_NEAR(given->rect.top(), 67 - line, Tolerance);
        EXPECT_EQ(surname->align, Qt::AlignHCenter | Qt::AlignTop);
    }
}

// The person 1 with father 2 and mother 3; the father has children 4 and 1 with her and 5 with
// another wife; the mother has 6 with another husband.
PersonList HalfSiblings()
{
    PersonList persons = Persons(9);
    Child(persons, 3, 2, 4);
    Child(persons, 9, 2, 5);
    Child(persons, 3, 2, 1);
    Child(persons, 3, 8, 6);
    return persons;
}

TEST(ChartPrintout, SiblingsListsHalfSiblingsAndMarksThePerson)
{
    const Drawing drawing = Print(HalfSiblings(), 1);
    const double line = LineHeightMm(8);
    const std::vector<TextOp> lines = TextsAtX(drawing, 206);
    const QStringList expected{u"P4"_qs, u"P5"_qs, u"P1 (x)"_qs, u"P6"_qs};
    ASSERT_EQ(lines.size(), size_t(expected.size()));
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, expected[qsizetype(i)]);
        EXPECT_NEAR(lines[i].rect.top(), 122 + double(i) * line, Tolerance);
        EXPECT_EQ(lines[i].font.pointSize, 8);
        EXPECT_FALSE(lines[i].font.bold);
    }
    const auto count = FindText(drawing, u"= 4 = "_qs);
    ASSERT_TRUE(count);
    EXPECT_NEAR(count->rect.center().x(), 217.5, Tolerance);
    EXPECT_NEAR(count->rect.bottom(), 120.5, Tolerance);
    EXPECT_EQ(count->align, Qt::AlignHCenter | Qt::AlignBottom);
    EXPECT_TRUE(HasBox(drawing, Box(205, 121, 230, 180), 0.1));
}

TEST(ChartPrintout, SiblingsNeedBothParents)
{
    PersonList persons = HalfSiblings();
    At(persons, 1).MotherId = 0;
    const Drawing drawing = Print(persons, 1);
    EXPECT_TRUE(TextsAtX(drawing, 206).empty());
    EXPECT_FALSE(FindText(drawing, u"= 3 = "_qs));
}

TEST(ChartPrintout, ParentsSiblingsGoBesideTheParents)
{
    PersonList persons = Persons(9);
    Child(persons, 3, 2, 1);
    Child(persons, 5, 4, 2);
    Child(persons, 5, 4, 8);
    Child(persons, 7, 6, 3);
    const Drawing drawing = Print(persons, 1);
    const std::vector<TextOp> father = TextsAtX(drawing, 11);
    ASSERT_EQ(father.size(), 2u);
    EXPECT_EQ(father[0].text, u"P2 (x)"_qs);
    EXPECT_NEAR(father[0].rect.top(), 100, Tolerance);
    EXPECT_EQ(father[1].text, u"P8"_qs);
    const std::vector<TextOp> mother = TextsAtX(drawing, 236);
    ASSERT_EQ(mother.size(), 1u);
    EXPECT_EQ(mother[0].text, u"P3 (x)"_qs);
    EXPECT_TRUE(FindText(drawing, u"= 2 = "_qs));
    EXPECT_TRUE(FindText(drawing, u"= 1 = "_qs));
}

TEST(ChartPrintout, ListsTooLongForTheirBoxEndWithTheNumberLeftOut)
{
    PersonList persons = Persons(60);
    for (qint32 child = 2; child <= 26; ++child)
        Child(persons, 0, 1, child);
    for (qint32 spouse = 41; spouse <= 55; ++spouse)
        Marry(persons, 1, spouse);
    const Drawing drawing = Print(persons, 1);
    const double line = LineHeightMm(8);
    for (const auto& [x, top, count] : {std::tuple{41.0, 122.0, 25}, {76.0, 141.0, 15}}) {
        const std::vector<TextOp> lines = TextsAtX(drawing, x);
        ASSERT_GT(lines.size(), 1u);
        const TextOp& last = lines.back();
        EXPECT_LE(last.rect.bottom(), 180 + Tolerance) << x;
        // One more line would have crossed the box's bottom.
        EXPECT_GT(last.rect.bottom() + line, 180) << x;
        EXPECT_NEAR(last.rect.top(), top + double(lines.size() - 1) * line, Tolerance);
        EXPECT_EQ(last.text, QStringLiteral("+ %1").arg(count - int(lines.size()) + 1)) << x;
        for (const TextOp& text : lines)
            EXPECT_FALSE(text.font.bold) << x;
    }
}

TEST(ChartPrintout, SpousesAreListedWithTheLastInBold)
{
    PersonList persons = Persons(5);
    for (qint32 spouse = 2; spouse <= 5; ++spouse)
        Marry(persons, 1, spouse);
    const Drawing drawing = Print(persons, 1);
    const std::vector<TextOp> lines = TextsAtX(drawing, 76);
    ASSERT_EQ(lines.size(), 4u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].text, QStringLiteral("P%1 S%1").arg(i + 2));
        EXPECT_NEAR(lines[i].rect.top(), 141 + double(i) * LineHeightMm(8), Tolerance);
        EXPECT_EQ(lines[i].font.bold, i == 3);
    }
}

TEST(ChartPrintout, PlaceAndDatesStandAboveThePersonsBox)
{
    PersonList persons = Persons(1);
    At(persons, 1).BirthPlace = u"İZMİR"_qs;
    At(persons, 1).DeathDate = 1961;
    const Drawing drawing = Print(persons, 1);
    const auto place = FindText(drawing, u"İzmir"_qs);
    ASSERT_TRUE(place);
    EXPECT_NEAR(place->rect.right(), 130, Tolerance);
    EXPECT_NEAR(place->rect.bottom(), 120, Tolerance);
    EXPECT_EQ(place->align, Qt::AlignRight | Qt::AlignBottom);
    const auto dates = FindText(drawing, u" - 1961"_qs);
    ASSERT_TRUE(dates);
    EXPECT_NEAR(dates->rect.left(), 140, Tolerance);

    At(persons, 1).BirthDate = 1890;
    EXPECT_TRUE(FindText(Print(persons, 1), u"1890 - 1961"_qs));
    At(persons, 1).DeathDate = 0;
    EXPECT_TRUE(FindText(Print(persons, 1), u"1890 - "_qs));
}

TEST(ChartPrintout, PicturesAreFittedIntoTheirBoxes)
{
    PersonList persons = Persons(3);
    Marry(persons, 1, 2);
    Marry(persons, 1, 3);
    At(persons, 1).Pictures = {u"resimler\\wide.jpg"_qs, u"other.jpg"_qs};
    At(persons, 3).Pictures = {u"tall.bmp"_qs};
    At(persons, 2).Pictures = {u"missing.jpg"_qs};
    const QHash<QString, QSize> sizes{{u"/aile/resimler/wide.jpg"_qs, QSize(320, 200)},
                                      {u"/aile/tall.bmp"_qs, QSize(100, 400)}};
    ChartPrintOptions options;
    options.pictureFolder = u"/aile"_qs;
    options.pictureSize = [&](const QString& path) { return sizes.value(path); };
    const Drawing drawing = Print(persons, 1, options);

    std::vector<PictureOp> pictures;
    for (const DrawOp& op : drawing.ops)
        if (const auto* picture = std::get_if<PictureOp>(&op))
            pictures.push_back(*picture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].path, u"/aile/resimler/wide.jpg"_qs);
    EXPECT_EQ(pictures[0].rect, QRectF(163, 150, 32, 20));
    // The last spouse's picture, though an earlier spouse has one too.
    EXPECT_EQ(pictures[1].path, u"/aile/tall.bmp"_qs);
    EXPECT_EQ(pictures[1].rect, QRectF(132, 140, 10, 40));
    // Each picture first covers its placeholder text with a white box.
    const auto white = std::count_if(drawing.ops.begin(), drawing.ops.end(), [](const DrawOp& op) {
        const auto* box = std::get_if<BoxOp>(&op);
        return box && box->pen.color == RgbWhite &&
               (box->rect == Box(168, 145, 190, 175) || box->rect == Box(126, 145, 148, 175));
    });
    EXPECT_EQ(white, 2);

    // A picture that cannot be read leaves the placeholder alone.
    At(persons, 1).Spouses = {2};
    At(persons, 1).Pictures.clear();
    const Drawing without = Print(persons, 1, options);
    EXPECT_TRUE(std::none_of(without.ops.begin(), without.ops.end(), [](const DrawOp& op) {
        return std::holds_alternative<PictureOp>(op);
    }));
}

} // namespace
