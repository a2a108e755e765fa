#include "readertesting.h"

#include "model/codepage1254.h"
#include "model/messages.h"
#include "model/textrules.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

const TTreeData& rec(const ReadResult& r, int number)
{
    return r.persons.at(size_t(number - 1));
}

} // namespace

TEST(ReaderHeader, EmptyFileIsAFamilyWithoutPersons)
{
    ReadResult r;
    readInto(r, QByteArray());
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.persons.empty());
    EXPECT_EQ(r.errors.lines, QStringList{LangText(Msg::FileNameLabel, Lang::English) +
                                          "/tmp/kinrow-test/aile.ged"});
    EXPECT_FALSE(r.errors.visible);
    EXPECT_TRUE(r.reporter.messages.isEmpty());
}

TEST(ReaderHeader, BadHeadersAreRefusedWithTheFormatMessage)
{
    const QByteArray cases[] = {
        joinLines({"0 HEAD", "1 SOUR Kinrow", "0 TRLR"}), // too short
        joinLines({"0 HEADER", "1 SOUR Kinrow", "2 VERS 3.04", "1 CHAR ANSI", "0 TRLR", "x"}),
        joinLines({"0 HEAD", "1 CHAR ANSI", "1 SOUR Kinrow", "2 VERS 3.04", "0 TRLR", "x"}),
        joinLines({"x"}),
    };
    for (const QByteArray& bytes : cases) {
        ReadResult r;
        readInto(r, bytes, Lang::Turkish);
        EXPECT_FALSE(r.ok) << bytes.constData();
        EXPECT_EQ(r.reporter.messages, QStringList{LangText(Msg::BadFileFormat, Lang::Turkish)})
            << bytes.constData();
    }
}

TEST(ReaderHeader, LinesAreTrimmedBeforeTheyAreTested)
{
    ReadResult r;
    readInto(r, "  0 HEAD \t\r\n1 SOUR Kinrow\r\n2 VERS 3.04\r\n\r\n\r\n0 @I1@ INDI\r\n"
                "1 NAME  Ali /Veli/ \r\n\x01"
                "0 TRLR\r\n");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 1u);
    EXPECT_EQ(rec(r, 1).GivenName, UpperCase1254(QStringLiteral("Ali")));
    EXPECT_EQ(rec(r, 1).Surname, UpperCase1254(QStringLiteral("Veli")));
}

TEST(ReaderHeader, OtherProgramsAndOlderVersionsOpenTheErrorList)
{
    ReadResult own;
    readInto(own, dialectFile({}));
    EXPECT_TRUE(own.ok);
    EXPECT_FALSE(own.errors.visible);
    EXPECT_EQ(own.errors.lines.mid(1),
              (QStringList{LangText(Msg::SourceProgramLabel, Lang::English) + "Kinrow",
                           " - Version : 3.04"}));

    ReadResult older;
    readInto(older, joinLines({"0 HEAD", "1 SOUR KINROW", "2 VERS 3.03", "1 CHAR ANSI",
                               "0 @S0@ SUBM", "0 TRLR"}));
    EXPECT_TRUE(older.errors.visible);
    EXPECT_EQ(older.errors.lines.last(), " - Version : 3.03");

    ReadResult other;
    readInto(other, joinLines({"0 HEAD", "1 SOUR GEDitCOM", "2 NAME GEDitCOM", "1 CHAR ANSI",
                               "0 @S0@ SUBM", "0 TRLR"}));
    EXPECT_TRUE(other.errors.visible);
    // Another program's submitter record is data the family cannot hold.
    EXPECT_EQ(other.errors.lines.mid(1),
              (QStringList{LangText(Msg::SourceProgramLabel, Lang::English) + "GEDitCOM",
                           LangText(Msg::OtherProgramFile, Lang::English),
                           LangText(Msg::LineNotKept, Lang::English).arg("SUBM", "4")}));
}

TEST(ReaderHeader, TooLongLineRefusesWithItsOneBasedNumber)
{
    QByteArray bytes = dialectFile({"0 @I1@ INDI"});
    bytes.replace("1 NAME Not Given", "1 NAME " + QByteArray(263, 'A')); // 270 characters
    ReadResult fits;
    readInto(fits, bytes);
    EXPECT_TRUE(fits.ok);

    bytes.replace(QByteArray(263, 'A'), QByteArray(264, 'A'));
    ReadResult r;
    readInto(r, bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reporter.messages, QStringList{"7. Line is too long. File could not open."});
    EXPECT_TRUE(r.persons.empty());
}

