#pragma once

#include "print/listprintout.h"

#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace kinrow {

inline const QString ListJobTitle = QStringLiteral("KINROW List");

// How a list printout went: the pages drawn, or why it failed.
struct ListPrintResult
{
    bool printed = false;
    int pageCount = 0;
    int pagesDrawn = 0;
    QString reason; // set when printing failed
};

// The number of pages the rows fill on a printer or PDF writer, measured as PrintListPages
// measures them.
int CountListPages(QPagedPaintDevice& device, const std::vector<ListPrintRow>& rows,
                   ListPrintOptions options);

// Prints the rows on a printer or PDF writer, measured in the device's fonts; the page size,
// resolution and text extent of options are taken from the device.
ListPrintResult PrintListPages(QPagedPaintDevice& device, const std::vector<ListPrintRow>& rows,
                               ListPrintOptions options);

} // namespace kinrow
