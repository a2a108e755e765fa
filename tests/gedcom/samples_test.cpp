#include "readertesting.h"

#include "gedcom/foreignfile.h"

#include "model/messages.h"
#include "model/textrules.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

// Reads one of the files other programs wrote; false when the sample folder is absent.
bool readSample(const char* name, ReadResult& result)
{
    const QString path = QDir(QStringLiteral(KINROW_SAMPLES)).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    readInto(result, file.readAll(), Lang::English, path);
    return true;
}

} // namespace

TEST(ReaderSamples, Royal92ReadsPersonsAndFamilies)
{
    ReadResult r;
    if (!readSample("royal92.ged", r))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 3010u);
    const TTreeData& victoria = r.persons[0];
    EXPECT_EQ(victoria.GivenName, UpperCase1254(QStringLiteral("Victoria")));
    EXPECT_EQ(victoria.Surname, "HANOVER");
    EXPECT_EQ(victoria.Sex, SexFemale);
    EXPECT_EQ(victoria.BirthDate, ParseDateText("24 05 1819"));
    EXPECT_EQ(victoria.BirthPlace,
              UpperCase1254(QStringLiteral("Kensington,Palace,London,England")));
    EXPECT_EQ(victoria.Spouses, QList<qint32>{2});
    EXPECT_EQ(victoria.Children, (QList<qint32>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(victoria.FatherId, 133);
    EXPECT_EQ(victoria.MotherId, 138);
    EXPECT_EQ(r.persons[132].GivenName, UpperCase1254(QStringLiteral("Edward Augustus")));
    EXPECT_TRUE(r.errors.visible); // another program wrote it
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderSamples, WashingtonIsUtf8WithAByteOrderMark)
{
    ReadResult r;
    if (!readSample("washington.ged", r))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 538u);
    const TTreeData& george = r.persons[0];
    EXPECT_EQ(george.Surname, UpperCase1254(QStringLiteral("Washington")));
    EXPECT_EQ(george.Sex, SexMale);
    // Four families with the same wife give her once.
    EXPECT_EQ(george.Spouses, QList<qint32>{5});
    EXPECT_EQ(george.Children, (QList<qint32>{4, 2, 7, 8}));
    EXPECT_EQ(r.persons[1].FatherId, 1);
    EXPECT_EQ(r.persons[1].MotherId, 5);
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderSamples, GrampsSampleKeepsLettersOfTheCodePage)
{
    ReadResult r;
    if (!readSample("sample.ged", r))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 42u);
    EXPECT_EQ(r.persons[0].Surname, UpperCase1254(QStringLiteral("Hansdotter")));
    EXPECT_EQ(r.persons[0].BirthPlace,
              UpperCase1254(QStringLiteral("Löderup, Malmöhus Län, Sweden")));
    // Its first person is @I0@, an ordinary number: husband, father and children are kept.
    EXPECT_TRUE(r.reporter.messages.isEmpty());
    EXPECT_FALSE(r.persons[0].Spouses.isEmpty());
    EXPECT_TRUE(r.errors.lines.filter(u"ID Number"_qs).isEmpty());
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderSamples, FilesOfOtherDialectsOpenAsFarAsTheDialectReaches)
{
    ReadResult allged;
    if (!readSample("allged.ged", allged))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(allged.ok); // its "1 SOUR" line is the fourth, its ids are names
    EXPECT_EQ(allged.persons.size(), 8u);
    EXPECT_TRUE(linksAreSound(allged.persons));

    ReadResult cr, crlf;
    ASSERT_TRUE(readSample("TGC55C.ged", cr));
    ASSERT_TRUE(readSample("TGC55CLF.ged", crlf));
    for (const ReadResult* r : {&cr, &crlf}) {
        ASSERT_TRUE(r->ok); // families name persons as @PERSON1@
        EXPECT_EQ(r->persons.size(), 15u);
        EXPECT_TRUE(r->reporter.messages.isEmpty());
        EXPECT_TRUE(linksAreSound(r->persons));
    }
    for (size_t i = 0; i < cr.persons.size(); ++i) {
        EXPECT_EQ(cr.persons[i].GivenName, crlf.persons[i].GivenName);
        EXPECT_EQ(cr.persons[i].Children, crlf.persons[i].Children);
    }
    // ANSEL: the accented letters of the code page come through, composed.
    const TTreeData& charlie = cr.persons[0];
    EXPECT_EQ(charlie.GivenName, u"CHARLIE ACCENTED"_qs);
    // ANSEL writes the grave accent before each letter: it follows the letter, composed with it
    // where Unicode has the accented letter (À, È), as a combining mark where not (B, C, D).
    EXPECT_TRUE(charlie.Notes.contains(u"ÀB\u0300C\u0300D\u0300ÈF\u0300"_qs));
    EXPECT_TRUE(charlie.Notes.contains(u"ȦḂĊḊĖḞĠḢİJ\u0307"_qs));
}

namespace {

QByteArray otherHeader(const char* extra = "1 CHAR ANSI")
{
    return joinLines(
        {"0 HEAD", "1 SOUR OtherProgram", "2 VERS 5.5", extra, "0 @S1@ SUBM", "1 NAME Someone"});
}

} // namespace

