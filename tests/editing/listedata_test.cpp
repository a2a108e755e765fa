#include "editing/listedata.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kinrow;

namespace {

std::vector<TListeData> SurnameRows(const QStringList& surnames)
{
    std::vector<TListeData> rows;
    for (qsizetype i = 0; i < surnames.size(); ++i)
        rows.push_back({qint32(i + 1), QString(), surnames[i]});
    return rows;
}

QStringList Surnames(const ListeTable& table)
{
    QStringList out;
    for (int i = 0; i < table.size(); ++i)
        out << table.at(i).Soyad;
    return out;
}

} // namespace

TEST(ListeData, TurkishCollationPutsCedillaAfterCAndIgnoresCase)
{
    const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
    ListeTable names(turkish);
    names.setRows({{1, "ayşe", {}}, {2, "AYŞE", {}}, {3, "ali", {}}});
    names.sort(ListeColumnAd, Qt::DescendingOrder);
    EXPECT_EQ(names.at(0).No, 1); // equal names keep their order, even descending
    EXPECT_EQ(names.at(1).No, 2);
    EXPECT_EQ(names.at(2).No, 3);

    ListeTable table(turkish);
    table.setRows(SurnameRows({"ÇA", "cz", "ab", "CB", "AB"}));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    // "ab" and "AB" are equal when case is ignored, so they keep their given order.
    EXPECT_EQ(Surnames(table), QStringList({"ab", "AB", "CB", "cz", "ÇA"}));
    table.sort(ListeColumnSoyad, Qt::DescendingOrder);
    EXPECT_EQ(Surnames(table), QStringList({"ÇA", "cz", "CB", "ab", "AB"}));
}

TEST(ListeData, NumberColumnSortsNumericallyAndStably)
{
    ListeTable table;
    table.setRows({{10, "B", "X"}, {9, "A", "Y"}, {100, "B", "Z"}});
    table.sort(ListeColumnNo, Qt::AscendingOrder);
    EXPECT_EQ(table.at(0).No, 9);
    EXPECT_EQ(table.at(2).No, 100);
    EXPECT_EQ(table.at(1).No, 10); // numerically, not as text

    // Equal names keep the order of the previous sort, in either direction.
    table.sort(ListeColumnAd, Qt::DescendingOrder);
    EXPECT_EQ(table.at(0).No, 10);
    EXPECT_EQ(table.at(1).No, 100);
    EXPECT_EQ(table.at(2).No, 9);
    EXPECT_EQ(table.positionOfNo(9), 2);
    EXPECT_EQ(table.positionOfNo(11), -1);
}

TEST(ListeData, NewRowsAndNewLocaleDropStaleRanks)
{
    ListeTable table(QLocale(QLocale::English));
    table.setRows(SurnameRows({"B", "A"}));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    table.setRows(SurnameRows({"D", "C", "E"}));
    EXPECT_EQ(Surnames(table), QStringList({"D", "C", "E"}));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    EXPECT_EQ(Surnames(table), QStringList({"C", "D", "E"}));

    table.setRows(SurnameRows({"ÇA", "CZ"}));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    EXPECT_EQ(Surnames(table), QStringList({"ÇA", "CZ"}));
    table.setCollationLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    EXPECT_EQ(Surnames(table), QStringList({"CZ", "ÇA"}));
}

// Names of every script sort as letters, not as code numbers: Ł beside L, each script's letters
// in their order, in the Turkish and the English order and where the system has no locale.
TEST(ListeData, NamesOfEveryScriptSortByTheirLetters)
{
    const QStringList sorted = {"CAN",  "ÇİFTÇİ", "LALE", "ŁUKASZ", "ZEKİ",
                                "ΑΛΦΑ", "ΩΜΕΓΑ",  "АННА", "ЯКОВ"};
    QStringList shuffled = sorted;
    std::reverse(shuffled.begin(), shuffled.end());
    for (const QLocale& locale :
         {QLocale::c(), QLocale(QLocale::English), QLocale(QLocale::Turkish, QLocale::Turkey)}) {
        ListeTable table(locale);
        table.setRows(SurnameRows(shuffled));
        table.sort(ListeColumnSoyad, Qt::AscendingOrder);
        EXPECT_EQ(Surnames(table).join(u' ').toStdString(), sorted.join(u' ').toStdString())
            << locale.name().toStdString();
    }
}

TEST(ListeData, RowsOfSkipNumbersOutsideTheList)
{
    PersonList persons(3);
    persons[1].GivenName = "AHMET";
    persons[1].Surname = "YILMAZ";
    const auto rows = ListeRowsOf(persons, {0, 2, -5, 4, 3}, Lang::English);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].No, 2);
    EXPECT_EQ(rows[0].Ad, "Ahmet");
    EXPECT_EQ(rows[0].Soyad, "YILMAZ");
    EXPECT_EQ(rows[1].No, 3);
    EXPECT_EQ(ListeRowsAll(persons, Lang::English).size(), 3u);
}
