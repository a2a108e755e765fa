#include "readertesting.h"

#include "gedcom/gedcomwriter.h"
#include "model/messages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

// A family folder with pictures in it and beside it, made the current folder as when a family
// file is opened; the previous folder comes back afterwards.
class PictureFolder : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        previous = QDir::currentPath();
        QDir(root.path()).mkpath("aile/resim");
        QDir(root.path()).mkpath("foto");
        for (const char* name : {"aile/resim/a.jpg", "aile/b.GIF", "foto/c.jpeg"}) {
            QFile file(root.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        ASSERT_TRUE(QDir::setCurrent(root.filePath("aile")));
    }
    void TearDown() override { QDir::setCurrent(previous); }

    QByteArray fileLine(const QString& path) { return "2 FILE " + path.toUtf8() + "\r\n"; }

    QTemporaryDir root;
    QString previous;
};

} // namespace

TEST_F(PictureFolder, PicturesAreCheckedAndStoredRelativeToTheFamilyFolder)
{
    QByteArray bytes = dialectFile({}).replace("0 TRLR\r\n", "");
    bytes += "0 @I1@ INDI\r\n1 OBJE\r\n2 FORM bmp\r\n" + fileLine("resim\\a.jpg");
    bytes += "1 OBJE\r\n" + fileLine(root.filePath("foto/c.jpeg"));
    bytes += "1 OBJE\r\n" + fileLine(root.filePath("aile/resim/a.jpg")) + "0 TRLR\r\n";
    ReadResult r;
    readInto(r, bytes, Lang::English, root.filePath("aile/aile.ged"));
    ASSERT_EQ(r.persons.size(), 1u);
    EXPECT_EQ(r.persons[0].Pictures, (QStringList{"resim/a.jpg", "../foto/c.jpeg", "resim/a.jpg"}));
    EXPECT_FALSE(r.errors.visible);
}

TEST_F(PictureFolder, OtherTypesAndMissingFilesAreKeptAndOpenTheErrorList)
{
    QByteArray bytes = dialectFile({}).replace("0 TRLR\r\n", "");
    bytes +=
        "0 @I1@ INDI\r\n1 OBJE\r\n2 FILE b.GIF\r\n2 FILE yok.jpg\r\n2 FILE C:\\aile\\a.jpg\r\n";
    ReadResult gif;
    readInto(gif, bytes + "0 TRLR\r\n", Lang::English, root.filePath("aile/aile.ged"));
    ASSERT_EQ(gif.persons.size(), 1u);
    // Kept as the file names them, so that saving does not erase them.
    EXPECT_EQ(gif.persons[0].Pictures, (QStringList{"b.GIF", "yok.jpg", "C:\\aile\\a.jpg"}));
    EXPECT_TRUE(gif.errors.visible);
    EXPECT_TRUE(
        gif.errors.lines.contains(LangText(Msg::BadObjectFormat, Lang::English) + "9 - b.GIF"));
    EXPECT_TRUE(gif.errors.lines.contains(LangText(Msg::ObjectFileMissing, Lang::English) +
                                          "10 - yok.jpg"));
    EXPECT_TRUE(gif.errors.lines.contains(LangText(Msg::ObjectFileMissing, Lang::English) +
                                          "11 - C:\\aile\\a.jpg"));

    // Saved and opened again, the entries are still there.
    ReadResult again;
    readInto(again, WriteGedcomBytes(gif.persons, root.filePath("aile/aile.ged"), {}),
             Lang::English, root.filePath("aile/aile.ged"));
    EXPECT_EQ(again.persons[0].Pictures, gif.persons[0].Pictures);
}
