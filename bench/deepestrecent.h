#pragma once

#include "chart/ancestorslots.h"

#include <algorithm>

namespace kinrow::bench {

// The last person of the file with the most filled slots, so the chart has work to do.
inline qint32 DeepestRecent(const PersonList& persons)
{
    qint32 best = qint32(persons.size());
    int bestFilled = -1;
    const qint32 first = std::max<qint32>(1, qint32(persons.size()) - 2000);
    for (qint32 recNo = qint32(persons.size()); recNo >= first; --recNo) {
        const AncestorChart chart = BuildAncestorChart(persons, recNo, Lang::English);
        const int filled = int(std::count_if(chart.slots.begin(), chart.slots.end(),
                                             [](const AncestorSlot& s) { return s.recNo > 0; }));
        if (filled > bestFilled) {
            best = recNo;
            bestFilled = filled;
        }
    }
    return best;
}

} // namespace kinrow::bench
