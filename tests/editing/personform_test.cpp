#include "family.h"

#include "editing/personform.h"
#include "editing/sharedchildren.h"
#include "model/textrules.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// Record 1 (a man) with wife 2, second wife 3, children 4 and 5 with 2, child 6 with 3; his
// lists also name record 9, which does not exist.
PersonList MarriedTwice()
{
    PersonList persons(6);
    for (qint32 n = 1; n <= 6; ++n) {
        test::At(persons, n).Id = n;
        test::At(persons, n).GivenName = QStringLiteral("P%1").arg(n);
        test::At(persons, n).Sex = n == 2 || n == 3 ? SexFemale : SexMale;
    }
    TTreeData& man = test::At(persons, 1);
    man.Spouses = {2, 9, 3};
    man.Children = {4, 9, 5, 6};
    man.MotherId = 9;
    man.FatherId = 5;
    man.BirthDate = DateToJulian(3, 4, 1920);
    man.Notes = QStringLiteral("one\rtwo\nthree\r\nfour");
    test::At(persons, 2).Children = {4, 5};
    test::At(persons, 3).Children = {6, 5};
    return persons;
}

} // namespace

TEST(PersonForm, ShowsTheRecordAsThePageWritesItLeavingOutNumbersThatNameNoRecord)
{
    const PersonForm form = FormOfRecord(MarriedTwice(), 1);
    EXPECT_EQ(form.GivenName, QStringLiteral("P1"));
    EXPECT_EQ(form.BirthDateText, FormatDateValue(DateToJulian(3, 4, 1920)));
    EXPECT_EQ(form.DeathDateText, FormatDateValue(0));
    EXPECT_EQ(form.Notes, QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    EXPECT_EQ(form.SexTag, 1);
    EXPECT_EQ(form.MotherId, 0);
    EXPECT_EQ(form.FatherId, 5);
    EXPECT_EQ(form.Spouses, (QList<qint32>{2, 3}));
    EXPECT_EQ(form.Children, (QList<qint32>{4, 5, 6}));
    EXPECT_EQ(FormOfRecord(MarriedTwice(), 2).SexTag, 2);
    EXPECT_EQ(FormOfRecord(MarriedTwice(), 7), PersonForm());
}

TEST(PersonForm, ARowOfAShownListNamesTheEntryOfTheStoredList)
{
    const PersonList persons = MarriedTwice();
    const QList<qint32> spouses = test::At(persons, 1).Spouses; // 2, 9, 3
    EXPECT_EQ(StoredIndex(persons, spouses, 0), 0);
    EXPECT_EQ(StoredIndex(persons, spouses, 1), 2); // 9 is not shown
    EXPECT_EQ(StoredIndex(persons, spouses, 2), -1);
    EXPECT_EQ(StoredIndex(persons, spouses, -1), -1);
    EXPECT_EQ(StoredIndex(persons, {4, 5}, 1), 1);
}

TEST(SharedChildMarks, MarksExactlyTheChildrenTheSpouseAlsoLists)
{
    const PersonList persons = MarriedTwice();
    const QList<qint32> children{4, 5, 6};
    struct Case
    {
        qint32 spouse;
        QList<bool> marks;
    } cases[] = {
        {2, {true, true, false}},
        {3, {false, true, true}},
        {9, {false, false, false}}, // names no record
        {0, {false, false, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SharedChildMarks(persons, children, c.spouse), c.marks) << "spouse " << c.spouse;
    EXPECT_TRUE(SharedChildMarks(persons, {}, 2).isEmpty());
}
