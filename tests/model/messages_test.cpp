#include "model/codepage1254.h"
#include "model/messages.h"

#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

using namespace kinrow;

TEST(LangTable, PicksTheLanguageColumn)
{
    EXPECT_EQ(LangText(Msg::SpouseHeading, Lang::Turkish), QStringLiteral("EŞİ"));
    EXPECT_EQ(LangText(Msg::SpouseHeading, Lang::English), QStringLiteral("SPOUSE"));
    EXPECT_EQ(LangText(Msg::ProgramTitle, Lang::Turkish), QStringLiteral("KINROW - Aile Soyağacı"));
    EXPECT_EQ(LangText(Msg::PrintFinished, Lang::English),
              QStringLiteral("Printing finished succesfully."));
}

TEST(LangTable, KeepsSpacesAtBothEnds)
{
    // Callers glue these pieces to names and numbers, so the spaces are part of the text.
    EXPECT_EQ(LangText(Msg::MotherRole, Lang::Turkish), QStringLiteral(" Annesi "));
    EXPECT_EQ(LangText(Msg::MotherRole, Lang::English), QStringLiteral("'s Mother "));
    EXPECT_EQ(LangText(Msg::DeletePersonQuestion, Lang::English),
              QStringLiteral(" - Are you sure to delete this person ?"));
    EXPECT_EQ(LangText(Msg::RecordNumberLabel, Lang::Turkish), QStringLiteral("Kayıt No : "));
    EXPECT_EQ(LangText(Msg::SourceProgramLabel, Lang::English),
              QStringLiteral("Recorded Original Program Name is "));
    EXPECT_EQ(LangText(Msg::RemoveImageQuestion, Lang::Turkish).front(), QLatin1Char('l'));
    EXPECT_EQ(LangText(Msg::RemoveImageQuestion, Lang::English).left(3), QStringLiteral(" - "));
    // Two spaces after the exclamation marks, not one.
    EXPECT_TRUE(
        LangText(Msg::ChainRuleRefusal, Lang::English).startsWith(QStringLiteral("!!!!  When")));
}

TEST(LangTable, CarriageReturnIsOneCharacter)
{
    EXPECT_EQ(LangText(Msg::HideShow, Lang::Turkish), QStringLiteral("Gizle\rGöster"));
    EXPECT_EQ(LangText(Msg::HideShow, Lang::English).split(QLatin1Char('\r')),
              QStringList({"Hide", "Show"}));
    const QString info = LangText(Msg::PrintPageInfo, Lang::English);
    EXPECT_EQ(info.count(QLatin1Char('\r')), 4);
    EXPECT_FALSE(info.contains(QLatin1Char('\\')));
    EXPECT_EQ(LangText(Msg::SelectableCountLabel, Lang::Turkish),
              QStringLiteral("Seçim yapabileceğiniz\rKayıt Adeti : "));
    EXPECT_EQ(LangText(Msg::PaperTooSmall, Lang::English),
              QStringLiteral("Selected Paper is smaller than A4 or\rPaper used area "
                             "smaller than 195x275 mm.\r\rPlease Select another "
                             "big paper size."));
}

TEST(LangTable, TurkishLettersSurviveTheCodePage)
{
    const QString text = LangText(Msg::SiblingsHeading, Lang::Turkish);
    EXPECT_EQ(text, QStringLiteral("KARDEŞLERİ"));
    EXPECT_EQ(EncodeCp1254(text), QByteArray("KARDE\xDELER\xDD"));
    EXPECT_EQ(LangText(Msg::DeathDate, Lang::Turkish), QStringLiteral("Ölüm Tarihi"));
    EXPECT_EQ(LangText(Msg::CancelCaption, Lang::Turkish), QStringLiteral("İ&ptal"));
    // Every text of the table must be writable in code page 1254.
    for (int e = 0; e < LangTableSize; ++e)
        for (int lang = 0; lang < 2; ++lang) {
            bool lossy = false;
            EncodeCp1254(LangText(Msg(e), Lang(lang)), &lossy);
            EXPECT_FALSE(lossy) << e << " " << lang;
        }
}

TEST(LangTable, UnlistedAndOutOfRangeEntriesAreEmpty)
{
    for (int e : {4, 8, 11, 16, 70, 75, 77})
        EXPECT_TRUE(LangText(Msg(e), Lang::Turkish).isEmpty() &&
                    LangText(Msg(e), Lang::English).isEmpty())
            << e;
    for (int e = 151; e < 155; ++e)
        EXPECT_TRUE(LangText(Msg(e), Lang::Turkish).isEmpty() &&
                    LangText(Msg(e), Lang::English).isEmpty())
            << e;
    EXPECT_TRUE(LangText(Msg(-1), Lang::Turkish).isEmpty());
    EXPECT_TRUE(LangText(Msg(LangTableSize), Lang::English).isEmpty());
    EXPECT_TRUE(LangText(Msg(1000000), Lang::Turkish).isEmpty());
    EXPECT_TRUE(LangText(Msg::SpouseHeading, Lang(2)).isEmpty());
    EXPECT_TRUE(LangText(Msg::SpouseHeading, Lang(-1)).isEmpty());
}

TEST(LangTable, ListedEntriesHaveBothLanguages)
{
    int filled = 0;
    for (int e = 0; e < LangTableSize; ++e) {
        const bool tr = !LangText(Msg(e), Lang::Turkish).isEmpty();
        EXPECT_EQ(tr, !LangText(Msg(e), Lang::English).isEmpty()) << e;
        filled += tr;
    }
    EXPECT_EQ(filled, 297);
}

TEST(LangTable, BothLanguagesTakeTheSameValues)
{
    // A translation that lost a placeholder would drop the name or number it stands for.
    const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found.append(it.next().captured());
        found.sort();
        return found;
    };
    for (int e = 0; e < LangTableSize; ++e)
        EXPECT_EQ(placeholders(LangText(Msg(e), Lang::Turkish)),
                  placeholders(LangText(Msg(e), Lang::English)))
            << e;
}

TEST(LangTable, CodedErrorLinesReadTheSameInBothLanguages)
{
    // The coded lines of the error list keep one wording in either language.
    for (Msg entry : {Msg::ErrorInLine,
                      Msg::FamilyIdWrong,
                      Msg::FamilyNumberWrong,
                      Msg::LastLineCodeWrong,
                      Msg::NoteFormatWrong,
                      Msg::NoteRecordNumberWrong,
                      Msg::PersonRecordFormatWrong,
                      Msg::ChildOrderNamesNoChild,
                      Msg::FamilySpouseIdWrong,
                      Msg::TooManyChildLinks,
                      Msg::FamilyChildIdWrong,
                      Msg::NotesIdWrong,
                      Msg::NoteTextLimit,
                      Msg::ObjectIdWrong,
                      Msg::PersonIdNotFound,
                      Msg::LineTooLongSkipped,
                      Msg::LineTooLongCut,
                      Msg::LinkedRecordWrong,
                      Msg::MoreWrongLinks,
                      Msg::RepeatedError3,
                      Msg::RepeatedError8,
                      Msg::RepeatedError9})
        EXPECT_EQ(LangText(entry, Lang::Turkish), LangText(entry, Lang::English)) << int(entry);
    EXPECT_EQ(LangText(Msg::ErrorInLine, Lang::English).arg(u"7"_qs, u"<x %1>"_qs),
              u"ERROR in Line - 7 - <x %1>"_qs);
}
