#include "gedcom/filedate.h"

#include "model/textrules.h"

namespace kinrow {

namespace {

// The first word that begins with a year of three or four digits ("1850/51" gives 1850);
// calendar escapes such as "@#DJULIAN@" are passed over.
int firstYear(const QString& text)
{
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word.startsWith(QLatin1String("@#")))
            continue;
        // Marks of doubt before the year count for nothing ("<1814>", "(1900)").
        qsizetype start = 0;
        while (start < word.size() && (word[start] == u'<' || word[start] == u'('))
            ++start;
        qsizetype digits = 0;
        while (start + digits < word.size() && word[start + digits].unicode() >= u'0' &&
               word[start + digits].unicode() <= u'9')
            ++digits;
        if (digits < 3 || digits > 4)
            continue;
        const int year = word.mid(start, digits).toInt();
        if (year >= 100 && year <= 2500)
            return year;
    }
    return 0;
}

bool isSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('/') || c == QLatin1Char('-');
}

} // namespace

FileDate ReadFileDate(const QString& text)
{
    const QString date = text.simplified();
    if (date.isEmpty())
        return {};
    if (const double value = ParseDateText(date); value != 0)
        return {value, FileDate::Kind::Exact};
    if (date.size() > 2 && date[0].isDigit() && isSeparator(date[1])) {
        if (const double value = ParseDateText(QLatin1Char('0') + date); value != 0)
            return {value, FileDate::Kind::Exact};
    }
    if (const int year = firstYear(date))
        return {double(year), FileDate::Kind::YearOnly};
    return {0, FileDate::Kind::Lost};
}

} // namespace kinrow
