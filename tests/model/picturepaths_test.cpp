#include "model/picturepaths.h"

#include <gtest/gtest.h>

using namespace kinrow;

TEST(PicturePaths, AbsolutePathsBecomeRelativeToTheFamilyFolder)
{
    const QString family = QStringLiteral("/home/ali/aile");
    EXPECT_EQ(RelativePicturePath("/home/ali/aile/resim/a.jpg", family), "resim/a.jpg");
    EXPECT_EQ(RelativePicturePath("/home/ali/aile/a.jpg", family), "a.jpg");
    EXPECT_EQ(RelativePicturePath("/home/ali/foto/b.bmp", family), "../foto/b.bmp");
    EXPECT_EQ(RelativePicturePath("/media/usb/c.jpg", family), "../../../media/usb/c.jpg");
    EXPECT_EQ(RelativePicturePath("\\home\\ali\\foto\\b.bmp", family), "../foto/b.bmp");
    EXPECT_EQ(RelativePicturePath("/home/ali/aile/../foto/b.bmp", family), "../foto/b.bmp");
    EXPECT_EQ(RelativePicturePath("/c.jpg", "/"), "c.jpg");
    // Folder names compare exactly: "Aile" is another folder than "aile".
    EXPECT_EQ(RelativePicturePath("/home/ali/Aile/a.jpg", family), "../Aile/a.jpg");
}

TEST(PicturePaths, RelativeAndDriveLetterPathsAreKeptWithSlashes)
{
    EXPECT_EQ(RelativePicturePath("resim\\a.jpg", "/home/ali/aile"), "resim/a.jpg");
    EXPECT_EQ(RelativePicturePath("../a.jpg", "/home/ali/aile"), "../a.jpg");
    EXPECT_EQ(RelativePicturePath("C:\\Aile\\a.jpg", "/home/ali/aile"), "C:/Aile/a.jpg");
    EXPECT_TRUE(IsDriveLetterPath("c:/x.jpg"));
    EXPECT_FALSE(IsDriveLetterPath("/c:/x.jpg"));
    EXPECT_FALSE(PictureFileExists("C:\\x.jpg"));
    EXPECT_FALSE(PictureFileExists(""));
}

namespace {
int messagesSeen = 0;
void countMessage(QtMsgType, const QMessageLogContext&, const QString&)
{
    ++messagesSeen;
}
} // namespace

TEST(PicturePaths, NamesWithNulAreMissingWithoutComplaint)
{
    messagesSeen = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countMessage);
    EXPECT_FALSE(PictureFileExists(QString::fromLatin1("a\0.jpg", 6)));
    qInstallMessageHandler(previous);
    EXPECT_EQ(messagesSeen, 0);
}

TEST(PicturePaths, OnlyBmpAndJpegPicturesAreAccepted)
{
    for (const char* name : {"a.jpg", "A.JPG", "b.jpeg", "c.Bmp", "dir.x\\d.jpg"})
        EXPECT_TRUE(IsPictureExtension(name)) << name;
    for (const char* name : {"a.gif", "a.jpg.png", "jpg", "a.jpg\\b", "a.", ".jpgx"})
        EXPECT_FALSE(IsPictureExtension(name)) << name;
}

TEST(PicturePaths, ARelativeFormTooLongToSaveStaysAbsolute)
{
    QString deep = QStringLiteral("/aile");
    for (int i = 0; i < 100; ++i)
        deep += QStringLiteral("/d");
    // 101 steps up would not fit on the file's line; the absolute path does.
    EXPECT_EQ(RelativePicturePath(QStringLiteral("/foto/a.jpg"), deep),
              QStringLiteral("/foto/a.jpg"));
    // Ten steps up still fit and stay relative.
    EXPECT_EQ(RelativePicturePath(QStringLiteral("/aile/d/a.jpg"), QStringLiteral("/aile/d/d/d")),
              QStringLiteral("../../a.jpg"));
}

TEST(PicturePaths, EntriesFitOneFileLine)
{
    EXPECT_TRUE(PictureEntryFits(QString(263, u'a')));
    EXPECT_FALSE(PictureEntryFits(QString(264, u'a')));
    // A relative form too long for the line keeps the shorter absolute one.
    const QString deep = u"/a/"_qs + QString(250, u'b') + u".jpg"_qs;
    EXPECT_EQ(RelativePicturePath(deep, u"/x/y/z/w"_qs), deep);
}
