#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace kinrow {

// Places a dialog over the middle of the window that owns it, where the user is looking; a
// dialog without an owner goes to the middle of the screen.
inline void CentreOverOwner(QWidget* dialog)
{
    const QWidget* owner = dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr;
    if (owner && owner->isVisible()) {
        dialog->move(owner->frameGeometry().center() - dialog->rect().center());
        return;
    }
    const QScreen* screen = dialog->screen() ? dialog->screen() : QGuiApplication::primaryScreen();
    if (screen)
        dialog->move(screen->availableGeometry().center() - dialog->rect().center());
}

} // namespace kinrow
