#include "gedcom/familyopen.h"
#include "model/messages.h"
#include "shell/settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(Settings, MissingFileGivesDefaults)
{
    QTemporaryDir dir;
    const LastValues values = ReadLastValues(dir.filePath("kinrow.ini"), "Arial", 162);
    EXPECT_EQ(values.recNoMain, 1);
    EXPECT_EQ(values.gedFile, "Kinrow.ged");
    EXPECT_EQ(values.language, 1);
    EXPECT_EQ(values.fontName, "Arial");
    EXPECT_EQ(values.fontCharSet, 162);
}

TEST(Settings, WrittenValuesReadBackUnderTheNamedSection)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/kinrow.ini");
    LastValues stored;
    stored.recNoMain = 42;
    stored.gedFile = "/home/a b/Aile, Yılmaz.ged";
    stored.language = 0;
    ASSERT_TRUE(WriteLastValues(path, stored));
    ASSERT_TRUE(WriteFontValues(path, "DejaVu Sans", 0));
    const LastValues values = ReadLastValues(path, "Arial", 162);
    EXPECT_EQ(values.recNoMain, 42);
    EXPECT_EQ(values.gedFile, stored.gedFile);
    EXPECT_EQ(values.language, 0);
    EXPECT_EQ(values.fontName, "DejaVu Sans");
    EXPECT_EQ(values.fontCharSet, 0);
    const QByteArray text = ReadFile(path);
    EXPECT_TRUE(text.startsWith("[Last Values]\n")) << text.constData();
    EXPECT_EQ(text.count("[Last Values]"), 1);
}

TEST(Settings, UnusableValuesFallBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kinrow.ini");
    WriteFile(path, "[Other]\nLanguage=0\n[Last Values]\nLanguage=7\nRecNoMain=abc\n"
                    "FontCharSet=999\nGedFile=\n");
    const LastValues values = ReadLastValues(path, "Arial", 162);
    EXPECT_EQ(values.language, 1);
    EXPECT_EQ(values.recNoMain, 1);
    EXPECT_EQ(values.fontCharSet, 162);
    EXPECT_EQ(values.gedFile, "Kinrow.ged");
}

TEST(Settings, WritingKeepsOtherSectionsAndKeys)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kinrow.ini");
    WriteFile(path, "; note\n[Last Values]\nFontName=Verdana\n[Other]\nKey=1\n");
    LastValues values;
    values.gedFile = "x\ny.ged"; // a line break must not start a key of its own
    ASSERT_TRUE(WriteLastValues(path, values));
    const QByteArray text = ReadFile(path);
    EXPECT_TRUE(text.contains("; note\n"));
    EXPECT_TRUE(text.contains("[Other]\nKey=1\n"));
    EXPECT_EQ(ReadLastValues(path, "Arial", 162).fontName, "Verdana");
    EXPECT_EQ(ReadLastValues(path, "Arial", 162).gedFile, "x y.ged");
}

TEST(StartupFamilyFileName, ArgumentStoredNameAndFallback)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("aile.ged"), "");
    WriteFile(dir.filePath("notes.txt"), "");
    WriteFile(dir.filePath("stored.ged"), "");
    const QString start = dir.path();
    EXPECT_EQ(StartupFamilyFileName({"aile.ged"}, "stored.ged", start), dir.filePath("aile.ged"));
    EXPECT_EQ(StartupFamilyFileName({"notes.txt"}, "stored.ged", start),
              dir.filePath("stored.ged"));
    EXPECT_EQ(StartupFamilyFileName({"missing.ged"}, "stored.ged", start),
              dir.filePath("stored.ged"));
    EXPECT_EQ(StartupFamilyFileName({}, "gone.ged", start), dir.filePath("Kinrow.ged"));
    EXPECT_EQ(StartupFamilyFileName({"AILE.GED"}, "x", start), dir.filePath("Kinrow.ged"));
}

TEST(OpenFamilyFile, NewGedNameIsCreatedEmpty)
{
    QTemporaryDir dir;
    PersonList persons(3);
    ErrorList errors;
    const QString name = dir.filePath("yeni.ged");
    const OpenOutcome outcome = OpenFamilyFile(name, false, persons, errors, ReadOptions());
    EXPECT_TRUE(outcome.opened);
    EXPECT_FALSE(outcome.readOnly);
    EXPECT_TRUE(QFile::exists(name));
    EXPECT_TRUE(persons.empty());
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
}

