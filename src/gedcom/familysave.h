#pragma once

#include "gedcom/filestamp.h"
#include "gedcom/gedcomwriter.h"
#include "model/messages.h"
#include "model/person.h"

#include <QString>

#include <functional>

class QIODevice;

namespace kinrow {

// What a save did: saved is false when the family file was left as it was, and error then
// holds the text for the user, in the language the save was given.
struct SaveResult
{
    bool saved = false;
    QString error;
    bool diskFull = false;      // the folder's disk has no room for the file
    bool changedOnDisk = false; // refused: the file is no longer what the caller expected
};

// The backup of a family file: its own ".ged" extension (any case) becomes ".bak"; any
// other name gets ".bak" appended, so the backup is never the family file itself.
QString BackupName(const QString& familyFile);

// Writes persons to path in full, and only when that succeeded makes the previous file the
// backup and puts the new one in its place. On failure the file at path is untouched.
SaveResult SaveFamilyFile(const QString& path, const PersonList& persons,
                          const WriteOptions& options, Lang lang = Lang::English);

// As SaveFamilyFile, but only while the file at path is still what expected recorded: checked
// again once the new file is written, just before the backup is made, so that a file another
// window or program saved meanwhile is neither replaced nor rotated into the backup.
SaveResult SaveFamilyFileIfUnchanged(const QString& path, const PersonList& persons,
                                     const WriteOptions& options, const FileStamp& expected,
                                     Lang lang = Lang::English);

// Replaces path by bytes without a backup, written in full before anything is replaced.
SaveResult WriteFileAtomically(const QString& path, const QByteArray& bytes,
                               Lang lang = Lang::English);

// Replaces path, without a backup, by what write puts into the device it is given, a piece at a
// time: everything goes into a new file beside path, which takes path's place only once write
// returned true and the file is complete. On failure the file at path is untouched.
SaveResult WriteFileThrough(const QString& path, const std::function<bool(QIODevice&)>& write,
                            Lang lang = Lang::English);

} // namespace kinrow
