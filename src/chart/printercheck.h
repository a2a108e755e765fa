#pragma once

#include "model/messages.h"

#include <QString>

class QPrinter;

namespace kinrow {

class Prompts;

// Whether a printout can go anywhere: to an installed printer or, with none installed, into a
// PDF file.
bool PrintOutputAvailable(const QPrinter& printer);

// The check before a printout: refuses when nothing can print, shows the print dialog (output
// into defaultPdf preselected when no printer is installed) and warns when the printable area
// is smaller than the chart needs. True when printing may start.
bool PrinterCheck(QPrinter& printer, Prompts& prompts, Lang lang, const QString& defaultPdf);

} // namespace kinrow
