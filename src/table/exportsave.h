#pragma once

#include "model/messages.h"
#include "table/tableexport.h"

#include <QList>

#include <functional>

class QHeaderView;
class QIODevice;

namespace kinrow {

class Prompts;

// Writes the table in a format into a device; false when a write failed.
using TableExportWriter = std::function<bool(ExportFormat format, QIODevice& device)>;

// Runs the save dialog with the five export filters and has write put the chosen format into the
// file, under the hourglass. The name written may differ from the one typed (an extension added
// or replaced): when that file exists, it is asked about before anything is written. The file is
// replaced only once written in full; a failure is reported with the file's name and the reason.
// False when nothing was written.
bool SaveTableExport(Prompts& prompts, Lang lang, const TableExportWriter& write);

// The logical indexes of a grid's visible columns in their display order.
QList<int> VisibleColumnsInOrder(const QHeaderView& header);

} // namespace kinrow
