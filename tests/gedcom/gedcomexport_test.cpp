#include "editing/editinghistory.h"
#include "gedcom/familygenerator.h"
#include "gedcom/gedcomexport.h"
#include "gedcom/gedcomreader.h"
#include "model/textrules.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryDir>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

ExportOptions fixedOptions()
{
    ExportOptions options;
    options.date = QDate(2026, 3, 7);
    options.lang = Lang::English;
    return options;
}

QList<QByteArray> linesOf(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// The lines of the record that begins with start, up to the next level-0 line.
QList<QByteArray> record(const QByteArray& bytes, const QByteArray& start)
{
    const QList<QByteArray> lines = linesOf(bytes);
    const qsizetype at = lines.indexOf(start);
    if (at < 0)
        return {};
    QList<QByteArray> result{lines[at]};
    for (qsizetype i = at + 1; i < lines.size() && !lines[i].startsWith("0 "); ++i)
        result.append(lines[i]);
    return result;
}

TTreeData person(QString given, QString surname, char sex)
{
    TTreeData p;
    p.GivenName = std::move(given);
    p.Surname = std::move(surname);
    p.Sex = sex;
    return p;
}

// Numbers the persons and links partners and children on both sides.
PersonList family(std::vector<TTreeData> persons,
                  const std::vector<std::pair<qint32, qint32>>& couples,
                  const std::vector<std::tuple<qint32, qint32, qint32>>& children = {})
{
    for (size_t i = 0; i < persons.size(); ++i)
        persons[i].Id = qint32(i + 1);
    const auto at = [&](qint32 n) -> TTreeData& { return persons[size_t(n) - 1]; };
    for (auto [a, b] : couples) {
        at(a).Spouses.append(b);
        at(b).Spouses.append(a);
    }
    for (auto [father, mother, child] : children) {
        at(child).FatherId = father;
        at(child).MotherId = mother;
        for (qint32 parent : {father, mother})
            if (parent > 0)
                at(parent).Children.append(child);
    }
    return persons;
}

PersonList readBack(const QByteArray& bytes, ErrorList* errorsOut = nullptr)
{
    PersonList read;
    ErrorList errors;
    EXPECT_TRUE(ReadGedcomBytes(bytes, u"/nonexistent/export/aile.ged"_qs, read, errors, {}));
    if (errorsOut)
        *errorsOut = errors;
    return read;
}

TEST(GedcomExport, HeaderNamesTheStandardAndTheExportDate)
{
    const QByteArray bytes = ExportGedcomBytes({}, fixedOptions());
    const QList<QByteArray> want = {"0 HEAD",
                                    "1 SOUR KINROW",
                                    "2 VERS 3.04",
                                    "2 NAME Kinrow",
                                    "1 DATE 7 MAR 2026",
                                    "1 SUBM @S0@",
                                    "1 GEDC",
                                    "2 VERS 5.5.1",
                                    "2 FORM LINEAGE-LINKED",
                                    "1 CHAR UTF-8",
                                    "1 LANG English",
                                    "0 @S0@ SUBM",
                                    "1 NAME Kinrow",
                                    "0 TRLR"};
    EXPECT_EQ(linesOf(bytes), want);
    ExportOptions turkish = fixedOptions();
    turkish.lang = Lang::Turkish;
    EXPECT_TRUE(ExportGedcomBytes({}, turkish).contains("\r\n1 LANG Turkish\r\n"));
}

TEST(GedcomExport, PersonRecordCarriesEveryFieldInStandardForm)
{
    TTreeData p = person(u"AYŞE"_qs, u"ÇELİK"_qs, SexFemale);
    p.BirthDate = DateToJulian(12, 4, 1961);
    p.BirthPlace = u"İZMİR"_qs;
    p.DeathDate = 1990;
    p.Pictures = {u"resim\\düğün.JPEG"_qs, u"../eski/a.bmp"_qs, u"b"_qs};
    p.Notes = u"Bir\r\nİki"_qs;
    const QByteArray bytes = ExportGedcomBytes(family({p}, {}), fixedOptions());
    const QList<QByteArray> want = {"0 @I1@ INDI",
                                    "1 NAME AYŞE /ÇELİK/",
                                    "2 GIVN AYŞE",
                                    "2 SURN ÇELİK",
                                    "1 SEX F",
                                    "1 BIRT",
                                    "2 DATE 12 APR 1961",
                                    "2 PLAC İZMİR",
                                    "1 DEAT",
                                    "2 DATE 1990",
                                    "1 OBJE",
                                    "2 FILE resim/düğün.JPEG",
                                    "3 FORM jpg",
                                    "1 OBJE",
                                    "2 FILE ../eski/a.bmp",
                                    "3 FORM bmp",
                                    "1 OBJE",
                                    "2 FILE b",
                                    "1 NOTE @NI1@"};
    EXPECT_EQ(record(bytes, "0 @I1@ INDI"), want);
    const QList<QByteArray> note = {"0 @NI1@ NOTE", "1 CONC Bir", "1 CONT İki"};
    EXPECT_EQ(record(bytes, "0 @NI1@ NOTE"), note);
}

TEST(GedcomExport, NamesDatesAndSexesWithoutAValueWriteNothingInvented)
{
    struct Case
    {
        TTreeData p;
        QList<QByteArray> want;
    };
    TTreeData noDates = person(u"ALİ"_qs, QString(), '\0');
    noDates.BirthDate = 0;
    noDates.DeathDate = DateToJulian(1, 1, 3000); // outside the dates the program knows
    TTreeData surnameOnly = person(QString(), u"KAYA"_qs, SexMale);
    surnameOnly.BirthDate = DateToJulian(1, 1, 100);
    const std::vector<Case> cases = {
        {noDates, {"0 @I1@ INDI", "1 NAME ALİ //", "2 GIVN ALİ", "1 SEX U"}},
        {surnameOnly,
         {"0 @I1@ INDI", "1 NAME /KAYA/", "2 SURN KAYA", "1 SEX M", "1 BIRT", "2 DATE 1 JAN 100"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(record(ExportGedcomBytes(family({c.p}, {}), fixedOptions()), "0 @I1@ INDI"),
                  c.want)
            << c.want.value(1).toStdString();
}

// Couples the family file writes from each partner's own side become one family each.
TEST(GedcomExport, EveryCoupleIsOneFamilyWhateverTheSexes)
{
    struct Case
    {
        const char* name;
        char first, second;
        QByteArray husband, wife; // of the couple's family
    };
    const Case cases[] = {
        {"man and woman", SexMale, SexFemale, "1 HUSB @I1@", "1 WIFE @I2@"},
        {"woman and man", SexFemale, SexMale, "1 HUSB @I2@", "1 WIFE @I1@"},
        {"two men", SexMale, SexMale, "1 HUSB @I1@", "1 WIFE @I2@"},
        {"two women", SexFemale, SexFemale, "1 HUSB @I1@", "1 WIFE @I2@"},
        {"unknown and woman", '\0', SexFemale, "1 HUSB @I1@", "1 WIFE @I2@"},
        {"woman and unknown", SexFemale, '\0', "1 HUSB @I2@", "1 WIFE @I1@"},
        {"two unknown", '\0', '\0', "1 HUSB @I1@", "1 WIFE @I2@"},
    };
    for (const Case& c : cases) {
        const PersonList persons =
            family({person(u"A"_qs, {}, c.first), person(u"B"_qs, {}, c.second),
                    person(u"C"_qs, {}, SexMale)},
                   {{1, 2}});
        const QByteArray bytes = ExportGedcomBytes(persons, fixedOptions());
        const QList<QByteArray> want = {"0 @F1@ FAM", c.husband, c.wife};
        EXPECT_EQ(record(bytes, "0 @F1@ FAM"), want) << c.name;
        EXPECT_TRUE(record(bytes, "0 @F2@ FAM").isEmpty()) << c.name;
        EXPECT_EQ(bytes.count("1 FAMS @F1@"), 2) << c.name;
        const PersonList read = readBack(bytes);
        ASSERT_EQ(read.size(), 3u) << c.name;
        EXPECT_EQ(read[0].Spouses, QList<qint32>{2}) << c.name;
        EXPECT_EQ(read[1].Spouses, QList<qint32>{1}) << c.name;
    }
}

// Two women whose child names the second as its father: the couple's family is the child's.
TEST(GedcomExport, ACoupleOfOneSexTakesTheSidesTheirChildNames)
{
    const PersonList persons =
        family({person(u"A"_qs, {}, SexFemale), person(u"B"_qs, {}, SexFemale),
                person(u"C"_qs, {}, SexMale)},
               {{1, 2}}, {{2, 1, 3}});
    const QByteArray bytes = ExportGedcomBytes(persons, fixedOptions());
    const QList<QByteArray> want = {"0 @F1@ FAM", "1 HUSB @I2@", "1 WIFE @I1@", "1 CHIL @I3@"};
    EXPECT_EQ(record(bytes, "0 @F1@ FAM"), want);
    EXPECT_TRUE(record(bytes, "0 @F2@ FAM").isEmpty());
    EXPECT_EQ(FirstDifference(readBack(bytes), CarriedPersons(persons)), std::nullopt);
}

TEST(GedcomExport, ChildrenKeepTheOrderTheUserArranged)
{
    // A father of two marriages lists his children across both; the families cannot carry
    // that order, so he lists it under the user tag the program reads.
    PersonList persons = family({person(u"F"_qs, {}, SexMale), person(u"M1"_qs, {}, SexFemale),
                                 person(u"M2"_qs, {}, SexFemale), person(u"C1"_qs, {}, SexMale),
                                 person(u"C2"_qs, {}, SexMale), person(u"C3"_qs, {}, SexFemale)},
                                {{1, 2}, {1, 3}}, {{1, 2, 4}, {1, 3, 5}, {1, 2, 6}});
    const QByteArray bytes = ExportGedcomBytes(persons, fixedOptions());
    EXPECT_EQ(record(bytes, "0 @F1@ FAM"),
              (QList<QByteArray>{"0 @F1@ FAM", "1 HUSB @I1@", "1 WIFE @I2@", "1 CHIL @I4@",
                                 "1 CHIL @I6@"}));
    EXPECT_EQ(bytes.count("1 _ORDER CHIL"), 1);
    EXPECT_EQ(FirstDifference(readBack(bytes), CarriedPersons(persons)), std::nullopt);

    // In family order, no user tag is needed.
    persons[0].Children = {4, 6, 5};
    EXPECT_FALSE(ExportGedcomBytes(persons, fixedOptions()).contains("_ORDER"));
}

// A long note; a run of blanks longer than a line can hold keeps only what fits.
QString noteOf(QStringView letters, qsizetype blankRun)
{
    QString note;
    for (int i = 0; i < 900; ++i)
        note += letters.mid(i % letters.size(), 1);
    return note + u"\r\n"_qs + QString(400, u'ş') + u"\r\n\r\n"_qs + QString(blankRun, u' ') +
           u"son"_qs;
}

TEST(GedcomExport, NoteLinesFitAndNeverCutALetterOrEndInABlank)
{
    // Letters of one to four bytes at every position of a line.
    for (QStringView letters : {u"ğ 中 😀 x  ", u"ğ ş x  İ"}) {
        TTreeData p = person(u"A"_qs, {}, SexMale);
        p.Notes = noteOf(letters, 300);
        const QByteArray bytes = ExportGedcomBytes(family({p}, {}), fixedOptions());
        for (const QByteArray& line : linesOf(bytes)) {
            EXPECT_LE(line.size() + 2, 255) << line.left(40).toStdString();
            EXPECT_FALSE(line.endsWith(' ')) << line.toStdString();
            QStringDecoder utf8(QStringDecoder::Utf8);
            const QString decoded = utf8(line);
            EXPECT_FALSE(utf8.hasError()) << "a letter is cut: " << line.right(8).toHex().data();
        }
    }
    // Read back (letters of code page 1254 only, as long as the reader replaces the others).
    TTreeData p = person(u"A"_qs, {}, SexMale);
    p.Notes = noteOf(u"ğ ş x  İ", 200);
    const PersonList read = readBack(ExportGedcomBytes(family({p}, {}), fixedOptions()));
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Notes, CarriedNote(p.Notes));
}

TEST(GedcomExport, LinksToRecordsNotInTheFamilyAreLeftOut)
{
    PersonList persons =
        family({person(u"A"_qs, {}, SexMale), person(u"B"_qs, {}, SexFemale)}, {}, {{0, 1, 2}});
    persons[0].Spouses = {7};
    persons[0].Children.append(9);
    persons[1].FatherId = 8;
    const QByteArray bytes = ExportGedcomBytes(persons, fixedOptions());
    EXPECT_FALSE(bytes.contains("@I7@") || bytes.contains("@I8@") || bytes.contains("@I9@"));
    const PersonList read = readBack(bytes);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[1].MotherId, 1);
    EXPECT_EQ(read[1].FatherId, 0);
    EXPECT_EQ(read[0].Children, QList<qint32>{2});
}

TEST(GedcomExport, FileNamesGetTheSuffixBeforeAnythingIsAsked)
{
    const std::pair<QString, QString> cases[] = {
        {u"/a/aile"_qs, u"/a/aile.ged"_qs},
        {u"/a/aile.ged"_qs, u"/a/aile.ged"_qs},
        {u"/a/AILE.GED"_qs, u"/a/AILE.GED"_qs},
        {u"/a/aile.txt"_qs, u"/a/aile.txt.ged"_qs},
    };
    for (const auto& [chosen, written] : cases)
        EXPECT_EQ(ExportFileNameFor(chosen), written);
}

TEST(GedcomExport, TheFamilyFileItselfIsNeverReplaced)
{
    QTemporaryDir dir;
    const QString familyFile = dir.filePath(u"aile.ged"_qs);
    QFile file(familyFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("dialect bytes");
    file.close();
    ASSERT_TRUE(QFile::link(familyFile, dir.filePath(u"bag.ged"_qs)));
    const PersonList persons = family({person(u"A"_qs, {}, SexMale)}, {});
    for (const QString& target :
         {familyFile, dir.filePath(u"bag.ged"_qs), dir.path() + u"/./aile.ged"_qs}) {
        const SaveResult result = ExportGedcomFile(target, familyFile, persons, fixedOptions());
        EXPECT_FALSE(result.saved) << target.toStdString();
        EXPECT_EQ(result.error, LangText(Msg::ExportIsFamilyFile, Lang::English));
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "dialect bytes");

    const QString other = dir.filePath(u"disa.ged"_qs);
    ASSERT_TRUE(ExportGedcomFile(other, familyFile, persons, fixedOptions()).saved);
    QFile written(other);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), ExportGedcomBytes(persons, fixedOptions()));
}

// Random editing leaves couples of one sex, persons of unknown sex, one-sided links and
// orders of children of the user's own; the export must give all of them back.
TEST(GedcomExport, EditedFamiliesComeBackFromTheExport)
{
    for (quint64 seed = 1; seed <= 60; ++seed) {
        EditingHistory history(GenerateFamily(8 + int(seed % 40), seed), seed * 7919);
        history.forgetSomeSexes();
        for (int s = 0; s < 1 + int(seed % 40); ++s)
            history.step();
        const PersonList& persons = history.persons();
        ErrorList errors;
        const PersonList read = readBack(ExportGedcomBytes(persons, fixedOptions()), &errors);
        const std::optional<QString> difference = FirstDifference(read, CarriedPersons(persons));
        ASSERT_FALSE(difference) << "seed " << seed << ": " << difference->toStdString();
        EXPECT_FALSE(errors.visible)
            << "seed " << seed << ": " << errors.lines.join(u" | "_qs).toStdString();
    }
}

} // namespace
