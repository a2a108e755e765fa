#include "gedcom/familysave.h"

#include "gedcom/familygenerator.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

using namespace kinrow;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

TEST(BackupName, ReplacesOnlyTheFilesOwnExtension)
{
    EXPECT_EQ(BackupName(u"Dir.GED/Aile.GED"_qs), u"Dir.GED/Aile.bak"_qs);
    EXPECT_EQ(BackupName(u"/Ev/Aile.Ged"_qs), u"/Ev/Aile.bak"_qs);
    EXPECT_EQ(BackupName(u"aile"_qs), u"aile.bak"_qs);
    EXPECT_EQ(BackupName(u"x.ged.old"_qs), u"x.ged.old.bak"_qs);
    EXPECT_EQ(BackupName(u"a.dat"_qs), u"a.dat.bak"_qs);
    for (const QString& name : {u"a.bak"_qs, u"Dir.GED/x"_qs, u".ged"_qs})
        EXPECT_NE(BackupName(name), name);
}

class SaveTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    PersonList family = GenerateFamily(30, 3);
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(SaveTest, SavingTwiceKeepsOneBackupOfThePreviousFile)
{
    const QString file = path(u"Aile.GED"_qs);
    put(file, "old contents");
    ASSERT_TRUE(SaveFamilyFile(file, family, {}).saved);
    EXPECT_EQ(contents(path(u"Aile.bak"_qs)), "old contents");
    const QByteArray first = contents(file);
    EXPECT_TRUE(first.startsWith("0 HEAD\r\n"));

    family.resize(10);
    for (auto& p : family) {
        p.Spouses.removeIf([](qint32 s) { return s > 10; });
        p.Children.removeIf([](qint32 c) { return c > 10; });
    }
    const SaveResult second = SaveFamilyFile(file, family, {});
    ASSERT_TRUE(second.saved) << second.error.toStdString();
    EXPECT_EQ(contents(path(u"Aile.bak"_qs)), first);
    EXPECT_NE(contents(file), first);
    EXPECT_EQ(entries(dir.path()), (QStringList{u"Aile.GED"_qs, u"Aile.bak"_qs}));
}

TEST_F(SaveTest, TheBackupOfALinkedFileKeepsTheOldContents)
{
    put(path(u"gercek.ged"_qs), "old contents");
    ASSERT_TRUE(QFile::link(path(u"gercek.ged"_qs), path(u"aile.ged"_qs)));
    ASSERT_TRUE(SaveFamilyFile(path(u"aile.ged"_qs), family, {}).saved);
    EXPECT_EQ(contents(path(u"aile.bak"_qs)), "old contents");
    EXPECT_TRUE(contents(path(u"aile.ged"_qs)).startsWith("0 HEAD\r\n"));
}

TEST_F(SaveTest, ANewFileNeedsNoBackup)
{
    const SaveResult result = SaveFamilyFile(path(u"yeni.ged"_qs), family, {});
    ASSERT_TRUE(result.saved);
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_EQ(entries(dir.path()), QStringList{u"yeni.ged"_qs});
}

TEST_F(SaveTest, ATargetThatIsAFolderIsReportedAndLeftAlone)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"aile.ged"_qs));
    const SaveResult result = SaveFamilyFile(path(u"aile.ged"_qs), family, {});
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(QFileInfo(path(u"aile.ged"_qs)).isDir());
    EXPECT_EQ(entries(dir.path()), QStringList{u"aile.ged"_qs});
}

TEST_F(SaveTest, ABackupNameTakenByAFolderStopsTheSaveBeforeAnythingChanges)
{
    put(path(u"aile.ged"_qs), "old contents");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"aile.bak"_qs));
    const SaveResult result = SaveFamilyFile(path(u"aile.ged"_qs), family, {});
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(contents(path(u"aile.ged"_qs)), "old contents");
    EXPECT_EQ(entries(dir.path()), (QStringList{u"aile.bak"_qs, u"aile.ged"_qs}));
}

TEST_F(SaveTest, AReadOnlyFolderLeavesTheFamilyFileUntouched)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write into read-only folders";
    const QString sub = path(u"salt"_qs);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"salt"_qs));
    put(sub + u"/aile.ged"_qs, "old contents");
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::ExeOwner);
    const SaveResult result = SaveFamilyFile(sub + u"/aile.ged"_qs, family, {});
    QFile::setPermissions(sub, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(contents(sub + u"/aile.ged"_qs), "old contents");
    EXPECT_EQ(entries(sub), QStringList{u"aile.ged"_qs});
}

