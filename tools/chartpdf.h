#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QString>

namespace kinrow {

// Writes the chart printout of record recNo into a one-page landscape A4 PDF file. Needs a
// QGuiApplication for the fonts. Returns an error text, empty when the file was written.
QString WriteChartPdf(const PersonList& persons, qint32 recNo, const QString& familyFolder,
                      Lang lang, const QString& pdfPath);

} // namespace kinrow
