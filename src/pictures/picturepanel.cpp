#include "pictures/picturepanel.h"

#include "pictures/picturebox.h"
#include "pictures/pictureimage.h"
#include "pictures/pictureloader.h"

#include <QMouseEvent>
#include <QPainter>

namespace kinrow {

PicturePanel::PicturePanel(QWidget* parent) : QFrame(parent), m_image(new PictureImage(this))
{
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    resize(kDefaultWidth, kDefaultHeight);
    m_image->hide();
    connect(m_image, &PictureImage::clicked, this, &PicturePanel::clicked);
}

void PicturePanel::setCaption(const QString& caption)
{
    m_caption = caption;
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
    m_file = path;
    return true;
}

void PicturePanel::setPicture(const QImage& picture, const QString& hint, QSize naturalSize)
{
    m_hint = picture.isNull() ? QString() : hint;
    m_file.clear();
    m_naturalSize = picture.isNull()        ? QSize()
                    : naturalSize.isEmpty() ? picture.size()
                                            : naturalSize;
    // Tool tips break lines at line feeds, the hint at carriage returns.
    m_image->setToolTip(QString(m_hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    m_image->setPicture(picture);
    fitImage();
}

const QImage& PicturePanel::picture() const
{
    return m_image->picture();
}

QWidget* PicturePanel::imageWidget() const
{
    return m_image;
}

QSize PicturePanel::sizeHint() const
{
    return QSize(kDefaultWidth, kDefaultHeight);
}

void PicturePanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_caption.isEmpty())
        return;
    QPainter painter(this);
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextWordWrap, m_caption);
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
    const QRect area = FitPicture(size(), m_naturalSize);
    m_image->setGeometry(area);
    m_image->setVisible(!area.isEmpty());
}

} // namespace kinrow
