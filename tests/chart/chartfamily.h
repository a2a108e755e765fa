#pragma once

#include "editing/family.h"
#include "model/person.h"

#include <QSet>

namespace kinrow::test {

// Record n stands for slot n (record 1 is the chart person) and has the records 2n and 2n + 1 as
// parents when those are in the set, whether or not n itself is reachable from record 1.
inline PersonList AncestorsInSlots(const QSet<int>& slots)
{
    PersonList persons = Persons(31);
    for (int n = 1; n <= 31; ++n)
        At(persons, n).Sex = n % 2 == 0 ? 'E' : 'K';
    for (int n = 1; n <= 15; ++n)
        Child(persons, slots.contains(2 * n + 1) ? 2 * n + 1 : 0, slots.contains(2 * n) ? 2 * n : 0,
              n);
    return persons;
}

} // namespace kinrow::test
