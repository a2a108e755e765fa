#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

int Tool(const QStringList& args, QString* out = nullptr, QString* err = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(KINROW_TOOL), args);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (out)
        *out = QString::fromUtf8(process.readAllStandardOutput());
    if (err)
        *err = QString::fromUtf8(process.readAllStandardError());
    return process.exitCode();
}

const QString Sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");

TEST(TableTool, ExitCodes)
{
    QTemporaryDir dir;
    const QString txt = dir.filePath(u"t.txt"_qs);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"1"_qs}), 2);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"1"_qs, dir.filePath(u"t.doc"_qs)}), 2);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"1"_qs, txt, u"--generations"_qs, u"100"_qs}), 2);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"x"_qs, txt}), 2);
    EXPECT_EQ(Tool({u"table"_qs, dir.filePath(u"none.ged"_qs), u"1"_qs, txt}), 1);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"0"_qs, txt}), 1);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"100000"_qs, txt}), 1);
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"1"_qs, dir.filePath(u"no/such/t.txt"_qs)}), 1);
    EXPECT_FALSE(QFile::exists(txt));
}

TEST(TableTool, BadValuesAreNamed)
{
    QTemporaryDir dir;
    const QString txt = dir.filePath(u"t.txt"_qs);
    const struct
    {
        QStringList args;
        QString named;
    } cases[] = {
        {{u"--generations"_qs, u"100"_qs},
         u"--generations 100: not a whole number from 1 to 99"_qs},
        {{u"--generations"_qs, u"0"_qs}, u"--generations 0"_qs},
        {{u"--generations"_qs, u"-2"_qs}, u"--generations -2"_qs},
    };
    for (const auto& [options, named] : cases) {
        QString err;
        EXPECT_EQ(Tool(QStringList{u"table"_qs, Sample, u"1"_qs, txt} + options, nullptr, &err), 2);
        EXPECT_TRUE(err.contains(named)) << err.toStdString();
    }
    QString err;
    EXPECT_EQ(Tool({u"table"_qs, Sample, u"1"_qs, dir.filePath(u"t.doc"_qs)}, nullptr, &err), 2);
    EXPECT_TRUE(err.contains(u"t.doc: not an export name"_qs)) << err.toStdString();
    EXPECT_FALSE(QFile::exists(txt));
}

TEST(TableTool, EveryRowIsExpandedAndCounted)
{
    QTemporaryDir dir;
    const QString txt = dir.filePath(u"t.txt"_qs);
    QString out;
    ASSERT_EQ(Tool({u"table"_qs, Sample, u"1"_qs, txt, u"--lang"_qs, u"tr"_qs}, &out), 0);
    QFile file(txt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const qsizetype lines = file.readAll().count("\r\n");
    // The header line and one line per row of the table, collapsed ones included.
    EXPECT_EQ(out.trimmed(), u"Tablodaki kişi sayısı : %1"_qs.arg(lines - 1));
    EXPECT_GT(lines, 10);
}

} // namespace
