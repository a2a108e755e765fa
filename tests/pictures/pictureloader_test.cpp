#include "pictures/picturebox.h"
#include "pictures/pictureloader.h"
#include "pictures/picturepanel.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <jpeglib.h>

using namespace kinrow;

namespace {

// Writes a test JPEG with libjpeg itself, so the test does not depend on Qt's image plugins.
// The colour is given per component of the chosen colour space.
QByteArray encodeJpeg(int width, int height, J_COLOR_SPACE space, std::vector<uchar> colour,
                      bool progressive = false)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = int(colour.size());
    cinfo.in_color_space = space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    if (progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uchar> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), colour.begin(), colour.end());
    JSAMPROW rowPointer = row.data();
    while (cinfo.next_scanline < cinfo.image_height)
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray result(reinterpret_cast<const char*>(buffer), qsizetype(size));
    free(buffer);
    return result;
}

bool near(QColor actual, QColor expected)
{
    return std::abs(actual.red() - expected.red()) <= 8 &&
           std::abs(actual.green() - expected.green()) <= 8 &&
           std::abs(actual.blue() - expected.blue()) <= 8;
}

// Captures what is written to standard error while the test body runs.
class StderrCapture
{
public:
    StderrCapture()
    {
        std::fflush(stderr);
        m_saved = dup(2);
        m_file = std::tmpfile();
        dup2(fileno(m_file), 2);
    }
    QByteArray finish()
    {
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        std::rewind(m_file);
        QByteArray text;
        char chunk[256];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, m_file)) > 0;)
            text.append(chunk, qsizetype(n));
        std::fclose(m_file);
        return text;
    }

private:
    int m_saved = -1;
    std::FILE* m_file = nullptr;
};

class PictureFiles : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_pictureloader";
        static char* argv[] = {name, nullptr};
        if (!qApp)
            new QApplication(argc, argv);
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QTemporaryDir m_dir;
};

} // namespace

TEST_F(PictureFiles, DecodesJpegColourSpaces)
{
    const QImage rgb =
        LoadPicture(write(QStringLiteral("rgb.jpg"), encodeJpeg(40, 30, JCS_RGB, {200, 30, 40})));
    ASSERT_FALSE(rgb.isNull());
    EXPECT_EQ(rgb.size(), QSize(40, 30));
    EXPECT_TRUE(near(rgb.pixelColor(20, 15), QColor(200, 30, 40)))
        << qPrintable(rgb.pixelColor(20, 15).name());

    const QImage gray =
        LoadPicture(write(QStringLiteral("gray.jpeg"), encodeJpeg(17, 9, JCS_GRAYSCALE, {90})));
    ASSERT_EQ(gray.size(), QSize(17, 9));
    EXPECT_TRUE(near(gray.pixelColor(3, 3), QColor(90, 90, 90)));

    // libjpeg writes CMYK with the Adobe marker, so the stored inks are inverted.
    const QImage cmyk = LoadPicture(
        write(QStringLiteral("cmyk.jpg"), encodeJpeg(16, 16, JCS_CMYK, {255, 0, 0, 255})));
    ASSERT_EQ(cmyk.size(), QSize(16, 16));
    EXPECT_TRUE(near(cmyk.pixelColor(8, 8), QColor(255, 0, 0)))
        << qPrintable(cmyk.pixelColor(8, 8).name());

    const QImage progressive = LoadPicture(write(
        QStringLiteral("p.jpg"), encodeJpeg(64, 48, JCS_RGB, {10, 200, 10}, /*progressive=*/true)));
    ASSERT_EQ(progressive.size(), QSize(64, 48));
    EXPECT_TRUE(near(progressive.pixelColor(5, 40), QColor(10, 200, 10)));
}

TEST_F(PictureFiles, ContentDecidesNotTheName)
{
    QImage bmp(12, 7, QImage::Format_RGB32);
    bmp.fill(QColor(0, 0, 255));
    const QString bmpPath = m_dir.filePath(QStringLiteral("real.bmp"));
    ASSERT_TRUE(bmp.save(bmpPath, "BMP"));
    QFile::copy(bmpPath, m_dir.filePath(QStringLiteral("bitmap.jpg")));

    for (const char* name : {"real.bmp", "bitmap.jpg"}) {
        const QImage image = LoadPicture(m_dir.filePath(QString::fromLatin1(name)));
        ASSERT_EQ(image.size(), QSize(12, 7)) << name;
        EXPECT_EQ(image.pixelColor(11, 6), QColor(0, 0, 255)) << name;
    }
    const QImage jpegNamedBmp =
        LoadPicture(write(QStringLiteral("photo.bmp"), encodeJpeg(8, 8, JCS_RGB, {255, 255, 255})));
    EXPECT_EQ(jpegNamedBmp.size(), QSize(8, 8));
}

