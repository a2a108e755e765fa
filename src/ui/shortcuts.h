#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

namespace kinrow {

// The window's keyboard shortcuts, shared by the actions that carry them and the hints that
// name them.
inline QKeySequence SaveShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::Key_S);
}

inline QKeySequence CancelShortcut()
{
    return QKeySequence(Qt::Key_Escape);
}

// Opens the jump list with its search field.
inline QKeySequence FindShortcut()
{
    return QKeySequence(Qt::CTRL | Qt::Key_F);
}

inline QList<QKeySequence> UndoShortcuts()
{
    return {QKeySequence(Qt::CTRL | Qt::Key_Z)};
}

inline QList<QKeySequence> RedoShortcuts()
{
    return {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)};
}

// A button's hint followed by its shortcut as the keyboard names it: "File Save (Ctrl+S)".
inline QString HintWithShortcut(const QString& hint, const QKeySequence& keys)
{
    return hint + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText) + QLatin1Char(')');
}

} // namespace kinrow
