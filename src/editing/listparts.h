#pragma once

#include "model/parallel.h"

namespace kinrow {

// The lists of persons (selection-list rows, their search index and collation ranks, the print
// table's rows) are built on two threads at most, and only from 20,000 rows, in parts of 10,000
// rows at least: below that a second thread costs more than it saves.
constexpr PartLimits ListParts{.smallestPart = 10000, .most = 2};

} // namespace kinrow
