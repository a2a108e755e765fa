#include "editing/listedata.h"

#include "model/textrules.h"

#include <QCollatorSortKey>
#include <QHash>
#include <QStringView>

#include <algorithm>
#include <numeric>
#include <thread>

namespace kinrow {

namespace {

const QString& NameOf(const TListeData& row, int column)
{
    return column == ListeColumnAd ? row.Ad : row.Soyad;
}

// The distinct texts of a run of rows in collation order, each with the rank it holds among
// them, and the distinct text of each row.
struct SortedPart
{
    struct Entry
    {
        const QCollatorSortKey* key;
        int distinct; // index into the part's distinct texts
        int rank;     // equal keys share a rank
    };
    // In the order of the distinct texts, so that freeing them walks memory in order.
    std::vector<QCollatorSortKey> keys;
    std::vector<Entry> sorted;
    std::vector<int> rowDistinct;
};

// Sort keys are built once per distinct text, so a long list of repeated surnames costs little
// more than a hash lookup per row.
SortedPart SortPart(std::size_t first, std::size_t end,
                    const std::function<const QString&(std::size_t)>& textAt,
                    const QCollator& collator)
{
    SortedPart part;
    QHash<QStringView, int> distinctIds;
    distinctIds.reserve(qsizetype(std::min<std::size_t>(end - first, 1 << 16)));
    std::vector<const QString*> texts;
    part.rowDistinct.resize(end - first);
    for (std::size_t i = first; i < end; ++i) {
        const QString& text = textAt(i);
        auto it = distinctIds.constFind(text);
        if (it == distinctIds.constEnd()) {
            it = distinctIds.insert(text, int(texts.size()));
            texts.push_back(&text);
        }
        part.rowDistinct[i - first] = it.value();
    }

    part.keys.reserve(texts.size());
    part.sorted.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        part.keys.push_back(collator.sortKey(*texts[i]));
        part.sorted.push_back({&part.keys.back(), int(i), 0});
    }
    std::sort(part.sorted.begin(), part.sorted.end(),
              [](const SortedPart::Entry& a, const SortedPart::Entry& b) {
                  return a.key->compare(*b.key) < 0;
              });
    for (std::size_t i = 1; i < part.sorted.size(); ++i)
        part.sorted[i].rank = part.sorted[i - 1].rank +
                              (part.sorted[i - 1].key->compare(*part.sorted[i].key) != 0 ? 1 : 0);
    return part;
}

// Global ranks of the distinct texts of two sorted parts, one vector per part.
std::array<std::vector<int>, 2> MergeRanks(const SortedPart& a, const SortedPart& b)
{
    std::array<std::vector<int>, 2> ranks{std::vector<int>(a.sorted.size()),
                                          std::vector<int>(b.sorted.size())};
    std::size_t i = 0, j = 0;
    int rank = 0;
    // Takes the run of entries of one part that share the rank of its next entry.
    const auto takeRun = [&rank](const SortedPart& part, std::size_t& k, std::vector<int>& out) {
        const int localRank = part.sorted[k].rank;
        for (; k < part.sorted.size() && part.sorted[k].rank == localRank; ++k)
            out[std::size_t(part.sorted[k].distinct)] = rank;
    };
    while (i < a.sorted.size() || j < b.sorted.size()) {
        const int order = i == a.sorted.size()   ? 1
                          : j == b.sorted.size() ? -1
                                                 : a.sorted[i].key->compare(*b.sorted[j].key);
        if (order <= 0)
            takeRun(a, i, ranks[0]);
        if (order >= 0)
            takeRun(b, j, ranks[1]);
        ++rank;
    }
    return ranks;
}

// A collator of its own for a worker thread, with the settings of the given one.
QCollator CollatorLike(const QCollator& collator)
{
    QCollator copy(collator.locale());
    copy.setCaseSensitivity(collator.caseSensitivity());
    copy.setNumericMode(collator.numericMode());
    copy.setIgnorePunctuation(collator.ignorePunctuation());
    return copy;
}

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t ParallelRows = 20000;

} // namespace

