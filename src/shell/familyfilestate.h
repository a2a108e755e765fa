#pragma once

#include "gedcom/filestamp.h"
#include "gedcom/readsession.h"
#include "gedcom/recoverywriter.h"

namespace kinrow {

// What the window knows of its family file besides the family: the error list of its last
// read, the file as opened or last saved here, whether it held lines the family could not
// keep, and the writer of recovery copies once there is one.
struct FamilyFileState
{
    ErrorList errors;
    FileStamp stamp;
    // The open family's file held lines the family could not keep, and it was not saved yet.
    bool richerFile = false;
    RecoveryWriter* recovery = nullptr;

    // The family file is now what this window opened, saved or restored.
    void remember(const FileStamp& now)
    {
        stamp = now;
        if (recovery)
            recovery->setBase(now);
    }
};

} // namespace kinrow
