#include "editing/persontexts.h"

#include "editing/recordaccess.h"
#include "model/messages.h"
#include "model/textrules.h"

#include <QSet>

namespace kinrow {

namespace {
constexpr int MaxAge = 149;

const QString NoDate = QStringLiteral("----");

// Values that are not positive (including NaN read from a damaged file) show as "no date".
QString DateOrDashes(double value)
{
    return value > 0 ? FormatDateValue(value) : NoDate;
}

QString YearOrDashes(double value)
{
    return value > 0 ? FormatDateValue(value).right(4) : NoDate;
}

QString ParentGivenName(const PersonList& persons, qint32 recNo, Lang lang)
{
    const TTreeData* parent = RecordAt(persons, recNo);
    return parent ? ProperCaseName(parent->GivenName, lang) : NoDate;
}

// The year is read from the tail of the field, so a full date and a lone year both work.
int YearOfField(const QString& field)
{
    bool ok = false;
    const int year = field.right(4).toInt(&ok);
    return ok ? year : 0;
}

} // namespace

QString PersonTitle(const TTreeData& person, Lang lang)
{
    return ProperCaseName(person.GivenName, lang) + QLatin1Char(' ') + person.Surname;
}

QString PersonEntryText(const TTreeData& person, Lang lang)
{
    QString text = ProperCaseName(person.GivenName, lang) + QLatin1Char(' ') + person.Surname;
    if (person.BirthDate + person.DeathDate > 0)
        text += QStringLiteral(" - ") + YearOrDashes(person.BirthDate) + QStringLiteral(" & ") +
                YearOrDashes(person.DeathDate);
    return text;
}

QString PersonSummary(const PersonList& persons, const TTreeData& person, Lang lang)
{
    QStringList lines;
    lines << QString::number(person.Id) + QStringLiteral(" - ") +
                 ProperCaseName(person.GivenName, lang) + QLatin1Char(' ') +
                 ProperCaseName(person.Surname, lang);
    if (!person.BirthPlace.isEmpty())
        lines << QStringLiteral("  ") + ProperCaseName(person.BirthPlace, lang);
    if (person.BirthDate + person.DeathDate > 0)
        lines << QStringLiteral("  ") + DateOrDashes(person.BirthDate) + QStringLiteral(" & ") +
                     DateOrDashes(person.DeathDate);
    // Summed in 64 bits: hostile files may carry numbers near the 32-bit limit.
    if (qint64(person.MotherId) + qint64(person.FatherId) > 0)
        lines << QStringLiteral("  ") + ParentGivenName(persons, person.MotherId, lang) +
                     QStringLiteral(" & ") + ParentGivenName(persons, person.FatherId, lang);
    return lines.join(QLatin1Char('\r'));
}

QString AgeText(const QString& birthField, const QString& deathField, int currentYear, Lang lang)
{
    const int birthYear = YearOfField(birthField);
    const int endYear = deathField.isEmpty() ? currentYear : YearOfField(deathField);
    const qint64 age = qint64(endYear) - birthYear;
    const QString value =
        (age >= 1 && age <= MaxAge) ? QString::number(age) : QStringLiteral("???");
    return LangText(Msg::Age, lang) + QStringLiteral(" : ") + value;
}

QList<qint32> SiblingsOf(const PersonList& persons, qint32 recNo)
{
    const TTreeData* person = RecordAt(persons, recNo);
    if (!person)
        return {};
    QList<qint32> siblings;
    if (const TTreeData* mother = RecordAt(persons, person->MotherId)) {
        for (qint32 c : mother->Children)
            if (c != recNo)
                siblings << c;
    }
    if (const TTreeData* father = RecordAt(persons, person->FatherId)) {
        QSet<qint32> seen(siblings.cbegin(), siblings.cend());
        for (qint32 c : father->Children)
            if (c != recNo && !seen.contains(c)) {
                siblings << c;
                seen.insert(c);
            }
    }
    return siblings;
}

} // namespace kinrow
