#include "print/pdfwords.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

using namespace kinrow::test;

const QString Sample = QStringLiteral(KINROW_SOURCE_DIR "/data/sample/aile.ged");

int RunTool(const QStringList& args, QString* errors = nullptr)
{
    QProcess process;
    process.start(QStringLiteral(KINROW_TOOL), args);
    if (!process.waitForFinished(120000))
        return -1;
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2;
}

// The text of a PDF file as pdftotext extracts it; empty without pdftotext.
QString PdfText(const QString& pdf)
{
    const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_qs);
    if (pdftotext.isEmpty())
        return {};
    QProcess process;
    process.start(pdftotext, {pdf, u"-"_qs});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ChartPdf, WritesTheChartOfARecordAsTextInAPdf)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_qs).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString english = dir.filePath(u"kemal.pdf"_qs);
    QString errors;
    ASSERT_EQ(RunTool({u"chart"_qs, Sample, u"19"_qs, english}, &errors), 0)
        << errors.toStdString();
    const QString text = PdfText(english);
    EXPECT_TRUE(text.contains(u"KINROW - Family Tree"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Kemal ÖZTÜRK"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Osman (x)"_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"CHILDREN"_qs));

    const QString turkish = dir.filePath(u"kemal-tr.pdf"_qs);
    ASSERT_EQ(RunTool({u"chart"_qs, Sample, u"19"_qs, turkish, u"--lang"_qs, u"tr"_qs}), 0);
    const QString trText = PdfText(turkish);
    EXPECT_TRUE(trText.contains(u"KINROW - Aile Soyağacı"_qs)) << trText.toStdString();
    EXPECT_TRUE(trText.contains(u"ÇOCUKLARI"_qs)) << trText.toStdString();
}

TEST(ChartPdf, RefusesMissingFilesAndRecordsOutOfRange)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"out.pdf"_qs);
    QString errors;
    for (const QString& recNo : {u"0"_qs, u"42"_qs, u"-3"_qs}) {
        EXPECT_EQ(RunTool({u"chart"_qs, Sample, recNo, out}, &errors), 1) << recNo.toStdString();
        EXPECT_TRUE(errors.contains(u"out of range"_qs)) << errors.toStdString();
    }
    EXPECT_EQ(RunTool({u"chart"_qs, dir.filePath(u"yok.ged"_qs), u"1"_qs, out}), 1);
    EXPECT_EQ(
        RunTool({u"chart"_qs, Sample, u"1"_qs, dir.filePath(u"no/such/dir/x.pdf"_qs)}, &errors), 1);
    EXPECT_FALSE(errors.isEmpty());
    EXPECT_FALSE(QFile::exists(out));
}

TEST(ChartPdf, WrongArgumentsAreUsageErrors)
{
    QString errors;
    EXPECT_EQ(RunTool({u"chart"_qs, Sample, u"bir"_qs, u"x.pdf"_qs}, &errors), 2);
    EXPECT_TRUE(errors.contains(u"RECNO bir: not a record number"_qs)) << errors.toStdString();
    EXPECT_EQ(RunTool({u"chart"_qs}), 2);
    EXPECT_EQ(RunTool({u"chart"_qs, Sample, u"1"_qs}), 2);
    EXPECT_EQ(RunTool({u"chart"_qs, Sample, u"bir"_qs, u"x.pdf"_qs}), 2);
    EXPECT_EQ(RunTool({u"chart"_qs, Sample, u"1"_qs, u"x.pdf"_qs, u"--lang"_qs, u"de"_qs}), 2);
}

TEST(ChartPdf, APictureThatIsAFifoOrAFolderIsMissingNotAHang)
{
    QTemporaryDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath(u"fifo.jpg"_qs)).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.jpg"_qs));
    const QString family = dir.filePath(u"aile.ged"_qs);
    QFile file(family);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n"
               "0 @I1@ INDI\r\n1 NAME AHMET /YILMAZ/\r\n1 SEX M\r\n1 FAMC @F1@\r\n"
               "1 OBJE\r\n2 FILE fifo.jpg\r\n"
               "0 @I2@ INDI\r\n1 NAME ALİ /YILMAZ/\r\n1 SEX M\r\n1 FAMS @F1@\r\n"
               "1 OBJE\r\n2 FILE folder.jpg\r\n"
               "0 @F1@ FAM\r\n1 HUSB @I2@\r\n1 CHIL @I1@\r\n0 TRLR\r\n");
    file.close();
    QString errors;
    EXPECT_EQ(RunTool({u"chart"_qs, family, u"1"_qs, dir.filePath(u"out.pdf"_qs)}, &errors), 0)
        << errors.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"out.pdf"_qs)));
}

const QString LongNames = QStringLiteral(KINROW_TEST_DATA "/printouts/longnames.ged");

