#include "shell/association.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// Points the XDG folders at a temporary home for one test.
class AssociationTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        qputenv("XDG_DATA_HOME", home.filePath("data").toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
        // The system's folders are the test's own too, so that an installed program is not seen.
        qputenv("XDG_DATA_DIRS", home.filePath("system").toUtf8());
    }
    void TearDown() override { qputenv("PATH", path); }
    QByteArray read(const QString& relative) const
    {
        QFile file(home.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QString& relative, const QByteArray& bytes) const
    {
        QDir().mkpath(QFileInfo(home.filePath(relative)).absolutePath());
        QFile file(home.filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QTemporaryDir home;
    const QByteArray path = qgetenv("PATH");
};

} // namespace

TEST_F(AssociationTest, RegisterReadBackAndRemove)
{
    const QString program = "/opt/kinrow/bin/kinrow";
    EXPECT_FALSE(IsGedAssociationRegistered(program));
    ASSERT_TRUE(RegisterGedAssociation(program));
    EXPECT_TRUE(IsGedAssociationRegistered(program));
    EXPECT_FALSE(IsGedAssociationRegistered("/usr/bin/other"));
    EXPECT_TRUE(read("data/applications/io.kinrow.Kinrow.desktop")
                    .contains("Exec=\"/opt/kinrow/bin/kinrow\" %f\n"));
    // The type is shared-mime-info's: no package of the program's own shadows it.
    EXPECT_FALSE(QFile::exists(home.filePath("data/mime")));
    EXPECT_TRUE(
        read("config/mimeapps.list")
            .contains("[Default Applications]\napplication/x-gedcom=io.kinrow.Kinrow.desktop;"));

    ASSERT_TRUE(RemoveGedAssociation());
    EXPECT_FALSE(IsGedAssociationRegistered(program));
    EXPECT_FALSE(QFile::exists(home.filePath("data/applications/io.kinrow.Kinrow.desktop")));
    EXPECT_FALSE(read("config/mimeapps.list").contains("application/x-gedcom"));
}

TEST_F(AssociationTest, OtherDefaultsSurviveAndForeignOpenerIsKept)
{
    write("config/mimeapps.list", "[Added Associations]\ntext/plain=gedit.desktop;\n"
                                  "[Default Applications]\nimage/png=eog.desktop;\n");
    ASSERT_TRUE(RegisterGedAssociation("/usr/bin/kinrow"));
    const QByteArray list = read("config/mimeapps.list");
    EXPECT_TRUE(list.contains("[Added Associations]\ntext/plain=gedit.desktop;\n"));
    EXPECT_TRUE(list.contains("image/png=eog.desktop;"));
    EXPECT_EQ(list.count("[Default Applications]"), 1);

    // Another program took over .ged files: removal must not touch its default.
    write("config/mimeapps.list", "[Default Applications]\napplication/x-gedcom=other.desktop;\n");
    EXPECT_FALSE(IsGedAssociationRegistered("/usr/bin/kinrow"));
    ASSERT_TRUE(RemoveGedAssociation());
    EXPECT_TRUE(read("config/mimeapps.list").contains("application/x-gedcom=other.desktop;"));
}

TEST_F(AssociationTest, AwkwardProgramPaths)
{
    const QString spaced = "/home/u/My Programs/kin\"row$ 100%/kinrow";
    ASSERT_TRUE(RegisterGedAssociation(spaced));
    EXPECT_TRUE(IsGedAssociationRegistered(spaced));
    EXPECT_TRUE(read("data/applications/io.kinrow.Kinrow.desktop")
                    .contains("Exec=\"/home/u/My Programs/kin\\\\\"row\\\\$ 100%%/kinrow\" %f"));
    EXPECT_FALSE(RegisterGedAssociation("/tmp/evil\nExec=rm -rf ~"));
}

TEST_F(AssociationTest, DefaultNamingAPathIsNotFollowed)
{
    write("data/secret.desktop", "[Desktop Entry]\nExec=\"/usr/bin/kinrow\" %f\n");
    write("config/mimeapps.list",
          "[Default Applications]\napplication/x-gedcom=../secret.desktop;\n");
    EXPECT_FALSE(IsGedAssociationRegistered("/usr/bin/kinrow"));
}

TEST_F(AssociationTest, InstalledEntryServesWhenItRunsThisProgram)
{
    // An installed program: "kinrow" on the search path, the system's entry running it by name.
    write("bin/kinrow", "#!/bin/sh\n");
    QFile(home.filePath("bin/kinrow")).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", home.filePath("bin").toUtf8());
    write("system/applications/io.kinrow.Kinrow.desktop",
          "[Desktop Entry]\nName=Kinrow\nExec=kinrow %f\nMimeType=application/x-gedcom;\n");
    const QString installed = home.filePath("bin/kinrow");
    // A user's entry left by a run from the build folder would hide the installed one.
    write("data/applications/io.kinrow.Kinrow.desktop", "[Desktop Entry]\nExec=\"/b/kinrow\" %f\n");

    ASSERT_TRUE(RegisterGedAssociation(installed));
    EXPECT_FALSE(QFile::exists(home.filePath("data/applications/io.kinrow.Kinrow.desktop")));
    EXPECT_TRUE(IsGedAssociationRegistered(installed));
    EXPECT_FALSE(IsGedAssociationRegistered("/b/kinrow"));

    // The build folder's program registers itself beside it, through the user's entry.
    ASSERT_TRUE(RegisterGedAssociation("/b/kinrow"));
    EXPECT_TRUE(IsGedAssociationRegistered("/b/kinrow"));
    EXPECT_FALSE(IsGedAssociationRegistered(installed));
    ASSERT_TRUE(RemoveGedAssociation());
    EXPECT_FALSE(IsGedAssociationRegistered(installed));
    EXPECT_TRUE(QFile::exists(home.filePath("system/applications/io.kinrow.Kinrow.desktop")));
}

TEST_F(AssociationTest, FilesOfEarlierReleasesAreRemoved)
{
    for (const bool registering : {true, false}) {
        write("data/applications/kinrow.desktop", "[Desktop Entry]\nExec=\"/b/kinrow\" %f\n");
        write("data/mime/packages/kinrow-gedcom.xml", "<mime-info/>");
        write("config/mimeapps.list",
              "[Default Applications]\napplication/x-gedcom=kinrow.desktop;\n");
        ASSERT_TRUE(registering ? RegisterGedAssociation("/b/kinrow") : RemoveGedAssociation());
        EXPECT_FALSE(QFile::exists(home.filePath("data/applications/kinrow.desktop")))
            << registering;
        EXPECT_FALSE(QFile::exists(home.filePath("data/mime/packages/kinrow-gedcom.xml")))
            << registering;
        EXPECT_EQ(read("config/mimeapps.list").contains("=kinrow.desktop"), false) << registering;
        EXPECT_EQ(IsGedAssociationRegistered("/b/kinrow"), registering);
    }
}