TEST_F(PictureFiles, BrokenFilesGiveNullImagesSilently)
{
    const QByteArray good = encodeJpeg(64, 64, JCS_RGB, {1, 2, 3});
    QByteArray hugeHeader = good;
    const qsizetype sof = hugeHeader.indexOf(QByteArrayLiteral("\xFF\xC0"));
    ASSERT_GT(sof, 0);
    hugeHeader[sof + 5] = hugeHeader[sof + 6] = hugeHeader[sof + 7] = hugeHeader[sof + 8] = '\xFF';

    QImage smallBmp(4, 4, QImage::Format_RGB32);
    smallBmp.fill(Qt::white);
    const QString bmpPath = m_dir.filePath(QStringLiteral("small.bmp"));
    ASSERT_TRUE(smallBmp.save(bmpPath, "BMP"));
    QFile bmpFile(bmpPath);
    ASSERT_TRUE(bmpFile.open(QIODevice::ReadOnly));
    QByteArray hugeBmp = bmpFile.readAll();
    // Width and height of the bitmap header, little-endian, at bytes 18 and 22: 40000 x 40000.
    for (int at : {18, 22}) {
        hugeBmp[at] = '\x40';
        hugeBmp[at + 1] = '\x9C';
        hugeBmp[at + 2] = hugeBmp[at + 3] = 0;
    }

    QByteArray noise(4096, Qt::Uninitialized);
    QRandomGenerator random(7);
    for (char& c : noise)
        c = char(random.bounded(256));

    StderrCapture capture;
    QElapsedTimer timer;
    timer.start();
    const QImage truncated =
        LoadPicture(write(QStringLiteral("cut.jpg"), good.left(good.size() / 2)));
    const QImage huge = LoadPicture(write(QStringLiteral("huge.jpg"), hugeHeader));
    const QImage jpegNoise =
        LoadPicture(write(QStringLiteral("noise.jpg"), QByteArrayLiteral("\xFF\xD8\xFF") + noise));
    const QImage bigBitmap = LoadPicture(write(QStringLiteral("huge.bmp"), hugeBmp));
    const QImage plainNoise = LoadPicture(write(QStringLiteral("noise.bmp"), noise));
    const QImage empty = LoadPicture(write(QStringLiteral("empty.jpg"), QByteArray()));
    const QImage missing = LoadPicture(m_dir.filePath(QStringLiteral("missing.jpg")));
    const qint64 elapsed = timer.elapsed();
    const QByteArray messages = capture.finish();

    EXPECT_TRUE(truncated.isNull());
    EXPECT_TRUE(huge.isNull());
    EXPECT_TRUE(jpegNoise.isNull());
    EXPECT_TRUE(bigBitmap.isNull());
    EXPECT_TRUE(plainNoise.isNull());
    EXPECT_TRUE(empty.isNull());
    EXPECT_TRUE(missing.isNull());
    EXPECT_LT(elapsed, 2000);
    EXPECT_TRUE(messages.isEmpty()) << messages.constData();
}

TEST_F(PictureFiles, EveryCutOfAJpegIsSafe)
{
    const QByteArray good = encodeJpeg(24, 24, JCS_RGB, {50, 60, 70}, /*progressive=*/true);
    const QString path = m_dir.filePath(QStringLiteral("cut.jpg"));
    for (qsizetype length = 3; length < good.size(); length += 7) {
        write(QStringLiteral("cut.jpg"), good.left(length));
        EXPECT_TRUE(LoadPicture(path).isNull()) << length;
    }
}