// The font families a PDF embeds, as pdffonts lists them.
QString PdfFonts(const QString& pdf)
{
    QProcess process;
    process.start(u"pdffonts"_qs, {pdf});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(ChartPdf, TheFontOptionSetsThePrintoutsFont)
{
    if (QStandardPaths::findExecutable(u"pdffonts"_qs).isEmpty())
        GTEST_SKIP() << "pdffonts (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString chart = dir.filePath(u"chart.pdf"_qs);
    const QString list = dir.filePath(u"list.pdf"_qs);
    const struct
    {
        QStringList command;
        QString pdf;
    } cases[] = {{{u"chart"_qs, Sample, u"19"_qs, chart}, chart},
                 {{u"list"_qs, Sample, list}, list}};
    for (const auto& [command, pdf] : cases) {
        QString errors;
        ASSERT_EQ(RunTool(command + QStringList{u"--font"_qs, u"DejaVu Serif"_qs}, &errors), 0)
            << errors.toStdString();
        const QString serif = PdfFonts(pdf);
        EXPECT_TRUE(serif.contains(u"DejaVuSerif"_qs)) << serif.toStdString();
        EXPECT_FALSE(serif.contains(u"DejaVuSans"_qs)) << serif.toStdString();
        ASSERT_EQ(RunTool(command + QStringList{u"--font"_qs, u"Liberation Sans"_qs}), 0);
        EXPECT_TRUE(PdfFonts(pdf).contains(u"LiberationSans"_qs)) << PdfFonts(pdf).toStdString();
        EXPECT_EQ(RunTool(command + QStringList{u"--font"_qs, u" "_qs}, &errors), 2);
        EXPECT_TRUE(errors.contains(u"--font: no font name given"_qs)) << errors.toStdString();
    }
}

// The boxes of the chart, in millimetres from the frame's corner: a text whose middle lies in a
// box must lie wholly within it.
const QRectF ChartBoxes[] = {
    // generation 3
    {3, 62, 28, 10},
    {35, 62, 28, 10},
    {69, 62, 28, 10},
    {101, 62, 28, 10},
    {141, 62, 28, 10},
    {173, 62, 28, 10},
    {207, 62, 28, 10},
    {239, 62, 28, 10},
    // generation 2, the parents, the person
    {10, 81, 46, 6},
    {76, 81, 46, 6},
    {148, 81, 46, 6},
    {214, 81, 46, 6},
    {50, 99, 56, 10},
    {164, 99, 56, 10},
    {85, 121, 100, 11},
    // siblings of the father, of the mother and of the person, children, spouses
    {10, 99, 25, 71},
    {235, 99, 25, 71},
    {205, 121, 25, 59},
    {40, 121, 25, 59},
    {75, 140, 46, 40}};

TEST(ChartPdf, LongTextsAreDrawnSmallerToFitTheirBoxes)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"long.pdf"_qs);
    ASSERT_EQ(RunTool({u"chart"_qs, LongNames, u"1"_qs, pdf}), 0);
    const std::vector<PdfPage> pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    // The frame of 270 x 195 mm is centred on the landscape sheet.
    const QPointF corner((pages[0].mm.width() - 270) / 2, (pages[0].mm.height() - 195) / 2);
    int boxed = 0;
    for (const PdfWord& word : pages[0].words) {
        const QRectF mm = word.mm.translated(-corner);
        EXPECT_GE(mm.left(), 0) << word.text.toStdString();
        for (const QRectF& box : ChartBoxes) {
            if (!box.contains(mm.center()))
                continue;
            ++boxed;
            EXPECT_GE(mm.left(), box.left()) << word.text.toStdString() << " in " << box.x();
            EXPECT_LE(mm.right(), box.right()) << word.text.toStdString() << " in " << box.x();
        }
    }
    EXPECT_GT(boxed, 40);
    // The birth place ends at 130 mm and stays right of the children's box.
    const QString text = PdfText(pdf);
    for (const PdfWord& word : pages[0].words) {
        if (word.text == u"Kahramanmaraş"_qs && word.mm.top() - corner.y() < 121) {
            EXPECT_GE(word.mm.left() - corner.x(), 65) << "birth place";
        }
    }
    // The name is the same, only smaller ("RIZA" reads "Riza" in English).
    EXPECT_TRUE(text.contains(u"Mehmet Ali Riza KARAOSMANOĞLU"_qs)) << text.toStdString();
}

TEST(ChartPdf, ACutSiblingsListKeepsThePersonsOwnEntry)
{
    if (!HavePdfToText())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"long.pdf"_qs);
    ASSERT_EQ(RunTool({u"chart"_qs, LongNames, u"1"_qs, pdf}), 0);
    // The person is the last of 30 children: the list is cut, and his line stays above "+ N".
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(u"= 30 ="_qs)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Mehmet Ali Riza (x)"_qs)) << text.toStdString();
}

} // namespace
