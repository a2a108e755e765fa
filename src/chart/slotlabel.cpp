#include "chart/slotlabel.h"

#include <QPainter>

namespace kinrow {

SlotLabel::SlotLabel(int slot, QWidget* parent) : PersonLabel(parent), slot_(slot)
{
    setAutoFillBackground(false);
}

void SlotLabel::setBorder(const QColor& color, int width)
{
    borderColor_ = color;
    borderWidth_ = width;
    update();
}

void SlotLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    // The face hides the connecting lines of the picture behind the chart.
    painter.fillRect(area, palette().color(QPalette::Button));
    // Recessed: shadow above and to the left, light below and to the right, then the colour.
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    const int width = borderWidth_;
    QRect frame = area.adjusted(1, 1, -1, -1);
    for (int i = 0; i < width && frame.width() > 2 && frame.height() > 2; ++i) {
        painter.setPen(borderColor_);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        frame.adjust(1, 1, -1, -1);
    }

    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const QRect textArea = area.adjusted(width + 1, 0, -width - 1, 0);
    painter.setFont(font());
    if (style_ != TextStyle::Flat) {
        painter.setPen(style_ == TextStyle::Raised ? QColor(Qt::white)
                                                   : palette().color(QPalette::Midlight));
        painter.drawText(textArea.translated(1, 1), flags, text());
    }
    painter.setPen(textColor());
    painter.drawText(textArea, flags, text());
}

void SlotLabel::enterEvent(QEnterEvent* event)
{
    PersonLabel::enterEvent(event);
    Q_EMIT entered();
}

} // namespace kinrow
