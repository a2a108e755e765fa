#include "pictures/picturepanel.h"

#include "pictures/picturebox.h"
#include "pictures/pictureimage.h"
#include "pictures/pictureloader.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

PicturePanel::PicturePanel(QWidget* parent) : QFrame(parent), image_(new PictureImage(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    resize(kDefaultWidth, kDefaultHeight);
    image_->hide();
    connect(image_, &PictureImage::clicked, this, &PicturePanel::clicked);
}

void PicturePanel::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void PicturePanel::clear()
{
    setPicture(QImage(), QString());
}

bool PicturePanel::showFile(const QString& path)
{
    // Decoded for the panel's own pixels: a photo of many megapixels shows at a small cost.
    const qreal ratio = qMax(qreal(1), devicePixelRatioF());
    const QSize box = size().isEmpty() ? sizeHint() : size();
    const FittedPicture loaded = LoadPictureToFit(path, (QSizeF(box) * ratio).toSize());
    if (loaded.image.isNull()) {
        clear();
        return false;
    }
    setPicture(loaded.image, PictureHint(path, loaded.naturalSize, FileSize(path)),
               loaded.naturalSize);
    file_ = path;
    return true;
}

void PicturePanel::setPicture(const QImage& picture, const QString& hint, QSize naturalSize)
{
    hint_ = picture.isNull() ? QString() : hint;
    file_.clear();
    naturalSize_ = picture.isNull()        ? QSize()
                   : naturalSize.isEmpty() ? picture.size()
                                           : naturalSize;
    // Tool tips break lines at line feeds, the hint at carriage returns.
    image_->setToolTip(QString(hint_).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    image_->setPicture(picture);
    fitImage();
}

const QImage& PicturePanel::picture() const
{
    return image_->picture();
}

QWidget* PicturePanel::imageWidget() const
{
    return image_;
}

QSize PicturePanel::sizeHint() const
{
    return QSize(kDefaultWidth, kDefaultHeight);
}

void PicturePanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void PicturePanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    fitImage();
}

void PicturePanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}

void PicturePanel::fitImage()
{
    const QRect area = FitPicture(size(), naturalSize_);
    image_->setGeometry(area);
    image_->setVisible(!area.isEmpty());
}

} // namespace kinrow
