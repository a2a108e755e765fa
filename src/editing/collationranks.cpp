#include "editing/collationranks.h"

#include "editing/listparts.h"

#include <QCollatorSortKey>
#include <QHashFunctions>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>

namespace kinrow {

namespace {

// Keys per bucket: small enough that a bucket's keys stay in the cache while it is sorted.
constexpr std::size_t BucketSize = 512;

// The distinct texts of a run of rows with their sort keys.
struct KeyedPart
{
    std::vector<const QString*> texts; // the distinct texts, in order of first appearance
    // One per distinct text in order of first appearance, so freeing walks memory in order.
    std::vector<QCollatorSortKey> keys;
    std::vector<int> rowDistinct; // the distinct text of each row
    std::vector<int> bucket;      // per distinct text
    std::vector<int> rank;        // per distinct text: within its bucket, then overall
};

struct Entry
{
    const QCollatorSortKey* key;
    int part;
    int distinct;
};

bool Before(const QCollatorSortKey& a, const QCollatorSortKey& b)
{
    return a.compare(b) < 0;
}

// The distinct texts of a run of rows, found through an open-addressing table of hash tags and
// ids: two different texts rarely share a tag, so texts are compared only when they match.
class DistinctTexts
{
public:
    DistinctTexts() { slots_.assign(1024, 0); }

    // The id of text, given in order of first appearance.
    int idOf(const QString& text)
    {
        const std::size_t hash = qHash(QStringView(text), 0);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
            const std::uint64_t slot = slots_[i];
            if (slot == 0)
                return add(text, hash, i);
            const int id = int(std::uint32_t(slot)) - 1;
            if (std::uint32_t(slot >> 32) == Tag(hash) && *texts_[std::size_t(id)] == text)
                return id;
        }
    }

    std::vector<const QString*> takeTexts() { return std::move(texts_); }

private:
    static std::uint32_t Tag(std::size_t hash)
    {
        return std::uint32_t(hash >> 32) ^ std::uint32_t(hash);
    }

    int add(const QString& text, std::size_t hash, std::size_t slot)
    {
        texts_.push_back(&text);
        hashes_.push_back(hash);
        slots_[slot] = (std::uint64_t(Tag(hash)) << 32) | std::uint32_t(texts_.size());
        // Kept at most half full, so that probes stay short.
        if (2 * texts_.size() > slots_.size())
            grow();
        return int(texts_.size()) - 1;
    }

    void grow()
    {
        slots_.assign(2 * slots_.size(), 0);
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t id = 0; id < texts_.size(); ++id) {
            std::size_t i = hashes_[id] & mask;
            while (slots_[i] != 0)
                i = (i + 1) & mask;
            slots_[i] = (std::uint64_t(Tag(hashes_[id])) << 32) | std::uint32_t(id + 1);
        }
    }

    std::vector<std::uint64_t> slots_; // tag in the high half, id + 1 in the low; 0 is empty
    std::vector<const QString*> texts_;
    std::vector<std::size_t> hashes_; // per id, for growing
};

void FindDistinct(KeyedPart& part, std::size_t first, std::size_t end,
                  const std::function<const QString&(std::size_t)>& textAt)
{
    DistinctTexts distinct;
    part.rowDistinct.resize(end - first);
    for (std::size_t i = first; i < end; ++i)
        part.rowDistinct[i - first] = distinct.idOf(textAt(i));
    part.texts = distinct.takeTexts();
}

// Splitting keys taken evenly from the distinct texts, sorted: bucket b holds the keys from
// splitter b - 1 up to, not including, splitter b, so equal keys always share a bucket.
struct Splitters
{
    Splitters(const std::array<KeyedPart, 2>& parts, const QCollator& collator)
    {
        const std::size_t first = parts[0].texts.size();
        const std::size_t total = first + parts[1].texts.size();
        const std::size_t buckets = std::max<std::size_t>(1, total / BucketSize);
        keys.reserve(buckets - 1);
        for (std::size_t b = 1; b < buckets; ++b) {
            const std::size_t at = b * total / buckets;
            keys.push_back(
                collator.sortKey(at < first ? *parts[0].texts[at] : *parts[1].texts[at - first]));
        }
        std::sort(keys.begin(), keys.end(), Before);
    }

    // The bucket of a key: the number of splitters not after it.
    int bucketOf(const QCollatorSortKey& key) const
    {
        return int(std::upper_bound(keys.begin(), keys.end(), key, Before) - keys.begin());
    }

    std::vector<QCollatorSortKey> keys;
};

