#include "model/buildversion.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the tool; with a file size limit (in blocks of 512 bytes), every write beyond it fails
// as on a full disk ("File too large").
ToolRun tool(const QStringList& args, int sizeLimit = 0)
{
    QProcess process;
    if (sizeLimit > 0)
        process.start(
            u"/bin/sh"_qs,
            QStringList{u"-c"_qs,
                        u"trap '' XFSZ; ulimit -f %1; exec \"$0\" \"$@\""_qs.arg(sizeLimit),
                        QStringLiteral(KINROW_TOOL)} +
                args);
    else
        process.start(QStringLiteral(KINROW_TOOL), args);
    ToolRun run;
    if (!process.waitForFinished(120000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString lastLine(const QString& text)
{
    return text.trimmed().split(u'\n').last();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isFifo(const QString& path)
{
    struct stat info = {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISFIFO(info.st_mode);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

const QString Sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");

// The commands that write, each with its arguments around the family file and the output.
struct Writer
{
    QString name;
    std::function<QStringList(const QString& family, const QString& out)> args;
};

const QList<Writer>& writers()
{
    static const QList<Writer> all = {
        {u"convert"_qs,
         [](auto f, auto o) {
             return QStringList{u"convert"_qs, f, o};
         }},
        {u"generate"_qs,
         [](auto, auto o) {
             return QStringList{u"generate"_qs, u"40"_qs, o};
         }},
        {u"chart"_qs,
         [](auto f, auto o) {
             return QStringList{u"chart"_qs, f, u"1"_qs, o};
         }},
        {u"list"_qs,
         [](auto f, auto o) {
             return QStringList{u"list"_qs, f, o};
         }},
        {u"table"_qs,
         [](auto f, auto o) {
             return QStringList{u"table"_qs, f, u"1"_qs, o};
         }},
        {u"export"_qs,
         [](auto f, auto o) {
             return QStringList{u"export"_qs, f, o};
         }},
    };
    return all;
}

TEST(KinrowTool, UsageErrorsExitWithTwo)
{
    EXPECT_EQ(tool({}).exitCode, 2);
    EXPECT_EQ(tool({u"frobnicate"_qs}).exitCode, 2);
    EXPECT_EQ(tool({u"check"_qs}).exitCode, 2);
    EXPECT_EQ(tool({u"check"_qs, u"a.ged"_qs, u"--lang"_qs, u"fr"_qs}).exitCode, 2);
    EXPECT_EQ(tool({u"generate"_qs, u"many"_qs, u"x.ged"_qs}).exitCode, 2);
    EXPECT_EQ(tool({u"generate"_qs, u"5"_qs, u"x.ged"_qs, u"--seed"_qs}).exitCode, 2);
    EXPECT_EQ(tool({u"convert"_qs, u"a.ged"_qs}).exitCode, 2);
}

TEST(KinrowTool, GeneratedFamilyIsCheckedAndConverted)
{
    QTemporaryDir dir;
    const QString family = dir.filePath(u"aile.ged"_qs);
    const ToolRun generated = tool({u"generate"_qs, u"250"_qs, family, u"--seed"_qs, u"4"_qs});
    ASSERT_EQ(generated.exitCode, 0) << generated.err.toStdString();

    const ToolRun checked = tool({u"check"_qs, family});
    ASSERT_EQ(checked.exitCode, 0) << checked.err.toStdString();
    EXPECT_EQ(lastLine(checked.out), u"persons: 250"_qs);
    EXPECT_TRUE(checked.out.startsWith(u"File Name : "_qs)) << checked.out.toStdString();
    EXPECT_FALSE(checked.out.contains(u"ERROR"_qs)) << checked.out.toStdString();
    EXPECT_FALSE(checked.out.contains(u"ATTANTION"_qs)) << checked.out.toStdString();
    const ToolRun turkish = tool({u"check"_qs, family, u"--lang"_qs, u"tr"_qs});
    EXPECT_TRUE(turkish.out.startsWith(u"Dosya Adı : "_qs)) << turkish.out.toStdString();

    // Converting twice: the second run keeps the first output as the backup.
    const QString copy = dir.filePath(u"Kopya.GED"_qs);
    ASSERT_EQ(tool({u"convert"_qs, family, copy}).exitCode, 0);
    ASSERT_EQ(tool({u"convert"_qs, family, copy}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.filePath(u"Kopya.bak"_qs)));
    EXPECT_EQ(lastLine(tool({u"check"_qs, copy}).out), u"persons: 250"_qs);
}

TEST(KinrowTool, RefusedFilesExitWithOneAndSayWhy)
{
    QTemporaryDir dir;
    const QString bad = dir.filePath(u"bozuk.ged"_qs);
    put(bad, "0 HEAD\r\n1 NOTE x\r\n2 A\r\n3 B\r\n4 C\r\n5 D\r\n");
    const ToolRun refused = tool({u"check"_qs, bad});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(u"File format is not right."_qs)) << refused.err.toStdString();
    EXPECT_EQ(tool({u"check"_qs, dir.filePath(u"yok.ged"_qs)}).exitCode, 1);
    EXPECT_NE(tool({u"convert"_qs, bad, dir.filePath(u"out.ged"_qs)}).exitCode, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"out.ged"_qs)));
}

TEST(KinrowTool, AnEmptyFileReadsAsNoPersons)
{
    QTemporaryDir dir;
    put(dir.filePath(u"bos.ged"_qs), {});
    const ToolRun run = tool({u"check"_qs, dir.filePath(u"bos.ged"_qs)});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(lastLine(run.out), u"persons: 0"_qs);
}

TEST(KinrowTool, LegacyFilesAreImportedAndConverted)
{
    QTemporaryDir dir;
    put(dir.filePath(u"eski.dat"_qs), QByteArray(2 * 504, '\0'));
    const ToolRun run = tool({u"check"_qs, dir.filePath(u"eski.dat"_qs)});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(lastLine(run.out), u"persons: 2"_qs);
    const QString converted = dir.filePath(u"eski.ged"_qs);
    ASSERT_EQ(tool({u"convert"_qs, dir.filePath(u"eski.dat"_qs), converted}).exitCode, 0);
    EXPECT_EQ(lastLine(tool({u"check"_qs, converted}).out), u"persons: 2"_qs);

    put(dir.filePath(u"kisa.dat"_qs), QByteArray(1000, '\0'));
    EXPECT_EQ(tool({u"check"_qs, dir.filePath(u"kisa.dat"_qs)}).exitCode, 1);
}

TEST(KinrowTool, PlausibilityListsFindingsWithoutChangingTheExitCode)
{
    QTemporaryDir dir;
    // Two empty legacy records: two persons without any name.
    put(dir.filePath(u"eski.dat"_qs), QByteArray(2 * 504, '\0'));
    const ToolRun run = tool({u"check"_qs, dir.filePath(u"eski.dat"_qs), u"--plausibility"_qs});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split(u'\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines.mid(lines.size() - 4),
              QStringList({u"persons: 2"_qs, u"Family check - findings : 2"_qs,
                           u"Record 1 has no name."_qs, u"Record 2 has no name."_qs}));
    EXPECT_EQ(tool({u"check"_qs, dir.filePath(u"yok.ged"_qs), u"--plausibility"_qs}).exitCode, 1);
}

TEST(KinrowTool, NoCommandWritesOverTheFamilyOrOverAnythingButARegularFile)
{
    struct Target
    {
        QString what;
        QString name; // in the folder, or an absolute name
        QString reason;
        bool sameAsFamily;
    };
    // The table names its format by the extension, so every name ends in ".txt" but the two
    // that cannot.
    const QList<Target> targets = {
        {u"the family file, spelled another way"_qs, u"./aile.ged"_qs, u"family file"_qs, true},
        {u"a symbolic link to the family file"_qs, u"link.txt"_qs, u"family file"_qs, true},
        {u"a hard link to the family file"_qs, u"hard.txt"_qs, u"family file"_qs, true},
        {u"a FIFO"_qs, u"fifo.txt"_qs, u"FIFO"_qs, false},
        {u"a folder"_qs, u"folder.txt"_qs, u"folder"_qs, false},
        {u"a link to a device"_qs, u"full.txt"_qs, u"device"_qs, false},
        {u"a device"_qs, u"/dev/full"_qs, u"device"_qs, false},
    };
    for (const Writer& writer : writers()) {
        for (const Target& target : targets) {
            const bool tableName = target.name.endsWith(u".txt");
            if ((writer.name == u"table" && !tableName) ||
                (writer.name == u"generate" && target.sameAsFamily))
                continue;
            SCOPED_TRACE((writer.name + u" into "_qs + target.what).toStdString());
            QTemporaryDir dir;
            const QString family = dir.filePath(u"aile.ged"_qs);
            ASSERT_TRUE(QFile::copy(Sample, family));
            ASSERT_TRUE(QFile::link(family, dir.filePath(u"link.txt"_qs)));
            ASSERT_EQ(::link(QFile::encodeName(family).constData(),
                             QFile::encodeName(dir.filePath(u"hard.txt"_qs)).constData()),
                      0);
            ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(u"fifo.txt"_qs)).constData(), 0600),
                      0);
            ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.txt"_qs));
            ASSERT_TRUE(QFile::link(u"/dev/full"_qs, dir.filePath(u"full.txt"_qs)));
            const QStringList before = entries(dir.path());
            const QString out =
                target.name.startsWith(u'/') ? target.name : dir.path() + u'/' + target.name;

            const ToolRun run = tool(writer.args(family, out));
            EXPECT_EQ(run.exitCode, 1) << run.out.toStdString();
            EXPECT_TRUE(run.err.contains(QFileInfo(out).fileName()) &&
                        run.err.contains(target.reason))
                << run.err.toStdString();
            EXPECT_EQ(contents(family), contents(Sample));
            EXPECT_EQ(entries(dir.path()), before); // no backup, no temporary file left
            EXPECT_TRUE(isFifo(dir.filePath(u"fifo.txt"_qs)));
            EXPECT_TRUE(QFileInfo(dir.filePath(u"folder.txt"_qs)).isDir());
        }
    }
}

