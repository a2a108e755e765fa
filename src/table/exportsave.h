#pragma once

#include "table/tableexport.h"

#include <QList>

#include <functional>

class QHeaderView;

namespace kinrow {

class Prompts;

// Runs the save dialog with the five export filters and writes the content of the chosen
// format, under the hourglass, replacing the file only once it is written in full. A failure is
// reported with the file's name and the reason. False when nothing was written.
bool SaveTableExport(Prompts& prompts,
                     const std::function<QByteArray(ExportFormat format)>& content);

// The logical indexes of a grid's visible columns in their display order.
QList<int> VisibleColumnsInOrder(const QHeaderView& header);

} // namespace kinrow
