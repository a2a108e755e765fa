#include "gedcom/legacydat.h"
#include "model/codepage1254.h"
#include "model/messages.h"
#include "model/textrules.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// Builds one 504-byte legacy record field by field.
struct LegacyRecord
{
    QByteArray bytes = QByteArray(LegacyRecordSize, '\0');

    LegacyRecord& text(int at, const QString& value)
    {
        const QByteArray encoded = EncodeCp1254(value);
        bytes[at] = char(encoded.size());
        bytes.replace(at + 1, encoded.size(), encoded);
        bytes.resize(LegacyRecordSize);
        return *this;
    }
    LegacyRecord& given(const QString& v) { return text(0, v); }
    LegacyRecord& surname(const QString& v) { return text(19, v); }
    LegacyRecord& place(const QString& v) { return text(38, v); }
    LegacyRecord& int32(int at, qint32 v)
    {
        qToLittleEndian<qint32>(v, bytes.data() + at);
        return *this;
    }
    LegacyRecord& birth(qint32 v) { return int32(60, v); }
    LegacyRecord& death(qint32 v) { return int32(64, v); }
    LegacyRecord& sex(char c)
    {
        bytes[69] = c;
        return *this;
    }
    LegacyRecord& word(int at, quint16 v)
    {
        qToLittleEndian<quint16>(v, bytes.data() + at);
        return *this;
    }
    LegacyRecord& mother(quint16 v) { return word(70, v); }
    LegacyRecord& father(quint16 v) { return word(72, v); }
    LegacyRecord& spouses(std::initializer_list<quint16> list)
    {
        int at = 74;
        for (quint16 v : list)
            word(at, v), at += 2;
        return *this;
    }
    LegacyRecord& children(std::initializer_list<quint16> list)
    {
        int at = 94;
        for (quint16 v : list)
            word(at, v), at += 2;
        return *this;
    }
    LegacyRecord& note(const QByteArray& raw)
    {
        bytes.replace(154, raw.size(), raw);
        bytes.resize(LegacyRecordSize);
        return *this;
    }
};

QByteArray Join(std::initializer_list<LegacyRecord> records)
{
    QByteArray all;
    for (const LegacyRecord& r : records)
        all += r.bytes;
    return all;
}

class RecordingReporter : public ReadReporter
{
public:
    void message(const QString& text) override { messages.append(text); }
    QStringList messages;
};

struct Import
{
    PersonList persons;
    ErrorList errors;
    RecordingReporter reporter;
    bool ok = false;

    Import(const QByteArray& bytes, const QStringList& pictures = {}, Lang lang = Lang::English)
    {
        ReadOptions options;
        options.lang = lang;
        options.reporter = &reporter;
        ok = ReadLegacyDatBytes(bytes, QStringLiteral("aile.dat"), pictures, persons, errors,
                                options);
    }
};

} // namespace

TEST(LegacyDat, TwoRecordsImportWithTheNoticeLines)
{
    Import in(Join({LegacyRecord().given("ALİ").sex('E'), LegacyRecord().given("AYŞE").sex('K')}));
    ASSERT_TRUE(in.ok);
    ASSERT_EQ(in.persons.size(), 2u);
    EXPECT_EQ(in.persons[0].Id, 1);
    EXPECT_EQ(in.persons[1].Id, 2);
    EXPECT_EQ(in.persons[0].GivenName, QStringLiteral("ALİ"));
    EXPECT_EQ(in.persons[0].Sex, SexMale);
    EXPECT_EQ(in.persons[1].Sex, SexFemale);
    EXPECT_TRUE(in.persons[1].Pictures.isEmpty());
    EXPECT_TRUE(in.errors.visible);
    EXPECT_EQ(in.errors.lines,
              QStringList({"File Name : aile.dat", LangText(Msg::DatRetired, Lang::English),
                           LangText(Msg::SavedAsGed, Lang::English)}));
    EXPECT_TRUE(in.reporter.messages.isEmpty());
}

