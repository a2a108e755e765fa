#include "readertesting.h"

#include "gedcom/gedcomwriter.h"
#include "model/messages.h"
#include "model/textrules.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

QByteArray utf8Header(const char* charLine = "1 CHAR UTF-8")
{
    return joinLines(
        {"0 HEAD", "1 SOUR Other", "2 VERS 5.5", charLine, "0 @S0@ SUBM", "1 NAME Not Given"});
}

QByteArray personLines(int first, int count, const char* extra = nullptr)
{
    QByteArray bytes;
    for (int n = first; n < first + count; ++n) {
        bytes += "0 @I" + QByteArray::number(n) + "@ INDI\r\n";
        if (extra)
            bytes += QByteArray(extra) + "\r\n";
    }
    return bytes;
}

} // namespace

TEST(ReaderText, Utf8FilesKeepTurkishLetters)
{
    for (const char* charLine : {"1 CHAR UTF-8", "1 CHAR utf8"}) {
        ReadResult r;
        readInto(r, utf8Header(charLine) + "0 @I1@ INDI\r\n1 NAME Şükrü /Çağlayan/\r\n1 BIRT\r\n"
                                           "2 PLAC Muğla\r\n0 TRLR\r\n");
        ASSERT_TRUE(r.ok);
        ASSERT_EQ(r.persons.size(), 1u);
        EXPECT_EQ(r.persons[0].GivenName, QStringLiteral("ŞÜKRÜ"));
        EXPECT_EQ(r.persons[0].Surname, UpperCase1254(QStringLiteral("Çağlayan")));
        EXPECT_EQ(r.persons[0].BirthPlace, UpperCase1254(QStringLiteral("Muğla")));
        EXPECT_TRUE(r.errors.lines.filter("Code Page").isEmpty());
    }
}

TEST(ReaderText, ByteOrderMarkMeansUtf8AndIsNotPartOfTheHeader)
{
    ReadResult r;
    readInto(r, "\xEF\xBB\xBF" + dialectFile({"0 @I1@ INDI", "1 NAME Ayşe /Öz/"}));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 1u);
    EXPECT_EQ(r.persons[0].Surname, QStringLiteral("ÖZ"));
    EXPECT_FALSE(r.errors.visible);
}

TEST(ReaderText, LettersOfEveryScriptAreKeptAsRead)
{
    ReadResult r;
    readInto(r, utf8Header() + "0 @I1@ INDI\r\n1 NAME Łukasz /日本/\r\n0 @I2@ INDI\r\n"
                               "1 NAME Ŵ /😀x/\r\n1 BIRT\r\n2 PLAC Θεσσαλονίκη\r\n0 TRLR\r\n");
    ASSERT_EQ(r.persons.size(), 2u);
    EXPECT_EQ(r.persons[0].GivenName.toStdString(), "ŁUKASZ");
    EXPECT_EQ(r.persons[0].Surname.toStdString(), "日本");
    EXPECT_EQ(r.persons[1].GivenName.toStdString(), "Ŵ");
    EXPECT_EQ(r.persons[1].Surname.toStdString(), "😀X");
    EXPECT_EQ(r.persons[1].BirthPlace.toStdString(), "ΘΕΣΣΑΛΟΝΊΚΗ");
    // Nothing is replaced, so nothing is reported.
    EXPECT_EQ(r.errors.lines.filter("Code Page"), QStringList());
}

TEST(ReaderText, DecomposedLettersAreComposedBeforeTheCodePage)
{
    ReadResult r;
    // S + combining cedilla, I + combining dot above, u + combining diaeresis.
    const QByteArray cedilla = "\xCC\xA7", dot = "\xCC\x87", diaeresis = "\xCC\x88";
    readInto(r, utf8Header() + "0 @I1@ INDI\r\n1 NAME Ays" + cedilla + "e /S" + cedilla + "I" +
                    dot + "K/\r\n1 BIRT\r\n2 PLAC Mu" + diaeresis + "nchen\r\n0 TRLR\r\n");
    ASSERT_EQ(r.persons.size(), 1u);
    EXPECT_EQ(r.persons[0].GivenName, u"AYŞE"_qs);
    EXPECT_EQ(r.persons[0].Surname, u"ŞİK"_qs);
    EXPECT_EQ(r.persons[0].BirthPlace, u"MÜNCHEN"_qs);
    EXPECT_TRUE(r.errors.lines.filter("Code Page").isEmpty());
}