TEST(OpenFamilyFile, RefusalsLeaveTheListEmptyWithTheirMessage)
{
    QTemporaryDir dir;
    PersonList persons(2);
    ErrorList errors;
    ReadOptions options;
    OpenOutcome outcome = OpenFamilyFile(dir.filePath("eski.dat"), false, persons, errors, options);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.failureMessage, LangText(Msg::DatCreateRefusal, Lang::English));
    EXPECT_TRUE(persons.empty());
    EXPECT_FALSE(QFile::exists(dir.filePath("eski.dat")));

    outcome = OpenFamilyFile(dir.filePath("no/such/folder/a.ged"), false, persons, errors, options);
    EXPECT_EQ(outcome.failureMessage, "InAccessible Area !!!");

    outcome = OpenFamilyFile(dir.path(), false, persons, errors, options);
    EXPECT_FALSE(outcome.opened);
    EXPECT_EQ(outcome.failureMessage, "InAccessible Area !!!");

    outcome = OpenFamilyFile(dir.filePath("bos.ged"), true, persons, errors, options);
    EXPECT_FALSE(outcome.opened);
    EXPECT_TRUE(outcome.readOnly);
    EXPECT_EQ(outcome.failureMessage, "File can not open !!!");
}

TEST(OpenFamilyFile, LegacyImportEndsWithGedName)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("eski.dat"), QByteArray(1008, '\0'));
    PersonList persons;
    ErrorList errors;
    const OpenOutcome outcome =
        OpenFamilyFile(dir.filePath("eski.dat"), false, persons, errors, ReadOptions());
    EXPECT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.fileName, dir.filePath("eski.ged"));
    EXPECT_EQ(persons.size(), 2u);
}

TEST(OpenFamilyFile, OnlyFamilyFilesAreReadOtherFilesAreLeftAlone)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("notlar.txt"), "Dedemin notlari\r\n");
    WriteFile(dir.filePath("bos.txt"), "");
    const struct
    {
        const char* name;
        bool opened;
    } cases[] = {{"notlar.txt", false}, {"bos.txt", true}, {"yeni.txt", true}};
    for (const auto& c : cases) {
        const QString name = dir.filePath(c.name);
        PersonList persons(1);
        ErrorList errors;
        const OpenOutcome outcome = OpenFamilyFile(name, false, persons, errors, ReadOptions());
        EXPECT_EQ(outcome.opened, c.opened) << c.name;
        EXPECT_TRUE(persons.empty()) << c.name;
        const QString refusal = name + "\r\r" + LangText(Msg::BadFileFormat, Lang::English);
        EXPECT_EQ(outcome.failureMessage, c.opened ? QString() : refusal) << c.name;
    }
    QFile notes(dir.filePath("notlar.txt"));
    ASSERT_TRUE(notes.open(QIODevice::ReadOnly));
    EXPECT_EQ(notes.readAll(), "Dedemin notlari\r\n");
}

TEST(OpenFamilyFile, PicturesOfALinkedFamilyAreFoundBesideTheRealFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("gercek"));
    ASSERT_TRUE(QDir(dir.path()).mkpath("kisayol"));
    WriteFile(dir.filePath("gercek/foto.jpg"), "jpg");
    const QByteArray picture = "1 OBJE\r\n2 FILE foto.jpg\r\n";
    WriteFile(dir.filePath("gercek/aile.ged"), "0 HEAD\r\n1 SOUR KINROW\r\n2 VERS 3.04\r\n"
                                               "1 CHAR ANSI\r\n0 @I1@ INDI\r\n1 NAME ALI /KAYA/\r\n"
                                               "1 SEX M\r\n" +
                                                   picture + "0 TRLR\r\n");
    const QString link = dir.filePath("kisayol/aile.ged");
    ASSERT_TRUE(QFile::link(dir.filePath("gercek/aile.ged"), link));
    PersonList persons;
    ErrorList errors;
    const OpenOutcome outcome = OpenFamilyFile(link, false, persons, errors, ReadOptions());
    ASSERT_TRUE(outcome.opened);
    EXPECT_EQ(outcome.fileName, link);
    ASSERT_EQ(persons.size(), 1u);
    EXPECT_EQ(persons[0].Pictures, QStringList{"foto.jpg"});
    EXPECT_FALSE(errors.visible);
    EXPECT_EQ(QDir::currentPath(), QDir(dir.filePath("gercek")).canonicalPath());
}
