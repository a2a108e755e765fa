#include "ui/backbutton.h"

#include <QAbstractButton>
#include <QFontMetrics>

namespace kinrow {

void SetBackButton(QAbstractButton& button, const QString& title, qint32 recNoMain)
{
    const QFontMetrics metrics(button.window()->font());
    const int room = button.width() * 4 / 5;
    QString caption = title;
    while (!caption.isEmpty() && metrics.horizontalAdvance(caption) > room)
        caption.chop(qMin<qsizetype>(2, caption.size()));
    button.setText(caption);
    button.setToolTip(QString::number(recNoMain) + QStringLiteral(" - ") + title);
}

} // namespace kinrow
