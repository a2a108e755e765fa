#include "model/familycheck.h"
#include "model/textrules.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kinrow;

namespace kinrow {
// Findings show in a failure as the error list shows them.
void PrintTo(const Finding& finding, std::ostream* out)
{
    *out << FindingText(finding, Lang::English).toStdString();
}
} // namespace kinrow

namespace {

TTreeData& At(PersonList& persons, qint32 recNo)
{
    return persons[std::size_t(recNo - 1)];
}

TTreeData Named(const char* given, const char* surname, double birth)
{
    TTreeData p;
    p.GivenName = QString::fromLatin1(given);
    p.Surname = QString::fromLatin1(surname);
    p.BirthDate = birth;
    return p;
}

// A mother (1), a father (2) married to her, and their child (3), every link on both sides.
PersonList Couple()
{
    PersonList persons{Named("AYSE", "KAYA", DateToJulian(1, 1, 1950)), Named("ALI", "KAYA", 1948),
                       Named("EMRE", "KAYA", 1975)};
    for (qint32 r = 1; r <= 3; ++r)
        At(persons, r).Id = r;
    At(persons, 1).Spouses = {2};
    At(persons, 2).Spouses = {1};
    At(persons, 1).Children = {3};
    At(persons, 2).Children = {3};
    At(persons, 3).MotherId = 1;
    At(persons, 3).FatherId = 2;
    return persons;
}

using F = FindingKind;

struct Case
{
    const char* name;
    std::function<void(PersonList&)> change;
    std::vector<Finding> expected;
};

const Case Cases[] = {
    {"clean family", [](PersonList&) {}, {}},
    {"child born before mother",
     [](PersonList& p) {
         At(p, 2).BirthDate = 0;
         At(p, 3).BirthDate = DateToJulian(31, 12, 1949);
     },
     {{F::ChildBornBeforeParent, {3, 1}}}},
    {"same year as a parent known by year is not before",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 3).BirthDate = DateToJulian(1, 1, 1948);
     },
     {{F::ParentTooYoung, {3, 2}, 0}}},
    {"mother one day under 12",
     [](PersonList& p) {
         At(p, 2).BirthDate = 0;
         At(p, 3).BirthDate = DateToJulian(31, 12, 1961);
     },
     {{F::ParentTooYoung, {3, 1}, 11}}},
    {"mother on her 12th birthday",
     [](PersonList& p) {
         At(p, 2).BirthDate = 0;
         At(p, 3).BirthDate = DateToJulian(1, 1, 1962);
     },
     {}},
    {"father 11 by years",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 3).BirthDate = 1959;
     },
     {{F::ParentTooYoung, {3, 2}, 11}}},
    {"father 12 by years",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 3).BirthDate = 1960;
     },
     {}},
    {"mother 71 by full dates",
     [](PersonList& p) {
         At(p, 1).BirthDate = DateToJulian(1, 1, 1904);
         At(p, 2).BirthDate = 0;
         At(p, 3).BirthDate = DateToJulian(2, 1, 1975);
     },
     {{F::ParentTooOld, {3, 1}, 71}}},
    {"father 71 by years may have been 70",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 2).BirthDate = 1904;
     },
     {}},
    {"father 72 by years",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 2).BirthDate = 1903;
     },
     {{F::ParentTooOld, {3, 2}, 72}}},
    {"death before birth",
     [](PersonList& p) { At(p, 3).DeathDate = 1974; },
     {{F::DeathBeforeBirth, {3}}}},
    {"death in the birth year", [](PersonList& p) { At(p, 3).DeathDate = 1975; }, {}},
    {"death a day before birth",
     [](PersonList& p) {
         At(p, 1).DeathDate = DateToJulian(31, 12, 1949);
         At(p, 1).BirthDate = DateToJulian(1, 1, 1950);
     },
     // Her child, born later, was also born after her death.
     {{F::DeathBeforeBirth, {1}}, {F::BornAfterMotherDeath, {3, 1}}}},
    {"two persons in a loop",
     [](PersonList& p) {
         At(p, 3).BirthDate = 0;
         At(p, 1).MotherId = 3;
         At(p, 3).Children = {1};
     },
     {{F::OwnAncestor, {1, 3, 1}}}},
    {"own parent",
     [](PersonList& p) {
         At(p, 2).FatherId = 2;
         At(p, 2).Children.append(2);
     },
     {{F::OwnAncestor, {2, 2}}}},
    {"mother does not list her child",
     [](PersonList& p) { At(p, 1).Children.clear(); },
     {{F::MotherNotListing, {3, 1}}}},
    {"father does not list his child",
     [](PersonList& p) { At(p, 2).Children.clear(); },
     {{F::FatherNotListing, {3, 2}}}},
    {"child does not name the father",
     [](PersonList& p) { At(p, 3).FatherId = 0; },
     {{F::ChildNotNaming, {2, 3}}}},
    {"spouse link on one side",
     [](PersonList& p) { At(p, 2).Spouses.clear(); },
     {{F::OneSidedSpouse, {1, 2}}}},
    {"no name",
     [](PersonList& p) {
         At(p, 3).GivenName = QString();
         At(p, 3).Surname = QStringLiteral("  ");
     },
     {{F::NoName, {3}}}},
    {"same name, surname and birth date",
     [](PersonList& p) {
         p.push_back(Named("EMRE", "KAYA", 1975));
         p.push_back(Named("EMRE", "KAYA", 1976));
         p.push_back(Named("EMRE", "KAYA", 1975));
     },
     {{F::SameNameAndBirth, {3, 4, 6}}}},
    {"twins of different sex alike in name",
     [](PersonList& p) {
         At(p, 3).Sex = SexMale;
         p.push_back(Named("EMRE", "KAYA", 1975));
         p.back().Sex = SexFemale;
     },
     {}},
    // A qualified year counts only when every year it allows breaks the rule.
    {"child born before a year may be any earlier",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 2).BirthDate = 1903;
         At(p, 3).BirthQualifier = DateQualifier::Before;
     },
     {}},
    {"father born before a year is older still",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 2).BirthDate = 1903;
         At(p, 2).BirthQualifier = DateQualifier::Before;
     },
     {{F::ParentTooOld, {3, 2}, 72}}},
    {"father about 72 may have been 62",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 2).BirthDate = 1903;
         At(p, 2).BirthQualifier = DateQualifier::About;
     },
     {}},
    {"father estimated 85 was over 70 in any case",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 2).BirthDate = 1890;
         At(p, 2).BirthQualifier = DateQualifier::Estimated;
     },
     {{F::ParentTooOld, {3, 2}, 75}}},
    {"child born after a year may be older",
     [](PersonList& p) {
         At(p, 1).BirthDate = 0;
         At(p, 3).BirthDate = 1959;
         At(p, 3).BirthQualifier = DateQualifier::After;
     },
     {}},
    {"mother born after a year is younger still",
     [](PersonList& p) {
         At(p, 1).BirthDate = DateToJulian(1, 6, 1966);
         At(p, 1).BirthQualifier = DateQualifier::After;
         At(p, 2).BirthDate = 0;
     },
     {{F::ParentTooYoung, {3, 1}, 9}}},
    {"death about a year before the birth",
     [](PersonList& p) {
         At(p, 3).DeathDate = 1974;
         At(p, 3).DeathQualifier = DateQualifier::About;
     },
     {}},
    {"born after the mother's death",
     [](PersonList& p) { At(p, 1).DeathDate = DateToJulian(31, 12, 1974); },
     {{F::BornAfterMotherDeath, {3, 1}}}},
    {"born in the year the mother died", [](PersonList& p) { At(p, 1).DeathDate = 1975; }, {}},
    {"born in the year after the mother died",
     [](PersonList& p) { At(p, 1).DeathDate = 1974; },
     {{F::BornAfterMotherDeath, {3, 1}}}},
    {"born after a mother who died about then",
     [](PersonList& p) {
         At(p, 1).DeathDate = 1970;
         At(p, 1).DeathQualifier = DateQualifier::About;
     },
     {}},
    {"born ten months after the father's death",
     [](PersonList& p) {
         At(p, 2).DeathDate = DateToJulian(1, 3, 1974);
         At(p, 3).BirthDate = DateToJulian(1, 1, 1975);
     },
     {}},
    {"born ten months and a day after the father's death",
     [](PersonList& p) {
         At(p, 2).DeathDate = DateToJulian(1, 3, 1974);
         At(p, 3).BirthDate = DateToJulian(2, 1, 1975);
     },
     {{F::BornAfterFatherDeath, {3, 2}}}},
    {"born the year after the father died, by years",
     [](PersonList& p) { At(p, 2).DeathDate = 1974; },
     {}},
    {"born two years after the father died, by years",
     [](PersonList& p) { At(p, 2).DeathDate = 1973; },
     {{F::BornAfterFatherDeath, {3, 2}}}},
    {"same names without a birth date",
     [](PersonList& p) {
         p.push_back(Named("EMRE", "KAYA", 0));
         p.push_back(Named("EMRE", "KAYA", 0));
     },
     {}},
    {"link to a record that does not exist",
     [](PersonList& p) {
         At(p, 3).Spouses = {9};
         At(p, 2).Children.append(-1);
         At(p, 1).MotherId = 4;
     },
     {{F::MissingRecord, {1, 4}}, {F::MissingRecord, {2, -1}}, {F::MissingRecord, {3, 9}}}},
    {"findings in record order",
     [](PersonList& p) {
         At(p, 3).GivenName = At(p, 3).Surname = QString();
         At(p, 2).Spouses.clear();
     },
     {{F::OneSidedSpouse, {1, 2}}, {F::NoName, {3}}}},
};

