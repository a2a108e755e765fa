#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace kinrow {

// The large notes window: a 500 x 400 Courier memo over a person's notes.
class NoteWindow : public QDialog
{
    Q_OBJECT
public:
    NoteWindow(const QString& caption, const QString& notes, bool readOnly,
               QWidget* parent = nullptr);

    QString notes() const;
    QPlainTextEdit* memo() const { return memo_; }

private:
    QPlainTextEdit* memo_;
};

} // namespace kinrow
