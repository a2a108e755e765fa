#include "editing/acceptance.h"
#include "editing/addforms.h"
#include "family.h"
#include "model/editmode.h"

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::test;

namespace {

constexpr Lang English = Lang::English;

PersonForm Form(const QString& given, const QString& surname, int sexTag = 1)
{
    PersonForm form;
    form.GivenName = given;
    form.Surname = surname;
    form.SexTag = sexTag;
    return form;
}

} // namespace

TEST(Acceptance, TrimsBlanksAndControlCharacters)
{
    PersonForm form = Form(QStringLiteral(" \t AHMET\r\n "), QStringLiteral("  AL KAN "));
    form.BirthPlace = QStringLiteral("\x01İZMİR ");
    TrimNameFields(form);
    EXPECT_EQ(form.GivenName, QStringLiteral("AHMET"));
    EXPECT_EQ(form.Surname, QStringLiteral("AL KAN"));
    EXPECT_EQ(form.BirthPlace, QStringLiteral("İZMİR"));

    PersonForm blanks = Form(QStringLiteral("   "), QString());
    TrimNameFields(blanks);
    EXPECT_TRUE(blanks.GivenName.isEmpty());
}

TEST(Acceptance, SurnameAdviceCollectsEveryNonLetter)
{
    EXPECT_EQ(SurnameOddCharacters(QStringLiteral("ÇAĞDAŞÖZÜİ")), QString());
    EXPECT_EQ(SurnameOddCharacters(QStringLiteral("AL-KAN")), QStringLiteral("- "));
    EXPECT_EQ(SurnameOddCharacters(QStringLiteral("AL KAN2")), QStringLiteral("  2 "));
    EXPECT_EQ(SurnameOddCharacters(QStringLiteral("Kaya")), QStringLiteral("a y a "));
    // Letters of other scripts are letters; other letters of the code page are advised against
    // as before, and so are small letters of any script.
    EXPECT_EQ(SurnameOddCharacters(u"ŻÓŁW ΠΑΠΑΔΟΠΟΎΛΟΥ ПЕТРОВ 小龍 علي 𐐀"_qs).toStdString(),
              "Ó " + std::string(10, ' ')); // Ó, then each of the five blanks
    EXPECT_EQ(SurnameOddCharacters(u"ÂKIN-σ"_qs).toStdString(), "Â - σ ");
    EXPECT_TRUE(SurnameAdviceText(QStringLiteral("KAYA"), English).isEmpty());
    EXPECT_EQ(SurnameAdviceText(QStringLiteral("AL-KAN"), English),
              QStringLiteral("<- >\r\rRemoving blanks and like this chars from Surname Adviced."));
}

TEST(Acceptance, PlaceholderNotesOfEitherLanguageAreDropped)
{
    PersonList persons;
    PersonForm form = Form(QStringLiteral("A"), QStringLiteral("B"));
    form.Notes = QStringLiteral("Kısa Notlar : ");
    ApplyAcceptedForm(persons, 0, EditMode::First, form);
    form.Notes = QStringLiteral("Short Notes : ");
    ApplyAcceptedForm(persons, 1, EditMode::Spouse, form);
    form.Notes = QStringLiteral("Short Notes : born at sea");
    ApplyAcceptedForm(persons, 1, EditMode::Child, form);
    ASSERT_EQ(persons.size(), 3u);
    EXPECT_TRUE(persons[0].Notes.isEmpty());
    EXPECT_TRUE(persons[1].Notes.isEmpty());
    EXPECT_EQ(persons[2].Notes, QStringLiteral("Short Notes : born at sea"));
}

TEST(Acceptance, SameNameFindsTheFirstRecordOnly)
{
    PersonList persons = Persons(4);
    At(persons, 2).GivenName = At(persons, 4).GivenName = QStringLiteral("ALİ");
    At(persons, 2).Surname = At(persons, 4).Surname = QStringLiteral("KAYA");
    EXPECT_EQ(FindSameName(persons, QStringLiteral("ALİ"), QStringLiteral("KAYA")), 2);
    EXPECT_EQ(FindSameName(persons, QStringLiteral("ALI"), QStringLiteral("KAYA")), 0);
    EXPECT_EQ(FindSameName(persons, QStringLiteral("ALİ"), QStringLiteral("KAYA ")), 0);
}

