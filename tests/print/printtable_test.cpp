#include "editing/family.h"
#include "gedcom/familygenerator.h"
#include "model/parallel.h"
#include "model/textrules.h"
#include "print/printexport.h"
#include "print/printtable.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::test;

namespace {

// Five persons: 1 and 2 married with children 3 and 4; 5 a stranger without a surname.
PersonList SmallFamily()
{
    PersonList persons = Persons(5);
    At(persons, 2).Sex = SexFemale;
    At(persons, 4).Sex = SexFemale;
    At(persons, 5).Sex = '\0';
    for (qint32 n : {1, 2, 3, 4})
        At(persons, n).Surname = QStringLiteral("YILMAZ");
    At(persons, 5).Surname.clear();
    Marry(persons, 1, 2);
    Child(persons, 2, 1, 3);
    Child(persons, 2, 1, 4);
    return persons;
}

std::vector<qint32> Checked(const PrintTable& table)
{
    std::vector<qint32> recNos;
    for (const int index : table.checkedInDisplayOrder())
        recNos.push_back(table.row(index).RecNo);
    return recNos;
}

std::vector<qint32> Shown(const PrintTable& table)
{
    std::vector<qint32> recNos;
    for (const int index : table.visibleOrder())
        recNos.push_back(table.row(index).RecNo);
    return recNos;
}

PrintTable TableOf(const PersonList& persons)
{
    PrintTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    table.setRows(PrintRows(persons, Lang::Turkish));
    return table;
}

} // namespace

TEST(PrintRows, RelativesByGivenNameAndNumber)
{
    PersonList persons = SmallFamily();
    At(persons, 1).GivenName = QStringLiteral("AHMET");
    At(persons, 2).GivenName = QStringLiteral("AYŞE");
    Marry(persons, 1, 5);
    At(persons, 5).GivenName = QStringLiteral("FATMA");
    const std::vector<TPrintData> rows = PrintRows(persons, Lang::Turkish);
    EXPECT_EQ(rows[0].Spouses, QStringLiteral("Ayşe (2) & Fatma (5)"));
    EXPECT_EQ(rows[2].Mother, QStringLiteral("Ayşe (2)"));
    EXPECT_EQ(rows[2].Father, QStringLiteral("Ahmet (1)"));
    EXPECT_EQ(rows[1].Children, QStringLiteral("P3 (3) & P4 (4)"));
    EXPECT_TRUE(rows[4].Mother.isEmpty());
    EXPECT_TRUE(rows[2].Children.isEmpty());
    EXPECT_EQ(rows[3].Sex, SexFemale);
}