// The rows are ranked in two halves, one on a second thread, and the halves' sorted distinct
// texts merged; ranks are what one sort of all the texts by their sort keys gives.
std::vector<int> CollationRanks(std::size_t count,
                                const std::function<const QString&(std::size_t)>& textAt,
                                const QCollator& collator)
{
    const std::size_t half = count < ParallelRows ? count : count / 2;
    SortedPart second;
    std::thread worker;
    if (half < count) {
        worker = std::thread([&second, half, count, &textAt, own = CollatorLike(collator)] {
            second = SortPart(half, count, textAt, own);
        });
    }
    SortedPart first = SortPart(0, half, textAt, collator);
    if (worker.joinable())
        worker.join();

    const auto distinctRanks = MergeRanks(first, second);
    std::vector<int> ranks(count);
    for (std::size_t i = 0; i < half; ++i)
        ranks[i] = distinctRanks[0][std::size_t(first.rowDistinct[i])];
    for (std::size_t i = half; i < count; ++i)
        ranks[i] = distinctRanks[1][std::size_t(second.rowDistinct[i - half])];
    // A million sort keys take long to free: a second thread frees one half meanwhile.
    std::thread freeing;
    if (half < count)
        freeing = std::thread([done = std::move(second)] {});
    {
        const SortedPart done = std::move(first);
    }
    if (freeing.joinable())
        freeing.join();
    return ranks;
}

TListeData ListeRow(const PersonList& persons, qint32 recNo, Lang lang)
{
    const TTreeData& person = persons[std::size_t(recNo - 1)];
    return {recNo, ProperCaseName(person.GivenName, lang), person.Surname};
}

std::vector<TListeData> ListeRowsAll(const PersonList& persons, Lang lang)
{
    std::vector<TListeData> rows;
    rows.reserve(persons.size());
    for (std::size_t i = 0; i < persons.size(); ++i)
        rows.push_back(ListeRow(persons, qint32(i + 1), lang));
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
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

ListeTable::ListeTable(const QLocale& collationLocale) : m_locale(collationLocale) {}

void ListeTable::setRows(std::vector<TListeData> rows)
{
    setRows(std::move(rows), PersonList());
}

void ListeTable::setRows(std::vector<TListeData> rows, const PersonList& persons)
{
    m_rows = std::move(rows);
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    for (auto& ranks : m_ranks)
        ranks.clear();
    m_search.build(persons, m_rows);
    m_typed.clear();
    m_match.clear();
    m_shown.clear();
    m_narrowed = false;
}

void ListeTable::setCollationLocale(const QLocale& locale)
{
    if (locale == m_locale)
        return;
    m_locale = locale;
    for (auto& ranks : m_ranks)
        ranks.clear();
}

int ListeTable::positionOfNo(qint32 no) const
{
    const std::vector<int>& rows = shown();
    for (std::size_t pos = 0; pos < rows.size(); ++pos) {
        if (m_rows[std::size_t(rows[pos])].No == no)
            return int(pos);
    }
    return -1;
}

void ListeTable::setFilter(const QString& typed)
{
    m_typed = typed;
    m_search.find(typed, m_match);
    m_narrowed = std::find(m_match.begin(), m_match.end(), 0) != m_match.end();
    updateShown();
}

void ListeTable::updateShown()
{
    m_shown.clear();
    if (!m_narrowed)
        return;
    for (const int row : m_order) {
        if (m_match[std::size_t(row)])
            m_shown.push_back(row);
    }
}

void ListeTable::sort(int column, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    if (column == ListeColumnNo) {
        const auto& rows = m_rows;
        std::stable_sort(m_order.begin(), m_order.end(), [&rows, ascending](int a, int b) {
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
    for (const int row : m_order)
        ++slot[bucket(row) + 1];
    std::partial_sum(slot.begin(), slot.end(), slot.begin());
    std::vector<int> sorted(m_order.size());
    for (const int row : m_order)
        sorted[std::size_t(slot[bucket(row)]++)] = row;
    m_order = std::move(sorted);
    updateShown();
}

const std::vector<int>& ListeTable::ranks(int column)
{
    std::vector<int>& cached = m_ranks[std::size_t(column - ListeColumnAd)];
    if (cached.size() != m_rows.size())
        cached = CollationRanks(
            m_rows.size(),
            [this, column](std::size_t i) -> const QString& { return NameOf(m_rows[i], column); },
            ListeCollator(m_locale));
    return cached;
}

} // namespace kinrow
