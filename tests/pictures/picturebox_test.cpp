#include "pictures/picturebox.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;

TEST(PictureCounter, StepsThroughThePictures)
{
    // A person with three pictures starts at the last one.
    PictureCounterState s = PictureCounter(0, 3);
    EXPECT_EQ(s.tag, 3);
    EXPECT_EQ(s.caption, QStringLiteral("3/3"));
    EXPECT_TRUE(s.deleteEnabled);
    EXPECT_FALSE(s.nextEnabled);
    EXPECT_TRUE(s.priorEnabled);
    EXPECT_FALSE(s.addEnabled.has_value());

    s = PictureCounter(s.tag - 1, 3);
    EXPECT_EQ(s.caption, QStringLiteral("2/3"));
    EXPECT_TRUE(s.nextEnabled);
    EXPECT_TRUE(s.priorEnabled);

    s = PictureCounter(1, 3);
    EXPECT_TRUE(s.nextEnabled);
    EXPECT_FALSE(s.priorEnabled);
}

TEST(PictureCounter, KeepsItsNumberAcrossPersons)
{
    PictureCounterState s = PictureCounter(2, 5);
    EXPECT_EQ(s.caption, QStringLiteral("2/5"));

    s = PictureCounter(s.tag, 1);
    EXPECT_EQ(s.tag, 1);
    EXPECT_EQ(s.caption, QStringLiteral("1/1"));
    EXPECT_TRUE(s.deleteEnabled);
    EXPECT_FALSE(s.nextEnabled);
    EXPECT_FALSE(s.priorEnabled);

    s = PictureCounter(s.tag, 0);
    EXPECT_EQ(s.tag, 0);
    EXPECT_EQ(s.caption, QStringLiteral(" 0/0"));
    EXPECT_EQ(s.addEnabled, std::optional<bool>(true));
    EXPECT_FALSE(s.deleteEnabled || s.nextEnabled || s.priorEnabled);

    s = PictureCounter(s.tag, 4);
    EXPECT_EQ(s.caption, QStringLiteral("4/4"));
}

TEST(FitPicture, ShrinksButNeverEnlarges)
{
    const QSize panel(111, 136);
    EXPECT_EQ(FitPicture(panel, QSize(216, 100)), QRect(1, 43, 108, 50));
    EXPECT_EQ(FitPicture(panel, QSize(50, 60)), QRect(30, 38, 50, 60));
    EXPECT_EQ(FitPicture(panel, QSize(100, 400)), QRect(39, 1, 33, 133));
    // Reaching the inner size on one side counts as not fitting; the scale is then 1.
    EXPECT_EQ(FitPicture(panel, QSize(108, 50)), QRect(1, 43, 108, 50));
    // 108/163 x 163 falls just short of 108 in floating point; the fitted side must not.
    EXPECT_EQ(FitPicture(panel, QSize(163, 50)).width(), 108);
    EXPECT_EQ(FitPicture(panel, QSize(50, 2069)).height(), 133);
    EXPECT_EQ(FitPicture(QSize(222, 272), QSize(216, 100)), QRect(3, 86, 216, 100));
}

TEST(FitPicture, DegenerateSizes)
{
    EXPECT_TRUE(FitPicture(QSize(111, 136), QSize()).isEmpty());
    EXPECT_TRUE(FitPicture(QSize(111, 136), QSize(0, 10)).isEmpty());
    EXPECT_TRUE(FitPicture(QSize(2, 2), QSize(50, 60)).isEmpty());
    const QRect huge = FitPicture(QSize(111, 136), QSize(2000000000, 1));
    EXPECT_EQ(huge.width(), 108);
    EXPECT_EQ(huge.height(), 0);
}

TEST(PictureHint, SizesAndThousands)
{
    EXPECT_EQ(FormatThousands(0), QStringLiteral("0"));
    EXPECT_EQ(FormatThousands(999), QStringLiteral("999"));
    EXPECT_EQ(FormatThousands(1000), QStringLiteral("1,000"));
    EXPECT_EQ(FormatThousands(1234567), QStringLiteral("1,234,567"));
    EXPECT_EQ(FormatThousands(-123456), QStringLiteral("-123,456"));
    EXPECT_EQ(PictureHint(QStringLiteral("pics/a.jpg"), QSize(640, 480), 48213),
              QStringLiteral("pics/a.jpg\rW x H : 640 x 480 Pixels\rFile Size : 48,213 bytes"));
}

TEST(FileSize, ExistingAndMissingFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("a.bin"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(1234, 'x'));
    file.close();
    EXPECT_EQ(FileSize(path), 1234);
    EXPECT_EQ(FileSize(dir.filePath(QStringLiteral("missing.jpg"))), 0);
    EXPECT_EQ(FileSize(dir.path()), 0);
}
