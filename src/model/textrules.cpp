#include "model/textrules.h"

#include "model/codepage1254.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace kinrow {

namespace {

constexpr char16_t kCapCedilla = 0x00C7, kSmallCedilla = 0x00E7;
constexpr char16_t kCapBreve = 0x011E, kSmallBreve = 0x011F;
constexpr char16_t kCapOUml = 0x00D6, kSmallOUml = 0x00F6;
constexpr char16_t kCapUUml = 0x00DC, kSmallUUml = 0x00FC;
constexpr char16_t kCapSCedilla = 0x015E, kSmallSCedilla = 0x015F;
constexpr char16_t kCapDottedI = 0x0130, kSmallDotlessI = 0x0131;

QChar lowerCase1254(char16_t u);

// A letter the code page has no byte for; its case follows Unicode.
bool outsideCodePage(char16_t u)
{
    return u >= 0x80 && Cp1254Byte(QChar(u)) < 0;
}

constexpr char32_t kCapSigma = 0x03A3, kFinalSigma = 0x03C2;

char32_t lowerOf(char32_t u)
{
    return u < 0x10000 ? lowerCase1254(char16_t(u)).unicode() : QChar::toLower(u);
}

char32_t upperOf(char32_t u)
{
    return u < 0x10000 ? UpperCase1254(QChar(char16_t(u))).unicode() : QChar::toUpper(u);
}

// The code point at i and the number of units it takes; a lone surrogate stands for itself.
std::pair<char32_t, qsizetype> codePointAt(const QString& text, qsizetype i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return {QChar::surrogateToUcs4(c, text.at(i + 1)), 2};
    return {c.unicode(), 1};
}

void appendCodePoint(QString& out, char32_t u)
{
    if (QChar::requiresSurrogates(u)) {
        out.append(QChar(QChar::highSurrogate(u)));
        out.append(QChar(QChar::lowSurrogate(u)));
    } else {
        out.append(QChar(char16_t(u)));
    }
}

// Maps each code point of text; texts without surrogates (every text of the code page) are
// mapped unit by unit in place.
template <typename Map> QString mapCodePoints(const QString& text, Map map)
{
    const bool surrogates =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); });
    if (!surrogates) {
        QString result = text;
        for (QChar& c : result)
            c = QChar(char16_t(map(c.unicode())));
        return result;
    }
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const auto [u, units] = codePointAt(text, i);
        appendCodePoint(result, QChar::isSurrogate(u) ? u : map(u));
        i += units;
    }
    return result;
}

// Every capital: the letters lower-casing changes (of the code page by its rule, the others by
// Unicode's).
bool isNameUpper(char32_t c)
{
    return lowerOf(c) != c;
}

char32_t nameLower(char32_t c, Lang lang)
{
    if (c == u'I')
        return lang == Lang::Turkish ? kSmallDotlessI : u'i';
    return lowerOf(c);
}

QChar lowerCase1254(char16_t u)
{
    if (u >= u'A' && u <= u'Z')
        return QChar(char16_t(u + (u'a' - u'A')));
    // À..Ü but × and Ð: the code page's bytes for Ð, Ý and Þ hold Ğ, İ and Ş.
    if (u >= 0x00C0 && u <= 0x00DC && u != 0x00D7 && u != 0x00D0)
        return QChar(char16_t(u + 0x20));
    switch (u) {
    case kCapDottedI:
        return QChar(u'i');
    case kCapBreve:
        return QChar(kSmallBreve);
    case kCapSCedilla:
        return QChar(kSmallSCedilla);
    case 0x0160: // Š
        return QChar(char16_t(0x0161));
    case 0x0152: // Œ
        return QChar(char16_t(0x0153));
    case 0x0178: // Ÿ
        return QChar(char16_t(0x00FF));
    default:
        return outsideCodePage(u) ? QChar(u).toLower() : QChar(u);
    }
}

// Reads an optional sign and decimal digits, nothing else; 0 when the text is anything else
// or does not fit a 32-bit integer, as the number readers of the file formats did.
int wholeNumber(const char16_t* text, qsizetype size)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == size)
        return 0;
    std::int64_t value = 0;
    for (; i < size; ++i) {
        const char16_t c = text[i];
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
        if (value > std::int64_t(INT32_MAX) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX || value < INT32_MIN)
        return 0;
    return int(value);
}

// A fixed working copy of the date text. Every step before the field reading only shortens
// the text or inserts before character 5, so characters 1-10 of the result depend on the
// first few dozen input characters alone; the rest is never copied.
class DateBuffer
{
public:
    explicit DateBuffer(const QString& text)
    {
        size_ = std::min<qsizetype>(text.size(), kCapacity - 2);
        std::copy_n(reinterpret_cast<const char16_t*>(text.constData()), size_, chars_.data());
    }