TEST(ReaderPersons, NamesFromSlashesAndLevel2Lines)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 NAME Ali Veli", "2 GIVN Ali", //
                             "0 @I2@ INDI", "1 NAME  / Kaya  /",             //
                             "0 @I3@ INDI", "1 NAME Can /Oz", "2 SURN Tan",  //
                             "0 @I4@ INDI",
                             "1 NAME \xC7"
                             "elik"}));
    ASSERT_EQ(r.persons.size(), 4u);
    EXPECT_EQ(rec(r, 1).GivenName, UpperCase1254(QStringLiteral("Ali")));
    EXPECT_EQ(rec(r, 1).Surname, "");
    EXPECT_EQ(rec(r, 2).GivenName, "");
    EXPECT_EQ(rec(r, 2).Surname, "KAYA");
    EXPECT_EQ(rec(r, 3).GivenName, "CAN");
    EXPECT_EQ(rec(r, 3).Surname, "TAN");
    // Without slashes the whole text is the given name.
    EXPECT_EQ(rec(r, 4).GivenName, u"ÇELIK"_qs);
    EXPECT_EQ(rec(r, 4).Surname, "");
}

TEST(ReaderPersons, ASecondNameDoesNotReplaceTheFirst)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 NAME LIVING", "1 NAME Ann /Old/", "2 GIVN Ann",
                             "2 SURN Old", "0 @I2@ INDI", "1 NAME Jo /Lee/", "2 GIVN Joanna",
                             "1 NAME Jo /Married/", "2 SURN Married"}));
    ASSERT_EQ(r.persons.size(), 2u);
    EXPECT_EQ(rec(r, 1).GivenName, "LIVING");
    EXPECT_EQ(rec(r, 1).Surname, "");
    EXPECT_EQ(rec(r, 2).GivenName, "JOANNA");
    EXPECT_EQ(rec(r, 2).Surname, "LEE");
}

TEST(ReaderPersons, Windows1254TextIsUpperCasedByItsOwnRule)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 NAME \xFE\x65nol /\xE7\x61\xF0lar/", "1 BIRT",
                             "2 PLAC izmir", "2 DATE 05 NOV 1950"}));
    ASSERT_EQ(r.persons.size(), 1u);
    EXPECT_EQ(rec(r, 1).GivenName, UpperCase1254(QStringLiteral("şenol")));
    EXPECT_EQ(rec(r, 1).Surname, UpperCase1254(QStringLiteral("çağlar")));
    EXPECT_EQ(rec(r, 1).BirthPlace, UpperCase1254(QStringLiteral("izmir")));
    EXPECT_EQ(rec(r, 1).BirthDate, ParseDateText("05 11 1950"));
    EXPECT_NE(rec(r, 1).BirthDate, 0);
}

TEST(ReaderPersons, SexDatesAndEvents)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 SEX M", "1 BIRT", "2 DATE 1950", "1 DEAT",
                             "2 DATE 01.02.2001", "2 PLAC ignored", "0 @I2@ INDI", "1 SEX F",
                             "0 @I3@ INDI", "1 SEX X"}));
    ASSERT_EQ(r.persons.size(), 3u);
    EXPECT_EQ(rec(r, 1).Sex, SexMale);
    EXPECT_EQ(rec(r, 1).BirthDate, 1950);
    EXPECT_EQ(rec(r, 1).DeathDate, ParseDateText("01 02 2001"));
    EXPECT_EQ(rec(r, 1).BirthPlace, "");
    EXPECT_EQ(rec(r, 2).Sex, SexFemale);
    EXPECT_NE(rec(r, 3).Sex, SexMale);
    EXPECT_NE(rec(r, 3).Sex, SexFemale);
}

