#pragma once

#include <QString>

namespace kinrow {

// The MIME type of ".ged" files, as shared-mime-info defines it; the installed desktop entry
// names it too.
inline constexpr char GedMimeType[] = "application/x-gedcom";

// Makes the program the opener of ".ged" files for this user: the default in
// $XDG_CONFIG_HOME/mimeapps.list names the desktop id io.kinrow.Kinrow.desktop. When the
// installed entry of that id runs this program nothing else is written; otherwise (a program run
// from elsewhere) an entry of that id with this program's path goes to
// $XDG_DATA_HOME/applications. Files that earlier releases wrote there are removed. Returns
// false when a file could not be written.
bool RegisterGedAssociation(const QString& programPath);

// Removes the user's entry, those of earlier releases and the default when it names this
// program's id.
bool RemoveGedAssociation();

// True when the user's default opener of ".ged" files is a desktop entry (the user's, else the
// system's) whose command is this program with the file as its one argument.
bool IsGedAssociationRegistered(const QString& programPath);

} // namespace kinrow
