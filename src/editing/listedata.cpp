#include "editing/listedata.h"

#include "model/textrules.h"

#include <QCollatorSortKey>
#include <QHash>
#include <QStringView>

#include <algorithm>
#include <numeric>

namespace kinrow {

namespace {

const QString& NameOf(const TListeData& row, int column)
{
    return column == ListeColumnAd ? row.Ad : row.Soyad;
}

} // namespace

// Sort keys are built once per distinct text, so a long list of repeated surnames costs little
// more than a hash lookup per row.
std::vector<int> CollationRanks(std::size_t count,
                                const std::function<const QString&(std::size_t)>& textAt,
                                const QCollator& collator)
{
    QHash<QStringView, int> distinctIds;
    distinctIds.reserve(qsizetype(std::min<std::size_t>(count, 1 << 16)));
    std::vector<const QString*> texts;
    std::vector<int> rowIds(count);
    for (std::size_t i = 0; i < count; ++i) {
        const QString& text = textAt(i);
        auto it = distinctIds.constFind(text);
        if (it == distinctIds.constEnd()) {
            it = distinctIds.insert(text, int(texts.size()));
            texts.push_back(&text);
        }
        rowIds[i] = it.value();
    }

    std::vector<QCollatorSortKey> keys;
    keys.reserve(texts.size());
    for (const QString* text : texts)
        keys.push_back(collator.sortKey(*text));
    std::vector<int> byKey(texts.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), [&keys](int a, int b) {
        return keys[std::size_t(a)].compare(keys[std::size_t(b)]) < 0;
    });

    std::vector<int> distinctRanks(texts.size());
    int rank = 0;
    for (std::size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && keys[std::size_t(byKey[i - 1])].compare(keys[std::size_t(byKey[i])]) != 0)
            ++rank;
        distinctRanks[std::size_t(byKey[i])] = rank;
    }

    std::vector<int> ranks(count);
    for (std::size_t i = 0; i < count; ++i)
        ranks[i] = distinctRanks[std::size_t(rowIds[i])];
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
    m_rows = std::move(rows);
    m_order.resize(m_rows.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    for (auto& ranks : m_ranks)
        ranks.clear();
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
    for (std::size_t pos = 0; pos < m_order.size(); ++pos) {
        if (m_rows[std::size_t(m_order[pos])].No == no)
            return int(pos);
    }
    return -1;
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
        return;
    }
    if (column != ListeColumnAd && column != ListeColumnSoyad)
        return;
    const std::vector<int>& rank = ranks(column);
    std::stable_sort(m_order.begin(), m_order.end(), [&rank, ascending](int a, int b) {
        const int ra = rank[std::size_t(a)];
        const int rb = rank[std::size_t(b)];
        return ascending ? ra < rb : rb < ra;
    });
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