TEST(ReaderFamilies, SpousesAndChildrenFromFamilies)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 SEX M", "1 FAMS @F1@", "0 @I2@ INDI", "1 SEX F",
                             "1 FAMS @F1@", "0 @I3@ INDI", "1 FAMC @F1@", "0 @I4@ INDI",
                             "1 FAMC @F1@", "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@",
                             "1 CHIL @I3@", "1 CHIL @I4@", "1 CHIL @I3@"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 4u);
    EXPECT_EQ(rec(r, 1).Spouses, QList<qint32>{2});
    EXPECT_EQ(rec(r, 2).Spouses, QList<qint32>{1});
    EXPECT_EQ(rec(r, 1).Children, (QList<qint32>{3, 4}));
    EXPECT_EQ(rec(r, 2).Children, (QList<qint32>{3, 4}));
    EXPECT_EQ(rec(r, 3).FatherId, 1);
    EXPECT_EQ(rec(r, 3).MotherId, 2);
    EXPECT_EQ(rec(r, 4).MotherId, 2);
    EXPECT_FALSE(r.errors.visible);
}

TEST(ReaderFamilies, UnknownFamiliesAndNotesAreErrorLines)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 FAMS @F9@", "1 FAMC @Fx@", "1 NOTE @NI4@"}));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 8 - <Family Spouse ID Number is Wrong>"));
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 9 - <Family Child ID Number is Wrong>"));
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 10 - <Notes ID Number is Wrong>"));
    EXPECT_TRUE(rec(r, 1).Spouses.isEmpty());
}

TEST(ReaderFamilies, BadFamilyIdentifiers)
{
    ReadResult r;
    readInto(r,
             dialectFile({"0 @I1@ INDI", "1 FAMS @F2@", "0 @F0@ FAM", "1 HUSB @I1@", "0 @F2@ FAM",
                          "1 HUSB @I1@", "1 WIFE @I1@", "0 @F12345678901@ FAM", "0 @F3@ FAM"}));
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.errors.lines.contains("- FAM Sıra No Hatalı. Satır => 9"));
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 14 - <Family ID Number is Wrong>"));
    // Husband and wife at once: the person is taken as the husband.
    EXPECT_EQ(rec(r, 1).Spouses, QList<qint32>{1});
}

TEST(ReaderFamilies, FamsToAFamilyOfOthersAddsChildrenOnly)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "0 @I2@ INDI", "0 @I3@ INDI", "1 FAMS @F1@",
                             "1 FAMS @F1@", "0 @I4@ INDI", "1 FAMS @F1@", "0 @F1@ FAM",
                             "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I1@"}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.reporter.messages, QStringList{"ERROR_3"});
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 13 - <ERROR_3>"));
    EXPECT_TRUE(rec(r, 3).Spouses.isEmpty());
    EXPECT_EQ(rec(r, 3).Children, QList<qint32>{1});
}

TEST(ReaderFamilies, NotAWholePersonNumberStopsReading)
{
    for (const char* line : {"1 CHIL @I1x@", "1 HUSB @PERSON1@", "1 WIFE @I@"}) {
        ReadResult r;
        readInto(r, dialectFile({"0 @I1@ INDI", "0 @F1@ FAM", "1 HUSB @I1@", line}), Lang::Turkish);
        EXPECT_FALSE(r.ok) << line;
        EXPECT_TRUE(r.persons.empty());
        ASSERT_EQ(r.reporter.messages.size(), 1);
        EXPECT_TRUE(r.reporter.messages[0].startsWith("11. ")) << line;
    }
}

// Text on the note's own line is its first line.
TEST(ReaderNotes, ContinuationLinesJoinWithCrLf)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 NOTE @NI1@", "1 NOTE @NI2@", "0 @NI1@ NOTE Hel",
                             "1 CONC lo", "1 CONT World", "1 CONT", "0 @NI2@ NOTE", "2 CONC !",
                             "0 @NI2@ NOTE", "1 CONC second"}));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(rec(r, 1).Notes, "Hello\r\nWorld\r\n!");
    EXPECT_EQ(r.reporter.messages, QStringList{"ERROR_8"});
}

TEST(ReaderNotes, BadNoteIdentifiers)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @NI0@ NOTE", "1 CONC x", "0 @NIx NOTE", "0 @NI1@ NOTE"}));
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 7 - <Family Record Number is Wrong>"));
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 9 - <Note Format is Wrong>"));
}

