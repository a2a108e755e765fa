#include "pictures/pictureviewer.h"

#include "pictures/pictureadding.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace kinrow {

PictureViewer::PictureViewer(const QImage& picture, QWidget* parent, QSize naturalSize)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PictureViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    const QSize natural = naturalSize.isEmpty() ? picture.size() : naturalSize;
    setWindowTitle(QStringLiteral("%1x%2").arg(natural.width()).arg(natural.height()));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image_Viewer"));
    image->setPixmap(QPixmap::fromImage(picture));
    image->setGeometry(QRect(QPoint(0, 0), picture.size()));
    setFixedSize(PictureViewerClientSize(natural));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace kinrow
