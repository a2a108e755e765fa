#pragma once

#include "model/person.h"
#include "model/session.h"

#include <QList>
#include <QString>

namespace kinrow {

// What collecting the pictures did.
struct PictureCollectionResult
{
    int copied = 0;       // entries that now name a file in the folder
    bool changed = false; // some entry was changed
    QStringList movable;  // with move: the sources copied, to be deleted once the family is saved
    QStringList deleted;  // sources deleted after the move
    QStringList failed;   // entries whose copy failed; they keep their source
};

// Collects the pictures of the persons recNos, in that order, into folder (the family file's
// folder, where relative entries are resolved): each picture lying elsewhere is copied in
// under the entry's own bare name ("X" put before it while a different file holds that name)
// and its entry becomes that name. A file with identical bytes is shared; a source that
// already is the file in the folder, however it is spelt, is left alone; anything but a
// regular file is a missing picture. With move, the sources copied are listed in movable and
// nothing is deleted yet: the family file on disk still names them until it is saved.
PictureCollectionResult CollectPictures(PersonList& persons, const QList<qint32>& recNos,
                                        const QString& folder, bool move);

// Deletes the moved sources once the family naming the copies is saved: a source still named
// by any entry of any person (entries resolved against each of folders, directly or through a
// link) stays, and a link is deleted itself, never the file it points to. Returns the deleted.
QStringList DeleteMovedSources(const PersonList& persons, const QStringList& folders,
                               const QStringList& movable);

// CollectPictures on the session's family, recorded as one undoable step when an entry changed:
// undoing it gives the entries back, while the copied files stay.
PictureCollectionResult CollectFamilyPictures(Session& session, const QList<qint32>& recNos,
                                              const QString& folder, bool move);

// Copies a regular file (never a FIFO or a device) to target, all or nothing.
bool CopyRegularFile(const QString& source, const QString& target);

// Whether two files hold the same bytes.
bool SameFileContent(const QString& first, const QString& second);

} // namespace kinrow
