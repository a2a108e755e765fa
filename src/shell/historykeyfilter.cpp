#include "shell/historykeyfilter.h"

#include "model/session.h"
#include "ui/shortcuts.h"

#include <QKeyEvent>

namespace kinrow {

bool HistoryKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || session_.isEditing())
        return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    if (!UndoShortcuts().contains(pressed) && !RedoShortcuts().contains(pressed))
        return QObject::eventFilter(watched, event);
    key->ignore();
    return true;
}

} // namespace kinrow
