#pragma once

#include <QList>
#include <QObject>
#include <QPair>

class QWidget;

namespace kinrow {

class Session;

// When a button may be pressed, as the session decides it.
enum class ButtonRule
{
    Browse,  // moves around the family or to another page: not while a form is open
    Change,  // changes the family: not while a form is open, never in read-only mode
    Save,    // saves: outside the form, while there are unsaved changes
    Editing, // accepts or cancels the open form: only while it is open
    Always
};

// The buttons of one page with their rules; enables them whenever the session's editing state,
// read-only mode or unsaved-changes flag changes, so every page follows the same rules.
class SessionButtons : public QObject
{
    Q_OBJECT
public:
    explicit SessionButtons(const Session& session, QObject* parent = nullptr);

    void add(QWidget* button, ButtonRule rule);
    void add(std::initializer_list<QWidget*> buttons, ButtonRule rule);
    bool allows(ButtonRule rule) const;
    void apply();

private:
    const Session& session_;
    QList<QPair<QWidget*, ButtonRule>> buttons_;
};

} // namespace kinrow