TEST(KinrowTool, AFailedWriteExitsWithOneAndLeavesTheOldFile)
{
    for (const Writer& writer : writers()) {
        SCOPED_TRACE(writer.name.toStdString());
        QTemporaryDir dir;
        const QString family = dir.filePath(u"aile.ged"_qs);
        ASSERT_TRUE(QFile::copy(Sample, family));
        const QString out = dir.filePath(u"out.txt"_qs);
        put(out, "the old file");
        const QStringList before = entries(dir.path());
        // Two blocks of 512 bytes: every output here is larger.
        const ToolRun run = tool(writer.args(family, out), 2);
        EXPECT_EQ(run.exitCode, 1) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(u"out.txt"_qs) && run.err.contains(u"File too large"_qs))
            << run.err.toStdString();
        EXPECT_EQ(contents(out), "the old file");
        EXPECT_EQ(entries(dir.path()), before);
    }
}

TEST(KinrowTool, RestoringTheBackupKeepsItAndThePreviousFamily)
{
    QTemporaryDir dir;
    const QString family = dir.filePath(u"fam.ged"_qs);
    const QString backup = dir.filePath(u"fam.bak"_qs);
    ASSERT_EQ(tool({u"generate"_qs, u"30"_qs, backup}).exitCode, 0);
    ASSERT_EQ(tool({u"generate"_qs, u"5"_qs, family}).exitCode, 0);
    const QByteArray restored = contents(backup);
    const QByteArray previous = contents(family);

    const ToolRun run = tool({u"convert"_qs, backup, family});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(lastLine(run.out), u"persons: 30"_qs); // the backup is read by its content
    EXPECT_EQ(contents(backup), restored);
    EXPECT_EQ(contents(dir.filePath(u"fam.1.bak"_qs)), previous);
    EXPECT_TRUE(run.err.contains(u"fam.1.bak"_qs)) << run.err.toStdString();
    EXPECT_EQ(lastLine(tool({u"check"_qs, family}).out), u"persons: 30"_qs);
}