TEST(ReaderText, LineLengthCountsCharactersNotBytes)
{
    const QByteArray name = "1 NAME " + QString(263, QChar(0x15F)).toUtf8(); // ş, 2 bytes each
    const QByteArray own = joinLines({"0 HEAD", "1 SOUR Kinrow", "2 VERS 3.04", "1 CHAR UTF-8",
                                      "0 @S0@ SUBM", "1 NAME Not Given"});
    ReadResult fits;
    readInto(fits, own + "0 @I1@ INDI\r\n" + name + "\r\n0 TRLR\r\n");
    EXPECT_TRUE(fits.ok);
    ReadResult tooLong;
    readInto(tooLong, own + "0 @I1@ INDI\r\n" + name + "x\r\n0 TRLR\r\n");
    EXPECT_FALSE(tooLong.ok);
    EXPECT_EQ(tooLong.reporter.messages,
              QStringList{"8" + LangText(Msg::LineTooLong, Lang::English)});
}

// Each invalid byte decodes to a character of its own, which a save writes back as "?".
TEST(ReaderText, LineLengthIsMeasuredAfterDecoding)
{
    const QByteArray place = "2 PLAC " + QByteArray(250, 'a') + QByteArray(13, '\x80');
    const QByteArray head = joinLines({"0 HEAD", "1 SOUR Kinrow", "2 VERS 3.04", "1 CHAR UTF-8",
                                       "0 @S0@ SUBM", "1 NAME Not Given", "0 @I1@ INDI", "1 BIRT"});
    ReadResult fits;
    readInto(fits, head + place + "\r\n0 TRLR\r\n");
    ASSERT_TRUE(fits.ok);
    EXPECT_EQ(fits.persons[0].BirthPlace.size(), 263);
    // What is read can be saved and opened again.
    ReadResult again;
    readInto(again, WriteGedcomBytes(fits.persons, u"aile.ged"_qs, {}));
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.persons[0].BirthPlace, fits.persons[0].BirthPlace);

    ReadResult tooLong;
    readInto(tooLong, head + place + "\x80\r\n0 TRLR\r\n");
    EXPECT_FALSE(tooLong.ok);
    EXPECT_EQ(tooLong.reporter.messages,
              QStringList{"9" + LangText(Msg::LineTooLong, Lang::English)});
}

TEST(ReaderLineEnds, CrAloneLfAloneAndCrLfReadTheSame)
{
    const std::initializer_list<const char*> lines = {
        "0 HEAD",      "1 SOUR Kinrow", "2 VERS 3.04", "1 CHAR ANSI", "0 @I1@ INDI",
        "1 FAMS @F1@", "0 @I2@ INDI",   "1 FAMS @F1@", "0 @F1@ FAM",  "1 HUSB @I1@",
        "1 WIFE @I2@", "1 FAMS @F7@",   "0 TRLR"};
    for (const char* end : {"\r\n", "\r", "\n"}) {
        ReadResult r;
        readInto(r, joinLines(lines, end));
        ASSERT_TRUE(r.ok) << end;
        ASSERT_EQ(r.persons.size(), 2u);
        EXPECT_EQ(r.persons[0].Spouses, QList<qint32>{2});
    }
    // CR followed by CR LF is two line ends, so an empty line lies between.
    ReadResult r;
    readInto(r, "0 HEAD\r\n1 SOUR Kinrow\n2 VERS 3.04\r\r\n0 @I1@ INDI\r1 FAMS @F9@\n0 TRLR");
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.errors.lines.contains("ERROR in Line - 5 - <Family Spouse ID Number is Wrong>"));
}

TEST(ReaderHostileInput, EveryTruncationReadsOrRefusesSoundly)
{
    const QByteArray whole = dialectFile(
        {"0 @I1@ INDI", "1 NAME Ali /Veli/", "1 SEX M",      "1 BIRT",       "2 DATE 05 11 1950",
         "1 FAMS @F1@", "1 NOTE @NI1@",      "0 @NI1@ NOTE", "1 CONC a",     "1 CONT b",
         "0 @I2@ INDI", "1 FAMS @F1@",       "1 OBJE",       "2 FILE x.jpg", "0 @I3@ INDI",
         "1 FAMC @F1@", "0 @F1@ FAM",        "1 HUSB @I1@",  "1 WIFE @I2@",  "1 CHIL @I3@"});
    for (qsizetype size = 0; size <= whole.size(); ++size) {
        ReadResult r;
        readInto(r, whole.left(size));
        EXPECT_TRUE(linksAreSound(r.persons)) << "prefix " << size;
        if (!r.ok) {
            EXPECT_TRUE(r.persons.empty());
        }
    }
}

