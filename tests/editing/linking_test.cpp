#include "editing/linking.h"
#include "family.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::test;

namespace {

constexpr Lang English = Lang::English;

// Record 5 with mother 1 and father 2, wife 3, child 4, and sibling 6; 7..10 unrelated,
// 7 a man, 8 a woman, 9 of undefined sex, 10 a woman.
PersonList Neighbourhood()
{
    PersonList persons = Persons(10);
    for (qint32 n : {1, 3, 8, 10})
        At(persons, n).Sex = SexFemale;
    At(persons, 9).Sex = '\0';
    Marry(persons, 1, 2);
    Child(persons, 1, 2, 5);
    Child(persons, 1, 0, 6);
    Marry(persons, 5, 3);
    Child(persons, 3, 5, 4);
    return persons;
}

} // namespace

TEST(LinkCandidates, RelativesAndWrongSexesAreLeftOut)
{
    const PersonList persons = Neighbourhood();
    EXPECT_EQ(LinkCandidates(persons, 5, RelativeRole::Mother), (QList<qint32>{8, 9, 10}));
    EXPECT_EQ(LinkCandidates(persons, 5, RelativeRole::Father), (QList<qint32>{7, 9}));
    EXPECT_EQ(LinkCandidates(persons, 5, RelativeRole::Spouse), (QList<qint32>{8, 9, 10}));
    EXPECT_EQ(LinkCandidates(persons, 5, RelativeRole::Child), (QList<qint32>{7, 8, 9, 10}));
    // Grandparents and an aunt are offered.
    EXPECT_EQ(LinkCandidates(persons, 4, RelativeRole::Child),
              (QList<qint32>{1, 2, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(LinkCandidates(persons, 11, RelativeRole::Child).isEmpty());
}

TEST(LinkCandidates, SpouseSelection)
{
    EXPECT_EQ(SpouseSelectionForLink(1, -1), 0);
    EXPECT_EQ(SpouseSelectionForLink(2, -1), -1);
    EXPECT_EQ(SpouseSelectionForLink(2, 1), 1);
    EXPECT_EQ(SpouseSelectionForLink(0, -1), -1);
    EXPECT_EQ(SpouseSelectionForLink(2, 5), -1);
}

TEST(LinkExisting, MotherBecomesTheFathersSpouseOnce)
{
    PersonList persons = Persons(8);
    Child(persons, 0, 5, 3);
    At(persons, 8).Sex = SexFemale;
    ASSERT_TRUE(LinkExisting(persons, 3, RelativeRole::Mother, 8, 0));
    const PersonList once = persons;
    EXPECT_EQ(At(persons, 3).MotherId, 8);
    EXPECT_EQ(At(persons, 8).Children, (QList<qint32>{3}));
    EXPECT_EQ(At(persons, 8).Spouses, (QList<qint32>{5}));
    EXPECT_EQ(At(persons, 5).Spouses, (QList<qint32>{8}));

    ASSERT_TRUE(LinkExisting(persons, 3, RelativeRole::Mother, 8, 0));
    EXPECT_EQ(persons, once);
}

TEST(LinkExisting, FatherWithoutMotherGetsNoSpouse)
{
    PersonList persons = Persons(3);
    ASSERT_TRUE(LinkExisting(persons, 1, RelativeRole::Father, 3, 0));
    EXPECT_EQ(At(persons, 1).FatherId, 3);
    EXPECT_EQ(At(persons, 3).Children, (QList<qint32>{1}));
    EXPECT_TRUE(At(persons, 3).Spouses.isEmpty());
}

TEST(LinkExisting, SpouseOnBothSidesChildrenUntouched)
{
    PersonList persons = Persons(3);
    Child(persons, 0, 1, 3);
    ASSERT_TRUE(LinkExisting(persons, 1, RelativeRole::Spouse, 2, 0));
    EXPECT_EQ(At(persons, 1).Spouses, (QList<qint32>{2}));
    EXPECT_EQ(At(persons, 2).Spouses, (QList<qint32>{1}));
    EXPECT_EQ(At(persons, 3).MotherId, 0);
    EXPECT_FALSE(LinkExisting(persons, 1, RelativeRole::Spouse, 1, 0));
    EXPECT_FALSE(LinkExisting(persons, 1, RelativeRole::Spouse, 4, 0));
}

TEST(LinkExisting, ChildOfAManAndHisSelectedWife)
{
    PersonList persons = Persons(7);
    At(persons, 4).Sex = At(persons, 6).Sex = SexFemale;
    Marry(persons, 1, 4);
    Marry(persons, 1, 6);
    ASSERT_TRUE(LinkExisting(persons, 1, RelativeRole::Child, 7, 6));
    EXPECT_EQ(At(persons, 7).FatherId, 1);
    EXPECT_EQ(At(persons, 7).MotherId, 6);
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{7}));
    EXPECT_EQ(At(persons, 6).Children, (QList<qint32>{7}));
    EXPECT_TRUE(At(persons, 4).Children.isEmpty());
}

TEST(LinkExisting, ChildLeavesTheFormerParentsItNoLongerHas)
{
    PersonList persons = Persons(7);
    At(persons, 2).Sex = At(persons, 5).Sex = SexFemale;
    Marry(persons, 1, 2);
    Child(persons, 5, 4, 7);
    At(persons, 5).Children = {6, 7};
    ASSERT_TRUE(LinkExisting(persons, 1, RelativeRole::Child, 7, 2));
    EXPECT_EQ(At(persons, 7).FatherId, 1);
    EXPECT_EQ(At(persons, 7).MotherId, 2);
    EXPECT_TRUE(At(persons, 4).Children.isEmpty());
    EXPECT_EQ(At(persons, 5).Children, (QList<qint32>{6}));

    // Only the overwritten side lets go; an unchanged parent keeps the child.
    PersonList kept = Persons(4);
    At(kept, 3).Sex = SexFemale;
    Child(kept, 3, 2, 4);
    ASSERT_TRUE(LinkExisting(kept, 1, RelativeRole::Child, 4, 0));
    EXPECT_EQ(At(kept, 4).FatherId, 1);
    EXPECT_EQ(At(kept, 4).MotherId, 3);
    EXPECT_EQ(At(kept, 3).Children, (QList<qint32>{4}));
    EXPECT_TRUE(At(kept, 2).Children.isEmpty());
}

TEST(LinkExisting, ChildOfAPersonOfUnknownSexKeepsItsParents)
{
    PersonList persons = Persons(4);
    At(persons, 1).Sex = '\0';
    Child(persons, 0, 3, 4);
    ASSERT_TRUE(LinkExisting(persons, 1, RelativeRole::Child, 4, 0));
    EXPECT_EQ(At(persons, 4).FatherId, 3);
    EXPECT_EQ(At(persons, 3).Children, (QList<qint32>{4}));
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{4}));
}