// Sort keys are built once per distinct text, so a long list of repeated surnames costs little
// more than a table lookup per row; each key finds its bucket while it is still in the cache.
void KeyPart(KeyedPart& part, const QCollator& collator, const Splitters& splitters)
{
    part.keys.reserve(part.texts.size());
    part.bucket.resize(part.texts.size());
    part.rank.resize(part.texts.size());
    for (std::size_t d = 0; d < part.texts.size(); ++d) {
        part.keys.push_back(collator.sortKey(*part.texts[d]));
        part.bucket[d] = splitters.bucketOf(part.keys.back());
    }
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

// Sorts the entries of buckets [first, end) and ranks each within its bucket; returns nothing
// but fills distinctIn[b] with the number of distinct keys of bucket b.
void SortBuckets(std::vector<Entry>& entries, const std::vector<std::size_t>& bucketStart,
                 std::size_t first, std::size_t end, std::array<KeyedPart, 2>& parts,
                 std::vector<int>& distinctIn)
{
    for (std::size_t b = first; b < end; ++b) {
        const auto begin = entries.begin() + std::ptrdiff_t(bucketStart[b]);
        const auto stop = entries.begin() + std::ptrdiff_t(bucketStart[b + 1]);
        std::sort(begin, stop,
                  [](const Entry& x, const Entry& y) { return Before(*x.key, *y.key); });
        int rank = -1;
        for (auto it = begin; it != stop; ++it) {
            if (it == begin || it[-1].key->compare(*it->key) != 0)
                ++rank;
            parts[std::size_t(it->part)].rank[std::size_t(it->distinct)] = rank;
        }
        distinctIn[b] = rank + 1;
    }
}

} // namespace

// A sample sort on both cores: keys are built in two halves, each key finds its bucket among
// splitters that stay in the cache, and the small buckets are sorted apart. The order is the
// one a single sort of all the keys gives.
std::vector<int> CollationRanks(std::size_t count,
                                const std::function<const QString&(std::size_t)>& textAt,
                                const QCollator& collator)
{
    const std::size_t partCount = PartCount(count, ListParts);
    const std::size_t half = PartStart(count, partCount, 1);
    static_assert(ListParts.most == 2);
    std::array<KeyedPart, 2> parts;
    RunParts(partCount, [&](std::size_t p) {
        FindDistinct(parts[p], p == 0 ? 0 : half, p == 0 ? half : count, textAt);
    });
    const Splitters splitters(parts, collator);
    const QCollator own = CollatorLike(collator);
    RunParts(partCount,
             [&](std::size_t p) { KeyPart(parts[p], p == 0 ? collator : own, splitters); });

    const std::size_t bucketCount = splitters.keys.size() + 1;
    std::vector<std::size_t> bucketStart(bucketCount + 1, 0);
    for (const KeyedPart& part : parts)
        for (const int b : part.bucket)
            ++bucketStart[std::size_t(b) + 1];
    std::partial_sum(bucketStart.begin(), bucketStart.end(), bucketStart.begin());
    std::vector<Entry> entries(bucketStart.back());
    std::vector<std::size_t> fill(bucketStart.begin(), bucketStart.end() - 1);
    for (std::size_t p = 0; p < parts.size(); ++p)
        for (std::size_t d = 0; d < parts[p].keys.size(); ++d)
            entries[fill[std::size_t(parts[p].bucket[d])]++] = {&parts[p].keys[d], int(p), int(d)};

    // The buckets are shared out so that each thread sorts about half of the keys.
    const std::size_t middle = std::size_t(
        std::lower_bound(bucketStart.begin(), bucketStart.end() - 1, entries.size() / 2) -
        bucketStart.begin());
    std::vector<int> distinctIn(bucketCount, 0);
    RunParts(partCount, [&](std::size_t p) {
        SortBuckets(entries, bucketStart, p == 0 ? 0 : middle,
                    partCount == 1 || p == 1 ? bucketCount : middle, parts, distinctIn);
    });

    std::vector<int> rankBefore(bucketCount, 0);
    std::partial_sum(distinctIn.begin(), distinctIn.end() - 1, rankBefore.begin() + 1);
    std::vector<int> ranks(count);
    for (std::size_t p = 0; p < partCount; ++p) {
        const KeyedPart& part = parts[p];
        const std::size_t offset = p == 0 ? 0 : half;
        for (std::size_t i = 0; i < part.rowDistinct.size(); ++i) {
            const std::size_t d = std::size_t(part.rowDistinct[i]);
            ranks[offset + i] = rankBefore[std::size_t(part.bucket[d])] + part.rank[d];
        }
    }
    // A million sort keys take long to free: the second thread frees one half meanwhile.
    RunParts(partCount, [&parts](std::size_t p) { parts[p] = KeyedPart(); });
    return ranks;
}

} // namespace kinrow
