#include "editing/listedata.h"
#include "editing/listesearch.h"
#include "model/parallel.h"
#include "model/textrules.h"

#include <QCollator>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace kinrow;

namespace {

// Stored names are upper case; dates are a year alone or a Julian Date.
PersonList Family()
{
    struct Entry
    {
        const char* given;
        const char* surname;
        double birth;
    };
    const Entry entries[] = {
        {"AHMET", "IŞIK", 1950},
        {"AYŞE", "İŞİK", DateToJulian(12, 3, 1923)},
        {"MEHMET", "ISIK", 0},
        {"HALİL", "ÖZTÜRK", 1919},
        {"ÖZGE", "YILMAZ", DateToJulian(1, 1, 850)},
        {"ISAK", "KAYA", 2001},
    };
    PersonList persons;
    for (const Entry& e : entries) {
        TTreeData p;
        p.Id = qint32(persons.size() + 1);
        p.GivenName = QString::fromUtf8(e.given);
        p.Surname = QString::fromUtf8(e.surname);
        p.BirthDate = e.birth;
        persons.push_back(p);
    }
    return persons;
}

std::vector<qint32> Shown(const ListeTable& table)
{
    std::vector<qint32> numbers;
    for (int i = 0; i < table.size(); ++i)
        numbers.push_back(table.at(i).No);
    return numbers;
}

struct NarrowCase
{
    const char* typed;
    std::vector<qint32> shown;
};

class ListeNarrowTest : public ::testing::TestWithParam<NarrowCase>
{};

} // namespace

TEST_P(ListeNarrowTest, ShowsTheRowsWhoseNameOrBirthYearContainTheText)
{
    const PersonList persons = Family();
    ListeTable table;
    table.setRows(ListeRowsAll(persons, Lang::Turkish), persons);
    table.setFilter(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(Shown(table), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ListeNarrowTest,
    ::testing::Values(NarrowCase{"", {1, 2, 3, 4, 5, 6}}, NarrowCase{"isik", {1, 2, 3}},
                      NarrowCase{"IŞIK", {1, 2, 3}}, NarrowCase{"ozturk", {4}},
                      NarrowCase{"oz", {4, 5}}, NarrowCase{"halil", {4}}, NarrowCase{"met", {1, 3}},
                      NarrowCase{"is", {1, 2, 3, 6}},
                      // Birth years, from a year alone or a full date, in part too.
                      NarrowCase{"1923", {2}}, NarrowCase{"19", {1, 2, 4}}, NarrowCase{"0850", {5}},
                      NarrowCase{"200", {6}},
                      // A text never spans two fields, and nothing matches nothing.
                      NarrowCase{"ahmetisik", {}}, NarrowCase{"zz", {}},
                      // A lone accent folds to nothing and hides nothing.
                      NarrowCase{"\u0301", {1, 2, 3, 4, 5, 6}},
                      // Words at blanks: every word in some field of the row, in any order.
                      NarrowCase{"ahmet ışık", {1}}, NarrowCase{"isik ahmet", {1}},
                      NarrowCase{"ozge yilmaz 0850", {5}}, NarrowCase{"  isik  ", {1, 2, 3}},
                      NarrowCase{"is 19", {1, 2}}, NarrowCase{"ahmet yilmaz", {}},
                      NarrowCase{"   ", {1, 2, 3, 4, 5, 6}}));

TEST(ListeNarrow, SortingWhileNarrowedKeepsBothTheOrderAndTheNarrowing)
{
    const PersonList persons = Family();
    ListeTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    table.setRows(ListeRowsAll(persons, Lang::Turkish), persons);
    table.sort(ListeColumnNo, Qt::DescendingOrder);
    table.setFilter("is");
    EXPECT_EQ(Shown(table), (std::vector<qint32>{6, 3, 2, 1}));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    // Turkish order: S before Ş, I before İ.
    EXPECT_EQ(Shown(table), (std::vector<qint32>{3, 1, 2, 6}));
    EXPECT_EQ(table.positionOfNo(2), 2);
    EXPECT_EQ(table.positionOfNo(4), -1); // hidden
    table.setFilter("");
    EXPECT_EQ(Shown(table), (std::vector<qint32>{3, 1, 2, 6, 4, 5}));

    // New rows forget what was typed.
    table.setFilter("kaya");
    table.setRows(ListeRowsAll(persons, Lang::Turkish), persons);
    EXPECT_EQ(table.size(), 6);
    EXPECT_TRUE(table.filter().isEmpty());
}

TEST(ListeNarrow, CandidateRowsAreSearchedByTheirOwnPersons)
{
    const PersonList persons = Family();
    ListeTable table;
    table.setRows(ListeRowsOf(persons, {6, 4}, Lang::English), persons);
    table.setFilter("ISAK");
    EXPECT_EQ(Shown(table), std::vector<qint32>{6});
    table.setFilter("1919");
    EXPECT_EQ(Shown(table), std::vector<qint32>{4});
}

// The rank sort must give the order a plain stable sort with the collator gives.
TEST(ListeNarrow, RankSortKeepsTheCollatorsStableOrder)
{
    static const QString letters = QStringLiteral("aAbcCçÇgğĞıIiİoöÖsşŞuüÜz ");
    QRandomGenerator random(7);
    std::vector<TListeData> rows;
    // Enough rows that the two halves are ranked on two threads and merged, on any machine.
    const CoreCountOverride cores(2);
    for (int i = 0; i < 25000; ++i) {
        QString surname;
        const int length = 1 + random.bounded(4);
        for (int j = 0; j < length; ++j)
            surname += letters[random.bounded(int(letters.size()))];
        rows.push_back({i + 1, QString(), surname});
    }
    for (const QLocale& locale :
         {QLocale(QLocale::Turkish, QLocale::Turkey), QLocale(QLocale::English)}) {
        const QCollator collator = ListeCollator(locale);
        std::vector<int> expected(rows.size());
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
            return collator.compare(rows[std::size_t(a)].Soyad, rows[std::size_t(b)].Soyad) < 0;
        });
        ListeTable table(locale);
        table.setRows(rows);
        table.sort(ListeColumnSoyad, Qt::AscendingOrder);
        ASSERT_EQ(table.order(), expected) << locale.name().toStdString();
    }
}

