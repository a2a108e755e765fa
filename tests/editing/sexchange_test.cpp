#include "editing/sexchange.h"
#include "family.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::test;

namespace {

constexpr Lang English = Lang::English;

// A(1) married to B(2), B also married to C(3); X(4) and Y(5) children of A and B,
// Z(6) child of C.
PersonList ThreeSpouses()
{
    PersonList persons = Persons(6);
    At(persons, 2).Sex = SexFemale;
    Marry(persons, 1, 2);
    Marry(persons, 2, 3);
    Child(persons, 2, 1, 4);
    Child(persons, 2, 1, 5);
    Child(persons, 0, 3, 6);
    return persons;
}

} // namespace

TEST(SexChange, GroupAndChildrenInDiscoveryOrder)
{
    const PersonList persons = ThreeSpouses();
    const QList<qint32> group = SpouseGroup(persons, 1);
    EXPECT_EQ(group, (QList<qint32>{1, 2, 3}));
    EXPECT_EQ(AffectedChildren(persons, group), (QList<qint32>{4, 5, 6}));
    EXPECT_EQ(SpouseGroup(persons, 3), (QList<qint32>{3, 2, 1}));
    EXPECT_EQ(SpouseGroup(persons, 4), (QList<qint32>{4}));
    EXPECT_TRUE(SpouseGroup(persons, 0).isEmpty());
}

TEST(SexChange, QuestionListsEverybodyUnderFixedTurkishHeadings)
{
    const PersonList persons = ThreeSpouses();
    const QList<qint32> group = SpouseGroup(persons, 1);
    EXPECT_EQ(SexChangeQuestion(persons, group, AffectedChildren(persons, group), English),
              QStringLiteral("Cinsiyeti Etkilenen Diğer Kişiler\r - P1 S1\r - P2 S2\r - P3 S3"
                             "\r\rAnne ve Baba yeri Değişecek kişiler\r - P4 S4\r - P5 S5\r - P6 S6"
                             "\r\rBu değişikliklerin yapılmasını istiyormusunuz ?"));
    PersonList couple = Persons(2);
    Marry(couple, 1, 2);
    EXPECT_EQ(SexChangeQuestion(couple, {1, 2}, {}, English),
              QStringLiteral("Cinsiyeti Etkilenen Diğer Kişiler\r - P1 S1\r - P2 S2"
                             "\r\rBu değişikliklerin yapılmasını istiyormusunuz ?"));
}

TEST(SexChange, ApplyFlipsSexesAndExchangesParentsOnly)
{
    PersonList persons = ThreeSpouses();
    At(persons, 6).MotherId = 0;
    const QList<qint32> group = SpouseGroup(persons, 1);
    ApplySexChange(persons, group, AffectedChildren(persons, group));
    EXPECT_EQ(At(persons, 1).Sex, SexFemale);
    EXPECT_EQ(At(persons, 2).Sex, SexMale);
    EXPECT_EQ(At(persons, 3).Sex, SexFemale);
    EXPECT_EQ(At(persons, 4).MotherId, 1);
    EXPECT_EQ(At(persons, 4).FatherId, 2);
    EXPECT_EQ(At(persons, 6).MotherId, 3);
    EXPECT_EQ(At(persons, 6).FatherId, 0);
    EXPECT_EQ(At(persons, 2).Spouses, (QList<qint32>{1, 3}));
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{4, 5}));
}

TEST(SexChange, UndefinedSexBecomesMale)
{
    PersonList persons = Persons(2);
    At(persons, 1).Sex = '?';
    Marry(persons, 1, 2);
    ApplySexChange(persons, SpouseGroup(persons, 1), {});
    EXPECT_EQ(At(persons, 1).Sex, SexMale);
    EXPECT_EQ(At(persons, 2).Sex, SexFemale);
}

TEST(SexChange, CyclesAndBrokenNumbersEndTheSearch)
{
    PersonList persons = Persons(4);
    Marry(persons, 1, 2);
    Marry(persons, 2, 3);
    Marry(persons, 3, 1);
    At(persons, 3).Spouses.append(99);
    At(persons, 3).Spouses.append(3);
    At(persons, 1).Children = {4, 4, -2};
    At(persons, 2).Children = {4};
    const QList<qint32> group = SpouseGroup(persons, 1);
    EXPECT_EQ(group, (QList<qint32>{1, 2, 3}));
    EXPECT_EQ(AffectedChildren(persons, group), (QList<qint32>{4}));
}

TEST(SexChange, CoParentsWhoAreNoCoupleChangeWithTheGroup)
{
    // Mehmet(1) and Fatma(2) with their spouse link removed, Osman(3) still their son; Ali(4)
    // is Fatma's husband now, and Veli(5) a son whose mother names nobody as father.
    PersonList persons = Persons(5);
    At(persons, 2).Sex = SexFemale;
    Child(persons, 2, 1, 3);
    Marry(persons, 2, 4);
    Child(persons, 2, 0, 5);
    const QList<qint32> group = SpouseGroup(persons, 1);
    EXPECT_EQ(group, (QList<qint32>{1, 2, 4}));
    const QList<qint32> children = AffectedChildren(persons, group);
    ApplySexChange(persons, group, children);
    EXPECT_EQ(At(persons, 3).FatherId, 2); // one father, and a man
    EXPECT_EQ(At(persons, 2).Sex, SexMale);
    EXPECT_EQ(At(persons, 3).MotherId, 1);
    EXPECT_EQ(At(persons, 1).Sex, SexFemale);
}