TEST(LegacyDat, SizeNotAWholeNumberOfRecordsIsRefused)
{
    for (int size : {0, 1000, 503, 1009}) {
        Import in(QByteArray(size, 'A'), {}, Lang::Turkish);
        EXPECT_FALSE(in.ok) << size;
        EXPECT_TRUE(in.persons.empty());
        EXPECT_TRUE(in.errors.lines.isEmpty());
        ASSERT_EQ(in.reporter.messages.size(), 1);
        EXPECT_EQ(in.reporter.messages[0],
                  QStringLiteral("aile.dat\r\r") + LangText(Msg::BadFileFormat, Lang::Turkish));
    }
}

TEST(LegacyDat, DatesInBothStoredForms)
{
    EXPECT_EQ(LegacyDateText(0), QString());
    EXPECT_EQ(LegacyDateText(36526), QStringLiteral("01.01.2000"));
    EXPECT_EQ(LegacyDateText(1), QStringLiteral("31.12.1899"));
    EXPECT_EQ(LegacyDateText(-1), QStringLiteral("29.12.1899"));
    EXPECT_EQ(LegacyDateText(1000000), QStringLiteral("26.11.4637"));
    EXPECT_EQ(LegacyDateText(1001950), QStringLiteral("1950"));
    EXPECT_EQ(LegacyDateText(1000001), QStringLiteral("1"));
    EXPECT_EQ(LegacyDateText(std::numeric_limits<qint32>::max()), QStringLiteral("2146483647"));
    // Days before year 1 have no "dd.mm.yyyy" form.
    EXPECT_EQ(LegacyDateText(std::numeric_limits<qint32>::min()), QString());

    Import in(Join({LegacyRecord().birth(1001950).death(36526),
                    LegacyRecord().birth(-700000).death(1000000)}));
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.persons[0].BirthDate, 1950.0);
    EXPECT_EQ(FormatDateValue(in.persons[0].DeathDate), QStringLiteral("01 01 2000"));
    EXPECT_EQ(in.persons[0].DeathDate, 2451544.5);
    EXPECT_EQ(in.persons[1].BirthDate, 0.0);
    EXPECT_EQ(in.persons[1].DeathDate, 0.0);
}

TEST(LegacyDat, TextFieldsInTurkishLettersAndClampedLengths)
{
    LegacyRecord first;
    first.given("ÇAĞLAR").surname("ŞENÖZ").place("İĞDIR ÜSKÜDAR");
    LegacyRecord second;
    second.given("ABCDEFGHIJKLMNOPQR").surname("SOYAD").place("YER");
    second.bytes[0] = char(255); // runs past the 18 characters of its field
    second.bytes[19] = char(200);
    second.bytes[38] = char(30);
    second.bytes[22] = '\r'; // inside the surname
    Import in(Join({first, second}));
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.persons[0].GivenName, QStringLiteral("ÇAĞLAR"));
    EXPECT_EQ(in.persons[0].Surname, QStringLiteral("ŞENÖZ"));
    EXPECT_EQ(in.persons[0].BirthPlace, QStringLiteral("İĞDIR ÜSKÜDAR"));
    EXPECT_EQ(in.persons[1].GivenName, QStringLiteral("ABCDEFGHIJKLMNOPQR"));
    // The surname keeps its 18 bytes (zeros and the CR dropped), nothing of the place field.
    EXPECT_EQ(in.persons[1].Surname, QStringLiteral("SOAD"));
    EXPECT_EQ(in.persons[1].BirthPlace, QStringLiteral("YER"));
}

TEST(LegacyDat, NoteEndsAtTheFirstZeroByte)
{
    const QByteArray full(350, 'x');
    Import in(Join({LegacyRecord().note(EncodeCp1254(u"Doğdu\r\nÖldü") + '\0' + "gizli"),
                    LegacyRecord().note(full), LegacyRecord()}));
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.persons[0].Notes, QStringLiteral("Doğdu\r\nÖldü"));
    EXPECT_EQ(in.persons[1].Notes, QString(350, u'x'));
    EXPECT_TRUE(in.persons[2].Notes.isEmpty());
}

