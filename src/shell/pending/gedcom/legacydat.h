#pragma once
// TEMPORARY stand-in for the legacy import's header; used only while src/gedcom/legacydat.h is
// absent.
#include "gedcom/readsession.h"
#include "model/person.h"

namespace kinrow {
bool ReadLegacyDat(const QString& fileName, PersonList& persons, ErrorList& errors,
                   const ReadOptions& options, QString* gedFileName);
} // namespace kinrow
