#pragma once

#include "print/listprintout.h"

#include <vector>

namespace kinrow {

class Prompts;

// Prints the list of the print page's ticked rows: refuses an empty selection, asks for the printer
// and pages, prints the checked rows (in table order) and reports how it went. options carries the
// shown columns, the font, the language and the bottom line; the printer supplies the rest.
void PrintListRows(Prompts& prompts, const std::vector<ListPrintRow>& rows,
                   const ListPrintOptions& options);

} // namespace kinrow