TEST(LegacyDat, LinkListsEndAtTheFirstZero)
{
    Import in(Join({LegacyRecord().mother(2).father(3).spouses({4, 0, 2}).children({3, 2, 0, 4}),
                    LegacyRecord(), LegacyRecord(),
                    LegacyRecord().spouses({1, 2, 3, 1, 2, 3, 1, 2, 3, 4}).children({1, 2})}));
    ASSERT_TRUE(in.ok);
    const TTreeData& p = in.persons[0];
    EXPECT_EQ(p.MotherId, 2);
    EXPECT_EQ(p.FatherId, 3);
    EXPECT_EQ(p.Spouses, QList<qint32>({4}));
    EXPECT_EQ(p.Children, QList<qint32>({3, 2}));
    EXPECT_EQ(in.persons[3].Spouses.size(), 10);
    EXPECT_EQ(in.persons[3].Children, QList<qint32>({1, 2}));
    EXPECT_EQ(in.persons[1].MotherId, 0);
    EXPECT_TRUE(in.persons[1].Spouses.isEmpty());
}

TEST(LegacyDat, LinksOutsideTheFileAreDroppedAndReported)
{
    Import in(Join({LegacyRecord().mother(3).father(65535).spouses({2, 9, 2}).children({7}),
                    LegacyRecord().children({1, 2})}));
    ASSERT_TRUE(in.ok);
    const TTreeData& p = in.persons[0];
    EXPECT_EQ(p.MotherId, 0);
    EXPECT_EQ(p.FatherId, 0);
    EXPECT_EQ(p.Spouses, QList<qint32>({2, 2}));
    EXPECT_TRUE(p.Children.isEmpty());
    EXPECT_EQ(in.persons[1].Children, QList<qint32>({1, 2}));
    const QStringList expected = {"File Name : aile.dat",
                                  "ERROR in Record - 1 - <Linked Record Number is Wrong> - 3",
                                  "ERROR in Record - 1 - <Linked Record Number is Wrong> - 65535",
                                  "ERROR in Record - 1 - <Linked Record Number is Wrong> - 9",
                                  "ERROR in Record - 1 - <Linked Record Number is Wrong> - 7",
                                  LangText(Msg::DatRetired, Lang::English),
                                  LangText(Msg::SavedAsGed, Lang::English)};
    EXPECT_EQ(in.errors.lines, expected);
}

TEST(LegacyDat, ManyBadLinksAreCountedNotListed)
{
    LegacyRecord bad;
    bad.mother(60000).father(60000);
    for (int slot = 0; slot < 40; ++slot)
        bad.word(74 + 2 * slot, 60000);
    QByteArray bytes;
    for (int r = 0; r < 300; ++r)
        bytes += bad.bytes;
    Import in(bytes);
    ASSERT_TRUE(in.ok);
    // 300 records with 42 bad links each: 12600 dropped, 10000 listed, the rest counted.
    EXPECT_EQ(in.errors.lines.size(), 1 + 10000 + 1 + 2);
    EXPECT_EQ(in.errors.lines[10001],
              QStringLiteral("ERROR - 2600 more wrong linked record numbers"));
}

TEST(LegacyDat, PicturesByNumberPrefixAndExtensionOrder)
{
    const QStringList listing = {"00001.jpg",  "00001a.BMP", "00001b.jpeg",   "00001c.bmp",
                                 "00001d.gif", "00001.txt",  "00002 yaz.JPG", "0001.bmp",
                                 "000031.bmp", "00000.bmp",  "x00002.bmp",    "00003.jpeg"};
    Import in(Join({LegacyRecord(), LegacyRecord(), LegacyRecord()}), listing);
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.persons[0].Pictures, QStringList({"img_aile/00001a.BMP", "img_aile/00001c.bmp",
                                                   "img_aile/00001.jpg", "img_aile/00001b.jpeg"}));
    EXPECT_EQ(in.persons[1].Pictures, QStringList({"img_aile/00002 yaz.JPG"}));
    // "000031" starts with the five digits of record 3 as well.
    EXPECT_EQ(in.persons[2].Pictures, QStringList({"img_aile/000031.bmp", "img_aile/00003.jpeg"}));
}

