#pragma once
// TEMPORARY stand-in for the saving helper's header; used only while src/gedcom/familysave.h is
// absent.
#include "gedcom/gedcomwriter.h"

namespace kinrow {
struct SaveResult
{
    bool saved = false;
    QString error;
};
SaveResult SaveFamilyFile(const QString& path, const PersonList& persons,
                          const WriteOptions& options);
} // namespace kinrow
