#include "editing/listedata.h"

#include "editing/listparts.h"
#include "model/textrules.h"

#include <algorithm>
#include <numeric>

namespace kinrow {

namespace {

const QString& NameOf(const TListeData& row, int column)
{
    return column == ListeColumnAd ? row.Ad : row.Soyad;
}

} // namespace

TListeData ListeRow(const PersonList& persons, qint32 recNo, Lang lang)
{
    const TTreeData& person = persons[std::size_t(recNo - 1)];
    return {recNo, ProperCaseName(person.GivenName, lang), person.Surname};
}

std::vector<TListeData> ListeRowsAll(const PersonList& persons, Lang lang)
{
    std::vector<TListeData> rows(persons.size());
    RunRanges(persons.size(), ListParts, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            rows[i] = ListeRow(persons, qint32(i + 1), lang);
    });
    return rows;
}

std::vector<TListeData> ListeRowsOf(const PersonList& persons, const QList<qint32>& recNos,
                                    Lang lang)
{
    std::vector<TListeData> rows;
    rows.reserve(std::size_t(recNos.size()));
    for (const qint32 recNo : recNos) {
        if (recNo >= 1 && std::size_t(recNo) <= persons.size())
            rows.push_back(ListeRow(persons, recNo, lang));
    }
    return rows;
}

QCollator ListeCollator(const QLocale& locale)
{
    // The C locale compares code points, which puts Ç after Z and every other script after the
    // Latin one in code order; it sorts by Unicode's default order instead, for every script.
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

ListeTable::ListeTable(const QLocale& collationLocale) : locale_(collationLocale) {}

void ListeTable::setRows(std::vector<TListeData> rows)
{
    setRows(std::move(rows), PersonList());
}

void ListeTable::setRows(std::vector<TListeData> rows, const PersonList& persons)
{
    rows_ = std::move(rows);
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    for (auto& ranks : ranks_)
        ranks.clear();
    search_.build(persons, rows_);
    typed_.clear();
    match_.clear();
    shown_.clear();
    narrowed_ = false;
}

void ListeTable::setCollationLocale(const QLocale& locale)
{
    if (locale == locale_)
        return;
    locale_ = locale;
    for (auto& ranks : ranks_)
        ranks.clear();
}

int ListeTable::positionOfNo(qint32 no) const
{
    const std::vector<int>& rows = shown();
    for (std::size_t pos = 0; pos < rows.size(); ++pos) {
        if (rows_[std::size_t(rows[pos])].No == no)
            return int(pos);
    }
    return -1;
}

void ListeTable::setFilter(const QString& typed)
{
    typed_ = typed;
    search_.find(typed, match_);
    narrowed_ = std::find(match_.begin(), match_.end(), 0) != match_.end();
    updateShown();
}

void ListeTable::updateShown()
{
    shown_.clear();
    if (!narrowed_)
        return;
    for (const int row : order_) {
        if (match_[std::size_t(row)])
            shown_.push_back(row);
    }
}

void ListeTable::sort(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    if (column == ListeColumnNo) {
        const auto& rows = rows_;
        std::stable_sort(order_.begin(), order_.end(), [&rows, ascending](int a, int b) {
            const qint32 na = rows[std::size_t(a)].No;
            const qint32 nb = rows[std::size_t(b)].No;
            return ascending ? na < nb : nb < na;
        });
        updateShown();
        return;
    }
    if (column != ListeColumnAd && column != ListeColumnSoyad)
        return;
    const std::vector<int>& rank = ranks(column);
    // Ranks are dense, so a counting sort orders the rows in linear time and, filling each
    // rank's slots in the current order, stably in either direction.
    const int rankCount = rank.empty() ? 0 : *std::max_element(rank.begin(), rank.end()) + 1;
    std::vector<int> slot(std::size_t(rankCount) + 1, 0);
    const auto bucket = [&rank, rankCount, ascending](int row) {
        const int r = rank[std::size_t(row)];
        return std::size_t(ascending ? r : rankCount - 1 - r);
    };
    for (const int row : order_)
        ++slot[bucket(row) + 1];
    std::partial_sum(slot.begin(), slot.end(), slot.begin());
    std::vector<int> sorted(order_.size());
    for (const int row : order_)
        sorted[std::size_t(slot[bucket(row)]++)] = row;
    order_ = std::move(sorted);
    updateShown();
}

const std::vector<int>& ListeTable::ranks(int column)
{
    std::vector<int>& cached = ranks_[std::size_t(column - ListeColumnAd)];
    if (cached.size() != rows_.size())
        cached = CollationRanks(
            rows_.size(),
            [this, column](std::size_t i) -> const QString& { return NameOf(rows_[i], column); },
            ListeCollator(locale_));
    return cached;
}

} // namespace kinrow
