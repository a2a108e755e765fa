#pragma once

#include "model/person.h"

#include <QtGlobal>

namespace kinrow {

// A family of n persons that looks like a real one: several generations of couples with
// 0 to 6 children, some remarriages and single parents, dates of both forms, places and
// notes with Turkish letters. Links agree on both sides. The same seed gives the same family.
PersonList GenerateFamily(int n, quint64 seed);

} // namespace kinrow
