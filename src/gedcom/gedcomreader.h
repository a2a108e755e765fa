#pragma once

#include "gedcom/readsession.h"
#include "model/person.h"

#include <QByteArray>

namespace kinrow {

// Reads a family file into persons (which must be empty). Picture paths are checked and
// made relative against the current folder, which the caller has set to the file's folder.
// Returns false when the file was refused; the refusal was then shown through the reporter.
bool ReadGedcom(const QString& fileName, PersonList& persons, ErrorList& errors,
                const ReadOptions& options);

// The same over bytes already in memory; fileName only names the file in the error list
// and anchors relative picture paths.
bool ReadGedcomBytes(const QByteArray& bytes, const QString& fileName, PersonList& persons,
                     ErrorList& errors, const ReadOptions& options);

} // namespace kinrow
