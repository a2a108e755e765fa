#pragma once

#include "print/listprintout.h"

#include <vector>

namespace kinrow {

class Prompts;

// The print button of the print page: refuses an empty selection, asks for the printer and
// pages, prints the checked rows (in table order) and reports how it went. options carries the
// shown columns, the font, the language and the bottom line; the printer supplies the rest.
void BitBtn_YazClick(Prompts& prompts, const std::vector<ListPrintRow>& rows,
                     const ListPrintOptions& options);

} // namespace kinrow
