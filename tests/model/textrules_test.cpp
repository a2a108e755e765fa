#include "model/codepage1254.h"
#include "model/textrules.h"

#include <QDate>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace kinrow;

namespace {

std::optional<QChar> some(char16_t c)
{
    return QChar(c);
}

} // namespace

TEST(ProperCaseName, LowersAfterUpperCaseLetters)
{
    EXPECT_EQ(ProperCaseName(QStringLiteral("AHMET ALİ"), Lang::Turkish),
              QStringLiteral("Ahmet Ali"));
    EXPECT_EQ(ProperCaseName(QStringLiteral("IŞIK"), Lang::Turkish), QStringLiteral("Işık"));
    EXPECT_EQ(ProperCaseName(QStringLiteral("IŞIK"), Lang::English), QStringLiteral("Işik"));
    EXPECT_EQ(ProperCaseName(QStringLiteral("ÇĞÖŞÜİ"), Lang::Turkish), QStringLiteral("Çğöşüi"));
    EXPECT_EQ(ProperCaseName(QString(), Lang::Turkish), QString());
}

TEST(ProperCaseName, LooksAtTheOriginalPreviousCharacter)
{
    // Each letter follows an upper-case letter of the input, even though that one was lowered.
    EXPECT_EQ(ProperCaseName(QStringLiteral("ABC"), Lang::English), QStringLiteral("Abc"));
    // After a space, digit, punctuation or lower-case letter the case is kept.
    EXPECT_EQ(ProperCaseName(QStringLiteral("A-B 2C aB ÀB"), Lang::English),
              QStringLiteral("A-B 2C aB Àb"));
    EXPECT_EQ(ProperCaseName(QStringLiteral("Ab"), Lang::English), QStringLiteral("Ab"));
}

TEST(ProperCaseName, EveryCapitalOfTheCodePageCounts)
{
    EXPECT_EQ(ProperCaseName(u"KÂZIM"_qs, Lang::Turkish), u"Kâzım"_qs);
    EXPECT_EQ(ProperCaseName(u"KRAKÓW"_qs, Lang::English), u"Kraków"_qs);
    EXPECT_EQ(ProperCaseName(u"ÉMİLE ZOLÂ ŠÜŒ"_qs, Lang::English), u"Émile Zolâ Šüœ"_qs);
    // Signs are no capitals; letters outside the code page are (see AnyScript below).
    EXPECT_EQ(ProperCaseName(u"ŁA ×B"_qs, Lang::English), u"Ła ×B"_qs);
}

struct CaseCase
{
    const char* stored; // as names are stored: upper case
    const char* typed;  // as the user may type it
    const char* shownTurkish;
    const char* shownEnglish;
};

// Names of every script: typing upper-cases them as they are stored, and the display form
// lowers every letter after a capital. Turkish i/İ/ı/I keep their own rule.
TEST(ProperCaseName, AnyScript)
{
    const CaseCase cases[] = {
        {"IŞIK İNCİ", "ışık inci", "Işık İnci", "Işik İnci"},
        {"ŁUKASZ ŻÓŁW", "łukasz żółw", "Łukasz Żółw", "Łukasz Żółw"},
        {"ÞÓRÐUR HLÖÐVIR", "þórður hlöðvır", "Þórður Hlöðvır", "Þórður Hlöðvir"},
        {"ČAPEK ŘÍHA", "čapek říha", "Čapek Říha", "Čapek Říha"},
        {"ΣΟΦΊΑ ΝΙΚΟΛΑΟΣ", "σοφία νικολαος", "Σοφία Νικολαος", "Σοφία Νικολαος"},
        {"ИВАНОВ ЁЖИК", "иванов ёжик", "Иванов Ёжик", "Иванов Ёжик"},
        {"ԱՐԱՄ", "արամ", "Արամ", "Արամ"},
        {"محمد 李小龍", "محمد 李小龍", "محمد 李小龍", "محمد 李小龍"},
        {"𐐀𐐁 A", "𐐨𐐩 a", "𐐀𐐩 A", "𐐀𐐩 A"}, // Deseret, outside the basic plane
    };
    for (const CaseCase& c : cases) {
        const QString stored = QString::fromUtf8(c.stored);
        const QString typed = QString::fromUtf8(c.typed);
        EXPECT_EQ(UpperCaseTyped(typed, Lang::Turkish).toStdString(), c.stored) << c.typed;
        EXPECT_EQ(ProperCaseName(stored, Lang::Turkish).toStdString(), c.shownTurkish);
        EXPECT_EQ(ProperCaseName(stored, Lang::English).toStdString(), c.shownEnglish);
    }
}

