#pragma once

#include "drawing/drawing.h"

#include <QImage>

#include <functional>

class QFont;
class QPainter;
class QRectF;

namespace kinrow {

// Draws a drawing list on the device of a painter, millimetres turned into the device's dots
// by its logical resolution.
class DrawingPainter
{
public:
    explicit DrawingPainter(QPainter& painter);

    int MmToDevX(double mm) const;
    int MmToDevY(double mm) const;

    // How picture files are read, given the size in dots the picture is drawn at (a loader
    // may decode it that small); unless set, Qt's readers on regular files only. A null image
    // is skipped.
    using PictureLoader = std::function<QImage(const QString& path, QSize dots)>;
    void setPictureLoader(PictureLoader loader);

    void draw(const Drawing& drawing);

private:
    void drawOp(const LineOp& op);
    void drawOp(const BoxOp& op);
    void drawOp(const PolygonOp& op);
    void drawOp(const TextOp& op);
    void drawOp(const PictureOp& op);

    QString fitText(const QString& text, QFont& font, double room) const;
    void usePen(const DrawPen& pen);
    QPointF toDev(QPointF mm) const;
    QRectF toDev(const QRectF& mm) const;

    QPainter& painter_;
    int dpiX_;
    int dpiY_;
    PictureLoader loadPicture_;
};

} // namespace kinrow