TEST(Acceptance, FirstRecordBuildsTheWholeRecord)
{
    PersonList persons;
    PersonForm form = Form(QStringLiteral("AYŞE"), QStringLiteral("KAYA"), 2);
    form.BirthPlace = QStringLiteral("BURSA");
    form.BirthDateText = QStringLiteral("1950");
    form.DeathDateText = QStringLiteral("2001");
    EXPECT_EQ(ApplyAcceptedForm(persons, 0, EditMode::First, form), 1);
    ASSERT_EQ(persons.size(), 1u);
    const TTreeData& p = persons[0];
    EXPECT_EQ(p.Id, 1);
    EXPECT_EQ(p.Sex, SexFemale);
    EXPECT_EQ(p.BirthPlace, QStringLiteral("BURSA"));
    EXPECT_EQ(p.BirthDate, 1950);
    EXPECT_EQ(p.DeathDate, 2001);
    EXPECT_TRUE(p.Pictures.isEmpty());
}

TEST(Acceptance, MotherAndFatherBecomeEachOthersSpouses)
{
    PersonList persons = Persons(2);
    Child(persons, 0, 2, 1);

    const AddFormPrefill mother = PrepareAddForm(persons, 1, RelativeRole::Mother, -1, English);
    EXPECT_EQ(mother.Mode, EditMode::Mother);
    EXPECT_EQ(mother.Form.SexTag, 2);
    EXPECT_EQ(mother.Form.Children, (QList<qint32>{1}));
    EXPECT_EQ(mother.Form.Spouses, (QList<qint32>{2}));
    EXPECT_EQ(mother.SpouseEntries, (QStringList{QStringLiteral("P2 S2")}));
    EXPECT_EQ(mother.TitleSuffix, QStringLiteral(" >> 's Mother is Adding"));
    EXPECT_EQ(mother.Form.Notes, QStringLiteral("Short Notes : "));

    PersonForm form = mother.Form;
    form.GivenName = QStringLiteral("FATMA");
    EXPECT_EQ(ApplyAcceptedForm(persons, 1, mother.Mode, form), 3);
    EXPECT_EQ(At(persons, 1).MotherId, 3);
    EXPECT_EQ(At(persons, 2).Spouses, (QList<qint32>{3}));
    EXPECT_EQ(At(persons, 3).Spouses, (QList<qint32>{2}));
    EXPECT_EQ(At(persons, 3).Children, (QList<qint32>{1}));
    EXPECT_EQ(At(persons, 3).Sex, SexFemale);
    EXPECT_TRUE(At(persons, 3).Notes.isEmpty());

    PersonList orphan = Persons(1);
    const AddFormPrefill father = PrepareAddForm(orphan, 1, RelativeRole::Father, -1, English);
    EXPECT_EQ(father.Form.Surname, QStringLiteral("S1"));
    EXPECT_EQ(father.Form.SexTag, 1);
    EXPECT_TRUE(father.Form.Spouses.isEmpty());
    ApplyAcceptedForm(orphan, 1, father.Mode, father.Form);
    EXPECT_EQ(At(orphan, 1).FatherId, 2);
    EXPECT_TRUE(At(orphan, 2).Spouses.isEmpty());
}

TEST(Acceptance, NewWifeBecomesMotherOfMotherlessChildrenOnly)
{
    PersonList persons = Persons(9);
    At(persons, 9).Sex = SexFemale;
    Child(persons, 0, 1, 2);
    Child(persons, 9, 1, 3);
    Child(persons, 0, 1, 4);

    const AddFormPrefill prefill = PrepareAddForm(persons, 1, RelativeRole::Spouse, -1, English);
    EXPECT_EQ(prefill.Form.SexTag, 2);
    EXPECT_EQ(prefill.Form.Spouses, (QList<qint32>{1}));
    EXPECT_EQ(prefill.Form.Children, (QList<qint32>{2, 4}));
    EXPECT_EQ(prefill.TitleSuffix, QStringLiteral(" >> 1. Spouse Adding to Records"));

    EXPECT_EQ(ApplyAcceptedForm(persons, 1, prefill.Mode, prefill.Form), 10);
    EXPECT_EQ(At(persons, 2).MotherId, 10);
    EXPECT_EQ(At(persons, 3).MotherId, 9);
    EXPECT_EQ(At(persons, 4).MotherId, 10);
    EXPECT_EQ(At(persons, 1).Spouses, (QList<qint32>{10}));
    EXPECT_EQ(At(persons, 10).Children, (QList<qint32>{2, 4}));
}

TEST(Acceptance, ANewSpouseListsOnlyTheChildrenItWasLinkedTo)
{
    // The form of a new wife lists the man's motherless children; the sex may change before OK.
    const struct
    {
        int sexTag;
        QList<qint32> linked;
    } cases[] = {{2, {2, 4}}, {1, {}}};
    for (const auto& c : cases) {
        PersonList persons = Persons(4);
        Child(persons, 0, 1, 2);
        Child(persons, 0, 1, 4);
        AddFormPrefill prefill = PrepareAddForm(persons, 1, RelativeRole::Spouse, -1, English);
        prefill.Form.SexTag = c.sexTag;
        ASSERT_EQ(ApplyAcceptedForm(persons, 1, prefill.Mode, prefill.Form), 5);
        EXPECT_EQ(At(persons, 5).Children, c.linked) << c.sexTag;
        for (qint32 child : {2, 4}) {
            const TTreeData& p = At(persons, child);
            EXPECT_EQ(p.MotherId == 5 || p.FatherId == 5, c.linked.contains(child)) << c.sexTag;
        }
    }
}

