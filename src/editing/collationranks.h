#pragma once

#include <QCollator>
#include <QString>

#include <functional>
#include <vector>

namespace kinrow {

// The collation rank of each of count texts: texts equal under the collator share a rank, and
// ranks follow the collator's order, so sorting by rank is sorting by the collator.
std::vector<int> CollationRanks(std::size_t count,
                                const std::function<const QString&(std::size_t)>& textAt,
                                const QCollator& collator);

} // namespace kinrow