TEST(ReaderRenumbering, NumbersBecomePositionsWithLinksFollowing)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I30@ INDI", "1 FAMC @F1@", "0 @I10@ INDI", "1 FAMS @F1@",
                             "0 @I20@ INDI", "1 FAMS @F1@", "1 SEX F", "0 @F1@ FAM", "1 HUSB @I10@",
                             "1 WIFE @I20@", "1 CHIL @I30@"}));
    ASSERT_EQ(r.persons.size(), 3u);
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(rec(r, n).Id, n);
    EXPECT_EQ(rec(r, 1).FatherId, 2);
    EXPECT_EQ(rec(r, 1).MotherId, 3);
    EXPECT_EQ(rec(r, 2).Spouses, QList<qint32>{3});
    EXPECT_EQ(rec(r, 3).Spouses, QList<qint32>{2});
    EXPECT_EQ(rec(r, 2).Children, QList<qint32>{1});
    // Wife of known sex: the husband is inferred a man.
    EXPECT_EQ(rec(r, 2).Sex, SexMale);
}

TEST(ReaderRenumbering, ThreeOneTwoKeepsEveryLinkOnTheSamePersons)
{
    ReadResult r;
    readInto(
        r, dialectFile({"0 @I3@ INDI", "1 NAME C /X/", "1 FAMC @F1@", "0 @I1@ INDI", "1 NAME A /X/",
                        "1 SEX M", "1 FAMS @F1@", "0 @I2@ INDI", "1 NAME B /X/", "1 SEX F",
                        "1 FAMS @F1@", "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I3@"}));
    ASSERT_EQ(r.persons.size(), 3u);
    EXPECT_EQ(rec(r, rec(r, 1).FatherId).GivenName, "A");
    EXPECT_EQ(rec(r, rec(r, 1).MotherId).GivenName, "B");
    EXPECT_EQ(rec(r, rec(r, 2).Spouses[0]).GivenName, "B");
    EXPECT_EQ(rec(r, rec(r, 3).Children[0]).GivenName, "C");
}

TEST(ReaderRenumbering, MissingAndDuplicateNumbers)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I5@ INDI", "1 NAME first", "1 FAMC @F1@", "0 @I5@ INDI",
                             "1 NAME second", "0 @Ix@ INDI", "1 FAMS @F1@", "0 @F1@ FAM",
                             "1 HUSB @I7@", "1 WIFE @I0@", "1 CHIL @I5@", "1 CHIL @I99@"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 3u);
    EXPECT_EQ(r.reporter.messages, QStringList{"ERROR_9"});
    EXPECT_EQ(rec(r, 1).FatherId, 0); // person 7 is not in the file
    EXPECT_EQ(rec(r, 1).MotherId, 0);
    EXPECT_EQ(rec(r, 3).Children, QList<qint32>{1}); // the first person numbered 5
    EXPECT_TRUE(
        r.errors.lines.contains("ERROR in Record No - 1 - <Person ID Number not Found> => 7"));
    EXPECT_TRUE(
        r.errors.lines.contains("ERROR in Record No - 3 - <Person ID Number not Found> => 99"));
    for (const TTreeData& p : r.persons)
        for (qint32 link : p.Spouses + p.Children + QList<qint32>{p.MotherId, p.FatherId})
            EXPECT_TRUE(link >= 0 && link <= 3);
}

TEST(ReaderRenumbering, SexInferenceAndUndeterminedParents)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @I1@ INDI", "1 FAMS @F1@", "0 @I2@ INDI", "1 SEX F", "1 FAMS @F1@",
                             "0 @I3@ INDI", "1 FAMS @F2@", "0 @F1@ FAM", "1 HUSB @I1@",
                             "1 WIFE @I2@", "0 @F2@ FAM", "1 HUSB @I3@", "1 CHIL @I1@"}));
    ASSERT_EQ(r.persons.size(), 3u);
    EXPECT_EQ(rec(r, 1).Sex, SexMale);
    EXPECT_EQ(r.errors.lines.last(), LangText(Msg::SexUndefined, Lang::English) + "3");
    EXPECT_FALSE(r.errors.visible);
}

