#include "ui/label3d.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

Label3D::Label3D(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void Label3D::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = contentsRect();
    // Light above-left and shadow below-right make the text stand out of the page.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(area.translated(-1, -1), int(alignment()), text());
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawText(area.translated(1, 1), int(alignment()), text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, int(alignment()), text());
}

void Label3D::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()) ||
        !address_.isValid())
        return;
    // The system handler may take a moment to start; show that something is happening.
    QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    QDesktopServices::openUrl(address_);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace kinrow
