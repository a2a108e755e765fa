#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QContextMenuEvent;
class QKeyEvent;
class QMouseEvent;
class QWidget;

namespace kinrow {

// Runs every character typed or pasted into a person field through the field's key rule
// (upper-casing the name fields, by the code page 1254 rule and Unicode's for other letters)
// before the field sees it. Letters of every script pass.
class FieldKeyFilter : public QObject
{
public:
    using KeyRule = std::function<std::optional<QChar>(QChar)>;

    // upperCase: the field shows upper case (the one-line fields); the notes keep what the
    // rule lets through.
    FieldKeyFilter(KeyRule rule, bool upperCase, QObject* parent = nullptr);

    // Installs the filter on field, a QLineEdit or QPlainTextEdit.
    void attach(QWidget* field);

    // The text that reaches the field when text is typed or pasted.
    QString filtered(const QString& text) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QWidget* field, QKeyEvent* event);
    bool contextMenu(QWidget* field, QContextMenuEvent* event);
    bool middleClick(QWidget* field, QMouseEvent* event);
    void pasteInto(QWidget* field);
    void pasteInto(QWidget* field, const QString& text);
    static void insertInto(QWidget* field, const QString& text);
    static bool isReadOnly(const QWidget* field);

    KeyRule rule_;
    bool upperCase_;
};

} // namespace kinrow