    qsizetype size() const { return size_; }
    char16_t at(qsizetype i) const { return i < size_ ? chars_[i] : u'\0'; }

    void insertZero(qsizetype pos)
    {
        std::copy_backward(chars_.begin() + pos, chars_.begin() + size_,
                           chars_.begin() + size_ + 1);
        chars_[pos] = u'0';
        ++size_;
    }

    void upperAscii()
    {
        for (qsizetype i = 0; i < size_; ++i)
            if (chars_[i] >= u'a' && chars_[i] <= u'z')
                chars_[i] -= u'a' - u'A';
    }

    // Replaces the first occurrence of a three-letter word by a two-digit number.
    void replaceFirst(const char* word, const char* digits)
    {
        for (qsizetype i = 0; i + 3 <= size_; ++i) {
            if (chars_[i] == char16_t(word[0]) && chars_[i + 1] == char16_t(word[1]) &&
                chars_[i + 2] == char16_t(word[2])) {
                chars_[i] = char16_t(digits[0]);
                chars_[i + 1] = char16_t(digits[1]);
                std::copy(chars_.begin() + i + 3, chars_.begin() + size_, chars_.begin() + i + 2);
                --size_;
                return;
            }
        }
    }

    // Characters first..first+count-1 (1-based) read as a whole number, cut at the text's end.
    int field(qsizetype first, qsizetype count) const
    {
        const qsizetype start = first - 1;
        if (start >= size_)
            return 0;
        return wholeNumber(chars_.data() + start, std::min(count, size_ - start));
    }

private:
    static constexpr qsizetype kCapacity = 64;
    std::array<char16_t, kCapacity> chars_{};
    qsizetype size_ = 0;
};

constexpr std::array<std::pair<const char*, const char*>, 12> kMonths = {{{"JAN", "01"},
                                                                          {"FEB", "02"},
                                                                          {"MAR", "03"},
                                                                          {"APR", "04"},
                                                                          {"MAY", "05"},
                                                                          {"JUN", "06"},
                                                                          {"JUL", "07"},
                                                                          {"AUG", "08"},
                                                                          {"SEP", "09"},
                                                                          {"OCT", "10"},
                                                                          {"NOV", "11"},
                                                                          {"DEC", "12"}}};

bool inDateRange(int year)
{
    return year >= 100 && year <= 2500;
}

} // namespace

QString ProperCaseName(const QString& text, Lang lang)
{
    const auto shown = [&](char32_t previous, char32_t u, qsizetype next) {
        if (!isNameUpper(previous))
            return u;
        // A Greek word ends in the final form of sigma.
        if (u == kCapSigma && (next == text.size() || !text.at(next).isLetter()))
            return kFinalSigma;
        return nameLower(u, lang);
    };
    const bool surrogates =
        std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isSurrogate(); });
    if (!surrogates) {
        QString result = text;
        for (qsizetype i = 1; i < text.size(); ++i)
            result[i] =
                QChar(char16_t(shown(text.at(i - 1).unicode(), text.at(i).unicode(), i + 1)));
        return result;
    }
    QString result;
    result.reserve(text.size());
    char32_t previous = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto [u, units] = codePointAt(text, i);
        i += units;
        appendCodePoint(result, result.isEmpty() ? u : shown(previous, u, i));
        previous = u;
    }
    return result;
}

double ParseDateText(const QString& text)
{
    const int n = wholeNumber(reinterpret_cast<const char16_t*>(text.constData()), text.size());
    if (n > 0 && n < 10000)
        return n;
    if (text.size() < 6)
        return n;

    DateBuffer date(text);
    if (date.at(1) == u'.')
        date.insertZero(0);
    if (date.at(4) == u'.')
        date.insertZero(3);
    // Only the ASCII month names matter, and per-letter casing keeps every position in place.
    date.upperAscii();
    for (const auto& [word, digits] : kMonths)
        date.replaceFirst(word, digits);

    const int day = date.field(1, 2);
    const int month = date.field(4, 2);
    const int year = date.field(7, 4);
    if (day < 1 || day > 31 || month < 1 || month > 12 || !inDateRange(year))
        return 0;
    return DateToJulian(day, month, year);
}

