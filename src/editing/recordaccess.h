#pragma once

#include "model/person.h"

namespace kinrow {

// Record n of the list, or nullptr when n names no record (0, negative or past the end).
inline TTreeData* RecordAt(PersonList& persons, qint32 n)
{
    if (n < 1 || static_cast<size_t>(n) > persons.size())
        return nullptr;
    return &persons[static_cast<size_t>(n) - 1];
}

inline const TTreeData* RecordAt(const PersonList& persons, qint32 n)
{
    if (n < 1 || static_cast<size_t>(n) > persons.size())
        return nullptr;
    return &persons[static_cast<size_t>(n) - 1];
}

// Removes the first entry equal to n, as links are undone one at a time.
inline void RemoveFirstId(qint32 n, QList<qint32>& list)
{
    list.removeOne(n);
}

} // namespace kinrow