TEST_F(SaveTest, WritingThroughPutsTheFileInPlaceOnlyOnceComplete)
{
    const QString file = path(u"tablo.html"_qs);
    put(file, "old export");
    const SaveResult failed = WriteFileThrough(file, [&](QIODevice& device) {
        device.write(QByteArray(100'000, 'x'));
        // Half way, the old file is still there as it was.
        EXPECT_EQ(contents(file), "old export");
        return false;
    });
    EXPECT_FALSE(failed.saved);
    EXPECT_TRUE(failed.error.startsWith(file)) << failed.error.toStdString();
    EXPECT_EQ(contents(file), "old export");
    EXPECT_EQ(entries(dir.path()), QStringList{u"tablo.html"_qs});

    const SaveResult saved = WriteFileThrough(file, [](QIODevice& device) {
        return device.write("new ") == 4 && device.write("export") == 6;
    });
    EXPECT_TRUE(saved.saved) << saved.error.toStdString();
    EXPECT_EQ(contents(file), "new export");
    EXPECT_EQ(entries(dir.path()), QStringList{u"tablo.html"_qs});
}

TEST_F(SaveTest, WritingThroughLeavesAPipeAlone)
{
    const QString fifo = path(u"pipe.csv"_qs);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    bool called = false;
    const SaveResult result = WriteFileThrough(fifo, [&](QIODevice&) { return called = true; });
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(called);
    EXPECT_TRUE(result.error.contains(u"not a regular file"_qs)) << result.error.toStdString();
    // The pipe is still there, and nothing was left beside it.
    EXPECT_EQ(QDir(dir.path())
                  .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{u"pipe.csv"_qs});
    EXPECT_FALSE(QFileInfo(fifo).isFile());
}

TEST_F(SaveTest, RefusalsAreWordedInTheSavesLanguage)
{
    // A folder in the way of the file or of its backup, or a pipe: refused in the user's words.
    const QString folder = path(u"klasor.ged"_qs);
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"klasor.ged"_qs));
    const QString backupTaken = path(u"aile.ged"_qs);
    put(backupTaken, "old contents");
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"aile.bak"_qs));
    const QString fifo = path(u"boru.csv"_qs);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const auto nothing = [](QIODevice&) { return true; };
    struct Case
    {
        Lang lang;
        const char16_t* folder;
        const char16_t* backup;
        const char16_t* pipe;
    } const cases[] = {
        {Lang::English, u"This name is taken by a folder.",
         u"The backup name is taken by a folder.", u"This name is not a regular file."},
        {Lang::Turkish, u"Bu ad bir klasörün adı.", u"Yedek dosyanın adı bir klasörün adı.",
         u"Bu ad sıradan bir dosyanın adı değil."},
    };
    for (const Case& c : cases) {
        const SaveResult inFolder = SaveFamilyFile(folder, family, {}, c.lang);
        const SaveResult throughFolder = WriteFileThrough(folder, nothing, c.lang);
        const SaveResult backup = SaveFamilyFile(backupTaken, family, {}, c.lang);
        const SaveResult pipe = WriteFileThrough(fifo, nothing, c.lang);
        for (const SaveResult* r : {&inFolder, &throughFolder, &backup, &pipe})
            EXPECT_FALSE(r->saved);
        EXPECT_TRUE(inFolder.error.endsWith(QString::fromUtf16(c.folder)))
            << inFolder.error.toStdString();
        EXPECT_TRUE(throughFolder.error.endsWith(QString::fromUtf16(c.folder)));
        EXPECT_TRUE(backup.error.endsWith(QString::fromUtf16(c.backup)))
            << backup.error.toStdString();
        EXPECT_TRUE(pipe.error.endsWith(QString::fromUtf16(c.pipe))) << pipe.error.toStdString();
    }
    EXPECT_EQ(contents(backupTaken), "old contents");
}

TEST_F(SaveTest, AMissingFolderIsReported)
{
    const SaveResult result = SaveFamilyFile(path(u"yok/aile.ged"_qs), family, {});
    EXPECT_FALSE(result.saved);
    EXPECT_FALSE(result.error.isEmpty());
}

} // namespace
