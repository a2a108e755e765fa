#pragma once

#include "model/person.h"

#include <QList>
#include <QRectF>
#include <QSize>
#include <QStringList>

namespace kinrow {

// The lines of a list written downwards from top in a box ending at bottom: all of them when
// they fit; otherwise as many as fit, the last one reading "+ N" for the N entries left out.
// The line at index kept (the chart's own person among siblings) is never left out: when it
// would be, it stands last before "+ N".
QStringList FitListLines(const QStringList& lines, double top, double bottom, double lineHeight,
                         qsizetype kept = -1);

// The children of father in his order, then those of mother he does not have, in her order;
// numbers naming no record are left out.
QList<qint32> SiblingsOfParents(const PersonList& persons, qint32 father, qint32 mother);

// Where a picture of the given pixel size is drawn in a box of boxSize millimetres with its top
// left corner at topLeft: as large as its aspect ratio allows, centred. Empty for no picture.
QRectF FitPictureMm(QSize pixels, QPointF topLeft, QSizeF boxSize);

} // namespace kinrow