QString FormatDateValue(double value)
{
    if (value == 0 || std::isnan(value))
        return QString();
    if (value < 10000) {
        const double whole = std::trunc(value);
        if (whole > -1e15)
            return QString::number(qint64(whole));
        return QString::number(whole, 'f', 0);
    }
    int day = 0, month = 0, year = 0;
    JulianToDate(value, day, month, year);
    if (!inDateRange(year))
        return QString();
    if (day < 1 || day > 99 || month < 1 || month > 99 || year < 0 || year > 9999)
        return QStringLiteral("%1 %2 %3")
            .arg(day, 2, 10, QLatin1Char('0'))
            .arg(month, 2, 10, QLatin1Char('0'))
            .arg(year, 4, 10, QLatin1Char('0'));
    // Written digit by digit: tables of a million persons format every date.
    const char16_t text[] = {char16_t(u'0' + day / 10),
                             char16_t(u'0' + day % 10),
                             u' ',
                             char16_t(u'0' + month / 10),
                             char16_t(u'0' + month % 10),
                             u' ',
                             char16_t(u'0' + year / 1000),
                             char16_t(u'0' + year / 100 % 10),
                             char16_t(u'0' + year / 10 % 10),
                             char16_t(u'0' + year % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

double DateToJulian(int day, int month, int year)
{
    double y = year;
    if (month < 3)
        y -= 1;
    double m = double(month) + 1;
    if (m < 4)
        m += 12;
    double j = std::trunc((y + 4712) * 365.25) + std::trunc(30.6 * m + 0.000001) + day - 63.5;
    double c = std::trunc(std::fabs(y) / 100) - std::trunc(std::fabs(y) / 400);
    if (y < 0)
        c = -c;
    j = j - c + 2;
    if (y < 0 && y / 100 == std::trunc(y / 100) && y / 400 != std::trunc(y / 400))
        j -= 1;
    return j;
}

void JulianToDate(double julian, int& day, int& month, int& year)
{
    day = month = year = 0;
    // Far outside any calendar date the integer conversions below would overflow.
    if (!(julian > -1e9 && julian < 1e9))
        return;
    const double a = julian + 32082.5;
    double t = std::trunc(a / 36525) + a - std::trunc(a / 146100) - 38;
    if (julian >= 1830691.5)
        t += 1;
    const double c = std::trunc(t / 36525) + a - std::trunc(t / 146100) - 38;
    const double d = std::trunc(c + 123);
    const double e = std::trunc((d - 122.2) / 365.25);
    const double f = std::trunc((d - std::trunc(365.25 * e)) / 30.6001);
    double m = f - 1;
    if (m > 12)
        m -= 12;
    day = int((d - std::trunc(365.25 * e)) - std::trunc(30.6001 * f));
    month = int(m);
    year = int(std::trunc((f - 2) / 12) + e - 4800);
}

QChar UpperCase1254(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return QChar(char16_t(u - (u'a' - u'A')));
    if (u >= 0x00E0 && u <= 0x00FE && u != 0x00F7)
        return QChar(char16_t(u - 0x20));
    switch (u) {
    case kSmallDotlessI:
        return QChar(u'I');
    case kSmallBreve:
        return QChar(kCapBreve);
    case kSmallSCedilla:
        return QChar(kCapSCedilla);
    case 0x0161: // š
        return QChar(char16_t(0x0160));
    case 0x0153: // œ
        return QChar(char16_t(0x0152));
    case 0x00FF: // ÿ
        return QChar(char16_t(0x0178));
    default:
        return outsideCodePage(u) ? c.toUpper() : c;
    }
}

QString UpperCase1254(const QString& text)
{
    return mapCodePoints(text, upperOf);
}

QChar UpperCaseTyped(QChar c, Lang lang)
{
    if (lang == Lang::Turkish && c.unicode() == u'i')
        return QChar(kCapDottedI);
    return UpperCase1254(c);
}

QString UpperCaseTyped(const QString& text, Lang lang)
{
    return mapCodePoints(text, [lang](char32_t u) {
        return lang == Lang::Turkish && u == u'i' ? char32_t(kCapDottedI) : upperOf(u);
    });
}

QChar LowerCase1254(QChar c)
{
    return lowerCase1254(c.unicode());
}

QString LowerCase1254(const QString& text)
{
    return mapCodePoints(text, lowerOf);
}

bool IsRepresentable1254(QChar c)
{
    return Cp1254Byte(c) >= 0;
}

std::optional<QChar> TurkceKeyPress(QChar typed, Lang lang, bool readOnlyMode)
{
    if (readOnlyMode || typed.unicode() == 13)
        return std::nullopt;
    return UpperCaseTyped(typed, lang);
}

std::optional<QChar> DateKeyPress(QChar typed)
{
    char16_t c = typed.unicode();
    if (c == u' ' || c == u',' || c == u'-' || c == u'.' || c == u'/')
        c = u'.';
    if (c == 8 || c == u'.' || (c >= u'0' && c <= u'9'))
        return QChar(c);
    return std::nullopt;
}

std::optional<QChar> Memo_NotlarKeyPress(QChar typed, bool readOnlyMode)
{
    if (readOnlyMode)
        return std::nullopt;
    return typed;
}

} // namespace kinrow
