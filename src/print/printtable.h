#pragma once

#include "print/printdata.h"

#include <QLocale>

#include <array>
#include <vector>

namespace kinrow {

// The list scopes of the print table by their item index; None: no scope describes the checks.
enum class PrintScope : int
{
    None = -1,
    Family = 0,
    Surname = 1,
    Males = 2,
    Females = 3,
    All = 4
};

// What happens to unchecked rows; None: neither choice describes the table.
enum class UncheckedRows : int
{
    None = -1,
    Hide = 0,
    Show = 1
};

// What the scopes compare rows with: the current person's family and surname.
struct ScopeContext
{
    QList<qint32> family; // record numbers the family scope takes
    QString surname;      // the surname the surname scope takes, exactly
};

// The print table's rows with their checks, hidden rows and display order, and the choices
// that survive from one opening of the page to the next: scope, hide/show, shown columns and
// sort column. Counters move with every change, so one check never costs a pass over all rows.
class PrintTable
{
public:
    static constexpr int SortColumnNone = -1;

    explicit PrintTable(const QLocale& collationLocale = QLocale());

    // Replaces the rows: all unchecked and visible, in record order (not re-sorted).
    void setRows(std::vector<TPrintData> rows);
    void setCollationLocale(const QLocale& locale);

    int size() const { return int(rows_.size()); }
    const TPrintData& row(int index) const { return rows_[std::size_t(index)]; }
    bool isChecked(int index) const { return checked_[std::size_t(index)] != 0; }
    bool isHidden(int index) const { return hidden_[std::size_t(index)] != 0; }
    int checkedCount() const { return checkedCount_; }
    int visibleCount() const { return size() - hiddenCount_; }

    // Indexes of all rows, hidden ones included, in display order.
    const std::vector<int>& displayOrder() const { return order_; }
    // Indexes of the visible rows in display order.
    const std::vector<int>& visibleOrder() const;
    // Indexes of the checked rows in display order: what the list printout prints.
    std::vector<int> checkedInDisplayOrder() const;
    // The display position among the visible rows of record recNo; -1 when hidden or absent.
    int visiblePositionOfRecNo(qint32 recNo) const;

    PrintScope scope() const { return scope_; }
    void setScope(PrintScope scope) { scope_ = scope; }
    UncheckedRows uncheckedRows() const { return uncheckedRows_; }
    void setUncheckedRows(UncheckedRows choice) { uncheckedRows_ = choice; }

    // Checks exactly the rows the current scope takes and starts the counter afresh; unchecked
    // rows are hidden when the choice is Hide (an unset choice becomes Show).
    void applyScope(const ScopeContext& context);
    // Hides the unchecked rows or shows all rows, as the choice says; checks stay.
    void applyUncheckedRows();
    // A check the user changed: the scope no longer describes the checks, and an unchecked row
    // that stays visible among hidden ones leaves the hide/show choice unset.
    void setCheckedByUser(int index, bool checked);

    bool isColumnShown(int column) const { return columnShown_[std::size_t(column)]; }
    void setColumnShown(int column, bool shown) { columnShown_[std::size_t(column)] = shown; }

    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }
    // A click on a heading: another column becomes the sort column ascending, the same one
    // reverses; then the rows are sorted.
    void headerClick(int column);
    // Sorts stably: rows that compare equal keep their current order.
    void sort(int column, Qt::SortOrder order);
    // Negative when row a comes before row b in ascending order of the column.
    int compare(int a, int b, int column);

private:
    bool inScope(const TPrintData& row, const ScopeContext& context,
                 const std::vector<char>& family) const;
    void setHidden(int index, bool hidden);
    const std::vector<int>& ranks(int column);

    std::vector<TPrintData> rows_;
    std::vector<char> checked_;
    std::vector<char> hidden_;
    std::vector<int> order_; // row indexes in display order, hidden ones included
    mutable std::vector<int> visibleOrder_;
    mutable bool visibleOrderValid_ = false;
    int checkedCount_ = 0;
    int hiddenCount_ = 0;
    PrintScope scope_ = PrintScope::None;
    UncheckedRows uncheckedRows_ = UncheckedRows::None;
    std::array<bool, PrintColumnCount> columnShown_{true,  true,  true,  true, true,
                                                    false, false, false, false};
    int sortColumn_ = PrintColumnNo;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    // Collation ranks of the four text columns, built when first sorted by.
    std::array<std::vector<int>, 4> ranks_;
    QLocale locale_;
};

} // namespace kinrow