TEST(LegacyDat, PictureFolderName)
{
    EXPECT_EQ(LegacyPictureFolder("/ev/aile/eski.dat"), QStringLiteral("img_eski/"));
    EXPECT_EQ(LegacyPictureFolder("AILE.DAT"), QStringLiteral("img_AILE/"));
    EXPECT_EQ(LegacyPictureFolder("a.b.dat"), QStringLiteral("img_a.b/"));
}

TEST(LegacyDat, SixDigitRecordNumbersAndSpeed)
{
    const int count = 120000;
    QByteArray bytes(qsizetype(count) * LegacyRecordSize, '\0');
    for (int r = 0; r < count; ++r) {
        char* rec = bytes.data() + qsizetype(r) * LegacyRecordSize;
        rec[0] = 3;
        memcpy(rec + 1, "ALİ", 3);
        qToLittleEndian<qint32>(1000000 + 1900 + r % 100, rec + 60);
        qToLittleEndian<quint16>(quint16(r % 60000 + 1), rec + 70);
    }
    const QStringList listing = {"010000.jpg", "100000.bmp", "1000001.jpg", "110000x.JPEG",
                                 "99999.bmp"};
    QElapsedTimer timer;
    timer.start();
    Import in(bytes, listing);
    const qint64 ms = timer.elapsed();
    ASSERT_TRUE(in.ok);
    ASSERT_EQ(in.persons.size(), size_t(count));
    EXPECT_EQ(in.persons[999].Pictures, QStringList({"img_aile/010000.jpg"}));
    // Record 10000's five digits begin the longer names as well.
    EXPECT_EQ(in.persons[10000 - 1].Pictures,
              QStringList({"img_aile/100000.bmp", "img_aile/1000001.jpg"}));
    EXPECT_TRUE(in.persons[10001 - 1].Pictures.isEmpty());
    EXPECT_EQ(in.persons[100000 - 1].Pictures,
              QStringList({"img_aile/100000.bmp", "img_aile/1000001.jpg"}));
    EXPECT_EQ(in.persons[110000 - 1].Pictures, QStringList({"img_aile/110000x.JPEG"}));
    EXPECT_EQ(in.persons[99999 - 1].Pictures, QStringList({"img_aile/99999.bmp"}));
    EXPECT_EQ(in.persons[count - 1].MotherId, (count - 1) % 60000 + 1);
    EXPECT_EQ(in.persons[5].BirthDate, 1905.0);
    EXPECT_LT(ms, 5000);
    std::printf("legacy import of %d records: %lld ms\n", count, qint64(ms));
}

