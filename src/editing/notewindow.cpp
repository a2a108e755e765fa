#include "editing/notewindow.h"

#include "ui/dialogplacement.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kinrow {

NoteWindow::NoteWindow(const QString& caption, const QString& notes, bool readOnly, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      memo_(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("Form_BigNote"));
    setWindowTitle(caption);
    memo_->setObjectName(QStringLiteral("Memo_BigNote"));
    QFont courier(QStringLiteral("Courier"));
    courier.setStyleHint(QFont::TypeWriter);
    memo_->setFont(courier);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setPlainText(notes);
    memo_->setReadOnly(readOnly);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);
    resize(500, 400);
    CentreOverOwner(this);
}

QString NoteWindow::notes() const
{
    return memo_->toPlainText();
}

} // namespace kinrow