TEST(LowerCase1254, AgreesWithUnicodeInsideTheCodePage)
{
    // Within the code page the rule is Unicode's lower case, except that İ becomes i.
    for (int b = 0; b < 256; ++b) {
        const QChar c = Cp1254Char(uchar(b));
        const QChar lower = LowerCase1254(c);
        EXPECT_TRUE(IsRepresentable1254(lower)) << b;
        const QChar expected = c == QChar(0x130) ? QChar(u'i') : c.toLower();
        EXPECT_EQ(lower, IsRepresentable1254(expected) ? expected : c) << b;
    }
    EXPECT_EQ(LowerCase1254(u"AİLE IŞIK ÂĞ"_qs), u"aile işik âğ"_qs);
}

TEST(ParseDateText, OnlyTheFirstOccurrenceOfAMonthNameIsReplaced)
{
    // Were both replaced, the year would read 0119; the second "JAN" stays letters.
    EXPECT_EQ(ParseDateText(QStringLiteral("01.JAN.JAN1950")), 0);
    EXPECT_EQ(ParseDateText(QStringLiteral("01.jan.1950")), DateToJulian(1, 1, 1950));
}

TEST(ParseDateText, YearsAndWholeNumbers)
{
    EXPECT_EQ(ParseDateText(QStringLiteral("1950")), 1950);
    EXPECT_EQ(FormatDateValue(1950), QStringLiteral("1950"));
    EXPECT_EQ(ParseDateText(QStringLiteral("+1950")), 1950);
    EXPECT_EQ(ParseDateText(QStringLiteral("0001950")), 1950);
    EXPECT_EQ(ParseDateText(QStringLiteral("12345")), 12345);
    EXPECT_EQ(FormatDateValue(12345), QString());
    // Only a sign and digits make a number: no spaces, no fractions.
    EXPECT_EQ(ParseDateText(QStringLiteral(" 1950")), 0);
    EXPECT_EQ(ParseDateText(QStringLiteral("1950 ")), 0);
    EXPECT_EQ(ParseDateText(QStringLiteral("19.5")), 0);
    EXPECT_EQ(ParseDateText(QStringLiteral("-")), 0);
    EXPECT_EQ(ParseDateText(QString()), 0);
}

TEST(ParseDateText, DayMonthYearForms)
{
    const double expected = DateToJulian(5, 11, 1950);
    EXPECT_EQ(expected, double(QDate(1950, 11, 5).toJulianDay()) - 0.5);
    for (const char* text : {"05 11 1950", "05.11.1950", "5.11.1950", "05 NOV 1950", "05 nov 1950",
                             "05/11/1950", "05.11.1950 and more"})
        EXPECT_EQ(ParseDateText(QString::fromLatin1(text)), expected) << text;
    EXPECT_EQ(FormatDateValue(expected), QStringLiteral("05 11 1950"));
    EXPECT_EQ(ParseDateText(QStringLiteral("1.2.1950")), DateToJulian(1, 2, 1950));
    EXPECT_EQ(ParseDateText(QStringLiteral("01 01 0100")), DateToJulian(1, 1, 100));
    EXPECT_EQ(FormatDateValue(DateToJulian(1, 1, 100)), QStringLiteral("01 01 0100"));
}

TEST(ParseDateText, RejectedForms)
{
    for (const char* text :
         {"5 NOV 1950", "ABT 1950", "NOV 1950", "31 13 1950", "00 01 1950", "32 01 1950",
          "01 01 0099", "01 01 2501", "05 11 50", "05 11 19X0", "2451544", "99999999999999999999"})
        EXPECT_EQ(ParseDateText(QString::fromLatin1(text)), 0) << text;
}

TEST(ParseDateText, DayBeyondMonthRollsOver)
{
    EXPECT_EQ(ParseDateText(QStringLiteral("29 02 2001")), DateToJulian(1, 3, 2001));
    EXPECT_EQ(DateToJulian(31, 2, 2001), DateToJulian(3, 3, 2001));
    EXPECT_EQ(FormatDateValue(DateToJulian(31, 2, 2001)), QStringLiteral("03 03 2001"));
}

TEST(ParseDateText, LongAndHostileTexts)
{
    // Only the leading characters decide; a huge line neither matters nor hurts.
    const QString longText = QStringLiteral("05 NOV 1950") + QString(100000, QLatin1Char('x'));
    EXPECT_EQ(ParseDateText(longText), DateToJulian(5, 11, 1950));
    const QString months =
        QStringLiteral("01 DEC JAN FEB 1950 MAR APR MAY JUN JUL AUG SEP OCT NOV");
    EXPECT_EQ(ParseDateText(months), 0);
    // Month names are replaced in calendar order, wherever they stand.
    EXPECT_EQ(ParseDateText(QStringLiteral("01 DECJAN1950")), DateToJulian(1, 12, 1195));
    EXPECT_EQ(ParseDateText(QStringLiteral("1.JAN.1950")), DateToJulian(1, 1, 1950));
}

