#include "print/listselection.h"

#include "editing/recordaccess.h"
#include "model/textrules.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>

namespace kinrow {

namespace {

// A relative as the print table names one: given name and record number.
QString RelativeText(const PersonList& persons, qint32 recNo, Lang lang)
{
    const TTreeData* person = RecordAt(persons, recNo);
    const QString given = person ? ProperCaseName(person->GivenName, lang) : QString();
    return given + QStringLiteral(" (") + QString::number(recNo) + QLatin1Char(')');
}

QString RelativesText(const PersonList& persons, const QList<qint32>& recNos, Lang lang)
{
    QStringList parts;
    for (const qint32 recNo : recNos)
        parts.append(RelativeText(persons, recNo, lang));
    return parts.join(QStringLiteral(" & "));
}

QString DateOrDashes(double value)
{
    return value > 0 ? FormatDateValue(value) : QStringLiteral("----");
}

bool InFamily(const PersonList& persons, qint32 recNo, qint32 recNoMain)
{
    if (recNo == recNoMain)
        return true;
    const TTreeData* main = RecordAt(persons, recNoMain);
    if (!main)
        return false;
    return recNo == main->FatherId || recNo == main->MotherId || main->Spouses.contains(recNo) ||
           main->Children.contains(recNo);
}

} // namespace

QString BirthAndDeathText(double birthDate, double deathDate)
{
    if (birthDate + deathDate <= 0)
        return QString();
    return DateOrDashes(birthDate) + QStringLiteral(" & ") + DateOrDashes(deathDate);
}

ListPrintRow ListRowOf(const PersonList& persons, qint32 recNo, Lang lang)
{
    ListPrintRow row;
    row.recNo = recNo;
    const TTreeData* person = RecordAt(persons, recNo);
    if (!person)
        return row;
    row.cells[0] = QString::number(recNo);
    row.cells[1] = ProperCaseName(person->GivenName, lang);
    row.cells[2] = person->Surname;
    row.cells[3] = ProperCaseName(person->BirthPlace, lang);
    row.cells[4] = BirthAndDeathText(person->BirthDate, person->DeathDate);
    if (person->MotherId != 0)
        row.cells[5] = RelativeText(persons, person->MotherId, lang);
    if (person->FatherId != 0)
        row.cells[6] = RelativeText(persons, person->FatherId, lang);
    row.cells[7] = RelativesText(persons, person->Spouses, lang);
    row.cells[8] = RelativesText(persons, person->Children, lang);
    return row;
}

bool InListScope(const PersonList& persons, qint32 recNo, ListScope scope, qint32 recNoMain,
                 const QString& surnameText)
{
    const TTreeData* person = RecordAt(persons, recNo);
    if (!person)
        return false;
    switch (scope) {
    case ListScope::Family:
        return InFamily(persons, recNo, recNoMain);
    case ListScope::Surname:
        return person->Surname == surnameText;
    case ListScope::Males:
        return person->Sex == SexMale;
    case ListScope::Females:
        return person->Sex == SexFemale;
    case ListScope::All:
        return true;
    }
    return false;
}

std::vector<ListPrintRow> ScopedListRows(const PersonList& persons, ListScope scope,
                                         qint32 recNoMain, const QString& surnameText, Lang lang)
{
    std::vector<ListPrintRow> rows;
    for (qint32 recNo = 1; size_t(recNo) <= persons.size(); ++recNo) {
        if (InListScope(persons, recNo, scope, recNoMain, surnameText))
            rows.push_back(ListRowOf(persons, recNo, lang));
    }
    return rows;
}

void SortListRows(std::vector<ListPrintRow>& rows, int column, bool descending)
{
    if (column < 0 || column > 4)
        return; // columns 5 to 8 compare as equal, and a stable sort keeps the order
    std::vector<size_t> order(rows.size());
    std::iota(order.begin(), order.end(), size_t(0));
    if (column == 0) {
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return descending ? rows[b].recNo < rows[a].recNo : rows[a].recNo < rows[b].recNo;
        });
    } else {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        // One key per row, so the sort compares prepared keys instead of collating again. The
        // text is case-folded first: not every locale's collator (the C locale's) ignores case.
        std::vector<QCollatorSortKey> keys;
        keys.reserve(rows.size());
        for (const ListPrintRow& row : rows)
            keys.push_back(collator.sortKey(row.cells[column].toCaseFolded()));
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
            return descending ? keys[b].compare(keys[a]) < 0 : keys[a].compare(keys[b]) < 0;
        });
    }
    std::vector<ListPrintRow> sorted;
    sorted.reserve(rows.size());
    for (const size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

} // namespace kinrow
