#pragma once

#include "gedcom/readsession.h"
#include "model/person.h"

#include <QString>

namespace kinrow {

// What opening a chosen family file ended with.
struct OpenOutcome
{
    bool opened = false;
    bool readOnly = false;
    QString fileName;       // the family file name afterwards (".ged" after a legacy import)
    QString failureMessage; // to be shown in a message box; empty when already shown or none
};

// Opens a family file into persons (emptied first): refuses a ".dat" name that does not
// exist, creates a missing file, decides read-only mode, makes the file's folder the current
// folder and reads the file by its extension. On failure persons is empty.
OpenOutcome OpenFamilyFile(const QString& fileName, bool readOnlyTicked, PersonList& persons,
                           ErrorList& errors, const ReadOptions& options);

// The family file name at start-up: the first argument when it names an existing ".ged" file,
// else the stored name, else "Kinrow.ged"; made absolute against the starting folder.
QString StartupFamilyFileName(const QStringList& arguments, const QString& storedGedFile,
                              const QString& startFolder);

} // namespace kinrow