TEST(Unlink, RemovingTheMotherKeepsHerTheFathersSpouse)
{
    PersonList persons = Persons(4);
    Marry(persons, 1, 2);
    Child(persons, 1, 2, 3);
    Child(persons, 1, 2, 4);
    EXPECT_EQ(
        UnlinkParentQuestion(persons, 3, RelativeRole::Mother, English),
        QStringLiteral("P3 S3's Mother  >>   P1 S1\r\rAre you sure to delete this relationship ?"));
    ASSERT_TRUE(UnlinkParent(persons, 3, RelativeRole::Mother));
    EXPECT_EQ(At(persons, 3).MotherId, 0);
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{4}));
    EXPECT_EQ(At(persons, 1).Spouses, (QList<qint32>{2}));
    EXPECT_EQ(At(persons, 2).Children, (QList<qint32>{3, 4}));
    EXPECT_FALSE(UnlinkParent(persons, 3, RelativeRole::Mother));
    EXPECT_TRUE(UnlinkParentQuestion(persons, 3, RelativeRole::Mother, English).isEmpty());

    ASSERT_TRUE(UnlinkParent(persons, 3, RelativeRole::Father));
    EXPECT_EQ(At(persons, 2).Children, (QList<qint32>{4}));
}

TEST(Unlink, SpouseByIndexOnBothSides)
{
    PersonList persons = Persons(4);
    Marry(persons, 1, 2);
    Marry(persons, 1, 3);
    Marry(persons, 3, 4);
    Child(persons, 3, 1, 4);
    ASSERT_TRUE(UnlinkSpouse(persons, 1, 1));
    EXPECT_EQ(At(persons, 1).Spouses, (QList<qint32>{2}));
    EXPECT_EQ(At(persons, 3).Spouses, (QList<qint32>{4}));
    EXPECT_EQ(At(persons, 4).MotherId, 3);
    EXPECT_FALSE(UnlinkSpouse(persons, 1, 1));
    EXPECT_FALSE(UnlinkSpouse(persons, 1, -1));
}
