#include "readertesting.h"

#include "gedcom/familygenerator.h"
#include "gedcom/gedcomwriter.h"
#include "model/codepage1254.h"
#include "model/golden.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

// Compares everything a read gives (persons field by field, error list, message boxes) and the
// bytes a write of the result gives with results kept in tests/gedcom/golden (KINROW_WRITE_GOLDEN=1
// rewrites them, see model/golden.h).

namespace {

const QString kGolden = QStringLiteral(KINROW_SOURCE_DIR "/tests/gedcom/golden");
const QString kFileName = QStringLiteral("/tmp/kinrow-test/aile.ged");

QString escaped(const QString& text)
{
    QString out = text;
    out.replace(u'\\', QLatin1String("\\\\"));
    out.replace(u'\r', QLatin1String("\\r"));
    out.replace(u'\n', QLatin1String("\\n"));
    return out;
}

QString numbers(const QList<qint32>& list)
{
    QStringList parts;
    for (qint32 n : list)
        parts.append(QString::number(n));
    return parts.join(u',');
}

QString dump(const ReadResult& r)
{
    QString out;
    QTextStream s(&out);
    s << "ok " << r.ok << " visible " << r.errors.visible << " done " << r.reporter.done << '\n';
    for (const QString& m : r.reporter.messages)
        s << "message " << escaped(m) << '\n';
    for (const QString& line : r.errors.lines)
        s << "error " << escaped(line) << '\n';
    for (const TTreeData& p : r.persons) {
        s << "person " << p.Id << " [" << escaped(p.GivenName) << "] [" << escaped(p.Surname)
          << "] " << (p.Sex ? QString(QLatin1Char(p.Sex)) : QStringLiteral("-")) << " b "
          << QString::number(p.BirthDate, 'g', 17) << " [" << escaped(p.BirthPlace) << "] d "
          << QString::number(p.DeathDate, 'g', 17) << " m " << p.MotherId << " f " << p.FatherId
          << " s " << numbers(p.Spouses) << " c " << numbers(p.Children) << '\n';
        if (!p.Notes.isEmpty())
            s << "  note " << escaped(p.Notes) << '\n';
        for (const QString& picture : p.Pictures)
            s << "  picture " << escaped(picture) << '\n';
    }
    return out;
}

QByteArray written(const PersonList& persons)
{
    WriteOptions options;
    options.date = QDate(2026, 3, 7);
    return WriteGedcomBytes(persons, kFileName, options);
}

QByteArray digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray outcome(const QByteArray& input, Lang lang, int threads, qsizetype minPartBytes)
{
    ReadResult r;
    ReadOptions options;
    options.lang = lang;
    options.reporter = &r.reporter;
    options.threads = threads;
    options.minPartBytes = minPartBytes;
    r.ok = ReadGedcomBytes(input, kFileName, r.persons, r.errors, options);
    const QByteArray writer = r.ok ? digest(written(r.persons)) : QByteArray("-");
    return dump(r).toUtf8() + "writer " + writer + '\n';
}

// The read's dump followed by the digest of what the writer makes of it; the same whether the
// file is read in one part or in many small ones.
QByteArray outcome(const QByteArray& input, Lang lang)
{
    const QByteArray whole = outcome(input, lang, 1, 1);
    EXPECT_TRUE(outcome(input, lang, 5, 64) == whole);
    EXPECT_TRUE(outcome(input, lang, 0, ReadOptions().minPartBytes) == whole);
    return whole;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Compares the outcome of every file of a folder with its golden file.
void compareFolder(const QString& folder, const QString& prefix, const QStringList& filters)
{
    const QStringList names = QDir(folder).entryList(filters, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << folder.toStdString();
    for (const QString& name : names) {
        const QByteArray got = outcome(fileBytes(QDir(folder).filePath(name)), Lang::English);
        EXPECT_TRUE(MatchesGolden(kGolden + u'/' + prefix + name + QStringLiteral(".txt"), got));
    }
}

// A generated family with faults of many kinds spread through it, so that error lines,
// message boxes and unknown links occur all over a large file.
QByteArray faultyFamily(int persons, quint64 seed, bool brokenRecord, bool utf8)
{
    const QByteArray clean = written(GenerateFamily(persons, seed));
    QList<QByteArray> lines = clean.split('\n');
    int counter = 0;
    int personLines = 0;
    for (QByteArray& line : lines) {
        ++counter;
        if (line.startsWith("0 @I") && ++personLines % 83 == 0)
            line = "0 @I0@ INDI\r";
        else if (brokenRecord && line.startsWith("0 @I") && personLines == persons * 9 / 10)
            line = "0 @IBROKEN INDI\r";
        else if (line.startsWith("1 FAMS @F") && counter % 53 == 0)
            line = "1 FAMS @F99999999@\r";
        else if (line.startsWith("1 FAMC @F") && counter % 71 == 0)
            line = "1 FAMC @Fabc@\r";
        else if (line.startsWith("2 DATE ") && counter % 61 == 0)
            line = "2 DATE 31 02 19x7\r";
        else if (line.startsWith("1 NOTE @NI") && counter % 97 == 0)
            line = "1 NOTE @NI777777@\r";
        else if (line.startsWith("1 SEX ") && counter % 101 == 0)
            line = "1 SEX X\r";
        else if (line.startsWith("1 NAME ") && counter % 89 == 0)
            line = "1 NAME NO SLASHES HERE\r";
        else if (line.startsWith("1 SEX ") && counter % 113 == 0)
            line += "\n1 OBJE\r\n2 FORM gif\r\n2 FILE c:\\resim\\x.gif\r\n1 NOTE inline\r\n"
                    "2 CONT second\r";
        else if (utf8 && line.startsWith("2 PLAC ") && counter % 67 == 0)
            line = "2 PLAC \xE6\x97\xA5\r";
        else if (utf8 && line == "1 CHAR ANSI\r")
            line = "1 CHAR UTF-8\r";
    }
    const QByteArray bytes = lines.join('\n');
    if (!utf8)
        return bytes;
    QByteArray out;
    for (char c : bytes)
        out += static_cast<unsigned char>(c) < 0x80 ? QByteArray(1, c)
                                                    : QString(Cp1254Char(quint8(c))).toUtf8();
    return out;
}

struct Generated
{
    const char* name;
    int persons;
    quint64 seed;
    bool faults;
    bool brokenRecord;
    bool utf8;
    Lang lang;
};

const Generated kGenerated[] = {
    {"plain-1000-7", 1000, 7, false, false, false, Lang::English},
    {"plain-10000-1", 10000, 1, false, false, false, Lang::English},
    {"plain-10000-2", 10000, 2, false, false, false, Lang::Turkish},
    {"plain-100000-3", 100000, 3, false, false, false, Lang::English},
    {"faults-3000-4", 3000, 4, true, false, false, Lang::English},
    {"faults-3000-5", 3000, 5, true, true, false, Lang::Turkish},
    {"faults-utf8-3000-6", 3000, 6, true, false, true, Lang::English},
    {"faults-40000-8", 40000, 8, true, false, false, Lang::English},
};

} // namespace

TEST(ReaderGolden, SamplesOfOtherPrograms)
{
    if (!QDir(QStringLiteral(KINROW_SAMPLES)).exists())
        KINROW_SAMPLES_MISSING("the sample folder");
    compareFolder(QStringLiteral(KINROW_SAMPLES), QStringLiteral("sample-"),
                  {QStringLiteral("*.ged")});
}

TEST(ReaderGolden, FuzzCorpus)
{
    compareFolder(QStringLiteral(KINROW_SOURCE_DIR "/fuzz/corpus/reader"),
                  QStringLiteral("corpus-"), {QStringLiteral("*")});
}

TEST(ReaderGolden, SmallGeneratedFamily)
{
    const QByteArray got = outcome(written(GenerateFamily(60, 11)), Lang::English);
    EXPECT_TRUE(MatchesGolden(kGolden + QStringLiteral("/generated-60-11.txt"), got));
}

// Large families are kept as digests of their outcome: the input's, the read's and the write's.
TEST(ReaderGolden, GeneratedFamiliesByDigest)
{
    QByteArray table;
    for (const Generated& g : kGenerated) {
        const QByteArray input = g.faults ? faultyFamily(g.persons, g.seed, g.brokenRecord, g.utf8)
                                          : written(GenerateFamily(g.persons, g.seed));
        table +=
            QByteArray(g.name) + ' ' + digest(input) + ' ' + digest(outcome(input, g.lang)) + '\n';
    }
    EXPECT_TRUE(MatchesGolden(kGolden + QStringLiteral("/generated-digests.txt"), table));
}

// Files that run into the reader's limits: parts read on their own must leave out exactly the
// links, notes and error lines one pass leaves out.
TEST(ReaderGolden, LimitsAreTheOnePassLimits)
{
    QByteArray shared = dialectFile({}).replace("0 TRLR\r\n", "");
    for (int n = 1; n <= 3000; ++n)
        shared += "0 @I" + QByteArray::number(n) +
                  "@ INDI\r\n1 FAMS @F1@\r\n1 FAMS @F1@\r\n1 NOTE @NI1@\r\n";
    shared += "0 @F1@ FAM\r\n1 HUSB @I1@\r\n1 WIFE @I2@\r\n";
    for (int c = 1; c <= 3000; ++c)
        shared += "1 CHIL @I" + QByteArray::number(c) + "@\r\n";
    shared += "0 @NI1@ NOTE\r\n";
    for (int i = 0; i < 1000; ++i)
        shared += "1 CONC " + QByteArray(200, 'n') + "\r\n";
    QByteArray errors = dialectFile({}).replace("0 TRLR\r\n", "");
    for (int n = 1; n <= 30; ++n) {
        errors += "0 @I0@ INDI\r\n";
        for (int i = 0; i < 1000; ++i)
            errors += "1 FAMS @F9@\r\n";
    }
    for (const QByteArray& bytes : {shared, errors}) {
        const QByteArray whole = outcome(bytes + "0 TRLR\r\n", Lang::English, 1, 1);
        EXPECT_TRUE(outcome(bytes + "0 TRLR\r\n", Lang::English, 4, 64) == whole);
        EXPECT_TRUE(whole.contains("Limit") || whole.contains("more error lines"));
    }
}
