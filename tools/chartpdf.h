#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QString>

class QIODevice;

namespace kinrow {

// Writes the chart printout of record recNo as a one-page landscape A4 PDF into device, in the
// font family fontFamily. Needs a QGuiApplication for the fonts. Returns an error text, empty
// when the printout was written.
QString WriteChartPdf(const PersonList& persons, qint32 recNo, const QString& familyFolder,
                      Lang lang, const QString& fontFamily, QIODevice& device);

} // namespace kinrow
