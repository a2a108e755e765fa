#include "model/codepage1254.h"

#include <gtest/gtest.h>

using namespace kinrow;

TEST(Codepage1254, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool lossy = true;
    EXPECT_EQ(EncodeCp1254(DecodeCp1254(all), &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(Codepage1254, TurkishLetters)
{
    const QString text = QStringLiteral("ÇĞİÖŞÜçğıöşü€");
    const QByteArray bytes("\xC7\xD0\xDD\xD6\xDE\xDC\xE7\xF0\xFD\xF6\xFE\xFC\x80");
    EXPECT_EQ(EncodeCp1254(text), bytes);
    EXPECT_EQ(DecodeCp1254(bytes), text);
}

TEST(Codepage1254, UnrepresentableBecomesQuestionMark)
{
    bool lossy = false;
    EXPECT_EQ(EncodeCp1254(QStringLiteral("aŁb"), &lossy), QByteArray("a?b"));
    EXPECT_TRUE(lossy);
    EXPECT_EQ(Cp1254Byte(QChar(0x0141)), -1);
    // Latin-1 letters that 1254 replaced by Turkish ones are not in the code page.
    EXPECT_EQ(Cp1254Byte(QChar(0x00D0)), -1);
    EXPECT_EQ(Cp1254Byte(QChar(0x00FD)), -1);
}
