#pragma once

#include "model/person.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace kinrow {

struct TListeData;

// The folded texts the selection list is searched in, built once each time the list is filled
// so that a keystroke costs one scan and no folding.
class ListeSearchIndex
{
public:
    // One key per row: the person's given name, surname and birth year, folded.
    void build(const PersonList& persons, const std::vector<TListeData>& rows);
    void clear();
    std::size_t rowCount() const { return m_rowStart.empty() ? 0 : m_rowStart.size() - 1; }

    // Sets match[i] to 1 when a field of row i contains typed (folded here), else to 0; every
    // row matches an empty text.
    void find(QStringView typed, std::vector<std::uint8_t>& match) const;

private:
    void findFolded(QStringView folded, std::size_t firstRow, std::size_t endRow,
                    std::vector<std::uint8_t>& match) const;

    // Every field of every row, each ended by a 0, which no folded text holds.
    QString m_text;
    // Where each row's fields start in m_text, and one past the last row.
    std::vector<qsizetype> m_rowStart;
};

// The year of a date value as FormatDateValue writes it, empty when there is none.
QString BirthYearText(double birthDate);

} // namespace kinrow