// Long lists are built and searched in two halves: matches at both ends of each half count.
TEST(ListeNarrow, LongListsFindMatchesInBothHalvesAndAtTheirJoin)
{
    const CoreCountOverride cores(2);
    PersonList persons(30000);
    for (std::size_t i = 0; i < persons.size(); ++i) {
        persons[i].GivenName = QStringLiteral("AD");
        persons[i].Surname = QStringLiteral("SOY");
    }
    const std::vector<qint32> marked{1, 14999, 15000, 15001, 15002, 30000};
    for (const qint32 no : marked)
        persons[std::size_t(no - 1)].Surname = QStringLiteral("ÖZTÜRK");
    persons[20000].BirthDate = 1777;

    ListeTable table;
    const std::vector<TListeData> rows = ListeRowsAll(persons, Lang::English);
    ASSERT_EQ(rows.size(), persons.size());
    EXPECT_EQ(rows[29999].No, 30000);
    EXPECT_EQ(rows[15000].Ad, "Ad");
    table.setRows(rows, persons);
    table.setFilter("ozturk");
    EXPECT_EQ(Shown(table), marked);
    table.setFilter("777");
    EXPECT_EQ(Shown(table), std::vector<qint32>{20001});
}

// The rows and the search index built in two parts are those built in one.
TEST(ListeNarrow, TwoPartsBuildWhatOnePartBuilds)
{
    PersonList persons(25001);
    for (std::size_t i = 0; i < persons.size(); ++i) {
        persons[i].GivenName = QStringLiteral("AD%1").arg(i % 97);
        persons[i].Surname = QStringLiteral("SOY%1").arg(i % 89);
        persons[i].BirthDate = double(2400000 + i);
    }
    const auto build = [&persons](std::size_t cores) {
        const CoreCountOverride machine(cores);
        std::vector<std::vector<qint32>> shown;
        ListeTable table;
        const std::vector<TListeData> rows = ListeRowsAll(persons, Lang::Turkish);
        table.setRows(rows, persons);
        for (const char* typed : {"ad5", "soy88 ad1", "ad96 soy7", "xyz"}) {
            table.setFilter(QString::fromLatin1(typed));
            shown.push_back(Shown(table));
        }
        return std::pair{rows, shown};
    };
    const auto [oneRows, oneShown] = build(1);
    const auto [twoRows, twoShown] = build(2);
    ASSERT_EQ(twoRows.size(), oneRows.size());
    for (std::size_t i = 0; i < oneRows.size(); ++i) {
        ASSERT_EQ(twoRows[i].No, oneRows[i].No) << i;
        ASSERT_EQ(twoRows[i].Ad, oneRows[i].Ad) << i;
        ASSERT_EQ(twoRows[i].Soyad, oneRows[i].Soyad) << i;
    }
    EXPECT_EQ(twoShown, oneShown);
    EXPECT_FALSE(oneShown[1].empty());
}
