#include "pictures/pictureimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

PictureImage::PictureImage(QWidget* parent) : QWidget(parent) {}

void PictureImage::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_scaled = QPixmap();
    update();
}

void PictureImage::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return;
    if (m_scaled.size() != size())
        m_scaled = QPixmap::fromImage(
            m_picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter(this).drawPixmap(0, 0, m_scaled);
}

void PictureImage::resizeEvent(QResizeEvent* event)
{
    m_scaled = QPixmap();
    QWidget::resizeEvent(event);
}

void PictureImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace kinrow
