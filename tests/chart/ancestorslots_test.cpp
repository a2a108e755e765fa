#include "chart/ancestorslots.h"
#include "chartfamily.h"
#include "editing/persontexts.h"

#include <gtest/gtest.h>

namespace {

using namespace kinrow;
using namespace kinrow::test;

constexpr Lang En = Lang::English;

TEST(AncestorSlots, LabelNamesFollowGenerationAndPair)
{
    const struct
    {
        int slot;
        const char16_t* name;
        SlotBorder border;
    } cases[] = {
        {1, u"Lb_T_Main", SlotBorder::Centre}, {2, u"Lb_T_B11", SlotBorder::Father},
        {3, u"Lb_T_A11", SlotBorder::Mother},  {4, u"Lb_T_B21", SlotBorder::Father},
        {5, u"Lb_T_A21", SlotBorder::Mother},  {6, u"Lb_T_B22", SlotBorder::Father},
        {7, u"Lb_T_A22", SlotBorder::Mother},  {8, u"Lb_T_B31", SlotBorder::Father},
        {15, u"Lb_T_A34", SlotBorder::Mother}, {16, u"Lb_T_B41", SlotBorder::Father},
        {17, u"Lb_T_A41", SlotBorder::Mother}, {30, u"Lb_T_B48", SlotBorder::Father},
        {31, u"Lb_T_A48", SlotBorder::Mother},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SlotLabelName(c.slot), QString::fromUtf16(c.name)) << c.slot;
        EXPECT_EQ(SlotBorderOf(c.slot), c.border) << c.slot;
    }
    EXPECT_EQ(SlotGeneration(1), 0);
    EXPECT_EQ(SlotGeneration(3), 1);
    EXPECT_EQ(SlotGeneration(15), 3);
    EXPECT_EQ(SlotGeneration(16), 4);
}

// Each case: the slots that have a person; exactly those must fill, with their own record.
TEST(AncestorSlots, OnlySlotsReachedThroughFilledSlotsFill)
{
    QSet<int> all;
    for (int n = 2; n <= 31; ++n)
        all.insert(n);
    const QSet<int> fatherOnly{2, 4, 5, 8, 9, 10, 11, 16, 17, 18, 19, 20, 21, 22, 23};
    const QSet<int> grandmothersLine{2, 4, 9, 18, 19};
    const struct
    {
        const char* name;
        QSet<int> linked;
        QSet<int> shown;
    } cases[] = {
        {"no parents", {}, {}},
        {"all", all, all},
        {"father only", fatherOnly, fatherOnly},
        {"grandmother's line", grandmothersLine, grandmothersLine},
        // The mother's parents exist but cannot be reached while she is unknown.
        {"unknown mother", {2, 6, 7, 12}, {2}},
    };
    for (const auto& c : cases) {
        const PersonList persons = AncestorsInSlots(c.linked);
        const AncestorChart chart = BuildAncestorChart(persons, 1, En);
        EXPECT_EQ(chart.recNo(1), 1) << c.name;
        for (int n = 2; n <= AncestorSlotCount; ++n) {
            const AncestorSlot& slot = chart.slot(n);
            if (c.shown.contains(n)) {
                EXPECT_EQ(slot.recNo, n) << c.name << " slot " << n;
                EXPECT_EQ(slot.caption, QStringLiteral("  P%1 S%1").arg(n)) << c.name;
            } else {
                EXPECT_EQ(slot.recNo, 0) << c.name << " slot " << n;
                EXPECT_EQ(slot.caption, u"< ?? >"_qs) << c.name << " slot " << n;
                EXPECT_TRUE(slot.hint.isEmpty()) << c.name << " slot " << n;
            }
        }
    }
}

TEST(AncestorSlots, MotherOnlyLeavesTheFatherSideEmpty)
{
    const PersonList persons = AncestorsInSlots({3, 6, 7});
    const AncestorChart chart = BuildAncestorChart(persons, 1, En);
    EXPECT_EQ(chart.recNo(2), 0);
    EXPECT_EQ(chart.recNo(4), 0);
    EXPECT_EQ(chart.recNo(3), 3);
    EXPECT_EQ(chart.recNo(6), 6);
    EXPECT_EQ(chart.recNo(7), 7);
}

TEST(AncestorSlots, AnAncestorReachedTwiceFillsEverySlotOnTheWay)
{
    // Cousins married: the father's father is also the mother's father.
    PersonList persons = Persons(7);
    Child(persons, 3, 2, 1);
    Child(persons, 5, 4, 2);
    Child(persons, 0, 4, 3);
    Child(persons, 7, 6, 4);
    const AncestorChart chart = BuildAncestorChart(persons, 1, En);
    EXPECT_EQ(chart.recNo(4), 4);
    EXPECT_EQ(chart.recNo(6), 4);
    EXPECT_EQ(chart.recNo(5), 5);
    EXPECT_EQ(chart.recNo(7), 0);
    for (const int n : {8, 12})
        EXPECT_EQ(chart.recNo(n), 6) << n;
    for (const int n : {9, 13})
        EXPECT_EQ(chart.recNo(n), 7) << n;
    EXPECT_EQ(chart.slot(6).caption, chart.slot(4).caption);
}

