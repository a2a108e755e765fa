#include "model/codepage1254.h"
#include "shell/langtable.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace kinrow;

TEST(LangTable, PicksTheLanguageColumn)
{
    EXPECT_EQ(LangText(44, 0), QStringLiteral("EŞİ"));
    EXPECT_EQ(LangText(44, 1), QStringLiteral("SPOUSE"));
    EXPECT_EQ(LangText(0, 0), QStringLiteral("KINROW - Aile Soyağacı"));
    EXPECT_EQ(LangText(150, 1), QStringLiteral("Printing finished succesfully."));
}

TEST(LangTable, KeepsSpacesAtBothEnds)
{
    // Callers glue these pieces to names and numbers, so the spaces are part of the text.
    EXPECT_EQ(LangText(88, 0), QStringLiteral(" Annesi "));
    EXPECT_EQ(LangText(88, 1), QStringLiteral("'s Mother "));
    EXPECT_EQ(LangText(85, 1), QStringLiteral(" - Are you sure to delete this person ?"));
    EXPECT_EQ(LangText(133, 0), QStringLiteral("Kayıt No : "));
    EXPECT_EQ(LangText(145, 1), QStringLiteral("Recorded Original Program Name is "));
    EXPECT_EQ(LangText(100, 0).front(), QLatin1Char('l'));
    EXPECT_EQ(LangText(100, 1).left(3), QStringLiteral(" - "));
    // Two spaces after the exclamation marks, not one.
    EXPECT_TRUE(LangText(84, 1).startsWith(QStringLiteral("!!!!  When")));
}

TEST(LangTable, CarriageReturnIsOneCharacter)
{
    EXPECT_EQ(LangText(120, 0), QStringLiteral("Gizle\rGöster"));
    EXPECT_EQ(LangText(120, 1).split(QLatin1Char('\r')), QStringList({"Hide", "Show"}));
    const QString info = LangText(121, 1);
    EXPECT_EQ(info.count(QLatin1Char('\r')), 4);
    EXPECT_FALSE(info.contains(QLatin1Char('\\')));
    EXPECT_EQ(LangText(113, 0), QStringLiteral("Seçim yapabileceğiniz\rKayıt Adeti : "));
    EXPECT_EQ(LangText(69, 1),
              QStringLiteral("Selected Paper is smaller than A4 or\rPaper used area "
                             "smaller than 195x275 mm.\r\rPlease Select another "
                             "big paper size."));
}

TEST(LangTable, TurkishLettersSurviveTheCodePage)
{
    const QString text = LangText(46, 0);
    EXPECT_EQ(text, QStringLiteral("KARDEŞLERİ"));
    EXPECT_EQ(EncodeCp1254(text), QByteArray("KARDE\xDELER\xDD"));
    EXPECT_EQ(LangText(38, 0), QStringLiteral("Ölüm Tarihi"));
    EXPECT_EQ(LangText(19, 0), QStringLiteral("İ&ptal"));
    // Every text of the table must be writable in code page 1254.
    for (int e = 0; e < LangTableSize; ++e)
        for (int lang = 0; lang < 2; ++lang) {
            bool lossy = false;
            EncodeCp1254(LangText(e, lang), &lossy);
            EXPECT_FALSE(lossy) << e << " " << lang;
        }
}

TEST(LangTable, UnlistedAndOutOfRangeEntriesAreEmpty)
{
    for (int e : {4, 8, 11, 16, 70, 75, 77})
        EXPECT_TRUE(LangText(e, 0).isEmpty() && LangText(e, 1).isEmpty()) << e;
    for (int e = 151; e < LangTableSize; ++e)
        EXPECT_TRUE(LangText(e, 0).isEmpty() && LangText(e, 1).isEmpty()) << e;
    EXPECT_TRUE(LangText(-1, 0).isEmpty());
    EXPECT_TRUE(LangText(LangTableSize, 1).isEmpty());
    EXPECT_TRUE(LangText(1000000, 0).isEmpty());
    EXPECT_TRUE(LangText(44, 2).isEmpty());
    EXPECT_TRUE(LangText(44, -1).isEmpty());
}

TEST(LangTable, ListedEntriesHaveBothLanguages)
{
    int filled = 0;
    for (int e = 0; e < LangTableSize; ++e) {
        const bool tr = !LangText(e, 0).isEmpty();
        EXPECT_EQ(tr, !LangText(e, 1).isEmpty()) << e;
        filled += tr;
    }
    EXPECT_EQ(filled, 136);
}
