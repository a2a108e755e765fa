#include "gedcom/familygenerator.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// Every link names a person of the list and is mirrored on the other side.
void expectConsistent(const PersonList& persons)
{
    const auto valid = [&](qint32 id) { return id >= 1 && size_t(id) <= persons.size(); };
    for (size_t i = 0; i < persons.size(); ++i) {
        const TTreeData& p = persons[i];
        const qint32 id = qint32(i + 1);
        ASSERT_EQ(p.Id, id);
        for (qint32 parent : {p.MotherId, p.FatherId}) {
            if (parent == 0)
                continue;
            ASSERT_TRUE(valid(parent));
            EXPECT_GE(IndexOfId(id, persons[parent - 1].Children), 0);
        }
        if (p.MotherId) {
            EXPECT_EQ(persons[p.MotherId - 1].Sex, SexFemale);
        }
        if (p.FatherId) {
            EXPECT_EQ(persons[p.FatherId - 1].Sex, SexMale);
        }
        for (qint32 s : p.Spouses) {
            ASSERT_TRUE(valid(s));
            EXPECT_GE(IndexOfId(id, persons[s - 1].Spouses), 0);
            EXPECT_NE(persons[s - 1].Sex, p.Sex);
        }
        for (qint32 c : p.Children) {
            ASSERT_TRUE(valid(c));
            const TTreeData& child = persons[c - 1];
            EXPECT_TRUE(child.MotherId == id || child.FatherId == id);
        }
    }
}

TEST(FamilyGenerator, LinksAgreeOnBothSides)
{
    for (quint64 seed : {1ull, 2ull, 99ull})
        expectConsistent(GenerateFamily(5000, seed));
}

TEST(FamilyGenerator, TheSameSeedGivesTheSameFamily)
{
    EXPECT_EQ(GenerateFamily(2000, 42), GenerateFamily(2000, 42));
    EXPECT_NE(GenerateFamily(2000, 42), GenerateFamily(2000, 43));
    EXPECT_EQ(GenerateFamily(777, 5).size(), 777u);
    EXPECT_TRUE(GenerateFamily(0, 5).empty());
}

TEST(FamilyGenerator, LooksLikeARealFamily)
{
    const PersonList persons = GenerateFamily(20000, 11);
    int remarried = 0, longNotes = 0, multiLine = 0, years = 0, fullDates = 0, turkish = 0;
    int grandchildren = 0, bigFamilies = 0;
    for (const TTreeData& p : persons) {
        remarried += p.Spouses.size() > 1;
        longNotes += p.Notes.size() > 256;
        multiLine += p.Notes.contains(u"\r\n"_qs);
        years += p.BirthDate > 0 && p.BirthDate < 10000;
        fullDates += p.BirthDate > 10000;
        turkish += p.Surname.contains(u'Ş') || p.GivenName.contains(u'İ');
        bigFamilies += p.Children.size() == 6;
        if (p.FatherId && persons[p.FatherId - 1].FatherId)
            ++grandchildren;
    }
    for (int count :
         {remarried, longNotes, multiLine, years, fullDates, turkish, grandchildren, bigFamilies})
        EXPECT_GT(count, 20);
}

} // namespace
