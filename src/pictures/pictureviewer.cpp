#include "pictures/pictureviewer.h"

#include "pictures/pictureadding.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

namespace kinrow {

PictureViewer::PictureViewer(const QImage& picture, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("PictureViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height()));
    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image_Viewer"));
    image->setPixmap(QPixmap::fromImage(picture));
    image->setGeometry(QRect(QPoint(0, 0), picture.size()));
    setFixedSize(PictureViewerClientSize(picture.size()));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(0, 0), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace kinrow
