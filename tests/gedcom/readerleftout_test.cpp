#include "readertesting.h"

#include "gedcom/familygenerator.h"
#include "gedcom/gedcomwriter.h"
#include "model/messages.h"
#include "model/textrules.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

// What the family cannot hold is named line by line kind, and what it can hold is not lost
// on the way.

namespace {

QByteArray otherProgram(std::initializer_list<const char*> records)
{
    QByteArray bytes = joinLines({"0 HEAD", "1 SOUR OtherProgram", "2 VERS 5.5", "1 CHAR UTF-8"});
    bytes += joinLines(records);
    bytes += "0 TRLR\r\n";
    return bytes;
}

// The error lines after the header's, joined for a readable difference.
std::string errorsAfterHeader(const ReadResult& r, qsizetype headerLines)
{
    return r.errors.lines.mid(headerLines).join(u'\n').toStdString();
}

} // namespace

TEST(ReaderLeftOut, EachKindOfLineLeftOutIsCountedOnceInFileOrder)
{
    for (const Lang lang : {Lang::English, Lang::Turkish}) {
        ReadResult r;
        readInto(r,
                 otherProgram({"0 @I1@ INDI", "1 NAME Ali /Veli/", "1 BURI", "2 DATE 1900", // 4-7
                               "1 FAMS @F1@", "0 @I2@ INDI", "1 BURI", "1 FAMS @F1@",       // 8-11
                               "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 MARR",        // 12-15
                               "2 DATE 1920", "2 NOTE @N1@", "0 @N1@ NOTE Family note",     // 16-18
                               "0 @S1@ SOUR", "1 TITL Register"}),                          // 19-20
                 lang);
        ASSERT_TRUE(r.ok);
        const auto text = [&](Msg m) { return LangText(m, lang); };
        const QStringList want = {text(Msg::LinesNotKept).arg("3", "BURI", "6"),
                                  text(Msg::LinesNotKept).arg("3", "MARR", "15"),
                                  text(Msg::LineNotKept).arg("NOTE", "18"),
                                  text(Msg::LinesNotKept).arg("2", "SOUR", "19")};
        EXPECT_EQ(errorsAfterHeader(r, 4), want.join(u'\n').toStdString());
        EXPECT_TRUE(r.errors.linesLeftOut);
        EXPECT_EQ(r.persons[0].Spouses, QList<qint32>{2});
    }
}

TEST(ReaderLeftOut, TheProgramsOwnFilesLeaveNothingOut)
{
    ReadResult r;
    readInto(r, WriteGedcomBytes(GenerateFamily(300, 4), QStringLiteral("/tmp/aile.ged"), {}));
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.errors.linesLeftOut);
    EXPECT_TRUE(r.errors.lines.filter(u"not kept"_qs).isEmpty())
        << r.errors.lines.join(u'\n').toStdString();
}

// Records cut between parts must be counted once, by the part they begin in.
TEST(ReaderLeftOut, PartsCountWhatOnePassCounts)
{
    QByteArray records;
    for (int n = 1; n <= 200; ++n)
        records += "0 @I" + QByteArray::number(n) + "@ INDI\r\n1 RESI\r\n2 PLAC Town " +
                   QByteArray::number(n) + "\r\n3 MAP\r\n1 BIRT\r\n2 DATE 1900\r\n";
    const QByteArray bytes =
        joinLines({"0 HEAD", "1 SOUR Other", "2 VERS 1", "1 CHAR UTF-8"}) + records + "0 TRLR\r\n";
    QStringList lines[2];
    for (int k = 0; k < 2; ++k) {
        ReadResult r;
        ReadOptions options;
        options.threads = k == 0 ? 1 : 5;
        options.minPartBytes = 64;
        ASSERT_TRUE(ReadGedcomBytes(bytes, u"/tmp/a.ged"_qs, r.persons, r.errors, options));
        lines[k] = r.errors.lines;
    }
    EXPECT_EQ(lines[1].join(u'\n').toStdString(), lines[0].join(u'\n').toStdString());
    EXPECT_TRUE(
        lines[0].contains(LangText(Msg::LinesNotKept, Lang::English).arg("600", "RESI", "5")));
}

