#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QString>

namespace kinrow {

// The persons whose sex changes together with record start: start, its spouses and the other
// parents of its children, theirs and so on, breadth first in discovery order.
QList<qint32> SpouseGroup(const PersonList& persons, qint32 start);

// The children of the group's members, each once, in discovery order.
QList<qint32> AffectedChildren(const PersonList& persons, const QList<qint32>& group);

// The confirmation listing everybody affected. Its headings are fixed Turkish texts; the
// entries follow lang.
QString SexChangeQuestion(const PersonList& persons, const QList<qint32>& group,
                          const QList<qint32>& children, Lang lang);

// Gives every member of the group the other sex (a man becomes a woman, anybody else a man)
// and exchanges the mother and father of every affected child.
void ApplySexChange(PersonList& persons, const QList<qint32>& group, const QList<qint32>& children);

} // namespace kinrow
