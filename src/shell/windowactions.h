#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace kinrow {

class Session;

// The window's actions: undo and redo of the family's steps, shown in the window's context
// menu, and the keyboard's save and cancel; their texts and enabling follow the session.
class WindowActions : public QObject
{
    Q_OBJECT
public:
    // The actions of window; save and cancel act on the keys pressed over pages.
    WindowActions(Session& session, QWidget& window, QWidget& pages);

    // The undo and redo keys belong to the family's history in the fields of page.
    void takeHistoryKeys(QWidget& page);

Q_SIGNALS:
    void undoTriggered();
    void redoTriggered();
    void saveTriggered();
    void cancelTriggered();

private:
    QAction* action(QWidget& owner, const char* name);
    void update();

    Session& session_;
    QAction* undo_;
    QAction* redo_;
    QAction* save_;
    QAction* cancel_;
};

} // namespace kinrow
