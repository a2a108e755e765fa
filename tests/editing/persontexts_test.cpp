#include "editing/persontexts.h"

#include "model/textrules.h"

#include <gtest/gtest.h>

#include <limits>

using namespace kinrow;

namespace {

constexpr Lang English = Lang::English;
constexpr Lang Turkish = Lang::Turkish;

TTreeData Person(qint32 id, const QString& given, const QString& surname)
{
    TTreeData p;
    p.Id = id;
    p.GivenName = given;
    p.Surname = surname;
    return p;
}

PersonList NumberedPersons(int count)
{
    PersonList persons;
    for (int i = 1; i <= count; ++i)
        persons.push_back(Person(i, QStringLiteral("P%1").arg(i), QStringLiteral("X")));
    return persons;
}

} // namespace

TEST(PersonEntryText, YearsAndPlaceholders)
{
    TTreeData p = Person(1, QStringLiteral("AHMET"), QStringLiteral("YILMAZ"));
    EXPECT_EQ(PersonEntryText(p, English), QStringLiteral("Ahmet YILMAZ"));

    p.BirthDate = 1921;
    EXPECT_EQ(PersonEntryText(p, English), QStringLiteral("Ahmet YILMAZ - 1921 & ----"));

    p.BirthDate = 0;
    p.DeathDate = 1990;
    EXPECT_EQ(PersonEntryText(p, English), QStringLiteral("Ahmet YILMAZ - ---- & 1990"));

    p.BirthDate = DateToJulian(5, 11, 1950);
    p.DeathDate = DateToJulian(1, 2, 2001);
    EXPECT_EQ(PersonEntryText(p, English), QStringLiteral("Ahmet YILMAZ - 1950 & 2001"));
}

TEST(PersonEntryText, GivenNameFollowsTheLanguage)
{
    const TTreeData p = Person(1, QStringLiteral("IŞIK"), QStringLiteral("KAYA"));
    EXPECT_EQ(PersonEntryText(p, Turkish), QStringLiteral("Işık KAYA"));
    EXPECT_EQ(PersonEntryText(p, English), QStringLiteral("Işik KAYA"));
}

TEST(PersonSummary, LinesJoinedByCarriageReturn)
{
    PersonList persons = NumberedPersons(3);
    persons[0] = Person(1, QStringLiteral("AYŞE"), QStringLiteral("KAYA"));
    TTreeData& p = persons[2];
    p = Person(3, QStringLiteral("ALİ"), QStringLiteral("KAYA"));
    EXPECT_EQ(PersonSummary(persons, p, English), QStringLiteral("3 - Ali Kaya"));

    p.BirthPlace = QStringLiteral("İZMİR");
    p.BirthDate = DateToJulian(12, 5, 1950);
    p.MotherId = 1;
    EXPECT_EQ(PersonSummary(persons, p, English),
              QStringLiteral("3 - Ali Kaya\r  İzmir\r  12 05 1950 & ----\r  Ayşe & ----"));

    p.MotherId = 0;
    p.FatherId = 2;
    p.BirthPlace.clear();
    p.BirthDate = 0;
    p.DeathDate = 1999;
    EXPECT_EQ(PersonSummary(persons, p, English),
              QStringLiteral("3 - Ali Kaya\r  ---- & 1999\r  ---- & P2"));
}

TEST(PersonSummary, ParentNumbersOutsideTheListDoNotCrash)
{
    PersonList persons = NumberedPersons(1);
    TTreeData& p = persons[0];
    p.MotherId = 7;
    p.FatherId = std::numeric_limits<qint32>::max();
    EXPECT_EQ(PersonSummary(persons, p, English), QStringLiteral("1 - P1 X\r  ---- & ----"));
}

TEST(AgeText, RangeAndUnknownCases)
{
    EXPECT_EQ(AgeText(QStringLiteral("12 05 1950"), QString(), 2004, English),
              QStringLiteral("Age : 54"));
    EXPECT_EQ(AgeText(QStringLiteral("1950"), QStringLiteral("1949"), 2004, English),
              QStringLiteral("Age : ???"));
    // No birth date gives birth year 0, so the age would be 1990.
    EXPECT_EQ(AgeText(QString(), QStringLiteral("1990"), 2004, English),
              QStringLiteral("Age : ???"));
    EXPECT_EQ(AgeText(QStringLiteral("1950"), QStringLiteral("03 04 1950"), 2004, English),
              QStringLiteral("Age : ???"));
    EXPECT_EQ(AgeText(QStringLiteral("1855"), QStringLiteral("2004"), 2004, English),
              QStringLiteral("Age : 149"));
    EXPECT_EQ(AgeText(QStringLiteral("1854"), QString(), 2004, English),
              QStringLiteral("Age : ???"));
    EXPECT_EQ(AgeText(QStringLiteral("1950"), QStringLiteral("1951"), 2004, Turkish),
              QStringLiteral("Yaş : 1"));
}

TEST(SiblingsOf, MotherFirstThenFathersOthers)
{
    PersonList persons = NumberedPersons(12);
    persons[6].MotherId = 1;
    persons[6].FatherId = 2;
    persons[0].Children = {4, 7, 9};
    persons[1].Children = {7, 9, 12};
    EXPECT_EQ(SiblingsOf(persons, 7), (QList<qint32>{4, 9, 12}));

    persons[6].MotherId = 0;
    EXPECT_EQ(SiblingsOf(persons, 7), (QList<qint32>{9, 12}));
    EXPECT_TRUE(SiblingsOf(persons, 3).isEmpty());
    EXPECT_TRUE(SiblingsOf(persons, 99).isEmpty());
}
