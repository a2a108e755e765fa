#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString output;
};

ToolRun Tool(const QStringList& args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(KINROW_TOOL), args);
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

QString PdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(KinrowToolList, PrintsTheScopedSortedRowsIntoAPdf)
{
    if (QProcess::execute(QStringLiteral("pdftotext"), {QStringLiteral("-v")}) != 0)
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString family = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    const ToolRun run =
        Tool({QStringLiteral("list"), family, pdf, QStringLiteral("--scope"),
              QStringLiteral("surname:ÇELİK"), QStringLiteral("--columns"), QStringLiteral("3"),
              QStringLiteral("--sort"), QStringLiteral("1:desc")});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("Sayfa : 1/1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Dogum Yeri")));
    EXPECT_FALSE(text.contains(QStringLiteral("Dogum Tarihi")));
    const qsizetype huseyin = text.indexOf(QStringLiteral("Hüseyin"));
    const qsizetype serife = text.indexOf(QStringLiteral("Şerife"));
    EXPECT_GE(huseyin, 0);
    EXPECT_GT(huseyin, serife); // given names in descending order
    EXPECT_FALSE(text.contains(QStringLiteral("Mehmet")));
}

TEST(KinrowToolList, AnEmptySelectionAndBadOptionsAreRefused)
{
    QTemporaryDir dir;
    const QString family = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    const ToolRun empty = Tool({QStringLiteral("list"), family, pdf, QStringLiteral("--scope"),
                                QStringLiteral("surname:NOBODY")});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.output.contains(QStringLiteral("No checked person in table.")));
    EXPECT_EQ(
        Tool({QStringLiteral("list"), family, pdf, QStringLiteral("--sort"), QStringLiteral("x")})
            .exitCode,
        2);
    EXPECT_EQ(
        Tool({QStringLiteral("list"), family, dir.filePath(QStringLiteral("no/dir.pdf"))}).exitCode,
        1);
    EXPECT_EQ(
        Tool({QStringLiteral("list"), dir.filePath(QStringLiteral("none.ged")), pdf}).exitCode, 1);
}

TEST(KinrowToolList, BadOptionValuesAreNamed)
{
    QTemporaryDir dir;
    const QString family = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    const struct
    {
        QStringList options;
        QString named;
    } cases[] = {
        {{u"--columns"_qs, u"3,12"_qs}, u"--columns 3,12: no column 12 (columns are 0 to 8)"_qs},
        {{u"--columns"_qs, u"3,x"_qs}, u"--columns 3,x: no column x"_qs},
        {{u"--sort"_qs, u"9:desc"_qs}, u"--sort 9:desc: no column 9"_qs},
        {{u"--pages"_qs, u"5-2"_qs}, u"--pages 5-2: not a page range"_qs},
        {{u"--pages"_qs, u"0-3"_qs}, u"--pages 0-3"_qs},
        {{u"--scope"_qs, u"cousins"_qs}, u"--scope cousins: not a scope"_qs},
        {{u"--scope"_qs, u"family:x"_qs}, u"x is not a record number"_qs},
        {{u"--lang"_qs, u"de"_qs}, u"--lang de"_qs},
    };
    for (const auto& [options, named] : cases) {
        const ToolRun run = Tool(QStringList{u"list"_qs, family, pdf} + options);
        EXPECT_EQ(run.exitCode, 2) << options.join(u' ').toStdString();
        EXPECT_TRUE(run.output.contains(named)) << run.output.toStdString();
    }
    // Pages past the end are known only once the rows are counted: a refusal, not a usage error.
    const ToolRun late = Tool({u"list"_qs, family, pdf, u"--pages"_qs, u"40-41"_qs});
    EXPECT_EQ(late.exitCode, 1);
    EXPECT_TRUE(late.output.contains(u"--pages 40-41: out of range 1-"_qs))
        << late.output.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

} // namespace
