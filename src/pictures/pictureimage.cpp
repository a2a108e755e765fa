#include "pictures/pictureimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

PictureImage::PictureImage(QWidget* parent) : QWidget(parent) {}

void PictureImage::setPicture(const QImage& picture)
{
    picture_ = picture;
    scaled_ = QPixmap();
    update();
}

void PictureImage::paintEvent(QPaintEvent*)
{
    if (picture_.isNull() || width() <= 0 || height() <= 0)
        return;
    if (scaled_.size() != size())
        scaled_ = QPixmap::fromImage(
            picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    QPainter(this).drawPixmap(0, 0, scaled_);
}

void PictureImage::resizeEvent(QResizeEvent* event)
{
    scaled_ = QPixmap();
    QWidget::resizeEvent(event);
}

void PictureImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace kinrow
