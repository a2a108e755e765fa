#include "print/listselection.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// 1 and 2 are the parents of 3 and 4; 3 is married to 5 and has child 6.
PersonList Family()
{
    PersonList persons(6);
    const char* given[] = {"ALİ", "AYŞE", "CAN", "DERYA", "EDA", "FIRAT"};
    const char* surname[] = {"KAYA", "kaya", "KAYA", "", "ÖZ", "KAYA"};
    const char sex[] = {'E', 'K', 'E', 'K', 'K', 'E'};
    for (int i = 0; i < 6; ++i) {
        persons[i].Id = i + 1;
        persons[i].GivenName = QString::fromUtf8(given[i]);
        persons[i].Surname = QString::fromUtf8(surname[i]);
        persons[i].Sex = sex[i];
    }
    persons[2].FatherId = persons[3].FatherId = 1;
    persons[2].MotherId = persons[3].MotherId = 2;
    persons[2].Spouses = {5};
    persons[2].Children = {6};
    persons[5].FatherId = 3;
    persons[5].MotherId = 5;
    return persons;
}

QList<qint32> RecNos(const std::vector<ListPrintRow>& rows)
{
    QList<qint32> recNos;
    for (const ListPrintRow& row : rows)
        recNos.append(row.recNo);
    return recNos;
}

TEST(ListSelection, ScopesTickTheirRows)
{
    const PersonList persons = Family();
    struct Case
    {
        ListScope scope;
        QString surname;
        QList<qint32> expected;
    };
    const Case cases[] = {
        {ListScope::Family, {}, {1, 2, 3, 5, 6}}, // not the sister 4
        {ListScope::Surname, QStringLiteral("KAYA"), {1, 3, 6}},
        {ListScope::Surname, QString(), {4}},
        {ListScope::Males, {}, {1, 3, 6}},
        {ListScope::Females, {}, {2, 4, 5}},
        {ListScope::All, {}, {1, 2, 3, 4, 5, 6}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecNos(ScopedListRows(persons, c.scope, 3, c.surname, Lang::English)), c.expected)
            << int(c.scope);
}

TEST(ListSelection, RowTextsNameRelativesByGivenName)
{
    PersonList persons = Family();
    persons[2].Spouses = {5, 4};
    persons[2].BirthDate = 1950;
    const ListPrintRow row = ListRowOf(persons, 3, Lang::English);
    EXPECT_EQ(row.cells[0], u"3");
    EXPECT_EQ(row.cells[4], u"1950 & ----");
    EXPECT_EQ(row.cells[5], u"Ayşe (2)");
    EXPECT_EQ(row.cells[7], u"Eda (5) & Derya (4)");
    EXPECT_EQ(row.cells[8], u"Firat (6)");
    EXPECT_TRUE(ListRowOf(persons, 1, Lang::English).cells[4].isEmpty());
    EXPECT_EQ(BirthAndDeathText(0, 1990), u"---- & 1990");
}

TEST(ListSelection, SortIsStableAndCaseBlind)
{
    const PersonList persons = Family();
    std::vector<ListPrintRow> rows = ScopedListRows(persons, ListScope::All, 1, {}, Lang::English);
    SortListRows(rows, 2, false); // "", "KAYA", "kaya", "KAYA", "ÖZ", "KAYA"
    EXPECT_EQ(RecNos(rows), (QList<qint32>{4, 1, 2, 3, 6, 5}));
    SortListRows(rows, 0, true);
    EXPECT_EQ(RecNos(rows), (QList<qint32>{6, 5, 4, 3, 2, 1}));
    SortListRows(rows, 7, false); // spouses compare equal: the order stays
    EXPECT_EQ(RecNos(rows), (QList<qint32>{6, 5, 4, 3, 2, 1}));
}

TEST(ListSelection, DatesSortAsText)
{
    std::vector<ListPrintRow> rows(3);
    rows[0].cells[4] = QStringLiteral("12 04 1961 & ----");
    rows[1].cells[4] = QStringLiteral("03 07 1990 & ----");
    rows[2].cells[4] = QStringLiteral("1850 & ----");
    for (int i = 0; i < 3; ++i)
        rows[i].recNo = i + 1;
    SortListRows(rows, 4, false);
    EXPECT_EQ(RecNos(rows), (QList<qint32>{2, 1, 3}));
}

} // namespace
