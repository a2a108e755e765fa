#include "shell/windowactions.h"

#include "model/familystep.h"
#include "model/session.h"
#include "shell/historykeyfilter.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace kinrow {

WindowActions::WindowActions(Session& session, QWidget& window, QWidget& pages)
    : QObject(&window), session_(session), undo_(action(window, "Act_Undo")),
      redo_(action(window, "Act_Redo")), save_(action(window, "Act_Save")),
      cancel_(action(window, "Act_Cancel"))
{
    undo_->setShortcuts(UndoShortcuts());
    redo_->setShortcuts(RedoShortcuts());
    save_->setShortcut(SaveShortcut());
    cancel_->setShortcut(CancelShortcut());
    // Undo and redo show their steps in the window's context menu; save and cancel are keys only.
    window.addActions({undo_, redo_});
    window.setContextMenuPolicy(Qt::ActionsContextMenu);
    pages.addActions({save_, cancel_});
    connect(undo_, &QAction::triggered, this, &WindowActions::undoTriggered);
    connect(redo_, &QAction::triggered, this, &WindowActions::redoTriggered);
    connect(save_, &QAction::triggered, this, [this] {
        if (session_.maySave())
            Q_EMIT saveTriggered();
    });
    connect(cancel_, &QAction::triggered, this, &WindowActions::cancelTriggered);
    connect(&session_, &Session::enablingChanged, this, &WindowActions::update);
    connect(&session_, &Session::historyChanged, this, &WindowActions::update);
    connect(&session_, &Session::langChanged, this, &WindowActions::update);
    update();
}

QAction* WindowActions::action(QWidget& owner, const char* name)
{
    auto* created = new QAction(&owner);
    created->setObjectName(QLatin1String(name));
    return created;
}

void WindowActions::takeHistoryKeys(QWidget& page)
{
    auto* keys = new HistoryKeyFilter(session_, this);
    for (QWidget* field : page.findChildren<QLineEdit*>())
        field->installEventFilter(keys);
    for (QWidget* field : page.findChildren<QPlainTextEdit*>())
        field->installEventFilter(keys);
    for (QWidget* field : page.findChildren<QTextEdit*>())
        field->installEventFilter(keys);
}

void WindowActions::update()
{
    const Lang lang = session_.lang();
    const FamilyHistory& history = session_.history();
    const FamilyStep* undo = history.nextUndo();
    const FamilyStep* redo = history.nextRedo();
    undo_->setText(UndoText(undo ? &undo->kind : nullptr, lang));
    redo_->setText(RedoText(redo ? &redo->kind : nullptr, lang));
    undo_->setEnabled(session_.mayUndo());
    redo_->setEnabled(session_.mayRedo());
    save_->setEnabled(session_.maySave());
    cancel_->setEnabled(session_.isEditing());
}

} // namespace kinrow
