#include "model/picturepaths.h"
#include "pictures/pictureadding.h"
#include "pictures/picturecollection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace kinrow;

namespace {

// A family folder beside a folder of pictures, with files of every kind a picture entry may
// name by mistake.
class PictureFilesOnDisk : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("family"));
        QDir(root.path()).mkpath(QStringLiteral("pics/folder.jpg"));
        family = root.filePath(QStringLiteral("family"));
        ASSERT_EQ(::mkfifo(QFile::encodeName(root.filePath("pics/fifo.jpg")).constData(), 0600), 0);
    }
    QString write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = root.filePath(relative);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    bool exists(const QString& relative) const
    {
        return QFileInfo(root.filePath(relative)).exists() ||
               QFileInfo(root.filePath(relative)).isSymLink();
    }

    QTemporaryDir root;
    QString family;
};

TEST_F(PictureFilesOnDisk, OnlyRegularFilesAreOpenedAndNothingWaits)
{
    write("pics/a.jpg", "A");
    QFile::link(root.filePath("pics/a.jpg"), root.filePath("pics/link.jpg"));
    QFile::link(root.filePath("pics/fifo.jpg"), root.filePath("pics/fifolink.jpg"));
    const struct
    {
        QString path;
        bool regular;
    } cases[] = {
        {root.filePath("pics/a.jpg"), true},       {root.filePath("pics/link.jpg"), true},
        {root.filePath("pics/fifo.jpg"), false},   {root.filePath("pics/fifolink.jpg"), false},
        {root.filePath("pics/folder.jpg"), false}, {QStringLiteral("/dev/zero"), false},
        {QStringLiteral("/dev/null"), false},      {root.filePath("pics/gone.jpg"), false},
    };
    QElapsedTimer timer;
    timer.start();
    for (const auto& c : cases) {
        QFile file;
        EXPECT_EQ(OpenRegularFile(file, c.path), c.regular) << c.path.toStdString();
        EXPECT_EQ(file.isOpen(), c.regular) << c.path.toStdString();
        EXPECT_EQ(PictureFileExists(c.path), c.regular) << c.path.toStdString();
        if (c.regular) {
            EXPECT_EQ(file.readAll(), "A");
        }
    }
    EXPECT_LT(timer.elapsed(), 5000);
}

TEST_F(PictureFilesOnDisk, CollectingSkipsWhatIsNoRegularFile)
{
    PersonList persons(1);
    persons[0].Pictures = {root.filePath("pics/fifo.jpg"), root.filePath("pics/folder.jpg"),
                           QStringLiteral("/dev/zero")};
    // A FIFO in the family folder under the name a picture would take is never read either.
    ASSERT_EQ(::mkfifo(QFile::encodeName(QDir(family).filePath("b.jpg")).constData(), 0600), 0);
    persons[0].Pictures.append(write("pics/b.jpg", "B"));
    const QStringList before = persons[0].Pictures;
    const PictureCollectionResult result = CollectPictures(persons, {1}, family, true);
    EXPECT_EQ(result.failed, before.mid(0, 3));
    EXPECT_EQ(result.copied, 1);
    EXPECT_EQ(persons[0].Pictures.last(), u"Xb.jpg");
    EXPECT_TRUE(SameFileContent(root.filePath("pics/b.jpg"), QDir(family).filePath("Xb.jpg")));
}

TEST_F(PictureFilesOnDisk, MovingThroughALinkCopiesUnderTheLinksNameAndDeletesOnlyTheLink)
{
    const QString target = write("pics/target.jpg", "T");
    QDir(root.path()).mkpath(QStringLiteral("links"));
    ASSERT_TRUE(QFile::link(target, root.filePath("links/own.jpg")));
    PersonList persons(2);
    persons[0].Pictures = {QStringLiteral("../links/own.jpg")};
    persons[1].Pictures = {QStringLiteral("../pics/target.jpg")};

    const PictureCollectionResult result = CollectPictures(persons, {1}, family, true);
    EXPECT_EQ(persons[0].Pictures, QStringList{"own.jpg"});
    EXPECT_TRUE(SameFileContent(target, QDir(family).filePath("own.jpg")));
    EXPECT_FALSE(exists("family/target.jpg"));
    // Nothing is deleted before the family naming the copy is saved.
    EXPECT_TRUE(exists("links/own.jpg"));

    const QStringList deleted = DeleteMovedSources(persons, {family}, result.movable);
    EXPECT_EQ(deleted, QStringList{root.filePath("links/own.jpg")});
    EXPECT_FALSE(exists("links/own.jpg"));
    EXPECT_TRUE(exists("pics/target.jpg"));
}

TEST_F(PictureFilesOnDisk, AMovedSourceStaysWhileAnyEntryStillReachesIt)
{
    const QString target = write("pics/c.jpg", "C");
    QDir(root.path()).mkpath(QStringLiteral("links"));
    ASSERT_TRUE(QFile::link(target, root.filePath("links/c.jpg")));
    const QString movable = QFileInfo(target).canonicalFilePath();
    // Each row: how an entry that is not collected names the moved file.
    const QString others[] = {
        QStringLiteral("../pics/c.jpg"),         // the same file, as stored
        target,                                  // the same file, as a full path
        QStringLiteral("../pics/../pics/c.jpg"), // another spelling
        QStringLiteral("../links/c.jpg"),        // a link to it
    };
    for (const QString& other : others) {
        PersonList persons(1);
        persons[0].Pictures = {QStringLiteral("c.jpg"), other};
        EXPECT_TRUE(DeleteMovedSources(persons, {family}, {movable}).isEmpty())
            << other.toStdString();
        EXPECT_TRUE(exists("pics/c.jpg")) << other.toStdString();
    }
    PersonList persons(1);
    persons[0].Pictures = {QStringLiteral("c.jpg")};
    EXPECT_EQ(DeleteMovedSources(persons, {family}, {movable}), QStringList{movable});
}

TEST_F(PictureFilesOnDisk, RemovalCountsTheOtherPersonsUsingTheFile)
{
    write("pics/d.jpg", "D");
    QDir(root.path()).mkpath(QStringLiteral("links"));
    ASSERT_TRUE(QFile::link(root.filePath("pics/d.jpg"), root.filePath("links/d.jpg")));
    PersonList persons(4);
    persons[0].Pictures = {QStringLiteral("../pics/d.jpg"), QStringLiteral("other.jpg")};
    persons[1].Pictures = {root.filePath("pics/d.jpg")};
    persons[2].Pictures = {QStringLiteral("../links/d.jpg"), QStringLiteral("../links/d.jpg")};
    const PictureFileUse first = PictureFileUsers(persons, 1, 1, family);
    EXPECT_EQ(first.otherPersons, 2);
    EXPECT_FALSE(first.otherEntryOfPerson);
    // Deleting the link takes nothing from the persons naming the file itself.
    const PictureFileUse link = PictureFileUsers(persons, 3, 1, family);
    EXPECT_EQ(link.otherPersons, 0);
    EXPECT_TRUE(link.otherEntryOfPerson);
    EXPECT_FALSE(PictureFileUsers(persons, 1, 2, family).shared());
    persons[1].Pictures.clear();
    persons[2].Pictures.clear();
    EXPECT_FALSE(PictureFileUsers(persons, 1, 1, family).shared());
}

} // namespace