TEST(LegacyDat, FileImportFindsPicturesBesideIt)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile dat(dir.filePath("eski.dat"));
    ASSERT_TRUE(dat.open(QIODevice::WriteOnly));
    dat.write(Join({LegacyRecord().given("ALİ"), LegacyRecord().given("VELİ")}));
    dat.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("img_eski"));
    for (const char* name : {"00002.jpg", "00002.bmp", "00001.Jpeg", "notes.txt"}) {
        QFile f(dir.filePath(QStringLiteral("img_eski/") + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    PersonList persons;
    ErrorList errors;
    QString ged;
    ASSERT_TRUE(ReadLegacyDat(dat.fileName(), persons, errors, ReadOptions(), &ged));
    EXPECT_EQ(ged, dir.filePath("eski.ged"));
    ASSERT_EQ(persons.size(), 2u);
    EXPECT_EQ(persons[0].Pictures, QStringList({"img_eski/00001.Jpeg"}));
    EXPECT_EQ(persons[1].Pictures, QStringList({"img_eski/00002.bmp", "img_eski/00002.jpg"}));
    EXPECT_EQ(errors.lines.first(), QStringLiteral("File Name : ") + dat.fileName());

    RecordingReporter reporter;
    ReadOptions options;
    options.reporter = &reporter;
    EXPECT_FALSE(ReadLegacyDat(dir.filePath("yok.dat"), persons, errors, options, &ged));
    EXPECT_TRUE(persons.empty());
    EXPECT_EQ(reporter.messages.size(), 1);
}

TEST(LegacyDat, SampleFamilyFile)
{
    const QString fileName = QStringLiteral(KINROW_TEST_DATA "/legacy/eski.dat");
    PersonList persons;
    ErrorList errors;
    ReadOptions options;
    options.lang = Lang::Turkish;
    ASSERT_TRUE(ReadLegacyDat(fileName, persons, errors, options));
    ASSERT_EQ(persons.size(), 4u);
    const TTreeData& father = persons[0];
    EXPECT_EQ(father.GivenName + u' ' + father.Surname, QStringLiteral("MEHMET ÖZTÜRK"));
    EXPECT_EQ(father.BirthPlace, QStringLiteral("İZMİR"));
    EXPECT_EQ(FormatDateValue(father.BirthDate), QStringLiteral("1925"));
    EXPECT_EQ(FormatDateValue(father.DeathDate), QStringLiteral("14 03 1990"));
    EXPECT_EQ(father.Notes, QStringLiteral("Öğretmen.\r\nÇok sevilirdi."));
    EXPECT_EQ(father.Pictures, QStringList({"img_eski/00001.bmp", "img_eski/00001b.BMP"}));
    EXPECT_EQ(father.Spouses, QList<qint32>({2}));
    EXPECT_EQ(persons[1].Children, QList<qint32>({3, 4}));
    EXPECT_EQ(FormatDateValue(persons[1].BirthDate), QStringLiteral("10 05 1930"));
    EXPECT_EQ(persons[1].BirthPlace, QStringLiteral("ŞANLIURFA"));
    EXPECT_EQ(persons[1].Pictures, QStringList({"img_eski/00002a.jpg"}));
    EXPECT_EQ(persons[2].Pictures, QStringList({"img_eski/00003.JPEG"}));
    EXPECT_EQ(persons[3].GivenName, QStringLiteral("ÇAĞLAR"));
    EXPECT_EQ(persons[3].MotherId, 2);
    EXPECT_EQ(persons[3].FatherId, 1);
    EXPECT_EQ(persons[3].Notes, QStringLiteral("Mühendis"));
    EXPECT_EQ(errors.lines, QStringList({LangText(Msg::FileNameLabel, Lang::Turkish) + fileName,
                                         LangText(Msg::DatRetired, Lang::Turkish),
                                         LangText(Msg::SavedAsGed, Lang::Turkish)}));
}

TEST(LegacyDat, PictureNamesTooLongForTheFamilyFileAreNamedNotAdded)
{
    // The folder "img_aile/" (9 characters) and the name make the entry; 263 fit one line.
    const QString fits = u"00001"_qs + QString(254 - 5 - 4, u'x') + u".jpg"_qs;
    const QString tooLong = u"00001"_qs + QString(255 - 5 - 4, u'y') + u".jpg"_qs;
    Import in(Join({LegacyRecord().given("A")}), {fits, tooLong});
    ASSERT_TRUE(in.ok);
    EXPECT_EQ(in.persons[0].Pictures, QStringList{u"img_aile/"_qs + fits});
    EXPECT_TRUE(in.errors.lines.contains(
        u"- Picture name is too long for the family file, not added. Record No => 1 - img_aile/"_qs +
        tooLong));
}