TEST(PrintRows, LargeFamiliesBuiltOnTwoThreadsAgreeWithTheirRelatives)
{
    // Large enough for both halves of the list to be built at once, on any machine.
    const CoreCountOverride cores(2);
    const PersonList persons = GenerateFamily(60'000, 7);
    const std::vector<TPrintData> rows = PrintRows(persons, Lang::Turkish);
    ASSERT_EQ(rows.size(), persons.size());
    const auto label = [&rows](qint32 recNo) {
        return rows[std::size_t(recNo - 1)].GivenName + QStringLiteral(" (%1)").arg(recNo);
    };
    int linked = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const TTreeData& person = persons[i];
        ASSERT_EQ(rows[i].RecNo, qint32(i + 1));
        ASSERT_EQ(rows[i].GivenName, ProperCaseName(person.GivenName, Lang::Turkish));
        ASSERT_EQ(rows[i].BirthPlace, ProperCaseName(person.BirthPlace, Lang::Turkish));
        ASSERT_EQ(rows[i].Mother, person.MotherId ? label(person.MotherId) : QString());
        ASSERT_EQ(rows[i].Father, person.FatherId ? label(person.FatherId) : QString());
        QStringList children;
        for (const qint32 child : person.Children)
            children.append(label(child));
        ASSERT_EQ(rows[i].Children, children.join(QStringLiteral(" & ")));
        linked += person.MotherId != 0;
    }
    EXPECT_GT(linked, 30'000);
}

TEST(PrintRows, LinkOutsideTheListShowsItsNumber)
{
    PersonList persons = SmallFamily();
    At(persons, 5).Children = {99, 98};
    At(persons, 4).Spouses = {97};
    const std::vector<TPrintData> rows = PrintRows(persons, Lang::Turkish);
    EXPECT_EQ(rows[4].Children, QStringLiteral(" (99) &  (98)"));
    EXPECT_EQ(rows[3].Spouses, QStringLiteral(" (97)"));
}

TEST(PrintRows, BirthAndDeathText)
{
    const double birth = ParseDateText(QStringLiteral("12 05 1900"));
    EXPECT_EQ(BirthDeathText(0, 0), QString());
    EXPECT_EQ(BirthDeathText(birth, 0), QStringLiteral("12 05 1900 & ----"));
    EXPECT_EQ(BirthDeathText(0, 1950), QStringLiteral("---- & 1950"));
    EXPECT_EQ(BirthDeathText(1890, birth), QStringLiteral("1890 & 12 05 1900"));
}

struct ScopeCase
{
    PrintScope scope;
    qint32 recNoMain;
    std::vector<qint32> checked;
};

class PrintScopes : public ::testing::TestWithParam<ScopeCase>
{};

TEST_P(PrintScopes, CheckExactlyTheScope)
{
    const PersonList persons = SmallFamily();
    PrintTable table = TableOf(persons);
    const ScopeCase& c = GetParam();
    table.setScope(c.scope);
    table.applyScope(
        {FamilyOf(persons, c.recNoMain), persons[std::size_t(c.recNoMain - 1)].Surname});
    EXPECT_EQ(Checked(table), c.checked);
    EXPECT_EQ(table.checkedCount(), int(c.checked.size()));
    // An unset hide/show choice becomes Show: nothing is hidden.
    EXPECT_EQ(table.uncheckedRows(), UncheckedRows::Show);
    EXPECT_EQ(table.visibleCount(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    Scopes, PrintScopes,
    ::testing::Values(ScopeCase{PrintScope::Family, 3, {1, 2, 3}}, // siblings are left out
                      ScopeCase{PrintScope::Family, 1, {1, 2, 3, 4}},
                      ScopeCase{PrintScope::Surname, 1, {1, 2, 3, 4}},
                      ScopeCase{PrintScope::Surname, 5, {5}}, // empty surname: empty surnames
                      ScopeCase{PrintScope::Males, 1, {1, 3}},
                      ScopeCase{PrintScope::Females, 1, {2, 4}},
                      ScopeCase{PrintScope::All, 1, {1, 2, 3, 4, 5}}));

TEST(PrintTable, SurnameScopeIsCaseSensitive)
{
    PersonList persons = SmallFamily();
    At(persons, 4).Surname = QStringLiteral("Yilmaz");
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::Surname);
    table.applyScope({{}, QStringLiteral("YILMAZ")});
    EXPECT_EQ(Checked(table), (std::vector<qint32>{1, 2, 3}));
}

TEST(PrintTable, ScopeHidesUncheckedAndReplacesManualChecks)
{
    const PersonList persons = SmallFamily();
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::Males);
    table.setUncheckedRows(UncheckedRows::Hide);
    table.applyScope({});
    EXPECT_EQ(Shown(table), (std::vector<qint32>{1, 3}));
    table.setCheckedByUser(0, false);
    EXPECT_EQ(table.scope(), PrintScope::None);
    table.setScope(PrintScope::Males);
    table.applyScope({});
    EXPECT_EQ(Checked(table), (std::vector<qint32>{1, 3}));
    EXPECT_EQ(table.checkedCount(), 2);
}

TEST(PrintTable, ManualChecksMoveTheCounterAndClearTheChoices)
{
    const PersonList persons = SmallFamily();
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::Females);
    table.setUncheckedRows(UncheckedRows::Show);
    table.applyScope({});
    table.setCheckedByUser(4, true);
    EXPECT_EQ(table.checkedCount(), 3);
    EXPECT_EQ(table.scope(), PrintScope::None);
    // Nothing is hidden: Show still describes the table.
    table.setCheckedByUser(1, false);
    EXPECT_EQ(table.checkedCount(), 2);
    EXPECT_EQ(table.uncheckedRows(), UncheckedRows::Show);

    table.setUncheckedRows(UncheckedRows::Hide);
    table.applyUncheckedRows();
    EXPECT_EQ(Shown(table), (std::vector<qint32>{4, 5}));
    // The unchecked row stays in sight among hidden rows: neither choice describes the table.
    table.setCheckedByUser(3, false);
    EXPECT_EQ(table.checkedCount(), 1);
    EXPECT_EQ(table.uncheckedRows(), UncheckedRows::None);
    EXPECT_EQ(Shown(table), (std::vector<qint32>{4, 5}));
    EXPECT_EQ(table.visibleCount(), 2);
    table.setUncheckedRows(UncheckedRows::Hide);
    table.applyUncheckedRows();
    EXPECT_EQ(Shown(table), (std::vector<qint32>{5}));
    // The counter is moved, never recounted.
    table.setCheckedByUser(3, true);
    table.setCheckedByUser(0, true);
    EXPECT_EQ(table.checkedCount(), 3);
    EXPECT_EQ(Shown(table), (std::vector<qint32>{1, 4, 5}));
}

