#include "readertesting.h"

#include "model/messages.h"
#include "model/textrules.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

// Reads one of the files other programs wrote; false when the sample folder is absent.
bool readSample(const char* name, ReadResult& result)
{
    const QString path = QDir(QStringLiteral(KINROW_SAMPLES)).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    readInto(result, file.readAll(), Lang::English, path);
    return true;
}

} // namespace

TEST(ReaderSamples, Royal92ReadsPersonsAndFamilies)
{
    ReadResult r;
    if (!readSample("royal92.ged", r))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 3010u);
    const TTreeData& victoria = r.persons[0];
    EXPECT_EQ(victoria.GivenName, UpperCase1254(QStringLiteral("Victoria")));
    EXPECT_EQ(victoria.Surname, "HANOVER");
    EXPECT_EQ(victoria.Sex, SexFemale);
    EXPECT_EQ(victoria.BirthDate, ParseDateText("24 05 1819"));
    EXPECT_EQ(victoria.BirthPlace,
              UpperCase1254(QStringLiteral("Kensington,Palace,London,England")));
    EXPECT_EQ(victoria.Spouses, QList<qint32>{2});
    EXPECT_EQ(victoria.Children, (QList<qint32>{3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(victoria.FatherId, 133);
    EXPECT_EQ(victoria.MotherId, 138);
    EXPECT_EQ(r.persons[132].GivenName, UpperCase1254(QStringLiteral("Edward Augustus")));
    EXPECT_TRUE(r.errors.visible); // another program wrote it
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderSamples, WashingtonIsUtf8WithAByteOrderMark)
{
    ReadResult r;
    if (!readSample("washington.ged", r))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 538u);
    const TTreeData& george = r.persons[0];
    EXPECT_EQ(george.Surname, UpperCase1254(QStringLiteral("Washington")));
    EXPECT_EQ(george.Sex, SexMale);
    // Four families with the same wife give her once.
    EXPECT_EQ(george.Spouses, QList<qint32>{5});
    EXPECT_EQ(george.Children, (QList<qint32>{4, 2, 7, 8}));
    EXPECT_EQ(r.persons[1].FatherId, 1);
    EXPECT_EQ(r.persons[1].MotherId, 5);
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderSamples, GrampsSampleKeepsLettersOfTheCodePage)
{
    ReadResult r;
    if (!readSample("sample.ged", r))
        KINROW_SAMPLES_MISSING("the sample folder");
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.persons.size(), 42u);
    EXPECT_EQ(r.persons[0].Surname, UpperCase1254(QStringLiteral("Hansdotter")));
    EXPECT_EQ(r.persons[0].BirthPlace,
              UpperCase1254(QStringLiteral("Löderup, Malmöhus Län, Sweden")));
    EXPECT_EQ(r.reporter.messages, QStringList{"ERROR_9"}); // its first person is @I0@
    EXPECT_TRUE(linksAreSound(r.persons));
}

TEST(ReaderSamples, FilesOutsideTheDialectAreRefused)
{
    ReadResult allged;
    if (!readSample("allged.ged", allged))
        KINROW_SAMPLES_MISSING("the sample folder");
    EXPECT_FALSE(allged.ok); // its second line is not the source
    EXPECT_EQ(allged.reporter.messages, QStringList{LangText(Msg::BadFileFormat, Lang::English)});

    for (const char* name : {"TGC55C.ged", "TGC55CLF.ged"}) {
        ReadResult r;
        ASSERT_TRUE(readSample(name, r));
        EXPECT_FALSE(r.ok) << name; // families name persons as @PERSON1@
        EXPECT_TRUE(r.persons.empty());
        ASSERT_EQ(r.reporter.messages.size(), 1);
        EXPECT_TRUE(r.reporter.messages[0].contains("whole number")) << name;
    }
}