TEST(Acceptance, HusbandOfAWomanTakesTheLastFatherlessChildsSurname)
{
    PersonList persons = Persons(3, SexFemale);
    Child(persons, 1, 0, 2);
    Child(persons, 1, 0, 3);
    const AddFormPrefill prefill = PrepareAddForm(persons, 1, RelativeRole::Spouse, -1, English);
    EXPECT_EQ(prefill.Form.SexTag, 1);
    EXPECT_EQ(prefill.Form.Surname, QStringLiteral("S3"));
    ApplyAcceptedForm(persons, 1, prefill.Mode, prefill.Form);
    EXPECT_EQ(At(persons, 2).FatherId, 4);
    EXPECT_EQ(At(persons, 3).FatherId, 4);
}

TEST(Acceptance, ChildOfAWomanJoinsTheSelectedHusbandsChildren)
{
    PersonList persons = Persons(3);
    At(persons, 1).Sex = SexFemale;
    Marry(persons, 1, 2);
    Marry(persons, 1, 3);

    const AddFormPrefill prefill = PrepareAddForm(persons, 1, RelativeRole::Child, 1, English);
    EXPECT_EQ(prefill.Form.MotherId, 1);
    EXPECT_EQ(prefill.Form.FatherId, 3);
    EXPECT_EQ(prefill.FatherCaption, QStringLiteral("P3 S3"));
    EXPECT_EQ(prefill.Form.Surname, QStringLiteral("S3"));

    ApplyAcceptedForm(persons, 1, prefill.Mode, prefill.Form);
    EXPECT_EQ(At(persons, 1).Children, (QList<qint32>{4}));
    EXPECT_EQ(At(persons, 3).Children, (QList<qint32>{4}));
    EXPECT_TRUE(At(persons, 2).Children.isEmpty());

    // Nothing selected: the first spouse is taken.
    const AddFormPrefill first = PrepareAddForm(persons, 1, RelativeRole::Child, -1, English);
    EXPECT_EQ(first.Form.FatherId, 2);
    EXPECT_EQ(first.TitleSuffix, QStringLiteral(" >> 2. Child Adding to Records"));
}

TEST(Acceptance, ChildOfAManWithoutSpouseHasOnlyAFather)
{
    PersonList persons = Persons(1);
    const AddFormPrefill prefill = PrepareAddForm(persons, 1, RelativeRole::Child, -1, English);
    EXPECT_EQ(prefill.Form.FatherId, 1);
    EXPECT_EQ(prefill.Form.MotherId, 0);
    EXPECT_EQ(prefill.Form.Surname, QStringLiteral("S1"));

    PersonList unknown = Persons(2, 'U');
    Marry(unknown, 1, 2);
    const AddFormPrefill neither = PrepareAddForm(unknown, 1, RelativeRole::Child, 0, English);
    EXPECT_EQ(neither.Form.MotherId, 0);
    EXPECT_EQ(neither.Form.FatherId, 0);
    ApplyAcceptedForm(unknown, 1, neither.Mode, neither.Form);
    EXPECT_EQ(At(unknown, 1).Children, (QList<qint32>{3}));
    EXPECT_TRUE(At(unknown, 2).Children.isEmpty());
}

TEST(Acceptance, CorrectionKeepsTheLinks)
{
    PersonList persons = Persons(3);
    Marry(persons, 1, 2);
    Child(persons, 2, 1, 3);
    const TTreeData before = At(persons, 1);
    PersonForm form = Form(QStringLiteral("MEHMET"), QStringLiteral("ÖZ"), 2);
    form.BirthDateText = QStringLiteral("1930");
    form.Notes = QStringLiteral("a\r\nb");
    form.Spouses = {3};
    form.MotherId = 3;
    EXPECT_EQ(ApplyAcceptedForm(persons, 1, EditMode::Correct, form), 1);
    const TTreeData& p = At(persons, 1);
    EXPECT_EQ(p.GivenName, QStringLiteral("MEHMET"));
    EXPECT_EQ(p.Sex, SexFemale);
    EXPECT_EQ(p.BirthDate, 1930);
    EXPECT_EQ(p.Notes, QStringLiteral("a\r\nb"));
    EXPECT_EQ(p.Spouses, before.Spouses);
    EXPECT_EQ(p.Children, before.Children);
    EXPECT_EQ(p.MotherId, 0);
    EXPECT_EQ(persons.size(), 3u);
}
