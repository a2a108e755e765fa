#include "chart/chartlists.h"
#include "editing/family.h"

#include <gtest/gtest.h>

namespace {

using namespace kinrow;
using namespace kinrow::test;

QStringList Numbered(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QString::number(i);
    return lines;
}

TEST(ChartLists, ListsThatDoNotFitEndWithTheCountLeftOut)
{
    // A box from 0 to 10 with lines of 2 holds five lines.
    const struct
    {
        int count;
        QStringList expected;
    } cases[] = {
        {0, {}},
        {4, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs}},
        {5, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs}},
        {6, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"+ 2"_qs}},
        {25, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"+ 21"_qs}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitListLines(Numbered(c.count), 0, 10, 2), c.expected) << c.count;
    EXPECT_EQ(FitListLines(Numbered(3), 0, 2.5, 2), QStringList{u"+ 3"_qs});
    EXPECT_TRUE(FitListLines(Numbered(3), 0, 1.5, 2).isEmpty());
    // Line heights that are not exact in binary still fill the box.
    EXPECT_EQ(FitListLines(Numbered(3), 0.3, 0.9, 0.2).size(), 3);
}

TEST(ChartLists, ACutListKeepsTheMarkedLine)
{
    // Five lines fit; the line at index kept must stay.
    const struct
    {
        int count;
        qsizetype kept;
        QStringList expected;
    } cases[] = {
        {25, 2, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"+ 21"_qs}},
        {25, 3, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"+ 21"_qs}},
        {25, 4, {u"1"_qs, u"2"_qs, u"3"_qs, u"5"_qs, u"+ 21"_qs}},
        {25, 24, {u"1"_qs, u"2"_qs, u"3"_qs, u"25"_qs, u"+ 21"_qs}},
        {6, 5, {u"1"_qs, u"2"_qs, u"3"_qs, u"6"_qs, u"+ 2"_qs}},
        {5, 4, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs}},
        {25, 30, {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"+ 21"_qs}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitListLines(Numbered(c.count), 0, 10, 2, c.kept), c.expected) << c.kept;
    // Room for one line: the marked line rather than the count.
    EXPECT_EQ(FitListLines(Numbered(3), 0, 2.5, 2, 2), QStringList{u"3"_qs});
}

TEST(ChartLists, SiblingsAreTheFathersChildrenThenTheMothersOthers)
{
    PersonList persons = Persons(9);
    Child(persons, 3, 2, 4);
    Child(persons, 9, 2, 5); // the father's child by another wife
    Child(persons, 3, 2, 1);
    Child(persons, 3, 8, 6); // the mother's child by another husband
    At(persons, 3).Children << 77;
    EXPECT_EQ(SiblingsOfParents(persons, 2, 3), (QList<qint32>{4, 5, 1, 6}));
    EXPECT_EQ(SiblingsOfParents(persons, 3, 2), (QList<qint32>{4, 1, 6, 5}));
    EXPECT_EQ(SiblingsOfParents(persons, 2, 0), (QList<qint32>{4, 5, 1}));
}

TEST(ChartLists, PicturesFillTheirBoxAsFarAsTheirShapeAllows)
{
    const QPointF corner(100, 50);
    const QSizeF box(32, 40);
    const struct
    {
        QSize pixels;
        QRectF expected;
    } cases[] = {
        {QSize(320, 200), QRectF(100, 60, 32, 20)},   // wide: full width
        {QSize(100, 400), QRectF(111, 50, 10, 40)},   // tall: full height
        {QSize(16, 20), QRectF(100, 50, 32, 40)},     // small, same shape: enlarged
        {QSize(3200, 4000), QRectF(100, 50, 32, 40)}, // large: reduced
    };
    for (const auto& c : cases) {
        const QRectF fitted = FitPictureMm(c.pixels, corner, box);
        EXPECT_NEAR(fitted.left(), c.expected.left(), 1e-9) << c.pixels.width();
        EXPECT_NEAR(fitted.top(), c.expected.top(), 1e-9) << c.pixels.width();
        EXPECT_NEAR(fitted.width(), c.expected.width(), 1e-9) << c.pixels.width();
        EXPECT_NEAR(fitted.height(), c.expected.height(), 1e-9) << c.pixels.width();
    }
    EXPECT_TRUE(FitPictureMm(QSize(), corner, box).isEmpty());
    EXPECT_TRUE(FitPictureMm(QSize(0, 10), corner, box).isEmpty());
}

} // namespace
