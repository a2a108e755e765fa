#pragma once

#include "model/person.h"

#include <QList>

namespace kinrow {

// Which entries of a children list are also children of record spouse: one mark per entry, in
// the list's order. No entry is marked when spouse names no record.
QList<bool> SharedChildMarks(const PersonList& persons, const QList<qint32>& children,
                             qint32 spouse);

} // namespace kinrow
