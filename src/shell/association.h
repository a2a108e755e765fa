#pragma once

#include <QString>

namespace kinrow {

// The MIME type under which ".ged" files are registered for this program.
inline constexpr char GedMimeType[] = "application/x-gedcom";

// Makes the program the opener of ".ged" files for this user: a desktop entry in
// $XDG_DATA_HOME/applications, the MIME type in $XDG_DATA_HOME/mime/packages and the default
// in $XDG_CONFIG_HOME/mimeapps.list. Returns false when a file could not be written.
bool RegisterGedAssociation(const QString& programPath);

// Removes the desktop entry, the MIME package and the default when it names this program.
bool RemoveGedAssociation();

// True when the user's default opener of ".ged" files is a desktop entry whose command is
// this program with the file as its one argument.
bool IsGedAssociationRegistered(const QString& programPath);

} // namespace kinrow
