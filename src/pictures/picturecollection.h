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
    QStringList deleted;  // sources removed after the move
    QStringList failed;   // entries whose copy failed; they keep their source
};

// Collects the pictures of the persons recNos, in that order, into folder (the family file's
// folder, where relative entries are resolved): each picture lying elsewhere is copied in
// under its bare name ("X" put before it while a different file holds that name) and its
// entry becomes that name. A file with identical bytes is shared; a source that already is
// the file in the folder, however it is spelt, is left alone. With move, a source is deleted
// once no entry of any person names it any more.
PictureCollectionResult CollectPictures(PersonList& persons, const QList<qint32>& recNos,
                                        const QString& folder, bool move);

// CollectPictures on the session's family, recorded as one undoable step when an entry changed:
// undoing it gives the entries back, while the copied files stay.
PictureCollectionResult CollectFamilyPictures(Session& session, const QList<qint32>& recNos,
                                              const QString& folder, bool move);

// Whether two files hold the same bytes.
bool SameFileContent(const QString& first, const QString& second);

} // namespace kinrow
