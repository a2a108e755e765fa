#include "editing/deletion.h"
#include "editing/reordering.h"
#include "family.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::test;

TEST(Deletion, LastRecordMovesIntoTheFreedPlace)
{
    // 1 and 2 are a couple with children 3 and 5; 5 is married to 4.
    PersonList persons = Persons(5);
    At(persons, 1).Sex = SexFemale;
    Marry(persons, 1, 2);
    Child(persons, 1, 2, 3);
    Child(persons, 1, 2, 5);
    Marry(persons, 5, 4);
    EXPECT_EQ(CheckDeletion(persons, 2, false), DeleteRefusal::None);

    const TTreeData former5 = At(persons, 5);
    DeletePerson(persons, 2);
    ASSERT_EQ(persons.size(), 4u);
    for (size_t i = 0; i < persons.size(); ++i)
        EXPECT_EQ(persons[i].Id, qint32(i + 1));
    EXPECT_EQ(At(persons, 2).GivenName, former5.GivenName);
    EXPECT_EQ(At(persons, 2).Spouses, (QList<qint32>{4}));
    EXPECT_EQ(At(persons, 2).MotherId, 1);
    EXPECT_EQ(At(persons, 2).FatherId, 0);
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{3, 2}));
    EXPECT_TRUE(At(persons, 1).Spouses.isEmpty());
    EXPECT_EQ(At(persons, 3).FatherId, 0);
    EXPECT_EQ(At(persons, 4).Spouses, (QList<qint32>{2}));
}

TEST(Deletion, DeletingTheLastRecordOnlyDropsReferences)
{
    PersonList persons = Persons(3);
    Marry(persons, 1, 3);
    Child(persons, 0, 3, 2);
    DeletePerson(persons, 3);
    ASSERT_EQ(persons.size(), 2u);
    EXPECT_TRUE(At(persons, 1).Spouses.isEmpty());
    EXPECT_EQ(At(persons, 2).FatherId, 0);
}

TEST(Deletion, DuplicateEntriesDoNotSurviveAsReferencesToTheMovedRecord)
{
    PersonList persons = Persons(4);
    At(persons, 1).Children = {2, 3, 2};
    DeletePerson(persons, 2);
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{3}));
}

TEST(Deletion, RefusalsInOrder)
{
    PersonList persons = Persons(4);
    EXPECT_EQ(CheckDeletion(Persons(1), 1, false), DeleteRefusal::LastRecord);
    EXPECT_EQ(CheckDeletion(persons, 1, true), DeleteRefusal::HasPictures);
    Child(persons, 1, 0, 2);
    Marry(persons, 2, 3);
    EXPECT_EQ(CheckDeletion(persons, 2, false), DeleteRefusal::ChainRule);
    EXPECT_EQ(DeleteRefusalMessage(DeleteRefusal::ChainRule), Msg::ChainRuleRefusal);
    // A founder with children, and a childless person with parents, may go.
    EXPECT_EQ(CheckDeletion(persons, 1, false), DeleteRefusal::None);
    Child(persons, 1, 0, 4);
    EXPECT_EQ(CheckDeletion(persons, 4, false), DeleteRefusal::None);
}

TEST(Deletion, ChoiceOfTheNextPerson)
{
    PersonList persons = Persons(7);
    Marry(persons, 1, 2);
    Marry(persons, 1, 3);
    Child(persons, 2, 1, 4);
    EXPECT_EQ(NextAfterDeletion(persons, 1), 2);
    EXPECT_EQ(NextAfterDeletion(persons, 5), 1);

    Child(persons, 3, 6, 5);
    EXPECT_EQ(NextAfterDeletion(persons, 5), 3);

    // The chosen person is the last record, which the deletion moves: 1 is shown.
    Child(persons, 7, 0, 4);
    EXPECT_EQ(NextAfterDeletion(persons, 4), 1);
}

TEST(Reordering, SpouseMoveStaysInRange)
{
    PersonList persons = Persons(4);
    At(persons, 1).Spouses = {2, 3, 4};
    ASSERT_TRUE(MoveSpouse(persons, 1, 2, 1));
    EXPECT_EQ(At(persons, 1).Spouses, (QList<qint32>{2, 4, 3}));
    EXPECT_FALSE(MoveSpouse(persons, 1, 0, -1));
    EXPECT_FALSE(MoveSpouse(persons, 1, 2, 3));
    EXPECT_EQ(At(persons, 1).Spouses, (QList<qint32>{2, 4, 3}));
}

TEST(Reordering, ChildMoveKeepsTheOtherParentInStep)
{
    PersonList persons = Persons(8);
    At(persons, 2).Sex = SexFemale;
    Marry(persons, 1, 2);
    Child(persons, 2, 1, 3);
    Child(persons, 0, 1, 4);
    Child(persons, 2, 1, 5);
    Child(persons, 2, 1, 6);
    At(persons, 2).Children = {6, 3, 5};

    // Third of four up by one: positions 2 and 3 (5 and 4); 4 is not 2's child.
    ASSERT_TRUE(MoveChild(persons, 1, 2, 1));
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{3, 5, 4, 6}));
    EXPECT_EQ(At(persons, 2).Children, (QList<qint32>{6, 3, 5}));

    ASSERT_TRUE(MoveChild(persons, 1, 0, 1));
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{5, 3, 4, 6}));
    EXPECT_EQ(At(persons, 2).Children, (QList<qint32>{6, 5, 3}));

    // Seen from the mother: the father's list follows.
    ASSERT_TRUE(MoveChild(persons, 2, 0, 2));
    EXPECT_EQ(At(persons, 2).Children, (QList<qint32>{3, 5, 6}));
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{5, 6, 4, 3}));
    EXPECT_FALSE(MoveChild(persons, 2, 2, 3));
}
