#include "editing/listesearch.h"

#include "editing/listedata.h"
#include "model/searchfold.h"
#include "model/textrules.h"

namespace kinrow {

namespace {

constexpr QChar FieldEnd(u'\0');

// Rough size of one row's key, so the text is allocated once for most families.
constexpr qsizetype KeySizeGuess = 24;

} // namespace

QString BirthYearText(double birthDate)
{
    const QString date = FormatDateValue(birthDate);
    return date.mid(date.lastIndexOf(QLatin1Char(' ')) + 1);
}

void ListeSearchIndex::build(const PersonList& persons, const std::vector<TListeData>& rows)
{
    clear();
    m_text.reserve(qsizetype(rows.size()) * KeySizeGuess);
    m_rowStart.reserve(rows.size() + 1);
    for (const TListeData& row : rows) {
        m_rowStart.push_back(m_text.size());
        // Rows are built from the list, but a stale number must never read past it.
        if (row.No >= 1 && std::size_t(row.No) <= persons.size()) {
            const TTreeData& person = persons[std::size_t(row.No - 1)];
            AppendSearchFold(person.GivenName, m_text);
            m_text.append(FieldEnd);
            AppendSearchFold(person.Surname, m_text);
            m_text.append(FieldEnd);
            m_text.append(BirthYearText(person.BirthDate));
        }
        m_text.append(FieldEnd);
    }
    m_rowStart.push_back(m_text.size());
}

void ListeSearchIndex::clear()
{
    m_text.clear();
    m_rowStart.clear();
}

void ListeSearchIndex::find(QStringView typed, std::vector<std::uint8_t>& match) const
{
    const QString folded = SearchFold(typed);
    match.assign(rowCount(), folded.isEmpty() ? 1 : 0);
    if (!folded.isEmpty())
        findFolded(folded, 0, rowCount(), match);
}

void ListeSearchIndex::findFolded(QStringView folded, std::size_t firstRow, std::size_t endRow,
                                  std::vector<std::uint8_t>& match) const
{
    const QStringView text(m_text.constData(), m_rowStart[endRow]);
    qsizetype from = m_rowStart[firstRow];
    std::size_t row = firstRow;
    while (true) {
        const qsizetype hit = text.indexOf(folded, from);
        if (hit < 0)
            return;
        // Hits come in text order, so the row only moves forward.
        while (m_rowStart[row + 1] <= hit)
            ++row;
        match[row] = 1;
        from = m_rowStart[row + 1];
    }
}

} // namespace kinrow
