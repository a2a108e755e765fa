#include "model/sessionfamily.h"
#include "pictures/pictureadding.h"
#include "pictures/picturecollection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

class PictureCollectionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("family/sub"));
        QDir(root.path()).mkpath(QStringLiteral("one"));
        QDir(root.path()).mkpath(QStringLiteral("two"));
        family = root.filePath(QStringLiteral("family"));
        persons.resize(3);
    }

    QString write(const QString& relative, const QByteArray& bytes)
    {
        const QString path = root.filePath(relative);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QByteArray read(const QString& name) const
    {
        QFile file(QDir(family).filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Collects, and after a move deletes the sources as a successful save then does.
    PictureCollectionResult collect(bool move, QList<qint32> recNos = {1, 2, 3})
    {
        PictureCollectionResult result = CollectPictures(persons, recNos, family, move);
        result.deleted = DeleteMovedSources(persons, {family}, result.movable);
        return result;
    }

    QTemporaryDir root;
    QString family;
    PersonList persons;
};

TEST_F(PictureCollectionTest, DifferentPicturesOfOneNameAndSizeAreBothKept)
{
    persons[0].Pictures = {write("one/a.jpg", "AAAA")};
    persons[1].Pictures = {write("two/a.jpg", "BBBB")};
    const PictureCollectionResult result = collect(true);
    EXPECT_EQ(result.copied, 2);
    EXPECT_EQ(persons[0].Pictures, QStringList{"a.jpg"});
    EXPECT_EQ(persons[1].Pictures, QStringList{"Xa.jpg"});
    EXPECT_EQ(read("a.jpg"), "AAAA");
    EXPECT_EQ(read("Xa.jpg"), "BBBB");
    EXPECT_FALSE(QFile::exists(root.filePath("one/a.jpg")));
}

TEST_F(PictureCollectionTest, IdenticalFilesShareOneCopy)
{
    persons[0].Pictures = {write("one/a.jpg", "SAME")};
    persons[1].Pictures = {write("two/a.jpg", "SAME")};
    EXPECT_EQ(collect(false).copied, 2);
    EXPECT_EQ(persons[1].Pictures, QStringList{"a.jpg"});
    EXPECT_FALSE(QFile::exists(QDir(family).filePath("Xa.jpg")));
}

TEST_F(PictureCollectionTest, BareNamesAndTheFolderItselfAreLeftAlone)
{
    write("family/b.jpg", "B");
    persons[0].Pictures = {QStringLiteral("b.jpg"), family + QStringLiteral("/b.jpg")};
    const PictureCollectionResult result = collect(true);
    EXPECT_EQ(result.copied, 0);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(read("b.jpg"), "B");
}

TEST_F(PictureCollectionTest, ASourceThatIsTheDestinationIsNeverCopiedOrDeleted)
{
    write("family/c.jpg", "C");
    QFile::link(QDir(family).filePath("c.jpg"), root.filePath("one/link.jpg"));
    persons[0].Pictures = {QStringLiteral("./c.jpg"), QStringLiteral("sub/../c.jpg"),
                           root.filePath("one/link.jpg")};
    const QStringList before = persons[0].Pictures;
    const PictureCollectionResult result = collect(true);
    EXPECT_EQ(result.copied, 0);
    EXPECT_EQ(persons[0].Pictures, before);
    EXPECT_EQ(read("c.jpg"), "C");
    EXPECT_TRUE(result.deleted.isEmpty());
}

TEST_F(PictureCollectionTest, AFailedCopyKeepsEntryAndSource)
{
    // A folder holds the longest name a file can have, so the copy's "X" name is too long.
    const QString name = QString(251, u'd') + QStringLiteral(".jpg");
    const QString source = write(QStringLiteral("one/") + name, "D");
    QDir(family).mkdir(name);
    const QString missing = root.filePath("one/gone.jpg");
    persons[0].Pictures = {source, missing};
    const PictureCollectionResult result = collect(true);
    EXPECT_EQ(result.copied, 0);
    EXPECT_EQ(result.failed.size(), 2);
    EXPECT_EQ(persons[0].Pictures, (QStringList{source, missing}));
    EXPECT_TRUE(QFile::exists(source));
}

TEST_F(PictureCollectionTest, EveryEntryOfOneSourceMovesToTheSameCopy)
{
    const QString source = write("one/e.jpg", "E");
    persons[0].Pictures = {source};
    persons[1].Pictures = {QStringLiteral("../one/e.jpg")};
    persons[2].Pictures = {source};
    // Person 3 is not collected, so the source stays for it.
    collect(true, {1, 2});
    EXPECT_EQ(persons[0].Pictures, QStringList{"e.jpg"});
    EXPECT_EQ(persons[1].Pictures, QStringList{"e.jpg"});
    EXPECT_FALSE(QFile::exists(QDir(family).filePath("Xe.jpg")));
    EXPECT_TRUE(QFile::exists(source));
    collect(true, {3});
    EXPECT_EQ(persons[2].Pictures, QStringList{"e.jpg"});
    EXPECT_FALSE(QFile::exists(source));
}

TEST_F(PictureCollectionTest, AMoveDeletesNothingUntilTheFamilyIsSaved)
{
    const QString a = write("one/a.jpg", "AAAA");
    persons[0].Pictures = {a};
    const PictureCollectionResult moved = CollectPictures(persons, {1}, family, true);
    EXPECT_EQ(persons[0].Pictures, QStringList{"a.jpg"});
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(moved.movable, QStringList{a});
    // A copy leaves nothing to delete.
    persons[1].Pictures = {write("two/b.jpg", "B")};
    EXPECT_TRUE(CollectPictures(persons, {2}, family, false).movable.isEmpty());
}

TEST(PictureAdding, ViewerSizeRules)
{
    const std::pair<QSize, QSize> cases[] = {
        {{30, 30}, {50, 60}},     {{2000, 1500}, {600, 400}}, {{50, 60}, {50, 60}},
        {{51, 61}, {51, 61}},     {{600, 400}, {600, 400}},   {{601, 401}, {600, 400}},
        {{640, 120}, {600, 120}},
    };
    for (const auto& [picture, client] : cases)
        EXPECT_EQ(PictureViewerClientSize(picture), client) << picture.width();
}

TEST(PictureAdding, APathTooLongForTheFileLineIsRefused)
{
    const QString folder = QStringLiteral("/home/family");
    EXPECT_EQ(StoredPictureName(QStringLiteral("/home/pics/a.jpg"), folder), u"../pics/a.jpg");
    const QString deep = QStringLiteral("/") + QString(300, u'p') + QStringLiteral("/a.jpg");
    EXPECT_FALSE(StoredPictureName(deep, folder));
    const QString longest = QStringLiteral("/home/family/") + QString(259, u'q') + ".jpg";
    EXPECT_EQ(StoredPictureName(longest, folder)->size(), MaxPictureNameLength);
}

TEST(PictureAdding, AddingTwiceSelectsTheFirst)
{
    TTreeData person;
    bool added = false;
    EXPECT_EQ(AddPictureEntry(person, "a.jpg", added), 1);
    EXPECT_TRUE(added);
    EXPECT_EQ(AddPictureEntry(person, "b.jpg", added), 2);
    EXPECT_EQ(AddPictureEntry(person, "a.jpg", added), 1);
    EXPECT_FALSE(added);
    EXPECT_EQ(person.Pictures.size(), 2);
}

} // namespace

TEST_F(PictureCollectionTest, UndoingACollectionGivesTheEntriesBackAndLeavesTheCopies)
{
    Session session;
    session.replaceFamily(persons);
    test::EditFamily(session, [&](PersonList& family) {
        family[0].Pictures = {write("one/a.jpg", "AAAA"), QStringLiteral("b.jpg")};
    });
    const PersonList before = session.persons();
    const PictureCollectionResult result = CollectFamilyPictures(session, {1, 2, 3}, family, false);
    EXPECT_EQ(result.copied, 1);
    EXPECT_TRUE(session.unsavedChanges());
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.persons(), before);
    EXPECT_FALSE(session.unsavedChanges());
    EXPECT_EQ(read("a.jpg"), "AAAA");
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(session.persons()[0].Pictures, QStringList({"a.jpg", "b.jpg"}));
    // A collection that changes nothing is no step.
    CollectFamilyPictures(session, {1, 2, 3}, family, false);
    EXPECT_EQ(session.history().stepCount(), 1u);
}