TEST(AncestorSlots, LinksNamingNoRecordEndTheirBranch)
{
    PersonList persons = Persons(3);
    Child(persons, 3, 2, 1);
    At(persons, 2).FatherId = 99;
    At(persons, 2).MotherId = -4;
    At(persons, 3).FatherId = 3; // a person as her own father repeats, but stays bounded
    const AncestorChart chart = BuildAncestorChart(persons, 1, En);
    EXPECT_EQ(chart.recNo(4), 0);
    EXPECT_EQ(chart.recNo(5), 0);
    EXPECT_EQ(chart.recNo(6), 3);
    EXPECT_EQ(chart.recNo(12), 3);
    EXPECT_EQ(chart.recNo(24), 3);

    const AncestorChart none = BuildAncestorChart(persons, 4, En);
    for (const AncestorSlot& slot : none.slots)
        EXPECT_EQ(slot.recNo, 0);
}

TEST(AncestorSlots, SlotShowsNameSummaryAndSexColour)
{
    PersonList persons = Persons(4);
    At(persons, 1).GivenName = u"KADIR"_qs;
    At(persons, 1).Surname = u"YILDIZ"_qs;
    At(persons, 1).Sex = 'E';
    At(persons, 2).Sex = 'K';
    At(persons, 3).Sex = '?';
    At(persons, 4).Sex = '\0';
    Child(persons, 2, 3, 1);
    const AncestorChart en = BuildAncestorChart(persons, 1, En);
    EXPECT_EQ(en.slot(1).caption, u"  Kadir YILDIZ"_qs);
    EXPECT_EQ(BuildAncestorChart(persons, 1, Lang::Turkish).slot(1).caption, u"  Kadır YILDIZ"_qs);
    EXPECT_EQ(en.slot(1).hint, PersonSummary(persons, persons[0], En));
    EXPECT_EQ(en.slot(1).color, SlotColor::Blue);
    EXPECT_EQ(en.slot(3).color, SlotColor::Maroon);
    // An unknown sex keeps whatever colour the label had.
    EXPECT_EQ(en.slot(2).color, SlotColor::Keep);
    EXPECT_EQ(BuildAncestorChart(persons, 4, En).slot(1).color, SlotColor::Keep);
}

TEST(AncestorSlots, ListsOfSpousesAndChildrenKeepTheirOrder)
{
    PersonList persons = Persons(6);
    At(persons, 2).Sex = 'K';
    Marry(persons, 1, 3);
    Marry(persons, 1, 2);
    Child(persons, 2, 1, 5);
    Child(persons, 3, 1, 4);
    const AncestorChart chart = BuildAncestorChart(persons, 1, En);
    ASSERT_EQ(chart.spouses.size(), 2);
    EXPECT_EQ(chart.spouses[0].recNo, 3);
    EXPECT_EQ(chart.spouses[0].text, u"P3 S3"_qs);
    EXPECT_EQ(chart.spouses[1].recNo, 2);
    ASSERT_EQ(chart.children.size(), 2);
    EXPECT_EQ(chart.children[0].recNo, 5);
    EXPECT_EQ(chart.children[1].recNo, 4);
    EXPECT_EQ(chart.spouseListColor, SlotColor::Maroon);
    EXPECT_EQ(BuildAncestorChart(persons, 2, En).spouseListColor, SlotColor::Blue);
    // A person without parents still lists spouses and children.
    EXPECT_EQ(chart.recNo(2), 0);
}

TEST(AncestorSlots, SpouseClickMarksTheChildrenTheyShare)
{
    PersonList persons = Persons(7);
    Marry(persons, 1, 2);
    Child(persons, 2, 1, 4);
    Child(persons, 0, 1, 6);
    const AncestorChart single = BuildAncestorChart(persons, 1, En);
    EXPECT_FALSE(SharedChildMarks(persons, single, 0).has_value());

    Marry(persons, 1, 3);
    Child(persons, 3, 1, 5);
    Child(persons, 3, 1, 7);
    const AncestorChart chart = BuildAncestorChart(persons, 1, En);
    // Children in the order 4, 6, 5, 7.
    EXPECT_EQ(SharedChildMarks(persons, chart, 0), (QList<bool>{true, false, false, false}));
    EXPECT_EQ(SharedChildMarks(persons, chart, 1), (QList<bool>{false, false, true, true}));
    EXPECT_FALSE(SharedChildMarks(persons, chart, 2).has_value());
}

} // namespace
