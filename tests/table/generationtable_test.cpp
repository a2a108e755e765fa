#include "editing/family.h"
#include "model/textrules.h"
#include "table/generationlimit.h"
#include "table/generationtable.h"

#include <gtest/gtest.h>

#include <functional>

namespace kinrow {
namespace {

using test::At;
using test::Child;
using test::Marry;
using test::Persons;

GenerationTable Build(const PersonList& persons, qint32 recNo, int n, qsizetype maxRows = -1)
{
    GenerationTableOptions options;
    options.generations = n;
    options.lang = Lang::English;
    if (maxRows > 0)
        options.maxRows = maxRows;
    return BuildGenerationTable(persons, recNo, options);
}

// Each row as "depth:recNo:generation", in table order.
QStringList Shape(const GenerationTable& table)
{
    QStringList shape;
    for (qsizetype i = 0; i < table.size(); ++i)
        shape.append(QStringLiteral("%1:%2:%3")
                         .arg(table.depth(i))
                         .arg(table.row(i).RecNo)
                         .arg(table.row(i).Generation));
    return shape;
}

// Full ancestry of 1 over three generations (2..15, fathers even), children 16 and 17, grandchild
// 18 of 16 and 19 (a spouse from outside), great-grandchild 20.
PersonList Pedigree()
{
    PersonList persons = Persons(20);
    for (qint32 n = 1; n <= 7; ++n)
        Child(persons, 2 * n + 1, 2 * n, n);
    for (qint32 n = 3; n <= 15; n += 2)
        At(persons, n).Sex = SexFemale;
    Child(persons, 0, 1, 16);
    Child(persons, 0, 1, 17);
    Child(persons, 19, 16, 18);
    Child(persons, 0, 18, 20);
    return persons;
}

struct ShapeCase
{
    const char* name;
    qint32 recNo;
    int n;
    QStringList expected;
};

class BuilderShapes : public ::testing::TestWithParam<ShapeCase>
{};

TEST_P(BuilderShapes, RowsInTreeOrder)
{
    const ShapeCase& c = GetParam();
    PersonList persons = Pedigree();
    // 21 has no relatives; 22 has a mother (23) only.
    persons.resize(23);
    for (qint32 n = 21; n <= 23; ++n) {
        At(persons, n).Id = n;
        At(persons, n).GivenName = u"P"_qs;
    }
    Child(persons, 23, 0, 22);
    EXPECT_EQ(Shape(Build(persons, c.recNo, c.n)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BuilderShapes,
    ::testing::Values(
        ShapeCase{"NoRelatives", 21, 15, {u"0:21:0"_qs}},
        ShapeCase{"MotherOnly", 22, 15, {u"0:23:-1"_qs, u"0:22:0"_qs}},
        ShapeCase{"LimitOne",
                  1,
                  1,
                  {u"0:2:-1"_qs, u"0:3:-1"_qs, u"0:1:0"_qs, u"1:16:1"_qs, u"1:17:1"_qs}},
        ShapeCase{"LimitThreeFullAncestry",
                  1,
                  3,
                  {u"0:2:-1"_qs, u"1:4:-2"_qs, u"2:8:-3"_qs, u"2:9:-3"_qs, u"1:5:-2"_qs,
                   u"2:10:-3"_qs, u"2:11:-3"_qs, u"0:3:-1"_qs, u"1:6:-2"_qs, u"2:12:-3"_qs,
                   u"2:13:-3"_qs, u"1:7:-2"_qs, u"2:14:-3"_qs, u"2:15:-3"_qs, u"0:1:0"_qs,
                   u"1:16:1"_qs, u"2:18:2"_qs, u"3:20:3"_qs, u"1:17:1"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerationTable, ChildOfTwoDescendantsShownUnderEachParent)
{
    PersonList persons = Persons(5);
    Child(persons, 0, 1, 2);
    Child(persons, 0, 1, 3);
    Child(persons, 3, 2, 4);
    Child(persons, 0, 4, 5);
    EXPECT_EQ(Shape(Build(persons, 1, 15)),
              (QStringList{u"0:1:0"_qs, u"1:2:1"_qs, u"2:4:2"_qs, u"3:5:3"_qs, u"1:3:1"_qs,
                           u"2:4:2"_qs, u"3:5:3"_qs}));
}

TEST(GenerationTable, RowTextsAndIcons)
{
    PersonList persons = Persons(6);
    At(persons, 1).GivenName = u"ALİ"_qs;
    At(persons, 1).Surname = u"YILMAZ"_qs;
    At(persons, 1).BirthPlace = u"İZMİR"_qs;
    At(persons, 1).DeathDate = DateToJulian(12, 4, 1961);
    At(persons, 2).GivenName = u"AYŞE"_qs;
    At(persons, 2).Sex = SexFemale;
    At(persons, 3).GivenName = u"FATMA"_qs;
    At(persons, 3).Sex = SexFemale;
    At(persons, 3).BirthDate = 1890;
    At(persons, 5).Sex = '?';
    Marry(persons, 1, 2);
    Marry(persons, 1, 3);
    Child(persons, 2, 4, 1);
    Child(persons, 2, 1, 5);
    Child(persons, 0, 5, 6);
    const GenerationTable table = Build(persons, 1, 15);
    ASSERT_EQ(table.size(), 5);
    const TGenerationRow& me = table.row(table.currentRow());
    EXPECT_EQ(me.FullName, u"Ali YILMAZ"_qs);
    EXPECT_EQ(me.Place, u"İzmir"_qs);
    EXPECT_EQ(me.Dates, u"---- & 12 04 1961"_qs);
    EXPECT_EQ(me.SpouseNames, u"Ayşe & Fatma"_qs);
    EXPECT_EQ(me.FatherName, u"P4"_qs);
    EXPECT_EQ(me.MotherName, u"Ayşe"_qs);
    EXPECT_EQ(Build(persons, 3, 15).row(0).Dates, u"1890 & ----"_qs);
    EXPECT_EQ(Build(persons, 4, 15).row(0).Dates, QString());
    // father (ancestor man), mother (ancestor woman), me, child of unknown sex, grandchild.
    QList<int> icons;
    for (qsizetype i = 0; i < table.size(); ++i)
        icons.append(table.row(i).ImageIndex);
    EXPECT_EQ(icons, (QList<int>{0, 1, 2, 0, 6}));
    EXPECT_EQ(GenerationImageIndex(RowKind::Current, 0, SexFemale), 3);
    EXPECT_EQ(GenerationImageIndex(RowKind::Descendant, 3, SexFemale), 5);
    EXPECT_EQ(GenerationImageIndex(RowKind::Descendant, 2, SexFemale), 7);
    EXPECT_EQ(GenerationImageIndex(RowKind::Descendant, 1, SexMale), 4);
}

TEST(GenerationTable, CountIncludesCollapsedRowsAndVisibleRowsSkipThem)
{
    const GenerationTable table = Build(Pedigree(), 1, 3);
    EXPECT_EQ(GenerationCountText(table, Lang::English), u"Persons in Table is 19"_qs);
    // Only the person's row open: the two parents, the person and the two children.
    const qint32 current = table.currentRow();
    const std::vector<qint32> visible =
        VisibleRows(table, [&](qint32 row) { return row == current; });
    QStringList recNos;
    for (qint32 row : visible)
        recNos.append(QString::number(table.row(row).RecNo));
    EXPECT_EQ(recNos, (QStringList{u"2"_qs, u"3"_qs, u"1"_qs, u"16"_qs, u"17"_qs}));
}

TEST(GenerationTable, ChildListsMatchParents)
{
    const GenerationTable table = Build(Pedigree(), 1, 3);
    for (qsizetype i = 0; i < table.size(); ++i) {
        const qint32 parent = table.parent(i);
        ASSERT_EQ(table.child(parent, table.rowInParent(i)), i);
    }
    EXPECT_EQ(table.childCount(GenerationTable::NoParent), 3);
}

// No loop, but each couple are brother and sister, children of the couple above them: 2 and 3
// are the parents of 1, 4 and 5 of both 2 and 3, and so on, so the ancestors' rows double with
// each generation.
PersonList CollapsingFamily()
{
    constexpr qint32 Couples = 12;
    PersonList persons = Persons(2 * Couples + 1);
    Child(persons, 3, 2, 1);
    for (qint32 k = 2; k <= Couples; ++k) {
        Child(persons, 2 * k + 1, 2 * k, 2 * k - 2);
        Child(persons, 2 * k + 1, 2 * k, 2 * k - 1);
    }
    return persons;
}

TEST(GenerationTable, DoublingAncestryStopsAtTheBound)
{
    const GenerationTable table = Build(CollapsingFamily(), 1, 99, 1000);
    EXPECT_TRUE(table.truncated());
    EXPECT_EQ(table.size(), 1000);
    // The person's own row always finds room, after both ancestors' branches.
    EXPECT_EQ(table.row(table.currentRow()).RecNo, 1);
    EXPECT_EQ(table.childCount(GenerationTable::NoParent), 3);
    EXPECT_TRUE(GenerationCountText(table, Lang::English)
                    .endsWith(u"(limit reached, table incomplete)"_qs));
    EXPECT_TRUE(
        GenerationCountText(table, Lang::Turkish).startsWith(u"Tablodaki kişi sayısı : 1000 ("_qs));
}

TEST(GenerationTable, BelowTheBoundNothingIsLeftOut)
{
    // 2 + 4 + ... + 2^9 ancestors and the person: exactly the bound.
    const GenerationTable table = Build(CollapsingFamily(), 1, 9, 1023);
    EXPECT_FALSE(table.truncated());
    EXPECT_EQ(table.size(), 1023);
    EXPECT_EQ(GenerationCountText(table, Lang::English), u"Persons in Table is 1023"_qs);
}

// Rows as "depth:recNo", with a "!" for a row marked as standing on the path above itself.
QStringList LoopShape(const GenerationTable& table)
{
    QStringList shape;
    for (qsizetype i = 0; i < table.size(); ++i)
        shape.append(QStringLiteral("%1:%2%3")
                         .arg(table.depth(i))
                         .arg(table.row(i).RecNo)
                         .arg(table.row(i).Loop ? u"!" : u""));
    return shape;
}

struct LoopCase
{
    const char* name;
    std::function<PersonList()> family;
    QStringList expected;
};

class LoopingLinks : public ::testing::TestWithParam<LoopCase>
{};

TEST_P(LoopingLinks, APersonOnThePathAboveIsShownOnceAndNotDescendedInto)
{
    const GenerationTable table = Build(GetParam().family(), 1, 99);
    EXPECT_FALSE(table.truncated());
    EXPECT_EQ(LoopShape(table), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Families, LoopingLinks,
    ::testing::Values(
        // 1 is the father of his own father 2, through damaged links on both sides.
        LoopCase{"OwnGrandfather",
                 [] {
                     PersonList persons = Persons(2);
                     Child(persons, 0, 2, 1);
                     Child(persons, 0, 1, 2);
                     return persons;
                 },
                 {u"0:2"_qs, u"1:1!"_qs, u"0:1"_qs, u"1:2"_qs, u"2:1!"_qs}},
        // Every one of 1, 2 and 3 is a child of 2 and 3.
        LoopCase{"ParentsOfThemselves",
                 [] {
                     PersonList persons = Persons(3);
                     for (qint32 n = 1; n <= 3; ++n)
                         Child(persons, 3, 2, n);
                     return persons;
                 },
                 {u"0:2"_qs, u"1:2!"_qs, u"1:3"_qs, u"2:2!"_qs, u"2:3!"_qs, u"0:3"_qs, u"1:2"_qs,
                  u"2:2!"_qs, u"2:3!"_qs, u"1:3!"_qs, u"0:1"_qs}},
        // Cousins married: 6 is twice a grandparent of 1, which is no loop.
        LoopCase{"SharedAncestorIsNoLoop",
                 [] {
                     PersonList persons = Persons(6);
                     Child(persons, 3, 2, 1);
                     Child(persons, 0, 4, 2);
                     Child(persons, 0, 5, 3);
                     Child(persons, 0, 6, 4);
                     Child(persons, 0, 6, 5);
                     return persons;
                 },
                 {u"0:2"_qs, u"1:4"_qs, u"2:6"_qs, u"0:3"_qs, u"1:5"_qs, u"2:6"_qs, u"0:1"_qs}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GenerationTable, TheLoopMarkIsInTheNameInEitherLanguageAndOnlyOnTheMarkedRow)
{
    PersonList persons = Persons(2);
    At(persons, 1).GivenName = u"ALİ"_qs;
    Child(persons, 0, 2, 1);
    Child(persons, 0, 1, 2);
    for (const Lang lang : {Lang::English, Lang::Turkish}) {
        GenerationTableOptions options;
        options.lang = lang;
        const GenerationTable table = BuildGenerationTable(persons, 1, options);
        // The marked row is the person's first; the person's own row must not copy the mark.
        ASSERT_TRUE(table.row(1).Loop);
        EXPECT_EQ(table.row(1).FullName, u"Ali S1 "_qs + LangText(Msg::GenerationLoopMark, lang));
        EXPECT_EQ(table.row(table.currentRow()).FullName, u"Ali S1"_qs);
    }
    EXPECT_EQ(LangText(Msg::GenerationLoopMark, Lang::English), u"(loop: already above)"_qs);
}

TEST(GenerationTable, LinksOutsideTheListAddNoRows)
{
    PersonList persons = Persons(2);
    At(persons, 1).FatherId = 7;
    At(persons, 1).Children = {2, 9};
    At(persons, 2).Spouses = {8};
    const GenerationTable table = Build(persons, 1, 15);
    EXPECT_EQ(Shape(table), (QStringList{u"0:1:0"_qs, u"1:2:1"_qs}));
    EXPECT_EQ(table.row(0).FatherName, QString());
}

struct LimitCase
{
    const char* answer;
    GenerationLimitAnswer::Outcome outcome;
    int limit;
};

class LimitPrompt : public ::testing::TestWithParam<LimitCase>
{};

TEST_P(LimitPrompt, Answer)
{
    const GenerationLimitAnswer answer =
        ParseGenerationLimit(QString::fromUtf8(GetParam().answer), 15);
    EXPECT_EQ(answer.outcome, GetParam().outcome);
    EXPECT_EQ(answer.limit, GetParam().limit);
}

INSTANTIATE_TEST_SUITE_P(Answers, LimitPrompt,
                         ::testing::Values(LimitCase{"abc", GenerationLimitAnswer::Refused, 15},
                                           LimitCase{"0", GenerationLimitAnswer::Refused, 15},
                                           LimitCase{"100", GenerationLimitAnswer::Refused, 15},
                                           LimitCase{"", GenerationLimitAnswer::Refused, 15},
                                           LimitCase{"15", GenerationLimitAnswer::Unchanged, 15},
                                           LimitCase{"1", GenerationLimitAnswer::Changed, 1},
                                           LimitCase{"99", GenerationLimitAnswer::Changed, 99}));

TEST(GenerationLimit, CaptionNamesTheLimitInForce)
{
    EXPECT_EQ(GenerationLimitCaption(15, Lang::Turkish), u"Max/Min 15 Nesil"_qs);
    EXPECT_EQ(GenerationLimitCaption(7, Lang::English), u"Max/Min 7 Generation"_qs);
}

} // namespace
} // namespace kinrow
