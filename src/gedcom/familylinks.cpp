#include "gedcom/familylinks.h"

#include <algorithm>

namespace kinrow {

FamilyNumbers::FamilyNumbers(size_t expected)
{
    size_t capacity = 1024;
    while (capacity < expected * 2)
        capacity *= 2;
    slots_.assign(capacity, Slot{});
}

int FamilyNumbers::numberOf(FamilyPair pair)
{
    const quint64 key = (quint64(quint32(pair.first)) << 32) | quint32(pair.second);
    size_t i = slotOf(key);
    while (slots_[i].number != 0) {
        if (slots_[i].key == key)
            return slots_[i].number;
        i = (i + 1) & (slots_.size() - 1);
    }
    pairs_.push_back(pair);
    slots_[i] = {key, int(pairs_.size())};
    if (pairs_.size() * 2 > slots_.size())
        grow();
    return int(pairs_.size());
}

size_t FamilyNumbers::slotOf(quint64 key) const
{
    return size_t((key * 0x9E3779B97F4A7C15ull) >> 20) & (slots_.size() - 1);
}

void FamilyNumbers::grow()
{
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old) {
        if (slot.number == 0)
            continue;
        size_t i = slotOf(slot.key);
        while (slots_[i].number != 0)
            i = (i + 1) & (slots_.size() - 1);
        slots_[i] = slot;
    }
}

FamilyPair FamilyLinks::couple(const TTreeData& p, qint32 id, qint32 spouse) const
{
    const TTreeData* s = at(spouse);
    const char other = s ? s->Sex : '\0';
    if (sides_ == CoupleSides::ByOwnSex) {
        if (p.Sex == SexMale)
            return {id, spouse};
        if (p.Sex == SexFemale)
            return {spouse, id};
        if (other == SexMale)
            return {spouse, id};
        if (other == SexFemale || id < spouse)
            return {id, spouse};
        return {spouse, id};
    }
    const bool male = p.Sex == SexMale, female = p.Sex == SexFemale;
    const bool otherMale = other == SexMale, otherFemale = other == SexFemale;
    if ((male && !otherMale) || (otherFemale && !female))
        return {id, spouse};
    if ((otherMale && !male) || (female && !otherFemale))
        return {spouse, id};
    if (const std::optional<FamilyPair> sides = sharedChildSides(id, spouse))
        return *sides;
    return {qMin(id, spouse), qMax(id, spouse)};
}

// The parent fields of a child of the partner with the lower number whose parents are the
// two, so that the couple's family is the one its children name; both partners find the same.
std::optional<FamilyPair> FamilyLinks::sharedChildSides(qint32 a, qint32 b) const
{
    const qint32 first = qMin(a, b);
    const TTreeData* p = at(first);
    if (!p)
        return std::nullopt;
    const qint32 other = qMax(a, b);
    const auto sidesOf = [&](const TTreeData& child) -> std::optional<qint32> {
        if (child.FatherId == first && child.MotherId != 0)
            return child.MotherId;
        if (child.MotherId == first && child.FatherId != 0)
            return child.FatherId;
        return std::nullopt;
    };
    if (p->Children.size() <= 32) {
        for (qint32 c : p->Children) {
            const TTreeData* child = at(c);
            if (child && sidesOf(*child) == other)
                return FamilyPair{child->FatherId, child->MotherId};
        }
        return std::nullopt;
    }
    // A long list is gone through once for all its partners.
    auto [it, made] = sidesSets_.try_emplace(first);
    if (made) {
        for (qint32 c : p->Children) {
            const TTreeData* child = at(c);
            if (const std::optional<qint32> partner = child ? sidesOf(*child) : std::nullopt)
                it->second.try_emplace(*partner, FamilyPair{child->FatherId, child->MotherId});
        }
    }
    const auto found = it->second.find(other);
    if (found == it->second.end())
        return std::nullopt;
    return found->second;
}

// The child's own family, the pair its parent fields name, when the parent is named there and
// the other parent is none, or a spouse who lists the child too: a parent listing the family of
// a second parent who is no spouse would become that parent's spouse on reading, and a spouse
// would gain a child it does not list. Every other child stands in the parent's family alone.
FamilyPair FamilyLinks::childFamily(const TTreeData& p, qint32 id, qint32 c) const
{
    if (const TTreeData* child = at(c)) {
        const bool father = child->FatherId == id;
        if (father || child->MotherId == id) {
            const qint32 other = father ? child->MotherId : child->FatherId;
            if (other == 0 || (p.Spouses.contains(other) && lists(other, c)))
                return {child->FatherId, child->MotherId};
        }
    }
    return single(p, id);
}