TEST(ReaderOtherPrograms, IdentifierZeroIsAnOrdinaryNumber)
{
    ReadResult r;
    readInto(r, otherHeader() +
                    joinLines({"0 @I0@ INDI", "1 SEX M", "1 FAMS @F0@", "0 @I1@ INDI", "1 SEX F",
                               "1 FAMS @F0@", "0 @I2@ INDI", "1 FAMC @F0@", "0 @F0@ FAM",
                               "1 HUSB @I0@", "1 WIFE @I1@", "1 CHIL @I2@", "0 TRLR"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 3u);
    EXPECT_TRUE(r.reporter.messages.isEmpty());
    EXPECT_EQ(r.persons[0].Spouses, QList<qint32>{2});
    EXPECT_EQ(r.persons[0].Children, QList<qint32>{3});
    EXPECT_EQ(r.persons[2].FatherId, 1);
    EXPECT_EQ(r.persons[2].MotherId, 2);
}

TEST(ReaderOtherPrograms, NotesOfEveryFormReachThePerson)
{
    ReadResult r;
    readInto(r,
             otherHeader() + joinLines({"0 @I1@ INDI", "1 NOTE @N1@", "1 NOTE First line",
                                        "2 CONC  goes on", "2 CONT second line", "0 @N1@ NOTE Kept",
                                        "1 CONC  text", "1 SOUR @S1@", "2 PAGE 4", "0 TRLR"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 1u);
    EXPECT_EQ(r.persons[0].Notes, u"Kept text\r\nFirst line goes on\r\nsecond line"_qs);
    EXPECT_TRUE(r.reporter.messages.isEmpty());
}

TEST(ReaderOtherPrograms, AnselLettersAreDecoded)
{
    ReadResult r;
    readInto(r, otherHeader("1 CHAR ANSEL") +
                    joinLines({"0 @I1@ INDI", "1 NAME J\xE8urgen /\xF0Sahin/", "1 BIRT",
                               "2 PLAC K\xA2ln \xA1\xF2x", "0 TRLR"}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.persons[0].GivenName, u"JÜRGEN"_qs);
    EXPECT_EQ(r.persons[0].Surname, u"ŞAHIN"_qs);
    // Ł and the dot below x lie outside code page 1254; they are kept all the same.
    EXPECT_EQ(r.persons[0].BirthPlace.toStdString(), "KØLN ŁX\u0323");
    EXPECT_EQ(r.errors.lines.filter(u"Code Page"_qs).size(), 0);
}

TEST(ReaderOtherPrograms, AnselTakesGedcomsAdditions)
{
    const struct
    {
        const char* bytes;
        QString text;
    } cases[] = {
        {"\xBE \xBF", u"\u25A1 \u25A0"_qs}, // empty box, black box
        {"b\xCDt \xCEx", u"bet ox"_qs},     // midline e and o are the letters
        {"Stra\xCF", u"Straß"_qs},
        {"\xFCo", u"o\u0338"_qs},                   // the overlay follows its letter
        {"\xAF\xC9\xFD", u"\uFFFD\uFFFD\uFFFD"_qs}, // codes that stay unused
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeAnsel(c.bytes), c.text) << c.bytes;
}

TEST(ReaderOtherPrograms, FilesRefusedForOneLineNowOpen)
{
    // The source stands on the fourth line, identifiers are names or numbers alone, and a line
    // over 270 characters stands in a record the reader ignores, another in a place.
    const QByteArray longSource = "1 TEXT " + QByteArray(300, 's');
    const QByteArray longPlace = "2 PLAC " + QByteArray(300, 'p');
    ReadResult r;
    readInto(r, joinLines({"0 HEAD", "1 CHAR ASCII", "2 VERS 1", "1 SOUR OtherProgram", "1 DEST x",
                           "1 DATE 1 JAN 2000", "0 @PERSON5@ INDI", "1 NAME A /B/", "1 BIRT",
                           longPlace.constData(), "1 FAMS @5@", "0 @P2@ INDI", "1 FAMC @5@",
                           "0 @SRC@ SOUR", longSource.constData(), "0 @5@ FAM", "1 HUSB @PERSON5@",
                           "1 CHIL @P2@", "0 TRLR"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 2u);
    EXPECT_EQ(r.persons[0].Children, QList<qint32>{2});
    EXPECT_EQ(r.persons[1].FatherId, 1);
    EXPECT_EQ(r.persons[0].BirthPlace, QString(263, u'P'));
    EXPECT_TRUE(
        r.errors.lines.contains(u"ERROR in Line - 9 - <Line too long, cut to 270 characters>"_qs));
    EXPECT_TRUE(r.errors.lines.contains(u"ERROR in Line - 14 - <Line too long, skipped>"_qs));

    // The program's own files keep every refusal.
    ReadResult own;
    readInto(own, joinLines({"0 HEAD", "1 CHAR ANSI", "1 SOUR Kinrow", "2 VERS 3.04", "0 @S0@ SUBM",
                             "1 NAME x", "0 TRLR"}));
    EXPECT_FALSE(own.ok);
    ReadResult longLine;
    readInto(longLine, dialectFile({"0 @I1@ INDI", "1 BIRT", longPlace.constData()}));
    EXPECT_FALSE(longLine.ok);
    ReadResult names;
    readInto(names, dialectFile({"0 @I1@ INDI", "0 @F1@ FAM", "1 HUSB @PERSON1@"}));
    EXPECT_FALSE(names.ok);
}
