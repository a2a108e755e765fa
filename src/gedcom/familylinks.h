#pragma once

#include "model/person.h"

#include <optional>
#include <span>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace kinrow {

// A family rebuilt from the person links: (husband, wife), 0 for a missing partner.
using FamilyPair = std::pair<qint32, qint32>;

// The families rebuilt from the person links, numbered from 1 in order of first use. A pair
// is found through a flat open-addressing hash table: a million persons make millions of
// lookups, and one probe of a flat array is the cheapest way to answer them.
class FamilyNumbers
{
public:
    explicit FamilyNumbers(size_t expected);

    // The pair's number; a pair not seen before is appended.
    int numberOf(FamilyPair pair);
    const std::vector<FamilyPair>& pairs() const { return pairs_; }

private:
    struct Slot
    {
        quint64 key = 0;
        int number = 0; // 0 marks a free slot
    };

    size_t slotOf(quint64 key) const;
    void grow();

    std::vector<FamilyPair> pairs_;
    std::vector<Slot> slots_;
};

// Which side of its family each partner of a couple takes.
enum class CoupleSides
{
    // A man is the husband of his families, a woman the wife, whatever the other partner's
    // sex; a partner of unknown sex takes the side opposite the other's. Two partners of the
    // same sex thus make two families, one from each side, as family files have always held.
    ByOwnSex,
    // One family for every couple: where the sexes do not give the sides (the same sex, or
    // unknown), the sides of a child the couple shares, else the lower number is the husband.
    OnePerCouple,
};

// How the families follow from the person links, and which children each family holds. One
// object per thread: it keeps what it has worked out.
class FamilyLinks
{
public:
    FamilyLinks(const PersonList& persons, const FamilyNumbers& numbers, CoupleSides sides)
        : persons_(persons), numbers_(numbers), sides_(sides)
    {}

    const TTreeData* at(qint32 id) const
    {
        return id >= 1 && size_t(id) <= persons_.size() ? &persons_[size_t(id) - 1] : nullptr;
    }

    // The family of p (record id) with one of its spouses.
    FamilyPair couple(const TTreeData& p, qint32 id, qint32 spouse) const;
    // The family of the person alone; one of unknown sex stands on the husband's side.
    static FamilyPair single(const TTreeData& p, qint32 id)
    {
        return p.Sex == SexFemale ? FamilyPair{0, id} : FamilyPair{id, 0};
    }
    // The family in which a parent lists a child.
    FamilyPair childFamily(const TTreeData& p, qint32 id, qint32 c) const;

    // The children the record of family number lists: the husband's that stand in it, in his
    // order, then the wife's not yet among them, in hers.
    std::span<const qint32> children(int number);

    // Whether reading gives p its children back in their order from the families joined, in
    // the order of its FAMS lines, each once.
    bool childOrderCarried(const TTreeData& p, std::span<const int> joined);

private:
    bool lists(qint32 parent, qint32 child) const;
    std::optional<FamilyPair> sharedChildSides(qint32 a, qint32 b) const;
    bool holds(const QList<qint32>& list, qsizetype k, qint32 c);
    bool hasRepeatedChild(const QList<qint32>& list);
    void addWifeChildren(const TTreeData& w, qint32 wife, qint32 husband,
                         std::vector<qint32>& children);

    const PersonList& persons_;
    const FamilyNumbers& numbers_;
    CoupleSides sides_;
    struct ChildRange
    {
        qint64 start = -1; // into allChildren_; -1 while not worked out
        qint64 count = 0;
    };
    std::vector<ChildRange> childRanges_; // by family number - 1
    std::vector<qint32> allChildren_;
    std::vector<qint32> scratch_;
    std::vector<qint32> sorted_;
    std::unordered_set<qint32> heldSet_;
    qsizetype heldUpTo_ = 0;
    mutable std::unordered_map<qint32, std::unordered_set<qint32>> childSets_;
    mutable std::unordered_map<qint32, std::unordered_map<qint32, FamilyPair>> sidesSets_;
};

} // namespace kinrow