// Whether parent lists child; long lists are looked up through a set made once.
bool FamilyLinks::lists(qint32 parent, qint32 child) const
{
    const TTreeData* p = at(parent);
    if (!p)
        return false;
    if (p->Children.size() <= 32)
        return p->Children.contains(child);
    auto [it, made] = childSets_.try_emplace(parent);
    if (made)
        it->second.insert(p->Children.begin(), p->Children.end());
    return it->second.contains(child);
}

// Worked out once per family, since the order check of both partners reads them before the
// record is written.
std::span<const qint32> FamilyLinks::children(int number)
{
    if (size_t(number) > childRanges_.size())
        childRanges_.resize(numbers_.pairs().size());
    ChildRange& range = childRanges_[size_t(number) - 1];
    if (range.start < 0) {
        const auto [husband, wife] = numbers_.pairs()[size_t(number) - 1];
        scratch_.clear();
        if (husband > 0) {
            if (const TTreeData* h = at(husband))
                for (qint32 c : h->Children)
                    if (at(c) && childFamily(*h, husband, c) == FamilyPair(husband, wife))
                        scratch_.push_back(c);
        }
        if (wife > 0) {
            if (const TTreeData* w = at(wife))
                addWifeChildren(*w, wife, husband, scratch_);
        }
        range.start = qint64(allChildren_.size());
        range.count = qint64(scratch_.size());
        allChildren_.insert(allChildren_.end(), scratch_.begin(), scratch_.end());
    }
    return {allChildren_.data() + range.start, size_t(range.count)};
}

// The reader takes the families of the FAMS lines once each, in their order, and appends every
// child of a family it does not hold yet; this repeats that on the families as they will be
// written. Links to persons not in the list are left out on both sides: they cannot be written.
bool FamilyLinks::childOrderCarried(const TTreeData& p, std::span<const int> joined)
{
    const QList<qint32>& want = p.Children;
    if (hasRepeatedChild(want))
        return false; // the reader holds each child once
    qsizetype k = 0;
    const auto skipMissing = [&] {
        while (k < want.size() && !at(want[k]))
            ++k;
    };
    skipMissing();
    if (!heldSet_.empty())
        std::unordered_set<qint32>().swap(heldSet_);
    heldUpTo_ = 0;
    for (int number : joined) {
        for (qint32 c : children(number)) {
            if (k < want.size() && c == want[k]) {
                ++k;
                skipMissing();
            } else if (!holds(want, k, c)) {
                return false;
            }
        }
    }
    return k == want.size();
}

// Whether c is among the first k children; long lists are looked up through a set that grows
// with k.
bool FamilyLinks::holds(const QList<qint32>& list, qsizetype k, qint32 c)
{
    if (k <= 32)
        return std::find(list.begin(), list.begin() + k, c) != list.begin() + k;
    for (; heldUpTo_ < k; ++heldUpTo_)
        heldSet_.insert(list[heldUpTo_]);
    return heldSet_.contains(c);
}

// Whether a child of the list, one that can be written, stands in it twice.
bool FamilyLinks::hasRepeatedChild(const QList<qint32>& list)
{
    if (list.size() < 2)
        return false;
    if (list.size() <= 16) {
        for (qsizetype i = 1; i < list.size(); ++i)
            for (qsizetype j = 0; j < i; ++j)
                if (list[i] == list[j] && at(list[i]))
                    return true;
        return false;
    }
    sorted_.assign(list.begin(), list.end());
    std::sort(sorted_.begin(), sorted_.end());
    for (size_t i = 1; i < sorted_.size(); ++i)
        if (sorted_[i] == sorted_[i - 1] && at(sorted_[i]))
            return true;
    return false;
}

// Adds, in the wife's order, her children that stand in this family and are not yet collected.
void FamilyLinks::addWifeChildren(const TTreeData& w, qint32 wife, qint32 husband,
                                  std::vector<qint32>& children)
{
    // A hash set only for long lists, so a person with thousands of children does not make
    // the writer quadratic.
    const bool useSet = children.size() + size_t(w.Children.size()) > 32;
    std::unordered_set<qint32> seen;
    if (useSet)
        seen.insert(children.begin(), children.end());
    for (qint32 c : w.Children) {
        if (!at(c) || childFamily(w, wife, c) != FamilyPair(husband, wife))
            continue;
        const bool collected =
            useSet ? !seen.insert(c).second
                   : std::find(children.begin(), children.end(), c) != children.end();
        if (!collected)
            children.push_back(c);
    }
}

} // namespace kinrow