TEST(ReaderLeftOut, DeeperLevelsInsideEventsKeepTheirParentsData)
{
    ReadResult r;
    readInto(r, otherProgram({"0 @I1@ INDI", "1 NAME Ali", "2 GIVN Ali", "3 SOUR @S1@",
                              "2 SURN Veli", "1 BIRT", "2 DATE 12 MAR 1900", "3 TIME 10:00",
                              "2 SOUR @S1@", "3 PAGE 4", "4 NOTE x", "2 PLAC Izmir", "1 DEAT",
                              "2 SOUR @S1@", "3 PAGE 5", "2 DATE 1950"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 1u);
    const TTreeData& p = r.persons[0];
    EXPECT_EQ(p.Surname, u"VELI"_qs);
    EXPECT_EQ(p.BirthDate, ParseDateText(u"12 03 1900"_qs));
    EXPECT_EQ(p.BirthPlace, u"IZMIR"_qs);
    EXPECT_EQ(p.DeathDate, ParseDateText(u"1950"_qs));
}

TEST(ReaderLeftOut, PicturesByPointerAreEntries)
{
    ReadResult r;
    readInto(r, otherProgram({"0 @I1@ INDI", "1 OBJE @O1@", "1 OBJE @O9@", "0 @O1@ OBJE",
                              "1 FILE photos/a.jpg", "2 FORM jpg", "1 TITL A photo"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 1u);
    // The file is missing, so the entry is kept as the file names it.
    EXPECT_EQ(r.persons[0].Pictures, QStringList{u"photos/a.jpg"_qs});
    EXPECT_TRUE(r.errors.lines.contains(u"ERROR in Line - 6 - <Object ID Number is Wrong>"_qs));
    EXPECT_TRUE(
        r.errors.lines.contains(LangText(Msg::LineNotKept, Lang::English).arg("TITL", "10")));
}

TEST(ReaderLeftOut, DatesBeforeChristAreNeverYearsAfter)
{
    struct Case
    {
        const char* date;
        bool beforeChrist;
    };
    const Case cases[] = {{"1770 BC", true},      {"5 AUG 1100 B.C.", true}, {"44BCE", true},
                          {"ABT 500 b.c.", true}, {"1770", false},           {"12 MAR 1770", false},
                          {"1770 ABC", false}};
    for (const Case& c : cases) {
        ReadResult r;
        const QByteArray date = QByteArray("2 DATE ") + c.date;
        readInto(r, otherProgram(
                        {"0 @I1@ INDI", "1 BIRT", date.constData(), "1 DEAT", date.constData()}));
        ASSERT_EQ(r.persons.size(), 1u) << c.date;
        const QStringList named =
            r.errors.lines.filter(LangText(Msg::DateBeforeChrist, Lang::English));
        if (c.beforeChrist) {
            EXPECT_EQ(r.persons[0].BirthDate, 0) << c.date;
            EXPECT_EQ(r.persons[0].DeathDate, 0) << c.date;
            ASSERT_EQ(named.size(), 2) << c.date;
            EXPECT_TRUE(named[0].endsWith(u"1 - Line => 6 - "_qs + QString::fromLatin1(c.date)))
                << named[0].toStdString();
            EXPECT_TRUE(r.errors.linesLeftOut);
        } else {
            EXPECT_NE(r.persons[0].BirthDate, 0) << c.date;
            EXPECT_TRUE(named.isEmpty()) << c.date;
        }
    }
}

TEST(ReaderLeftOut, TheFirstFamilyNamingAParentGivesTheParents)
{
    // Persons 1 and 2 are the birth parents (family F1), 3 and 4 the adoptive ones (F2); F3
    // names nobody.
    struct Case
    {
        const char* name;
        std::vector<const char*> childLines;
        qint32 father;
        qint32 mother;
        int unused;
    };
    const Case cases[] = {
        {"empty family first", {"1 FAMC @F3@", "1 FAMC @F1@"}, 1, 2, 1},
        {"empty family last", {"1 FAMC @F1@", "1 FAMC @F3@"}, 1, 2, 1},
        {"adoptive first, birth marked",
         {"1 FAMC @F2@", "2 PEDI adopted", "1 FAMC @F1@", "2 PEDI birth"},
         1,
         2,
         1},
        {"adoptive first, nothing marked", {"1 FAMC @F2@", "1 FAMC @F1@"}, 3, 4, 1},
        {"one family", {"1 FAMC @F2@"}, 3, 4, 0},
        {"only the empty family", {"1 FAMC @F3@"}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        QByteArray bytes = otherProgram(
            {"0 @I1@ INDI", "1 SEX M", "0 @I2@ INDI", "1 SEX F", "0 @I3@ INDI", "1 SEX M",
             "0 @I4@ INDI", "1 SEX F", "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "0 @F2@ FAM",
             "1 HUSB @I3@", "1 WIFE @I4@", "0 @F3@ FAM", "0 @I5@ INDI"});
        QByteArray child;
        for (const char* line : c.childLines)
            child += QByteArray(line) + "\r\n";
        bytes.replace("0 TRLR", child + "0 TRLR");
        ReadResult r;
        readInto(r, bytes);
        ASSERT_EQ(r.persons.size(), 5u) << c.name;
        EXPECT_EQ(r.persons[4].FatherId, c.father) << c.name;
        EXPECT_EQ(r.persons[4].MotherId, c.mother) << c.name;
        EXPECT_EQ(r.errors.lines.filter(LangText(Msg::ChildFamilyNotUsed, Lang::English)).size(),
                  c.unused)
            << c.name;
    }
}
