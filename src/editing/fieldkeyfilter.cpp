#include "editing/fieldkeyfilter.h"

#include "model/textrules.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include <memory>

namespace kinrow {

FieldKeyFilter::FieldKeyFilter(KeyRule rule, bool upperCase, QObject* parent)
    : QObject(parent), rule_(std::move(rule)), upperCase_(upperCase)
{}

void FieldKeyFilter::attach(QWidget* field)
{
    // Dropped text would bypass the rules; typing and pasting are the ways in.
    field->setAcceptDrops(false);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->viewport()->setAcceptDrops(false);
    field->installEventFilter(this);
}

QString FieldKeyFilter::filtered(const QString& text) const
{
    QString result;
    result.reserve(text.size());
    for (const QChar typed : text) {
        if (upperCase_ && typed.unicode() < 0x20)
            continue; // a line break pasted into a one-line field
        if (const std::optional<QChar> passed = rule_(typed))
            result.append(*passed);
    }
    // Upper-cased as a whole, so that a letter outside the basic plane is cased as one.
    return upperCase_ ? UpperCase1254(result) : result;
}

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field)
        return false;
    if (event->type() == QEvent::KeyPress)
        return keyPress(field, static_cast<QKeyEvent*>(event));
    if (event->type() == QEvent::ContextMenu)
        return contextMenu(field, static_cast<QContextMenuEvent*>(event));
    if (event->type() == QEvent::MouseButtonRelease)
        return middleClick(field, static_cast<QMouseEvent*>(event));
    return false;
}

bool FieldKeyFilter::keyPress(QWidget* field, QKeyEvent* event)
{
    if (isReadOnly(field))
        return false;
    if (event->matches(QKeySequence::Paste)) {
        pasteInto(field);
        return true;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        // Editing and navigation keys (backspace, Enter, Ctrl+letter) are the field's own.
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    const QString passed = filtered(text);
    if (!passed.isEmpty())
        insertInto(field, passed); // a discarded key must not replace a selection either
    return true;
}

bool FieldKeyFilter::contextMenu(QWidget* field, QContextMenuEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(field);
    if (!edit)
        return false;
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    // The standard menu's paste item is known only by its text, translated as the line edit
    // translates it, followed by a tab and the shortcut.
    const QString pasteText = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* item : menu->actions()) {
        if (item->text().section(QLatin1Char('\t'), 0, 0) == pasteText) {
            item->disconnect();
            connect(item, &QAction::triggered, this, [this, field] { pasteInto(field); });
        }
    }
    menu->exec(event->globalPos());
    return true;
}

bool FieldKeyFilter::middleClick(QWidget* field, QMouseEvent* event)
{
    // A middle click pastes the X11 selection into a line edit.
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() != Qt::MiddleButton || !clipboard->supportsSelection() ||
        !qobject_cast<QLineEdit*>(field))
        return false;
    pasteInto(field, clipboard->text(QClipboard::Selection));
    return true;
}

void FieldKeyFilter::pasteInto(QWidget* field)
{
    pasteInto(field, QApplication::clipboard()->text());
}

void FieldKeyFilter::pasteInto(QWidget* field, const QString& text)
{
    const QString passed = filtered(text);
    if (!isReadOnly(field) && !passed.isEmpty())
        insertInto(field, passed);
}

void FieldKeyFilter::insertInto(QWidget* field, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        edit->insert(text);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(field)) {
        memo->textCursor().insertText(text);
        memo->ensureCursorVisible();
    }
}

bool FieldKeyFilter::isReadOnly(const QWidget* field)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->isReadOnly();
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(field))
        return memo->isReadOnly();
    return true;
}

} // namespace kinrow