TEST(PrintTable, HeaderClicksStartOnRecordNumberAscending)
{
    PrintTable table = TableOf(SmallFamily());
    table.setScope(PrintScope::All);
    table.applyScope({});
    EXPECT_EQ(table.sortColumn(), PrintColumnNo);
    table.headerClick(PrintColumnNo);
    EXPECT_EQ(Shown(table), (std::vector<qint32>{5, 4, 3, 2, 1}));
    table.headerClick(PrintColumnMother);
    EXPECT_EQ(table.sortColumn(), PrintColumnMother);
    EXPECT_EQ(table.sortOrder(), Qt::AscendingOrder);
    EXPECT_EQ(Shown(table), (std::vector<qint32>{5, 4, 3, 2, 1}));
    table.headerClick(PrintColumnNo);
    EXPECT_EQ(Shown(table), (std::vector<qint32>{1, 2, 3, 4, 5}));
}

TEST(PrintTable, SortIsStableWithLocaleCollationIgnoringCase)
{
    PersonList persons = Persons(6);
    const char16_t* names[] = {u"ÇETİN", u"cem", u"CEM", u"DEMİR", u"Cem", u"AHMET"};
    for (int i = 0; i < 6; ++i)
        persons[std::size_t(i)].Surname = QString::fromUtf16(names[i]);
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::All);
    table.applyScope({});
    table.headerClick(PrintColumnSurname);
    // The three spellings of CEM keep their record order; Ç follows C in Turkish.
    EXPECT_EQ(Shown(table), (std::vector<qint32>{6, 2, 3, 5, 1, 4}));
    table.headerClick(PrintColumnSurname);
    EXPECT_EQ(Shown(table), (std::vector<qint32>{4, 1, 2, 3, 5, 6}));
    EXPECT_LT(table.compare(5, 0, PrintColumnSurname), 0);
    EXPECT_EQ(table.compare(1, 2, PrintColumnSurname), 0);
    EXPECT_EQ(table.compare(1, 2, PrintColumnSpouses), 0);
}

TEST(PrintTable, DateColumnSortsByItsText)
{
    PersonList persons = Persons(4);
    persons[0].BirthDate = ParseDateText(QStringLiteral("12 05 1900"));
    persons[1].BirthDate = ParseDateText(QStringLiteral("03 07 2000"));
    persons[2].BirthDate = 1850;
    persons[3].DeathDate = 1990;
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::All);
    table.applyScope({});
    table.headerClick(PrintColumnBirthDeath);
    // "----" before digits, then the leading day digits decide, not the year.
    EXPECT_EQ(Shown(table), (std::vector<qint32>{4, 2, 1, 3}));
}

TEST(PrintTable, RebuildKeepsChoicesButNotTheOrder)
{
    const PersonList persons = SmallFamily();
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::All);
    table.setUncheckedRows(UncheckedRows::Hide);
    table.applyScope({});
    table.headerClick(PrintColumnNo);
    table.setColumnShown(PrintColumnMother, true);
    table.setRows(PrintRows(persons, Lang::English));
    EXPECT_EQ(table.sortColumn(), PrintColumnNo);
    EXPECT_EQ(table.sortOrder(), Qt::DescendingOrder);
    EXPECT_EQ(table.scope(), PrintScope::All);
    EXPECT_EQ(table.uncheckedRows(), UncheckedRows::Hide);
    EXPECT_TRUE(table.isColumnShown(PrintColumnMother));
    EXPECT_EQ(Shown(table), (std::vector<qint32>{1, 2, 3, 4, 5}));
    EXPECT_EQ(table.checkedCount(), 0);
}

TEST(PrintExport, NameCellsInTheSexColourAndTheCurrentPersonEmphasised)
{
    PersonList persons = SmallFamily();
    PrintTable table = TableOf(persons);
    table.setScope(PrintScope::All);
    table.applyScope({});
    ExportFont grid;
    grid.pointSize = 8;
    const PrintExportRows rows(table, {PrintColumnSurname, PrintColumnNo}, 2, grid);
    EXPECT_EQ(rows.count(), 5);
    EXPECT_EQ(rows.font(0, 0).color, 0x0000FFu);
    EXPECT_FALSE(rows.font(0, 0).bold);
    EXPECT_EQ(rows.font(1, 0).color, 0xFF0000u);
    EXPECT_TRUE(rows.font(1, 0).bold);
    EXPECT_EQ(rows.font(1, 0).pointSize, 10);
    EXPECT_EQ(rows.font(1, 1), grid);     // the number column keeps the grid's font
    EXPECT_EQ(rows.font(4, 0).color, 0u); // unknown sex: unchanged
    EXPECT_EQ(rows.text(1, 1), "2");
}
