#pragma once

#include "model/session.h"

#include <QList>
#include <QString>

#include <functional>

namespace kinrow {

class Prompts;

// Collects the pictures of the print page's rows: asks first, copies or moves the
// pictures of the persons recNos (the table's rows in order, only the checked ones when so
// chosen) into folder, saves the family after a move with save (true when it was saved), and
// reports the count. Moved sources are deleted only after that save succeeded, and the undo
// history then ends there, since no step can bring their files back.
void CollectPictures(Session& session, Prompts& prompts, const QList<qint32>& recNos,
                     const QString& folder, bool move, const std::function<bool()>& save);

} // namespace kinrow
