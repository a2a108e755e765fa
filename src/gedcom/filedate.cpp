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

// The qualifier of a date other programs write: its first word, or a mark of doubt.
DateQualifier qualifierOf(const QString& date)
{
    const QString first = date.section(QLatin1Char(' '), 0, 0).toUpper();
    // "<1814>" is a mark of doubt, "<1814" a bound.
    if (first == QLatin1String("BEF") || (first.startsWith(u'<') && !first.endsWith(u'>')))
        return DateQualifier::Before;
    // A range ("BET 1750 AND 1760", "FROM 1750 TO 1760") keeps its first year: it or later.
    if (first == QLatin1String("AFT") || first == QLatin1String("BET") ||
        first == QLatin1String("FROM") || first.startsWith(u'>'))
        return DateQualifier::After;
    if (first == QLatin1String("ABT") || first == QLatin1String("CAL") || first.startsWith(u'(') ||
        first.startsWith(u'<') || date.contains(u'?'))
        return DateQualifier::About;
    if (first == QLatin1String("EST"))
        return DateQualifier::Estimated;
    return DateQualifier::None;
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
        return {double(year), FileDate::Kind::YearOnly, qualifierOf(date)};
    return {0, FileDate::Kind::Lost};
}

} // namespace kinrow
