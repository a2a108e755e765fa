#include "pdfwords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace {

using namespace kinrow::test;

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

const QString Sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");
const QString LongNames = QStringLiteral(KINROW_TEST_DATA "/printouts/longnames.ged");
const QString AllColumns = QStringLiteral("3,4,5,6,7,8");

// The words of a page's heading line, left to right: those level with "No".
std::vector<PdfWord> HeadingLine(const PdfPage& page)
{
    const auto no = std::find_if(page.words.begin(), page.words.end(),
                                 [](const PdfWord& word) { return word.text == u"No"; });
    if (no == page.words.end())
        return {};
    std::vector<PdfWord> line;
    for (const PdfWord& word : page.words) {
        if (qAbs(word.mm.top() - no->mm.top()) < 0.3)
            line.push_back(word);
    }
    std::sort(line.begin(), line.end(),
              [](const PdfWord& a, const PdfWord& b) { return a.mm.left() < b.mm.left(); });
    return line;
}

TEST(KinrowToolList, ColumnHeadingsAreMeasuredAndStandApart)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"list.pdf"_qs);
    ASSERT_EQ(Tool({u"list"_qs, Sample, pdf}).exitCode, 0);
    const std::vector<PdfWord> line = HeadingLine(PdfWords(pdf).at(0));
    QStringList texts;
    for (const PdfWord& word : line)
        texts << word.text;
    // Merged headings ("SoyadDogum") or headings printed over each other read differently.
    ASSERT_EQ(texts.join(u' '), u"No Ad Soyad Dogum Yeri Dogum Tarihi"_qs);
    // Each heading ends at least most of the 2 mm gap before the next begins.
    for (const auto& [end, next] : {std::pair{0, 1}, {1, 2}, {2, 3}, {4, 5}}) {
        EXPECT_GE(line[std::size_t(next)].mm.left() - line[std::size_t(end)].mm.right(), 1.5)
            << texts[end].toStdString() << " / " << texts[next].toStdString();
    }
}

// Checks every page of a list printout: each text below the headings stays left of the next
// column and of the printable edge and above the bottom line, and the pages are numbered p/P.
// Returns the record numbers printed in the first column.
QList<int> ExpectEveryTextInItsColumn(const std::vector<PdfPage>& pages)
{
    static const QSet<QString> firstWords{u"No"_qs,   u"Ad"_qs,   u"Soyad"_qs,  u"Dogum"_qs,
                                          u"Anne"_qs, u"Baba"_qs, u"Esleri"_qs, u"Cocuklar"_qs};
    static const QRegularExpression pageNumber(u"^([0-9]+)/([0-9]+)$"_qs);
    QList<int> numbers;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        const PdfPage& page = pages[p];
        const std::vector<PdfWord> headings = HeadingLine(page);
        EXPECT_FALSE(headings.empty()) << "page " << p + 1;
        if (headings.empty())
            continue;
        std::vector<double> starts;
        for (const PdfWord& word : headings) {
            if (firstWords.contains(word.text))
                starts.push_back(word.mm.left());
        }
        const double rightEdge = page.mm.width() - 5;
        double bottomLine = 0;
        for (const PdfWord& word : page.words)
            bottomLine = std::max(bottomLine, word.mm.top());
        bool numbered = false;
        for (const PdfWord& word : page.words) {
            if (const auto m = pageNumber.match(word.text); m.hasMatch()) {
                numbered = true;
                EXPECT_EQ(m.captured(1).toULongLong(), p + 1);
                EXPECT_EQ(m.captured(2).toULongLong(), pages.size());
            }
            if (word.mm.top() <= headings.front().mm.top() + 0.3 ||
                word.mm.top() >= bottomLine - 0.1)
                continue;
            const auto next = std::upper_bound(starts.begin(), starts.end(), word.mm.left() + 0.1);
            const double limit = next == starts.end() ? rightEdge : *next;
            EXPECT_LE(word.mm.right(), limit + 0.05)
                << "page " << p + 1 << ": " << word.text.toStdString() << " runs from "
                << word.mm.left() << " to " << word.mm.right() << " mm";
            EXPECT_LE(word.mm.bottom(), bottomLine + 0.05) << word.text.toStdString();
            bool isNumber = false;
            const int number = word.text.toInt(&isNumber);
            if (isNumber && qAbs(word.mm.left() - starts.front()) < 0.1)
                numbers << number;
        }
        EXPECT_TRUE(numbered) << "page " << p + 1;
    }
    return numbers;
}

TEST(KinrowToolList, TextsWiderThanTheirColumnWrapWithinIt)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir dir;
    // The sample family with all columns is just too wide for the page.
    const QString sample = dir.filePath(u"sample.pdf"_qs);
    ASSERT_EQ(Tool({u"list"_qs, Sample, sample, u"--columns"_qs, AllColumns}).exitCode, 0);
    ExpectEveryTextInItsColumn(PdfWords(sample));

    // A man with 25 children by his first wife and 30 brothers and sisters: rows many lines
    // tall, so the 87 rows take more than two pages.
    const QString pdf = dir.filePath(u"long.pdf"_qs);
    ASSERT_EQ(Tool({u"list"_qs, LongNames, pdf, u"--columns"_qs, AllColumns}).exitCode, 0);
    const std::vector<PdfPage> pages = PdfWords(pdf);
    EXPECT_GT(pages.size(), 2u);
    QList<int> numbers = ExpectEveryTextInItsColumn(pages);
    std::sort(numbers.begin(), numbers.end());
    QList<int> all(87);
    std::iota(all.begin(), all.end(), 1);
    EXPECT_EQ(numbers, all) << "every row once, none lost at a page break";
    // Each child stands in its own row and in the children of both parents.
    QStringList words;
    for (const PdfPage& page : pages) {
        for (const PdfWord& word : page.words)
            words << word.text;
    }
    for (int child = 1; child <= 25; ++child) {
        const QString name = QStringLiteral("Çocuk%1").arg(child, 2, 10, QChar(u'0'));
        EXPECT_GE(words.count(name), 3) << name.toStdString();
    }
}

} // namespace
