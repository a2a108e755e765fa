#pragma once

#include "editing/collationranks.h"
#include "editing/listesearch.h"
#include "model/messages.h"
#include "model/person.h"

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <cstdint>
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

// A case-insensitive collator of the locale, as the name columns sort; the C locale sorts by
// Unicode's default order.
QCollator ListeCollator(const QLocale& locale);

// The rows of the selection list and their display order, sorted stably by a column and
// narrowed to the rows that contain a typed text.
class ListeTable
{
public:
    explicit ListeTable(const QLocale& collationLocale = QLocale());

    // Replaces the rows; the display order becomes the given order and nothing is typed.
    void setRows(std::vector<TListeData> rows);
    // The same, with search keys from the persons the rows name.
    void setRows(std::vector<TListeData> rows, const PersonList& persons);
    void setCollationLocale(const QLocale& locale);

    // Number of rows shown.
    int size() const { return int(shown().size()); }
    // The row shown at a position of the display order.
    const TListeData& at(int position) const
    {
        return rows_[std::size_t(shown()[std::size_t(position)])];
    }
    // The display position of the row with record number no, -1 when absent or hidden.
    int positionOfNo(qint32 no) const;
    // Index into the given rows of every row in display order, hidden ones included.
    const std::vector<int>& order() const { return order_; }
    // Index into the given rows of the row shown at each position.
    const std::vector<int>& shown() const { return narrowed_ ? shown_ : order_; }

    // Reorders the display stably: rows that compare equal keep their current order.
    void sort(int column, Qt::SortOrder order);

    // Shows only the rows whose given name, surname or birth year contain typed, compared in
    // their search form; an empty text shows every row.
    void setFilter(const QString& typed);
    const QString& filter() const { return typed_; }

private:
    const std::vector<int>& ranks(int column);
    void updateShown();

    std::vector<TListeData> rows_;
    std::vector<int> order_;
    ListeSearchIndex search_;
    QString typed_;
    std::vector<std::uint8_t> match_; // per row, 1 when it contains the typed text
    std::vector<int> shown_;
    bool narrowed_ = false; // some row is hidden, so shown_ holds the display
    // Per name column, the collation rank of every row; empty until first needed.
    std::array<std::vector<int>, 2> ranks_;
    QLocale locale_;
};

} // namespace kinrow