TEST(ReaderEndOfFile, RecordsRunningToTheLastLineAreKept)
{
    const QByteArray head =
        joinLines({"0 HEAD", "1 SOUR Kinrow", "2 VERS 3.04", "1 CHAR ANSI", "0 @NI1@ NOTE",
                   "1 CONC n", "0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "0 @I1@ INDI",
                   "1 FAMS @F1@", "1 NOTE @NI1@", "0 @I2@ INDI", "1 NAME Son /Ki\xFEi/"});
    ReadResult r;
    readInto(r, head);
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 2u);
    EXPECT_EQ(rec(r, 2).Surname, UpperCase1254(QStringLiteral("Kişi")));
    EXPECT_EQ(rec(r, 1).Notes, "n");
    EXPECT_EQ(r.errors.lines.count("ERROR in Line - 13 - <File Last Line Code is Wrong>"), 1);

    ReadResult family;
    readInto(family, head + "0 @F2@ FAM");
    EXPECT_EQ(family.errors.lines.count("ERROR in Line - 14 - <File Last Line Code is Wrong>"), 1);
}

TEST(ReaderFile, ReadsAFileByNameAndRefusesWhatIsNoFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString name = folder.filePath("aile.ged");
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dialectFile({"0 @I1@ INDI", "1 SEX F"}));
    file.close();

    RecordingReporter reporter;
    ReadOptions options;
    options.reporter = &reporter;
    PersonList persons;
    ErrorList errors;
    EXPECT_TRUE(ReadGedcom(name, persons, errors, options));
    EXPECT_EQ(persons.size(), 1u);
    EXPECT_EQ(errors.lines.first(), LangText(Msg::FileNameLabel, Lang::English) + name);

    for (const QString& bad : {folder.filePath("yok.ged"), folder.path()}) {
        PersonList none;
        EXPECT_FALSE(ReadGedcom(bad, none, errors, options));
        EXPECT_TRUE(none.empty());
    }
    EXPECT_EQ(reporter.messages.size(), 2);
}

TEST(ReaderChildOrder, TheMarkerRestoresTheOrderByTheNewNumbers)
{
    // Numbers 30, 40, 10, 20 become records 1 to 4; the wife lists her children in the
    // reverse of the family's order. A list that agrees with the links opens nothing.
    const QByteArray file =
        dialectFile({"0 @I30@ INDI", "1 FAMC @F1@", "0 @I40@ INDI", "1 FAMC @F1@", "0 @I10@ INDI",
                     "1 SEX M", "1 FAMS @F1@", "0 @I20@ INDI", "1 SEX F", "1 FAMS @F1@",
                     "1 _ORDER CHIL", "2 CHIL @I40@", "2 CHIL @I30@", "0 @F1@ FAM", "1 HUSB @I10@",
                     "1 WIFE @I20@", "1 CHIL @I30@", "1 CHIL @I40@"});
    ReadResult r;
    readInto(r, file);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.errors.visible);
    EXPECT_EQ(r.errors.lines.filter(u"ERROR"_qs), QStringList());
    EXPECT_EQ(rec(r, 3).Children, (QList<qint32>{1, 2}));
    EXPECT_EQ(rec(r, 4).Children, (QList<qint32>{2, 1}));
}

TEST(ReaderChildOrder, EntriesNamingNoChildAreIgnoredWithALine)
{
    // The list names a stranger and a child twice and leaves one child out, which keeps its
    // place after the listed ones.
    const QByteArray file =
        dialectFile({"0 @I1@ INDI", "1 SEX M", "1 FAMS @F1@", "1 _ORDER CHIL", "2 CHIL @I4@",
                     "2 CHIL @I9@", "2 CHIL @I4@", "2 CHIL @I3@", "0 @I2@ INDI", "1 FAMC @F1@",
                     "0 @I3@ INDI", "1 FAMC @F1@", "0 @I4@ INDI", "1 FAMC @F1@", "0 @F1@ FAM",
                     "1 HUSB @I1@", "1 CHIL @I2@", "1 CHIL @I3@", "1 CHIL @I4@"});
    ReadResult r;
    readInto(r, file);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(rec(r, 1).Children, (QList<qint32>{4, 3, 2}));
    EXPECT_EQ(r.errors.lines.filter(u"ERROR"_qs),
              QStringList{u"ERROR in Line - 12 - <Child Order Names no Child>"_qs});
}

