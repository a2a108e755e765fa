#include "shell/samplefamily.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

class SampleFamilyTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }
    QString path(const QString& relative) const { return root.filePath(relative); }
    void write(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(path(relative)).absolutePath());
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString& relative) const
    {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir root;
};

} // namespace

TEST_F(SampleFamilyTest, FoundBesideTheProgramInTheInstallLayout)
{
    write("usr/share/kinrow/sample/aile.ged", "0 HEAD\n");
    QDir().mkpath(path("usr/bin"));
    EXPECT_EQ(InstalledSampleFamily(path("usr/bin")), path("usr/share/kinrow/sample/aile.ged"));
}

TEST_F(SampleFamilyTest, CopiedWithItsPicturesOnceAndNeverOverwritten)
{
    write("share/sample/aile.ged", "0 HEAD\n");
    write("share/sample/resimler/dede.jpg", "JPEG");
    const QString target = path("home/Kinrow/sample");
    ASSERT_EQ(CopySampleFamily(path("share/sample/aile.ged"), target), target + "/aile.ged");
    EXPECT_EQ(read("home/Kinrow/sample/aile.ged"), "0 HEAD\n");
    EXPECT_EQ(read("home/Kinrow/sample/resimler/dede.jpg"), "JPEG");
    EXPECT_FALSE(QFileInfo::exists(target + ".partial"));

    // The user changed the copy; a later first start keeps the change.
    write("home/Kinrow/sample/aile.ged", "0 HEAD\n1 CHANGED\n");
    EXPECT_EQ(CopySampleFamily(path("share/sample/aile.ged"), target), target + "/aile.ged");
    EXPECT_EQ(read("home/Kinrow/sample/aile.ged"), "0 HEAD\n1 CHANGED\n");
}

TEST_F(SampleFamilyTest, NothingToCopyOrAFolderOfTheUsers)
{
    EXPECT_EQ(CopySampleFamily("", path("a")), "");
    EXPECT_EQ(CopySampleFamily(path("missing/aile.ged"), path("a")), "");
    EXPECT_FALSE(QFileInfo::exists(path("a")));

    write("share/sample/aile.ged", "0 HEAD\n");
    write("home/sample/letter.txt", "mine");
    EXPECT_EQ(CopySampleFamily(path("share/sample/aile.ged"), path("home/sample")), "");
    EXPECT_EQ(QDir(path("home/sample")).entryList(QDir::Files), QStringList{"letter.txt"});
}
