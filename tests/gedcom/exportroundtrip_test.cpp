#include "editing/editinghistory.h"
#include "gedcom/familygenerator.h"
#include "gedcom/gedcomexport.h"
#include "gedcom/gedcomreader.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

// Reads a family file as opening it does, with its folder as the current folder.
PersonList readFile(const QString& fileName, ErrorList& errors)
{
    const QString previous = QDir::currentPath();
    QDir::setCurrent(QFileInfo(fileName).absolutePath());
    PersonList persons;
    EXPECT_TRUE(ReadGedcom(fileName, persons, errors, {})) << fileName.toStdString();
    QDir::setCurrent(previous);
    return persons;
}

// Exports the persons beside the family file, reads the export and compares field by field.
void expectSameFamilyFromExport(const PersonList& persons, const QString& folder)
{
    const QString target = folder + u"/disa-aktarim.ged"_qs;
    ASSERT_TRUE(ExportGedcomFile(target, folder + u"/aile.ged"_qs, persons, {}).saved);
    ErrorList errors;
    const PersonList read = readFile(target, errors);
    const std::optional<QString> difference = FirstDifference(read, CarriedPersons(persons));
    EXPECT_FALSE(difference) << difference.value_or(QString()).toStdString();
    EXPECT_FALSE(errors.visible) << errors.lines.join(u" | "_qs).toStdString();
    QFile::remove(target);
}

TEST(ExportRoundTrip, SampleFamilyComesBackWhole)
{
    const QString folder = QStringLiteral(KINROW_SOURCE_DIR "/data/sample");
    QFile original(folder + u"/aile.ged"_qs);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray before = original.readAll();
    original.close();
    ErrorList errors;
    const PersonList persons = readFile(folder + u"/aile.ged"_qs, errors);
    ASSERT_FALSE(persons.empty());
    int pictures = 0;
    for (const TTreeData& p : persons)
        pictures += int(p.Pictures.size());
    ASSERT_GT(pictures, 0) << "the sample's pictures were not found";

    QTemporaryDir copy;
    // The export goes beside the family file so that the pictures' relative names hold; a
    // copy of the sample's folder keeps the source tree clean.
    QDir().mkpath(copy.filePath(u"resimler"_qs));
    for (const QString& name : QDir(folder + u"/resimler"_qs).entryList(QDir::Files))
        QFile::copy(folder + u"/resimler/"_qs + name, copy.filePath(u"resimler/"_qs + name));
    expectSameFamilyFromExport(persons, copy.path());
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    EXPECT_EQ(original.readAll(), before);
}

// A generated family with notes, pictures (some in folders with Turkish names) and names
// from the extra list, each person's choices drawn from its record number.
PersonList withAdditions(PersonList persons, const QStringList& pictures, const QStringList& names)
{
    for (TTreeData& p : persons) {
        const auto n = quint32(p.Id) * 2654435761u;
        if (n % 3 == 0)
            p.Notes = p.GivenName + u" için not:\r\n"_qs + QString(300, u'ü') + u"  son "_qs;
        if (n % 7 == 0)
            p.Pictures = {pictures[int(n % quint32(pictures.size()))]};
        if (n % 11 == 0)
            p.GivenName = names[int(n % quint32(names.size()))];
    }
    return persons;
}

void makePictures(const QString& folder, const QStringList& pictures)
{
    for (const QString& name : pictures) {
        QDir(folder).mkpath(QFileInfo(folder + u'/' + name).path());
        QFile file(folder + u'/' + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
}

TEST(ExportRoundTrip, GeneratedFamilyOfTenThousandComesBackWhole)
{
    QTemporaryDir dir;
    const QStringList pictures = {u"resimler/düğün.jpg"_qs, u"Çiğdem'in/ılgın.jpeg"_qs,
                                  u"eski.BMP"_qs};
    makePictures(dir.path(), pictures);
    const PersonList persons =
        withAdditions(GenerateFamily(10000, 7), pictures, {u"ŞÜKRÜ"_qs, u"İĞDE"_qs});
    expectSameFamilyFromExport(persons, dir.path());
}

TEST(ExportRoundTrip, GeneratedFamilyWithNonLatinNamesComesBackWhole)
{
    QTemporaryDir dir;
    const QStringList pictures = {u"Ελληνικά/φωτό.jpg"_qs, u"照片/家.jpeg"_qs,
                                  u"Þórður/mynd.bmp"_qs};
    makePictures(dir.path(), pictures);
    PersonList persons = withAdditions(GenerateFamily(10000, 11), pictures,
                                       {u"ÞORFINNSSON"_qs, u"ΑΛΈΞΑΝΔΡΟΣ"_qs, u"ВЛАДИМИР"_qs,
                                        u"محمد"_qs, u"王秀英"_qs, u"ŁUKASZ"_qs, u"😀"_qs});
    for (TTreeData& p : persons)
        if (p.Id % 13 == 0) {
            p.BirthPlace = u"ΑΘΉΝΑ, ΕΛΛΆΔΑ"_qs;
            p.Notes += QString(100, u'中') + u"😀 Þórður"_qs;
        }
    expectSameFamilyFromExport(persons, dir.path());
}

} // namespace