TEST(ReaderChildOrder, UnmarkedFilesKeepTheirOrder)
{
    ReadResult r;
    // A level-2 line or a note text that merely looks like the marker is no marker.
    readInto(
        r, dialectFile({"0 @I1@ INDI", "1 FAMS @F1@", "2 _ORDER CHIL", "2 CHIL @I3@",
                        "1 NOTE @NI1@", "0 @NI1@ NOTE", "1 CONC 1 _ORDER CHIL", "0 @I2@ INDI",
                        "0 @I3@ INDI", "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@", "1 CHIL @I3@"}));
    ASSERT_TRUE(r.ok);
    // The look-alike lines are named as left out, and nothing else is.
    EXPECT_EQ(r.errors.lines.mid(4),
              (QStringList{LangText(Msg::LineNotKept, Lang::English).arg("FAMS._ORDER", "9"),
                           LangText(Msg::LineNotKept, Lang::English).arg("FAMS.CHIL", "10")}));
    EXPECT_EQ(rec(r, 1).Children, (QList<qint32>{2, 3}));
}

// Mixed-case names are upper-cased as typing does in the language the file is opened in, so
// that they show as they were written.
TEST(ReaderNames, MixedCaseNamesShowAsWrittenInTheLanguageOfOpening)
{
    const QByteArray file = EncodeCp1254(QString::fromUtf8(
        dialectFile({"0 @I1@ INDI", "1 NAME İsmail /Şahin/", "1 BIRT", "2 PLAC Iğdır, Kırşehir",
                     "0 @I2@ INDI", "1 NAME William /Smith/"})));
    ReadResult turkish;
    readInto(turkish, file, Lang::Turkish);
    ASSERT_EQ(turkish.persons.size(), 2u);
    EXPECT_EQ(turkish.persons[0].GivenName, u"İSMAİL"_qs);
    EXPECT_EQ(turkish.persons[0].Surname, u"ŞAHİN"_qs);
    EXPECT_EQ(ProperCaseName(turkish.persons[0].Surname, Lang::Turkish), u"Şahin"_qs);
    EXPECT_EQ(ProperCaseName(turkish.persons[0].GivenName, Lang::Turkish), u"İsmail"_qs);
    EXPECT_EQ(ProperCaseName(turkish.persons[0].BirthPlace, Lang::Turkish), u"Iğdır, Kırşehir"_qs);

    ReadResult english;
    readInto(english, file, Lang::English);
    EXPECT_EQ(english.persons[0].Surname, u"ŞAHIN"_qs);
    EXPECT_EQ(ProperCaseName(english.persons[1].GivenName, Lang::English), u"William"_qs);
    EXPECT_EQ(ProperCaseName(english.persons[1].Surname, Lang::English), u"Smith"_qs);
}

// A file that lost records or links opens on the error list, not on the person page, so that
// the loss is seen before a save makes it permanent.
TEST(ReaderLosses, DamagedAndTruncatedFilesOpenTheErrorList)
{
    const QByteArray whole = dialectFile(
        {"0 @I1@ INDI", "1 SEX M", "1 FAMS @F1@", "0 @I2@ INDI", "1 FAMC @F1@", "1 NOTE @NI1@",
         "0 @NI1@ NOTE", "1 CONC Not", "0 @F1@ FAM", "1 HUSB @I1@", "1 CHIL @I2@"});
    ReadResult sound;
    readInto(sound, whole);
    ASSERT_TRUE(sound.ok);
    EXPECT_FALSE(sound.errors.visible);

    // Cut short inside the note, before the families: every family link is lost.
    ReadResult cut;
    readInto(cut, whole.left(whole.indexOf("1 CONC Not")));
    ASSERT_TRUE(cut.ok);
    EXPECT_TRUE(cut.errors.visible);
    EXPECT_FALSE(cut.errors.lines.filter(u"Family Spouse ID"_qs).isEmpty());

    // One broken person line ends the person pass.
    ReadResult broken;
    readInto(broken, QByteArray(whole).replace("0 @I2@ INDI", "0 @I2 INDI"));
    ASSERT_TRUE(broken.ok);
    EXPECT_EQ(broken.persons.size(), 1u);
    EXPECT_TRUE(broken.errors.visible);

    // A link to a person the file does not carry is dropped.
    ReadResult dangling;
    readInto(dangling, QByteArray(whole).replace("1 CHIL @I2@", "1 CHIL @I7@"));
    EXPECT_TRUE(dangling.errors.visible);
    EXPECT_FALSE(dangling.errors.lines.filter(u"not Found"_qs).isEmpty());
}
