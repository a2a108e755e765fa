#pragma once

#include "print/listprintout.h"

#include <functional>
#include <vector>

class QPrinter;
class QWidget;

namespace kinrow {

class Prompts;

// The print dialog: offers the page range 1..pageCount and printing to a file; false when
// cancelled. Tests replace it.
using ListPrintDialog = std::function<bool(QPrinter& printer, int pageCount, QWidget* parent)>;

bool ShowListPrintDialog(QPrinter& printer, int pageCount, QWidget* parent);

// The print button of the print page: refuses an empty selection, asks for the printer and
// pages, prints the checked rows (in table order) and reports how it went. options carries the
// shown columns, the font, the language and the bottom line; the printer supplies the rest.
void BitBtn_YazClick(QWidget* parent, Prompts& prompts, const std::vector<ListPrintRow>& rows,
                     const ListPrintOptions& options,
                     const ListPrintDialog& dialog = ShowListPrintDialog);

} // namespace kinrow