TEST(ReaderHostileInput, NulBytesAndBinaryNoise)
{
    static const char nulLines[] = "0 @I1@ INDI\r\n1 NAME A\0B /C/\r\n0 @I2\0@ INDI\r\n\0\r\n";
    QByteArray noise = dialectFile({}) + QByteArray(nulLines, sizeof nulLines - 1);
    quint32 state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        noise += i % 50 == 49 ? '\n' : char(state >> 24);
    }
    ReadResult r;
    readInto(r, noise);
    ASSERT_GE(r.persons.size(), 2u);
    EXPECT_EQ(r.persons[0].GivenName, QString::fromLatin1("A\0B", 3));
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderHostileInput, AHugeLineIsRefusedQuickly)
{
    QByteArray bytes = dialectFile({"0 @I1@ INDI"});
    bytes += QByteArray(50 * 1024 * 1024, 'A');
    QElapsedTimer timer;
    timer.start();
    ReadResult r;
    readInto(r, bytes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.reporter.messages, QStringList{"10" + LangText(Msg::LineTooLong, Lang::English)});
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(ReaderHostileInput, RepeatedMessageBoxesAreShownOnce)
{
    ReadResult r;
    readInto(r, dialectFile({"0 @Ia@ INDI", "0 @Ib@ INDI", "0 @Ic@ INDI"}));
    EXPECT_EQ(r.reporter.messages, QStringList{"ERROR_9"});
    EXPECT_EQ(r.errors.lines.filter("<ERROR_9>").size(), 2);
    EXPECT_EQ(r.persons.size(), 3u);
}

TEST(ReaderHostileInput, TheErrorListIsCapped)
{
    const int bad = 25000;
    QByteArray bytes = dialectFile({}).replace("0 TRLR\r\n", "");
    bytes += "0 @I1@ INDI\r\n";
    for (int i = 0; i < bad; ++i)
        bytes += "1 FAMS @F9@\r\n";
    ReadResult r;
    readInto(r, bytes + "0 TRLR\r\n");
    EXPECT_EQ(r.errors.lines.size(), 10001);
    const int produced = 3 + bad; // file name, source, version, then one line each
    EXPECT_TRUE(r.errors.lines.last().contains(QString::number(produced - 10000)))
        << r.errors.lines.last().toStdString();
}

TEST(ReaderHostileInput, SharedFamiliesAndNotesCannotMultiplyMemory)
{
    const int persons = 3000;
    QByteArray bytes = dialectFile({}).replace("0 TRLR\r\n", "");
    bytes += personLines(1, persons, "1 FAMS @F1@\r\n1 FAMS @F1@\r\n1 NOTE @NI1@");
    bytes += "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n";
    for (int c = 1; c <= persons; ++c)
        bytes += "1 CHIL @I" + QByteArray::number(c) + "@\r\n";
    bytes += "0 @NI1@ NOTE\r\n";
    for (int i = 0; i < 1000; ++i)
        bytes += "1 CONC " + QByteArray(200, 'n') + "\r\n";
    ReadResult r;
    readInto(r, bytes + "0 TRLR\r\n");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), size_t(persons));
    qint64 children = 0;
    qint64 noteChars = 0;
    for (const TTreeData& p : r.persons) {
        children += p.Children.size();
        noteChars += p.Notes.size();
    }
    EXPECT_LE(children, 2 * persons + 1000000);
    EXPECT_LE(noteChars, bytes.size() + 65536);
    EXPECT_EQ(r.persons[0].Children.size(), persons); // the partners themselves get them all
    EXPECT_EQ(r.persons[0].Notes.size(), 200000);
    EXPECT_FALSE(r.errors.lines.filter("<Too Many Links to Family Children>").isEmpty());
    EXPECT_FALSE(r.errors.lines.filter("<Note Text Limit Reached>").isEmpty());
    EXPECT_TRUE(linksAreSound(r.persons));
}