TEST(KinrowTool, AFamilyReadAsEmptyFromAFileWithContentsIsNotWritten)
{
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"bos.ged"_qs);
    put(empty, "0 HEAD\r\n1 SOUR Kinrow\r\n2 VERS 3.04\r\n1 CHAR ANSEL\r\n1 GEDC\r\n0 TRLR\r\n");
    const QString out = dir.filePath(u"out.ged"_qs);
    put(out, "the old family");
    const ToolRun run = tool({u"convert"_qs, empty, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(u"no persons"_qs)) << run.err.toStdString();
    EXPECT_EQ(contents(out), "the old family");
    EXPECT_FALSE(QFile::exists(dir.filePath(u"out.bak"_qs)));

    // A file that is neither a family file nor empty is refused, not read as no persons.
    put(dir.filePath(u"notes.txt"_qs), "some notes");
    EXPECT_EQ(tool({u"convert"_qs, dir.filePath(u"notes.txt"_qs), out}).exitCode, 1);
    EXPECT_EQ(contents(out), "the old family");
}

TEST(KinrowTool, GeneratingOverAFamilyKeepsItsBackup)
{
    QTemporaryDir dir;
    const QString family = dir.filePath(u"aile.ged"_qs);
    ASSERT_EQ(tool({u"generate"_qs, u"5"_qs, family}).exitCode, 0);
    const QByteArray first = contents(family);
    ASSERT_EQ(tool({u"generate"_qs, u"7"_qs, family}).exitCode, 0);
    EXPECT_EQ(contents(dir.filePath(u"aile.bak"_qs)), first);
}

