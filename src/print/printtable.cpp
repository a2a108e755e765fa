#include "print/printtable.h"

#include "editing/listedata.h"

#include <algorithm>
#include <numeric>

namespace kinrow {

namespace {

bool IsTextColumn(int column)
{
    return column >= PrintColumnGivenName && column <= PrintColumnBirthDeath;
}

const QString& TextOf(const TPrintData& row, int column)
{
    switch (column) {
    case PrintColumnGivenName:
        return row.GivenName;
    case PrintColumnSurname:
        return row.Surname;
    case PrintColumnBirthPlace:
        return row.BirthPlace;
    default:
        return row.BirthDeath;
    }
}

} // namespace

PrintTable::PrintTable(const QLocale& collationLocale) : locale_(collationLocale) {}

void PrintTable::setRows(std::vector<TPrintData> rows)
{
    rows_ = std::move(rows);
    checked_.assign(rows_.size(), 0);
    hidden_.assign(rows_.size(), 0);
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    visibleOrderValid_ = false;
    checkedCount_ = 0;
    hiddenCount_ = 0;
    for (auto& ranks : ranks_)
        ranks.clear();
}

void PrintTable::setCollationLocale(const QLocale& locale)
{
    if (locale == locale_)
        return;
    locale_ = locale;
    for (auto& ranks : ranks_)
        ranks.clear();
}

const std::vector<int>& PrintTable::visibleOrder() const
{
    if (!visibleOrderValid_) {
        visibleOrder_.clear();
        visibleOrder_.reserve(std::size_t(visibleCount()));
        for (const int index : order_) {
            if (!hidden_[std::size_t(index)])
                visibleOrder_.push_back(index);
        }
        visibleOrderValid_ = true;
    }
    return visibleOrder_;
}

std::vector<int> PrintTable::checkedInDisplayOrder() const
{
    std::vector<int> checked;
    checked.reserve(std::size_t(checkedCount_));
    for (const int index : order_) {
        if (checked_[std::size_t(index)])
            checked.push_back(index);
    }
    return checked;
}

int PrintTable::visiblePositionOfRecNo(qint32 recNo) const
{
    const int index = recNo - 1;
    if (index < 0 || index >= size() || isHidden(index))
        return -1;
    const std::vector<int>& visible = visibleOrder();
    const auto found = std::find(visible.begin(), visible.end(), index);
    return found == visible.end() ? -1 : int(found - visible.begin());
}

bool PrintTable::inScope(const TPrintData& row, const ScopeContext& context,
                         const std::vector<char>& family) const
{
    switch (scope_) {
    case PrintScope::Family:
        return family[std::size_t(row.RecNo)] != 0;
    case PrintScope::Surname:
        return row.Surname == context.surname;
    case PrintScope::Males:
        return row.Sex == SexMale;
    case PrintScope::Females:
        return row.Sex == SexFemale;
    case PrintScope::All:
        return true;
    case PrintScope::None:
        break;
    }
    return false;
}

void PrintTable::setHidden(int index, bool hidden)
{
    char& flag = hidden_[std::size_t(index)];
    if (bool(flag) == hidden)
        return;
    flag = hidden;
    hiddenCount_ += hidden ? 1 : -1;
    visibleOrderValid_ = false;
}

void PrintTable::applyScope(const ScopeContext& context)
{
    checkedCount_ = 0;
    if (uncheckedRows_ == UncheckedRows::None)
        uncheckedRows_ = UncheckedRows::Show;
    // Marks by record number, so that each row's family test is one lookup.
    std::vector<char> family(rows_.size() + 1, 0);
    if (scope_ == PrintScope::Family) {
        for (const qint32 recNo : context.family) {
            if (recNo >= 1 && std::size_t(recNo) <= rows_.size())
                family[std::size_t(recNo)] = 1;
        }
    }
    const bool hide = uncheckedRows_ == UncheckedRows::Hide;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        const bool included = inScope(rows_[i], context, family);
        checked_[i] = included;
        hidden_[i] = !included && hide;
        checkedCount_ += included;
    }
    hiddenCount_ = hide ? size() - checkedCount_ : 0;
    visibleOrderValid_ = false;
}

void PrintTable::applyUncheckedRows()
{
    const bool hide = uncheckedRows_ == UncheckedRows::Hide;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        hidden_[i] = hide && !checked_[i];
    hiddenCount_ = hide ? size() - checkedCount_ : 0;
    visibleOrderValid_ = false;
}

void PrintTable::setCheckedByUser(int index, bool checked)
{
    char& flag = checked_[std::size_t(index)];
    scope_ = PrintScope::None;
    if (bool(flag) == checked)
        return;
    flag = checked;
    if (checked) {
        ++checkedCount_;
        // Only unchecked rows are ever hidden.
        setHidden(index, false);
        return;
    }
    --checkedCount_;
    if (visibleCount() < size())
        uncheckedRows_ = UncheckedRows::None;
}

void PrintTable::headerClick(int column)
{
    if (column < 0 || column >= PrintColumnCount)
        return;
    if (sortColumn_ == SortColumnNone || sortColumn_ != column) {
        sortColumn_ = column;
        sortOrder_ = Qt::AscendingOrder;
    } else {
        sortOrder_ = sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    sort(sortColumn_, sortOrder_);
}

void PrintTable::sort(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    visibleOrderValid_ = false;
    if (column == PrintColumnNo) {
        // Record numbers are the row indexes plus one.
        std::stable_sort(order_.begin(), order_.end(),
                         [ascending](int a, int b) { return ascending ? a < b : b < a; });
        return;
    }
    if (!IsTextColumn(column))
        return;
    const std::vector<int>& rank = ranks(column);
    std::stable_sort(order_.begin(), order_.end(), [&rank, ascending](int a, int b) {
        const int ra = rank[std::size_t(a)];
        const int rb = rank[std::size_t(b)];
        return ascending ? ra < rb : rb < ra;
    });
}

int PrintTable::compare(int a, int b, int column)
{
    if (column == PrintColumnNo)
        return row(a).RecNo - row(b).RecNo;
    if (!IsTextColumn(column))
        return 0;
    const std::vector<int>& rank = ranks(column);
    return rank[std::size_t(a)] - rank[std::size_t(b)];
}

const std::vector<int>& PrintTable::ranks(int column)
{
    std::vector<int>& cached = ranks_[std::size_t(column - PrintColumnGivenName)];
    if (cached.size() != rows_.size())
        cached = CollationRanks(
            rows_.size(),
            [this, column](std::size_t i) -> const QString& { return TextOf(rows_[i], column); },
            ListeCollator(locale_));
    return cached;
}

} // namespace kinrow
