#include "ui/sessionbuttons.h"

#include "model/session.h"

#include <QWidget>

namespace kinrow {

SessionButtons::SessionButtons(const Session& session, QObject* parent)
    : QObject(parent), session_(session)
{
    connect(&session, &Session::enablingChanged, this, &SessionButtons::apply);
}

void SessionButtons::add(QWidget* button, ButtonRule rule)
{
    buttons_.append({button, rule});
    button->setEnabled(allows(rule));
}

void SessionButtons::add(std::initializer_list<QWidget*> buttons, ButtonRule rule)
{
    for (QWidget* button : buttons)
        add(button, rule);
}

bool SessionButtons::allows(ButtonRule rule) const
{
    switch (rule) {
    case ButtonRule::Browse:
        return session_.mayBrowse();
    case ButtonRule::Change:
        return session_.mayChange();
    case ButtonRule::Save:
        return session_.maySave();
    case ButtonRule::Editing:
        return session_.isEditing();
    case ButtonRule::Always:
        return true;
    }
    return false;
}

void SessionButtons::apply()
{
    for (const auto& [button, rule] : buttons_)
        button->setEnabled(allows(rule));
}

} // namespace kinrow
