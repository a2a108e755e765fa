#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

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

} // namespace