TEST(KinrowTool, AnUnreadableFamilyFileSaysWhy)
{
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(u"fifo.ged"_qs)).constData(), 0600), 0);
    const struct
    {
        QString file;
        QString reason;
    } cases[] = {
        {dir.filePath(u"yok.ged"_qs), u"no such file"_qs},
        {dir.path(), u"is a folder"_qs},
        {dir.filePath(u"fifo.ged"_qs), u"is a FIFO (named pipe)"_qs}, // read, it would never end
        {u"/dev/zero"_qs, u"is a device"_qs},
    };
    for (const auto& [file, reason] : cases) {
        const ToolRun run = tool({u"check"_qs, file});
        EXPECT_EQ(run.exitCode, 1) << file.toStdString();
        EXPECT_EQ(run.err.trimmed().toStdString(),
                  u"cannot open %1: %2"_qs.arg(file, reason).toStdString());
    }
}

TEST(KinrowTool, BadValuesAreNamedWithTheUsage)
{
    const struct
    {
        QStringList args;
        QString named;
    } cases[] = {
        {{u"generate"_qs, u"many"_qs, u"x.ged"_qs}, u"N many"_qs},
        {{u"generate"_qs, u"20000001"_qs, u"x.ged"_qs}, u"N 20000001"_qs},
        {{u"generate"_qs, u"5"_qs, u"x.ged"_qs, u"--seed"_qs, u"-1"_qs}, u"--seed -1"_qs},
        {{u"check"_qs, u"a.ged"_qs, u"--lang"_qs, u"fr"_qs}, u"--lang fr"_qs},
        {{u"convert"_qs, u"a.ged"_qs}, u"2 argument(s), 1 given"_qs},
        {{u"check"_qs, u"a.ged"_qs, u"--colour"_qs}, u"colour"_qs},
    };
    for (const auto& [args, named] : cases) {
        const ToolRun run = tool(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_TRUE(run.err.contains(named) && run.err.contains(u"usage: kinrow-tool "_qs))
            << run.err.toStdString();
    }
}

TEST(KinrowTool, AnswersHelpAndVersion)
{
    const ToolRun version = tool({u"--version"_qs});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), u"kinrow-tool " KINROW_VERSION_STRING ""_qs);
    const ToolRun help = tool({u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    for (const QString& command : {u"check"_qs, u"convert"_qs, u"generate"_qs, u"time"_qs,
                                   u"chart"_qs, u"table"_qs, u"list"_qs, u"export"_qs})
        EXPECT_TRUE(help.out.contains(u"\n  "_qs + command + u' ')) << command.toStdString();
    const ToolRun chart = tool({u"chart"_qs, u"--help"_qs});
    EXPECT_EQ(chart.exitCode, 0);
    EXPECT_TRUE(chart.out.startsWith(u"Usage: kinrow-tool chart [options] FILE RECNO OUT.pdf"_qs))
        << chart.out.toStdString();
    EXPECT_TRUE(chart.out.contains(u"--lang"_qs));
}

TEST(KinrowTool, ExportWritesStandardGedcomAndExitsByOutcome)
{
    QTemporaryDir dir;
    const QString family = dir.filePath(u"aile.ged"_qs);
    ASSERT_EQ(tool({u"generate"_qs, u"40"_qs, family}).exitCode, 0);
    const auto bytesOf = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = bytesOf(family);

    const QString out = dir.filePath(u"disa.ged"_qs);
    const ToolRun run = tool({u"export"_qs, family, out, u"--lang"_qs, u"tr"_qs});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QByteArray bytes = bytesOf(out);
    EXPECT_TRUE(bytes.contains("\r\n2 VERS 5.5.1\r\n2 FORM LINEAGE-LINKED\r\n1 CHAR UTF-8\r\n"
                               "1 LANG Turkish\r\n"));
    EXPECT_EQ(lastLine(tool({u"check"_qs, out}).out), u"persons: 40"_qs);
    EXPECT_EQ(bytesOf(family), before);

    const struct
    {
        QStringList args;
        int exitCode;
    } cases[] = {
        {{u"export"_qs, family}, 2},
        {{u"export"_qs, family, out, u"--lang"_qs, u"fr"_qs}, 2},
        {{u"export"_qs, dir.filePath(u"yok.ged"_qs), out}, 1},
        {{u"export"_qs, family, dir.filePath(u"yok/disa.ged"_qs)}, 1},
        {{u"export"_qs, family, family}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tool(c.args).exitCode, c.exitCode) << c.args.join(u' ').toStdString();
    EXPECT_EQ(bytesOf(family), before);
}

TEST(KinrowTool, PlausibilityWeighsQualifiedYearsAndDeathsOfParents)
{
    QTemporaryDir dir;
    // The mother died before her son's birth; the father's birth year is only an upper bound,
    // so his age at the birth (76 by the years) may be anything above: still over 70.
    // The daughter was born before 1760 to a mother born 1686: not certainly over 70.
    put(dir.filePath(u"aile.ged"_qs),
        "0 HEAD\r\n1 SOUR Kinrow\r\n2 VERS 3.04\r\n2 NAME Kinrow\r\n1 CHAR ANSI\r\n"
        "0 @S0@ SUBM\r\n1 NAME Not Given\r\n"
        "0 @I1@ INDI\r\n1 NAME Ayse /Kaya/\r\n1 SEX F\r\n1 BIRT\r\n2 DATE 1686\r\n"
        "1 DEAT\r\n2 DATE 1760\r\n1 FAMS @F1@\r\n"
        "0 @I2@ INDI\r\n1 NAME Ali /Kaya/\r\n1 SEX M\r\n1 BIRT\r\n2 DATE BEF 1686\r\n"
        "1 FAMS @F1@\r\n"
        "0 @I3@ INDI\r\n1 NAME Emre /Kaya/\r\n1 SEX M\r\n1 BIRT\r\n2 DATE 1762\r\n"
        "1 FAMC @F1@\r\n"
        "0 @I4@ INDI\r\n1 NAME Ece /Kaya/\r\n1 SEX F\r\n1 BIRT\r\n2 DATE BEF 1759\r\n"
        "1 FAMC @F1@\r\n"
        "0 @F1@ FAM\r\n1 HUSB @I2@\r\n1 WIFE @I1@\r\n1 CHIL @I3@\r\n1 CHIL @I4@\r\n"
        "0 TRLR\r\n");
    const ToolRun run = tool(
        {u"check"_qs, dir.filePath(u"aile.ged"_qs), u"--plausibility"_qs, u"--lang"_qs, u"tr"_qs});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.trimmed().split(u'\n');
    const QStringList findings = lines.mid(lines.indexOf(u"Aile denetimi - bulgu sayısı : 3"_qs));
    EXPECT_EQ(findings.join(u'\n').toStdString(),
              QStringList({u"Aile denetimi - bulgu sayısı : 3"_qs,
                           u"1 nolu kayıt, çocuğu 3 nolu kayıt doğduğunda 76 "
                           u"yaşındaydı (70 yaşından büyük)."_qs,
                           u"2 nolu kayıt, çocuğu 3 nolu kayıt doğduğunda 76 "
                           u"yaşındaydı (70 yaşından büyük)."_qs,
                           u"3 nolu kayıt, annesi 1 nolu kaydın ölümünden sonra "
                           u"doğmuş."_qs})
                  .join(u'\n')
                  .toStdString())
        << run.out.toStdString();
}

} // namespace
