#include "editing/reordering.h"

#include "editing/recordaccess.h"

#include <utility>

namespace kinrow {

namespace {

bool ValidPair(const QList<qint32>& list, int i, int j)
{
    return i >= 0 && j >= 0 && i < list.size() && j < list.size();
}

qint32 OtherParent(const PersonList& persons, qint32 child, qint32 parent)
{
    const TTreeData* x = RecordAt(persons, child);
    if (!x)
        return 0;
    if (x->MotherId == parent)
        return x->FatherId;
    if (x->FatherId == parent)
        return x->MotherId;
    return 0;
}

} // namespace

bool MoveSpouse(PersonList& persons, qint32 anchor, int i, int j)
{
    TTreeData* a = RecordAt(persons, anchor);
    if (!a || !ValidPair(a->Spouses, i, j))
        return false;
    a->Spouses.swapItemsAt(i, j);
    return true;
}

bool MoveChild(PersonList& persons, qint32 anchor, int i, int j)
{
    TTreeData* a = RecordAt(persons, anchor);
    if (!a || !ValidPair(a->Children, i, j))
        return false;
    const qint32 x = a->Children.at(i);
    const qint32 y = a->Children.at(j);
    a->Children.swapItemsAt(i, j);
    const qint32 o = OtherParent(persons, x, anchor);
    if (TTreeData* other = o != anchor ? RecordAt(persons, o) : nullptr) {
        const int ix = IndexOfId(x, other->Children);
        const int iy = IndexOfId(y, other->Children);
        if (ix >= 0 && iy >= 0)
            other->Children.swapItemsAt(ix, iy);
    }
    return true;
}

} // namespace kinrow