class FamilyCheckRule : public testing::TestWithParam<Case>
{};

TEST_P(FamilyCheckRule, FindsExactlyWhatIsWrong)
{
    PersonList persons = Couple();
    GetParam().change(persons);
    EXPECT_EQ(CheckFamily(persons), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, FamilyCheckRule, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(FamilyCheck, LongLoopIsShownFromItsLowestRecord)
{
    // 5 -> 2 -> 4 -> 1 -> 5 by mothers, and 3 hangs below the loop as a child of 2.
    PersonList persons(5, Named("X", "Y", 0));
    const std::pair<qint32, qint32> childMother[] = {{5, 2}, {2, 4}, {4, 1}, {1, 5}, {3, 2}};
    for (const auto& [child, mother] : childMother) {
        At(persons, child).MotherId = mother;
        At(persons, mother).Children.append(child);
    }
    EXPECT_EQ(CheckFamily(persons), (std::vector<Finding>{{F::OwnAncestor, {1, 5, 2, 4, 1}}}));
}

TEST(FamilyCheck, ManySpousesAreLookedUpBothWays)
{
    PersonList persons(41, Named("X", "Y", 0));
    for (qint32 r = 2; r <= 41; ++r) {
        At(persons, r).GivenName = QString::number(r);
        At(persons, 1).Spouses.append(r);
        if (r != 30)
            At(persons, r).Spouses.append(1);
    }
    At(persons, 7).Spouses = {1, 1};
    EXPECT_EQ(CheckFamily(persons), (std::vector<Finding>{{F::OneSidedSpouse, {1, 30}}}));
}

TEST(FamilyCheck, TextsNameTheRecords)
{
    EXPECT_EQ(FindingText({F::OwnAncestor, {1, 5, 1}}, Lang::English),
              QStringLiteral("Record 1 is their own ancestor: 1 > 5 > 1."));
    EXPECT_EQ(FindingText({F::ParentTooYoung, {3, 1}, 11}, Lang::English),
              QStringLiteral("Record 1 was 11 years old at the birth of record 3, their child "
                             "(under 12)."));
    EXPECT_EQ(FindingText({F::OneSidedSpouse, {4, 2}}, Lang::Turkish),
              QStringLiteral("4 nolu kayıt 2 nolu kaydı eşi olarak gösteriyor, fakat 2 nolu "
                             "kaydın eşleri arasında 4 yok."));
    EXPECT_EQ(FindingText({F::SameNameAndBirth, {3, 4, 6}}, Lang::English),
              QStringLiteral("Records 3, 4, 6 have the same name, surname and birth date."));
    EXPECT_EQ(FindingText({F::BornAfterFatherDeath, {3, 2}}, Lang::English),
              QStringLiteral("Record 3 was born more than ten months after the death of the "
                             "father, record 2."));
    EXPECT_EQ(FindingText({F::BornAfterMotherDeath, {3, 1}}, Lang::Turkish),
              QStringLiteral("3 nolu kayıt, annesi 1 nolu kaydın ölümünden sonra doğmuş."));
}

TEST(FamilyCheck, ReportLinesCountAndCapTheFindings)
{
    const std::vector<Finding> three{{F::NoName, {1}}, {F::NoName, {2}}, {F::NoName, {3}}};
    EXPECT_EQ(FindingLines(three, Lang::English, 2),
              QStringList({"Family check - findings : 3", "Record 1 has no name.",
                           "Record 2 has no name.", "... and 1 more findings (not shown)."}));
    EXPECT_EQ(FindingLines(three, Lang::English).size(), 4);
    EXPECT_EQ(FindingLines({}, Lang::Turkish),
              QStringList({"Aile denetimi - bulgu sayısı : 0", "Ailede bir sorun bulunamadı."}));
}

} // namespace
