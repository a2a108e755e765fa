#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

ToolRun tool(const QStringList& args)
{
    QProcess process;
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
