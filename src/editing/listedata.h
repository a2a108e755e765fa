#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <functional>
#include <vector>

namespace kinrow {

// One row of the person selection list.
struct TListeData
{
    qint32 No = 0; // record number
    QString Ad;    // display form of the given name
    QString Soyad; // surname as stored
};

// Column numbers of the selection list.
constexpr int ListeColumnNo = 0;
constexpr int ListeColumnAd = 1;
constexpr int ListeColumnSoyad = 2;
constexpr int ListeColumnCount = 3;

// The row of record recNo, which must be a valid record number.
TListeData ListeRow(const PersonList& persons, qint32 recNo, Lang lang);

// One row for every person, in record order.
std::vector<TListeData> ListeRowsAll(const PersonList& persons, Lang lang);

// One row for each of recNos in the given order; numbers outside the list are skipped.
std::vector<TListeData> ListeRowsOf(const PersonList& persons, const QList<qint32>& recNos,
                                    Lang lang);

// A case-insensitive collator of the locale, as the name columns sort.
QCollator ListeCollator(const QLocale& locale);

// The collation rank of each of count texts: texts equal under the collator share a rank, and
// ranks follow the collator's order.
std::vector<int> CollationRanks(std::size_t count,
                                const std::function<const QString&(std::size_t)>& textAt,
                                const QCollator& collator);

// The rows of the selection list and their display order, sorted stably by a column.
class ListeTable
{
public:
    explicit ListeTable(const QLocale& collationLocale = QLocale());

    // Replaces the rows; the display order becomes the given order.
    void setRows(std::vector<TListeData> rows);
    void setCollationLocale(const QLocale& locale);

    int size() const { return int(m_rows.size()); }
    // The row shown at a position of the display order.
    const TListeData& at(int position) const { return m_rows[std::size_t(m_order[position])]; }
    // The display position of the row with record number no, -1 when absent.
    int positionOfNo(qint32 no) const;
    // Index into the given rows of the row shown at each position.
    const std::vector<int>& order() const { return m_order; }

    // Reorders the display stably: rows that compare equal keep their current order.
    void sort(int column, Qt::SortOrder order);

private:
    const std::vector<int>& ranks(int column);

    std::vector<TListeData> m_rows;
    std::vector<int> m_order;
    // Per name column, the collation rank of every row; empty until first needed.
    std::array<std::vector<int>, 2> m_ranks;
    QLocale m_locale;
};

} // namespace kinrow
