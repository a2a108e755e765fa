// The main window's actions: undo and redo of the family's steps, and the keyboard's save and
// cancel.
#include "shell/mainwindow.h"

#include "editing/personpage.h"
#include "model/messages.h"
#include "ui/shortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTextEdit>

namespace kinrow {

namespace {

// While the user browses, the person page's fields hold no typing of their own to undo: the
// undo and redo keys there belong to the family's history, not to the field.
class HistoryKeyFilter : public QObject
{
public:
    HistoryKeyFilter(const Session& session, QObject* parent) : QObject(parent), session_(session)
    {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
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

private:
    const Session& session_;
};

} // namespace

void TForm_Main::createActions()
{
    Act_Undo = new QAction(this);
    Act_Undo->setObjectName(QStringLiteral("Act_Undo"));
    Act_Undo->setShortcuts(UndoShortcuts());
    Act_Redo = new QAction(this);
    Act_Redo->setObjectName(QStringLiteral("Act_Redo"));
    Act_Redo->setShortcuts(RedoShortcuts());
    Act_Save = new QAction(this);
    Act_Save->setObjectName(QStringLiteral("Act_Save"));
    Act_Save->setShortcut(SaveShortcut());
    Act_Cancel = new QAction(this);
    Act_Cancel->setObjectName(QStringLiteral("Act_Cancel"));
    Act_Cancel->setShortcut(CancelShortcut());
    // Undo and redo show their steps in the window's context menu; save and cancel are keys only.
    addActions({Act_Undo, Act_Redo});
    setContextMenuPolicy(Qt::ActionsContextMenu);
    PageControl_Main->addActions({Act_Save, Act_Cancel});
    connect(Act_Undo, &QAction::triggered, this, &TForm_Main::Act_UndoClick);
    connect(Act_Redo, &QAction::triggered, this, &TForm_Main::Act_RedoClick);
    connect(Act_Save, &QAction::triggered, this, [this] {
        if (session_.maySave())
            SB_SaveClick();
    });
    connect(Act_Cancel, &QAction::triggered, TabSheet_Main, &PersonPage::SB_IptalClick);
    auto* keys = new HistoryKeyFilter(session_, this);
    for (QWidget* field : TabSheet_Main->findChildren<QLineEdit*>())
        field->installEventFilter(keys);
    for (QWidget* field : TabSheet_Main->findChildren<QPlainTextEdit*>())
        field->installEventFilter(keys);
    for (QWidget* field : TabSheet_Main->findChildren<QTextEdit*>())
        field->installEventFilter(keys);
    connect(&session_, &Session::enablingChanged, this, &TForm_Main::updateActions);
    connect(&session_, &Session::historyChanged, this, &TForm_Main::updateActions);
    connect(&session_, &Session::langChanged, this, &TForm_Main::updateActions);
    updateActions();
}

void TForm_Main::updateActions()
{
    const Lang lang = session_.lang();
    const FamilyHistory& history = session_.history();
    const FamilyStep* undo = history.nextUndo();
    const FamilyStep* redo = history.nextRedo();
    Act_Undo->setText(UndoText(undo ? &undo->kind : nullptr, lang));
    Act_Redo->setText(RedoText(redo ? &redo->kind : nullptr, lang));
    Act_Undo->setEnabled(session_.mayUndo());
    Act_Redo->setEnabled(session_.mayRedo());
    Act_Save->setEnabled(session_.maySave());
    Act_Cancel->setEnabled(session_.isEditing());
}

void TForm_Main::Act_UndoClick()
{
    if (session_.undo())
        showChangedPerson();
}

void TForm_Main::Act_RedoClick()
{
    if (session_.redo())
        showChangedPerson();
}

void TForm_Main::showChangedPerson()
{
    showPage(TabSheet_Main);
    // Undoing the first person leaves the family as an empty file opens: entering that person.
    if (session_.persons().empty()) {
        TabSheet_Main->BeginAdding(EditMode::First);
        return;
    }
    TabSheet_Main->ShowRecord();
}

} // namespace kinrow
