#include "drawing/drawingbuilder.h"
#include "drawing/drawingpainter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

using namespace kinrow;

class DrawingPainterTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        if (!QGuiApplication::instance()) {
            static int argc = 1;
            static char name[] = "test_drawing";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
    }

    // A white page of 100 x 50 mm at the given resolutions.
    static QImage Page(int dpiX, int dpiY)
    {
        QImage image(MmToDev(100, dpiX), MmToDev(50, dpiY), QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dpiX / 0.0254));
        image.setDotsPerMeterY(qRound(dpiY / 0.0254));
        image.fill(Qt::white);
        return image;
    }

    static void Paint(QImage& image, const Drawing& drawing)
    {
        QPainter painter(&image);
        DrawingPainter(painter).draw(drawing);
    }

    // The smallest rectangle holding every pixel that is not white.
    static QRect Inked(const QImage& image)
    {
        QRect inked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    inked |= QRect(x, y, 1, 1);
        return inked;
    }
};

TEST_F(DrawingPainterTest, BoxesKeepTheirMillimetresWhateverTheResolution)
{
    for (const auto& [dpiX, dpiY] : {std::pair{254, 254}, {300, 150}, {150, 600}}) {
        DrawingBuilder builder(QSizeF(100, 50));
        builder.setPen(0);
        builder.box(10, 20, 40, 30);
        QImage image = Page(dpiX, dpiY);
        Paint(image, builder.take());
        const QRect inked = Inked(image);
        EXPECT_NEAR(inked.left(), MmToDev(10, dpiX), 1) << dpiX << "x" << dpiY;
        EXPECT_NEAR(inked.right(), MmToDev(40, dpiX), 1) << dpiX << "x" << dpiY;
        EXPECT_NEAR(inked.top(), MmToDev(20, dpiY), 1) << dpiX << "x" << dpiY;
        EXPECT_NEAR(inked.bottom(), MmToDev(30, dpiY), 1) << dpiX << "x" << dpiY;
    }
}

TEST_F(DrawingPainterTest, RotatedTextRunsUpwardsFromItsColumn)
{
    DrawingBuilder builder(QSizeF(100, 50));
    builder.setFont(12);
    builder.rotatedText(u"MMMMMMMM"_qs, 50, 25);
    QImage image = Page(254, 254);
    Paint(image, builder.take());
    const QRect inked = Inked(image);
    ASSERT_FALSE(inked.isEmpty());
    EXPECT_GT(inked.height(), 3 * inked.width());
    EXPECT_GE(inked.left(), MmToDev(50, 254) - 1);
    EXPECT_LE(inked.right(), MmToDev(50 + LineHeightMm(12), 254) + 1);
    EXPECT_NEAR(inked.center().y(), MmToDev(25, 254), MmToDev(1, 254));
}

TEST_F(DrawingPainterTest, TextsLongerThanTheirRoomAreDrawnSmallerThenCut)
{
    const auto inked = [](const QString& text, double fitMm, Qt::Alignment align, bool rotated) {
        DrawingBuilder builder(QSizeF(100, 50));
        builder.setFont(12, true);
        if (rotated)
            builder.rotatedText(text, 50, 25, fitMm);
        else
            builder.text(text, 50, 25, align, fitMm);
        QImage image = Page(254, 254);
        Paint(image, builder.take());
        return Inked(image);
    };
    const QString name = u"Mehmet Ali Rıza KARAOSMANOĞLU"_qs;
    const QRect natural = inked(name, 0, Qt::AlignCenter, false);
    ASSERT_GT(natural.width(), MmToDev(40, 254));
    ASSERT_LT(natural.width(), MmToDev(90, 254));
    // A text that fits is drawn as it is; one that does not, smaller and about its anchor.
    EXPECT_EQ(inked(name, 90, Qt::AlignCenter, false), natural);
    for (const double room : {40.0, 20.0}) {
        const QRect fitted = inked(name, room, Qt::AlignCenter, false);
        EXPECT_LE(fitted.width(), MmToDev(room, 254)) << room;
        EXPECT_GT(fitted.width(), MmToDev(room - 4, 254)) << room;
        EXPECT_NEAR(fitted.center().x(), MmToDev(50, 254), 2) << room;
        EXPECT_LT(fitted.height(), natural.height()) << room;
    }
    const QRect right = inked(name, 30, Qt::AlignRight | Qt::AlignBottom, false);
    EXPECT_LE(right.right(), MmToDev(50, 254));
    EXPECT_GE(right.left(), MmToDev(20, 254));
    const QRect upright = inked(name, 30, Qt::AlignCenter, true);
    EXPECT_LE(upright.height(), MmToDev(30, 254));

    // Below 6 points the text is cut, and the cut is shown.
    DrawingBuilder builder(QSizeF(100, 50));
    builder.setFont(16);
    builder.text(name, 10, 10, Qt::AlignLeft | Qt::AlignTop, 10);
    const Drawing drawing = builder.take();
    QImage image = Page(254, 254);
    Paint(image, drawing);
    EXPECT_LE(Inked(image).right(), MmToDev(20, 254));
}

TEST_F(DrawingPainterTest, PicturesAreStretchedAndMissingOnesSkipped)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"red.png"_qs);
    QImage red(4, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(path));

    // A FIFO or a folder is no picture, and never waited on.
    const QString fifo = dir.filePath(u"fifo.jpg"_qs);
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"folder.jpg"_qs));

    DrawingBuilder builder(QSizeF(100, 50));
    builder.picture(dir.filePath(u"missing.jpg"_qs), QRectF(0, 0, 100, 50));
    builder.picture(fifo, QRectF(0, 0, 100, 50));
    builder.picture(dir.filePath(u"folder.jpg"_qs), QRectF(0, 0, 100, 50));
    builder.picture(path, QRectF(10, 10, 20, 30));
    QImage image = Page(254, 254);
    Paint(image, builder.take());
    const QRect inked = Inked(image);
    EXPECT_EQ(inked, QRect(QPoint(100, 100), QPoint(299, 399)));
    EXPECT_EQ(image.pixel(200, 250), qRgb(255, 0, 0));
}

TEST_F(DrawingPainterTest, PicturesComeThroughTheLoaderWhenOneIsSet)
{
    DrawingBuilder builder(QSizeF(100, 50));
    builder.picture(u"/nowhere/a.jpg"_qs, QRectF(10, 10, 20, 30));
    builder.picture(u"/nowhere/b.jpg"_qs, QRectF(50, 10, 20, 30));
    QImage image = Page(254, 254);
    QPainter painter(&image);
    DrawingPainter drawer(painter);
    QStringList asked;
    drawer.setPictureLoader([&](const QString& path, QSize) {
        asked << path;
        QImage blue(2, 2, QImage::Format_RGB32);
        blue.fill(Qt::blue);
        return path.endsWith(u"a.jpg"_qs) ? blue : QImage();
    });
    drawer.draw(builder.take());
    painter.end();
    EXPECT_EQ(asked, (QStringList{u"/nowhere/a.jpg"_qs, u"/nowhere/b.jpg"_qs}));
    EXPECT_EQ(Inked(image), QRect(QPoint(100, 100), QPoint(299, 399)));
}

} // namespace