TEST_F(PictureFiles, PanelFitsCentresAndClears)
{
    PicturePanel panel;
    panel.setCaption(QStringLiteral("R E S İ M"));
    EXPECT_EQ(panel.size(), QSize(111, 136));
    QWidget* image = panel.imageWidget();
    EXPECT_TRUE(image->isHidden());

    QImage wide(216, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    panel.setPicture(wide, QStringLiteral("a\rb"));
    EXPECT_EQ(image->geometry(), QRect(1, 43, 108, 50));
    EXPECT_FALSE(image->isHidden());
    EXPECT_EQ(image->toolTip(), QStringLiteral("a\nb"));
    const QImage shot = panel.grab().toImage();
    EXPECT_EQ(shot.pixelColor(55, 68), QColor(Qt::red));
    EXPECT_NE(shot.pixelColor(55, 20), QColor(Qt::red));

    // A hidden widget gets its resize event only when shown; the real panel is on screen.
    panel.show();
    panel.resize(222, 272);
    EXPECT_EQ(image->geometry(), QRect(3, 86, 216, 100));

    panel.clear();
    EXPECT_TRUE(image->isHidden());
    EXPECT_TRUE(panel.picture().isNull());
    EXPECT_TRUE(panel.hint().isEmpty());
    EXPECT_TRUE(image->toolTip().isEmpty());
}

TEST_F(PictureFiles, PanelShowsFilesWithTheirHint)
{
    PicturePanel panel;
    const QString path = write(QStringLiteral("p.jpg"), encodeJpeg(50, 60, JCS_RGB, {0, 0, 200}));
    ASSERT_TRUE(panel.showFile(path));
    EXPECT_EQ(panel.imageWidget()->geometry(), QRect(30, 38, 50, 60));
    EXPECT_EQ(panel.hint(), PictureHint(path, QSize(50, 60), QFile(path).size()));
    EXPECT_TRUE(panel.hint().contains(QStringLiteral("\rW x H : 50 x 60 Pixels\rFile Size : ")));

    bool clicked = false;
    QObject::connect(&panel, &PicturePanel::clicked, [&clicked] { clicked = true; });
    QTest::mouseClick(panel.imageWidget(), Qt::LeftButton);
    EXPECT_TRUE(clicked);

    EXPECT_FALSE(panel.showFile(m_dir.filePath(QStringLiteral("gone.jpg"))));
    EXPECT_TRUE(panel.picture().isNull());
    EXPECT_TRUE(panel.hint().isEmpty());
    EXPECT_TRUE(panel.imageWidget()->isHidden());
}

namespace {

// A JPEG whose header claims width x height over the few pixels it really holds.
QByteArray ClaimingSize(int width, int height)
{
    QByteArray bytes = encodeJpeg(16, 16, JCS_RGB, {9, 9, 9});
    const qsizetype sof = bytes.indexOf(QByteArrayLiteral("\xFF\xC0"));
    bytes[sof + 5] = char(height >> 8);
    bytes[sof + 6] = char(height & 0xFF);
    bytes[sof + 7] = char(width >> 8);
    bytes[sof + 8] = char(width & 0xFF);
    return bytes;
}

} // namespace

TEST_F(PictureFiles, ALargePhotoShowsDecodedAtThePanelsSize)
{
    const QString path =
        write(QStringLiteral("phone.jpg"), encodeJpeg(12000, 9000, JCS_RGB, {200, 40, 40}));
    EXPECT_EQ(PictureSize(path), QSize(12000, 9000));

    const FittedPicture fitted = LoadPictureToFit(path, QSize(111, 136));
    ASSERT_FALSE(fitted.image.isNull());
    EXPECT_EQ(fitted.naturalSize, QSize(12000, 9000));
    // Decoded at an eighth, never below the 111 x 83 it is drawn at.
    EXPECT_EQ(fitted.image.size(), QSize(1500, 1125));
    EXPECT_TRUE(near(fitted.image.pixelColor(700, 500), QColor(200, 40, 40)));

    const FittedPicture corner = LoadPictureCorner(path, QSize(600, 400));
    EXPECT_EQ(corner.image.size(), QSize(600, 400));
    EXPECT_EQ(corner.naturalSize, QSize(12000, 9000));
    // Every pixel at once stays refused, as it is for anything of that many pixels.
    EXPECT_TRUE(LoadPicture(path).isNull());

    PicturePanel panel;
    ASSERT_TRUE(panel.showFile(path));
    EXPECT_EQ(panel.naturalSize(), QSize(12000, 9000));
    EXPECT_EQ(panel.imageWidget()->geometry(), QRect(1, 27, 108, 81));
    EXPECT_TRUE(panel.hint().contains(u"\rW x H : 12000 x 9000 Pixels\r"_qs));
}

TEST_F(PictureFiles, SizesPastTheBoundAreTakenForBombs)
{
    const struct
    {
        int width;
        int height;
        bool read;
    } cases[] = {
        {16384, 16384, true}, // 268 megapixels
        {16384, 12288, true}, // 201 megapixels
        {16385, 16384, false},
        {65535, 65535, false},
    };
    for (const auto& c : cases) {
        const QString path = write(QStringLiteral("claim.jpg"), ClaimingSize(c.width, c.height));
        EXPECT_EQ(PictureSize(path).isValid(), c.read) << c.width << " x " << c.height;
        // What is read is decoded at an eighth, never at the size claimed.
        const QImage shown = LoadPictureToFit(path, QSize(111, 136)).image;
        if (c.read) {
            EXPECT_LE(shown.width(), 2048) << c.width;
            EXPECT_LE(shown.height(), 2048) << c.width;
        } else {
            EXPECT_TRUE(shown.isNull()) << c.width;
        }
    }
}

TEST_F(PictureFiles, AFifoOrAFolderIsAMissingPictureAtOnce)
{
    const QString fifo = m_dir.filePath(QStringLiteral("fifo.jpg"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = m_dir.filePath(QStringLiteral("folder.jpg"));
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const QString& path : {fifo, folder, QStringLiteral("/dev/zero")}) {
        auto loading = std::async(std::launch::async, [path] {
            return LoadPicture(path).isNull() && PictureSize(path).isEmpty() &&
                   LoadPictureToFit(path, QSize(111, 136)).image.isNull() &&
                   LoadPictureCorner(path, QSize(600, 400)).image.isNull() && FileSize(path) == 0;
        });
        if (loading.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
            // Give the reader its end of file, so that the test ends with its failure.
            const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0)
                ::close(writer);
            ADD_FAILURE() << "reading " << path.toStdString() << " waits";
        }
        EXPECT_TRUE(loading.get()) << path.toStdString();
    }
    PicturePanel panel;
    EXPECT_FALSE(panel.showFile(folder));
}