QString ReplaceFirst(const QString& text, const QString& oldText, const QString& newText)
{
    const qsizetype at = oldText.isEmpty() ? -1 : text.indexOf(oldText);
    return at < 0 ? text : QString(text).replace(at, oldText.size(), newText);
}

// The rule written out plainly with QString operations, to check the parser's in-place buffer.
double plainParse(QString text)
{
    bool ok = false;
    const auto number = [&ok](const QString& t) {
        const bool digits = !t.isEmpty() && !t.contains(QLatin1Char(' '));
        const int v = digits ? t.toInt(&ok) : 0;
        return digits && ok ? v : 0;
    };
    const int n = number(text);
    if ((n > 0 && n < 10000) || text.size() < 6)
        return n;
    if (text.mid(1, 1) == QLatin1String("."))
        text.prepend(QLatin1Char('0'));
    if (text.mid(4, 1) == QLatin1String("."))
        text.insert(3, QLatin1Char('0'));
    text = text.toUpper();
    const char* months[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                            "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    for (int i = 0; i < 12; ++i)
        text = ReplaceFirst(text, QString::fromLatin1(months[i]),
                            QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')));
    const int day = number(text.mid(0, 2)), month = number(text.mid(3, 2));
    const int year = number(text.mid(6, 4));
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 100 || year > 2500)
        return 0;
    return DateToJulian(day, month, year);
}

TEST(ParseDateText, AgreesWithThePlainRuleOnRandomTexts)
{
    // Random runs of date-like pieces, so that many of them are valid dates.
    const QStringList pieces = {
        QStringLiteral("5"),    QStringLiteral("05"),  QStringLiteral("31"),
        QStringLiteral("1"),    QStringLiteral("12"),  QStringLiteral("1950"),
        QStringLiteral("0100"), QStringLiteral("."),   QStringLiteral(" "),
        QStringLiteral("/"),    QStringLiteral("-"),   QStringLiteral("+"),
        QStringLiteral("NOV"),  QStringLiteral("nov"), QStringLiteral("JAN"),
        QStringLiteral("Dec"),  QStringLiteral("MAY"), QStringLiteral("SEP"),
        QStringLiteral("x"),    QStringLiteral("ABT ")};
    quint32 seed = 12345;
    const auto next = [&seed] { return (seed = seed * 1664525u + 1013904223u) >> 8; };
    int valid = 0;
    for (int round = 0; round < 300000; ++round) {
        QString text;
        const int count = int(next() % 14);
        for (int i = 0; i < count; ++i)
            text.append(pieces.at(next() % pieces.size()));
        const double expected = plainParse(text);
        ASSERT_EQ(ParseDateText(text), expected) << qPrintable(text);
        valid += expected >= 10000;
    }
    EXPECT_GT(valid, 1000);
}

TEST(JulianDates, MatchTheCalendarForEveryDay)
{
    const QDate last(2500, 12, 31);
    double previous = DateToJulian(31, 12, 99);
    int checked = 0;
    for (QDate d(100, 1, 1); d <= last; d = d.addDays(1)) {
        const double j = DateToJulian(d.day(), d.month(), d.year());
        ASSERT_EQ(j, double(d.toJulianDay()) - 0.5) << qPrintable(d.toString(Qt::ISODate));
        ASSERT_EQ(j, previous + 1);
        int day = 0, month = 0, year = 0;
        JulianToDate(j, day, month, year);
        ASSERT_EQ(QDate(year, month, day), d) << qPrintable(d.toString(Qt::ISODate));
        previous = j;
        ++checked;
    }
    EXPECT_EQ(checked, QDate(100, 1, 1).daysTo(last) + 1);
    EXPECT_EQ(DateToJulian(1, 1, 2000), 2451544.5);
}

TEST(JulianDates, FormatAndParseRoundTripEveryDay)
{
    for (QDate d(100, 1, 1); d.year() <= 2500; d = d.addDays(1)) {
        const double j = DateToJulian(d.day(), d.month(), d.year());
        const QString text = FormatDateValue(j);
        ASSERT_EQ(text, d.toString(QStringLiteral("dd MM yyyy")));
        ASSERT_EQ(ParseDateText(text), j) << qPrintable(text);
    }
}

TEST(FormatDateValue, OutOfRangeAndStrangeValues)
{
    EXPECT_EQ(FormatDateValue(0), QString());
    EXPECT_EQ(FormatDateValue(1950.7), QStringLiteral("1950"));
    EXPECT_EQ(FormatDateValue(DateToJulian(31, 12, 99)), QString());
    EXPECT_EQ(FormatDateValue(DateToJulian(1, 1, 2501)), QString());
    EXPECT_EQ(FormatDateValue(1e300), QString());
    EXPECT_EQ(FormatDateValue(std::numeric_limits<double>::infinity()), QString());
    EXPECT_EQ(FormatDateValue(std::numeric_limits<double>::quiet_NaN()), QString());
    int day = 1, month = 1, year = 1;
    JulianToDate(std::numeric_limits<double>::quiet_NaN(), day, month, year);
    EXPECT_EQ(year, 0);
}

TEST(UpperCase1254, AgreesWithUnicodeInsideTheCodePage)
{
    // Within the code page the rule is Unicode's upper case, except that the dotted and dotless
    // i both become I and letters whose capital lies outside the code page (µ) stay.
    for (int b = 0; b < 256; ++b) {
        const QChar c = Cp1254Char(uchar(b));
        const QChar upper = UpperCase1254(c);
        EXPECT_TRUE(IsRepresentable1254(upper)) << b;
        const QChar unicodeUpper = c.toUpper();
        const QChar expected = IsRepresentable1254(unicodeUpper) ? unicodeUpper : c;
        EXPECT_EQ(upper, expected) << b;
    }
    EXPECT_EQ(UpperCase1254(QStringLiteral("iıçğöşüßµšœÿ")), QStringLiteral("IIÇĞÖŞÜßµŠŒŸ"));
}

TEST(UpperCaseTyped, FollowsTheLanguage)
{
    EXPECT_EQ(UpperCaseTyped(u"iıçşa"_qs, Lang::Turkish), u"İIÇŞA"_qs);
    EXPECT_EQ(UpperCaseTyped(u"iıçşa"_qs, Lang::English), u"IIÇŞA"_qs);
}

TEST(KeyFilters, NameFields)
{
    EXPECT_EQ(TurkceKeyPress(u'i', Lang::Turkish, false), some(0x0130));
    EXPECT_EQ(TurkceKeyPress(u'i', Lang::English, false), some(u'I'));
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(0x0131)), Lang::Turkish, false), some(u'I'));
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(0x0131)), Lang::English, false), some(u'I'));
    EXPECT_EQ(TurkceKeyPress(u'a', Lang::Turkish, false), some(u'A'));
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(0x015F)), Lang::English, false), some(0x015E));
    EXPECT_EQ(TurkceKeyPress(u'7', Lang::Turkish, false), some(u'7'));
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(8)), Lang::Turkish, false), some(8));
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(13)), Lang::Turkish, false), std::nullopt);
    EXPECT_EQ(TurkceKeyPress(u'a', Lang::Turkish, true), std::nullopt);
    // Letters of any script pass, upper-cased; the family file keeps them.
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(0x0142)), Lang::Turkish, false), some(0x0141)); // ł
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(0x03C9)), Lang::English, false), some(0x03A9)); // ω
    EXPECT_EQ(TurkceKeyPress(QChar(char16_t(0xD83D)), Lang::Turkish, false),
              some(0xD83D)); // half of an emoji, joined again by the field
}

TEST(KeyFilters, DateFields)
{
    for (char16_t c : {u' ', u',', u'-', u'.', u'/'})
        EXPECT_EQ(DateKeyPress(c), some(u'.'));
    for (char16_t c = u'0'; c <= u'9'; ++c)
        EXPECT_EQ(DateKeyPress(c), some(c));
    EXPECT_EQ(DateKeyPress(QChar(char16_t(8))), some(8));
    for (char16_t c : {u'a', u'N', char16_t(13), char16_t(0x0130), u'+'})
        EXPECT_EQ(DateKeyPress(c), std::nullopt);
}

TEST(KeyFilters, Notes)
{
    EXPECT_EQ(Memo_NotlarKeyPress(u'x', false), some(u'x'));
    EXPECT_EQ(Memo_NotlarKeyPress(QChar(char16_t(13)), false), some(13));
    EXPECT_EQ(Memo_NotlarKeyPress(QChar(char16_t(0x011F)), false), some(0x011F));
    EXPECT_EQ(Memo_NotlarKeyPress(u'x', true), std::nullopt);
    EXPECT_EQ(Memo_NotlarKeyPress(QChar(char16_t(0x0142)), false), some(0x0142));
}
