#pragma once

#include "model/person.h"

namespace kinrow {

// Exchanges the spouses at indexes i and j of record anchor's Spouses. Returns false,
// changing nothing, when either index is out of range.
bool MoveSpouse(PersonList& persons, qint32 anchor, int i, int j);

// Exchanges the children at indexes i and j of record anchor's Children; when the other
// parent of the moved child lists both children, they are exchanged there too, so shared
// children keep one order. Returns false, changing nothing, for an index out of range.
bool MoveChild(PersonList& persons, qint32 anchor, int i, int j);

} // namespace kinrow
