#pragma once

#include <QGuiApplication>

namespace kinrow {

// Shows the hourglass while it lives, so that every way out of a long operation restores the
// cursor.
class OverrideCursorGuard
{
public:
    explicit OverrideCursorGuard(Qt::CursorShape shape = Qt::WaitCursor)
    {
        QGuiApplication::setOverrideCursor(shape);
    }
    ~OverrideCursorGuard() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursorGuard(const OverrideCursorGuard&) = delete;
    OverrideCursorGuard& operator=(const OverrideCursorGuard&) = delete;
};

} // namespace kinrow
