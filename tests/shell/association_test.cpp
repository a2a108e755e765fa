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
    }
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
};

} // namespace

TEST_F(AssociationTest, RegisterReadBackAndRemove)
{
    const QString program = "/opt/kinrow/bin/kinrow";
    EXPECT_FALSE(IsGedAssociationRegistered(program));
    ASSERT_TRUE(RegisterGedAssociation(program));
    EXPECT_TRUE(IsGedAssociationRegistered(program));
    EXPECT_FALSE(IsGedAssociationRegistered("/usr/bin/other"));
    EXPECT_TRUE(
        read("data/applications/kinrow.desktop").contains("Exec=\"/opt/kinrow/bin/kinrow\" %f\n"));
    EXPECT_TRUE(read("data/mime/packages/kinrow-gedcom.xml").contains("<glob pattern=\"*.ged\"/>"));
    EXPECT_TRUE(read("config/mimeapps.list")
                    .contains("[Default Applications]\napplication/x-gedcom=kinrow.desktop;"));

    ASSERT_TRUE(RemoveGedAssociation());
    EXPECT_FALSE(IsGedAssociationRegistered(program));
    EXPECT_FALSE(QFile::exists(home.filePath("data/applications/kinrow.desktop")));
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
    EXPECT_TRUE(read("data/applications/kinrow.desktop")
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
