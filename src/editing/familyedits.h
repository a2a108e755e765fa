#pragma once

#include "editing/acceptance.h"
#include "model/editmode.h"
#include "model/session.h"

#include <QString>

#include <vector>

namespace kinrow {

// The changes the person page makes to the session's family, each on the current record and
// each recorded as one undoable step; the core operations they run are those of acceptance,
// linking, reordering, deletion, the sex change and the picture list.

// Writes an accepted form (see ApplyAcceptedForm) for the session's edit mode; the first
// person of an empty family becomes the current record. Returns the number of the record
// written, 0 when nothing was written.
qint32 AcceptForm(Session& session, const PersonForm& form);

bool LinkRelative(Session& session, RelativeRole role, qint32 picked, qint32 selectedSpouse);
bool RemoveParentLink(Session& session, RelativeRole role);
bool RemoveSpouseLink(Session& session, int spouseIndex);
bool SwapSpouses(Session& session, int i, int j);
bool SwapChildren(Session& session, int i, int j);

// Deletes the current record and makes the person NextAfterDeletion names the current one.
void DeleteCurrent(Session& session);

void ChangeGroupSex(Session& session, const QList<qint32>& group, const QList<qint32>& children);

// Adds or removes an entry of the current record's pictures (see AddPictureEntry and
// RemovePictureEntry); a file deleted from disk is not part of the step, and a file another
// entry of the family still names is never deleted.
int AddCurrentPicture(Session& session, const QString& name, bool& added);
bool RemoveCurrentPicture(Session& session, int number, bool deleteFile);

// The records each operation may change, besides the records it appends.
std::vector<qint32> AcceptanceTouches(const PersonList& persons, qint32 anchor, EditMode mode,
                                      const PersonForm& form);
std::vector<qint32> LinkTouches(const PersonList& persons, qint32 anchor, qint32 picked,
                                qint32 selectedSpouse);
std::vector<qint32> MoveChildTouches(const PersonList& persons, qint32 anchor, int i);
// Record d, the last record and every record that names either: linear in the family's size,
// as the deletion itself.
std::vector<qint32> DeletionTouches(const PersonList& persons, qint32 d);

} // namespace kinrow
