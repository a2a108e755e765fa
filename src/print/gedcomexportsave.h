#pragma once

#include <QString>

namespace kinrow {

class Prompts;
class Session;

// The Others page's GEDCOM 5.5.1 export: runs the save dialog, adds ".ged" to the chosen name,
// asks before replacing a file of that name which the dialog did not ask about, and writes the
// family under the hourglass, never in place of the family file. A failure is shown. False
// when nothing was written.
bool SaveGedcomExport(Prompts& prompts, const Session& session, const QString& programVersion);

} // namespace kinrow
