#include "readertesting.h"

#include "gedcom/filedate.h"
#include "model/textrules.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

struct DateCase
{
    const char* text;
    const char* stored; // FormatDateValue of the value read
    FileDate::Kind kind;
    DateQualifier qualifier = DateQualifier::None;
};

using Q = DateQualifier;

const DateCase kCases[] = {
    {"", "", FileDate::Kind::Exact},
    {"        1831", "1831", FileDate::Kind::Exact},
    {" 9 NOV 1841", "09 11 1841", FileDate::Kind::Exact},
    {"5 JAN 1832", "05 01 1832", FileDate::Kind::Exact},
    {"05  11   1950 ", "05 11 1950", FileDate::Kind::Exact},
    {"5 Nov 1950", "05 11 1950", FileDate::Kind::Exact},
    {"05 11 1950", "05 11 1950", FileDate::Kind::Exact},
    {"AUG 1853", "1853", FileDate::Kind::YearOnly},
    {"ABT 1900", "1900", FileDate::Kind::YearOnly, Q::About},
    {"BEF 3 MAR 1901", "1901", FileDate::Kind::YearOnly, Q::Before},
    {"AFT 1750", "1750", FileDate::Kind::YearOnly, Q::After},
    {"EST 1820", "1820", FileDate::Kind::YearOnly, Q::Estimated},
    {"CAL 1820", "1820", FileDate::Kind::YearOnly, Q::About},
    {"BET 1900 AND 1910", "1900", FileDate::Kind::YearOnly, Q::After},
    {"FROM 12 JAN 1900 TO 1910", "1900", FileDate::Kind::YearOnly, Q::After},
    {"@#DJULIAN@ 11 FEB 1731", "1731", FileDate::Kind::YearOnly},
    {"1850/51", "1850", FileDate::Kind::YearOnly},
    {"<1814>", "1814", FileDate::Kind::YearOnly, Q::About},
    {"<1814", "1814", FileDate::Kind::YearOnly, Q::Before},
    {"bef 1814", "1814", FileDate::Kind::YearOnly, Q::Before},
    {"(unknown)", "", FileDate::Kind::Lost},
    {"5 JAN 2600", "", FileDate::Kind::Lost},
    {"ABT 95", "", FileDate::Kind::Lost},
};

} // namespace

TEST(FileDate, ReadsWhatTheProgramCanHoldOfOtherProgramsDates)
{
    for (const DateCase& c : kCases) {
        const FileDate date = ReadFileDate(QString::fromLatin1(c.text));
        EXPECT_EQ(FormatDateValue(date.value), QLatin1String(c.stored)) << c.text;
        EXPECT_EQ(int(date.kind), int(c.kind)) << c.text;
        EXPECT_EQ(int(date.qualifier), int(c.qualifier)) << c.text;
    }
}

TEST(FileDate, ShortenedAndLostDatesAreNamedWithRecordLineAndText)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 BIRT", "2 DATE        1831", "1 DEAT",
                             "2 DATE ABT 1900", "0 @I2@ INDI", "1 BIRT", "2 DATE (unknown)"}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.persons[0].BirthDate, 1831);
    EXPECT_EQ(r.persons[0].DeathDate, 1900);
    // The year is kept with what the file said of it, for the family check.
    EXPECT_EQ(r.persons[0].BirthQualifier, DateQualifier::None);
    EXPECT_EQ(r.persons[0].DeathQualifier, DateQualifier::About);
    EXPECT_EQ(r.persons[1].BirthDate, 0);
    EXPECT_TRUE(r.errors.visible);
    EXPECT_EQ(
        r.errors.lines.filter(u"date"_qs, Qt::CaseInsensitive),
        QStringList({u"- Only the year of the date could be read. Record No => 1 - Line => "
                     u"11 - ABT 1900"_qs,
                     u"- Date could not be read. Record No => 2 - Line => 14 - (unknown)"_qs}));

    ReadResult turkish;
    readInto(turkish, dialectFile({"0 @I1@ INDI", "1 BIRT", "2 DATE AUG 1853"}), Lang::Turkish);
    EXPECT_EQ(
        turkish.errors.lines.filter(u"Tarih"_qs),
        QStringList{u"- Tarihin yalnız yılı okunabildi. KayıtNo => 1 - Satır => 9 - AUG 1853"_qs});
}
