#include "ui/personlabel.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

PersonLabel::PersonLabel(QWidget* parent) : QLabel(parent)
{
    setTextColor(Qt::black);
    setCursor(Qt::PointingHandCursor);
    setFrameShape(QFrame::NoFrame);
}

QColor PersonLabel::textColor() const
{
    return palette().color(QPalette::Active, foregroundRole());
}

void PersonLabel::setTextColor(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Active, foregroundRole(), color);
    colours.setColor(QPalette::Inactive, foregroundRole(), color);
    setPalette(colours);
}

void PersonLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = contentsRect();
    const int flags = int(alignment()) | Qt::TextSingleLine;
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(area.translated(1, 1), flags, text());
    painter.setPen(isEnabled() ? textColor() : palette().color(QPalette::Disabled, QPalette::Text));
    painter.drawText(area, flags, text());
}

void PersonLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PersonLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only when released over the label.
    const bool inside = rect().contains(event->position().toPoint());
    if (pressed_ && inside && event->button() == Qt::LeftButton)
        Q_EMIT clicked();
    pressed_ = false;
    event->accept();
}

void PersonLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    // QWidget would take it as another press, and its release as a second click: one double
    // click would then move twice.
    pressed_ = false;
    event->accept();
}

} // namespace kinrow
