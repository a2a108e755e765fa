#include "drawing/drawingpainter.h"

#include "model/picturepaths.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kinrow {

namespace {

QColor ToColor(Rgb rgb)
{
    return QColor::fromRgb(QRgb(rgb | 0xFF000000u));
}

QFont ToFont(const DrawFont& font)
{
    QFont result(font.family);
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    result.setUnderline(font.underline);
    return result;
}

// A picture file read for drawing at dots: only a regular file (a FIFO or a device would
// never end), decoded at the drawn size where the format allows it.
QImage ReadPicture(const QString& path, QSize dots)
{
    QFile file;
    if (!OpenRegularFile(file, path))
        return QImage();
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    const QSize natural = reader.size();
    if (natural.isValid() && !dots.isEmpty() &&
        (natural.width() > dots.width() || natural.height() > dots.height()) &&
        reader.supportsOption(QImageIOHandler::ScaledSize))
        reader.setScaledSize(natural.scaled(dots, Qt::KeepAspectRatioByExpanding));
    return reader.read();
}

} // namespace

DrawingPainter::DrawingPainter(QPainter& painter)
    : painter_(painter), dpiX_(painter.device() ? painter.device()->logicalDpiX() : 96),
      dpiY_(painter.device() ? painter.device()->logicalDpiY() : 96)
{}

void DrawingPainter::setPictureLoader(PictureLoader loader)
{
    loadPicture_ = std::move(loader);
}

int DrawingPainter::MmToDevX(double mm) const
{
    return MmToDev(mm, dpiX_);
}

int DrawingPainter::MmToDevY(double mm) const
{
    return MmToDev(mm, dpiY_);
}

void DrawingPainter::draw(const Drawing& drawing)
{
    painter_.save();
    for (const DrawOp& op : drawing.ops)
        std::visit([this](const auto& item) { drawOp(item); }, op);
    painter_.restore();
}

QPointF DrawingPainter::toDev(QPointF mm) const
{
    return QPointF(MmToDevX(mm.x()), MmToDevY(mm.y()));
}

QRectF DrawingPainter::toDev(const QRectF& mm) const
{
    return QRectF(toDev(mm.topLeft()), toDev(mm.bottomRight()));
}

void DrawingPainter::usePen(const DrawPen& pen)
{
    // A width that truncates to 0 dots is Qt's cosmetic one-dot pen, as wanted.
    QPen qpen(ToColor(pen.color), MmToDevX(pen.widthMm),
              pen.style == PenStyle::Dash ? Qt::DashLine : Qt::SolidLine, Qt::SquareCap,
              Qt::MiterJoin);
    painter_.setPen(qpen);
}

void DrawingPainter::drawOp(const LineOp& op)
{
    usePen(op.pen);
    QPolygonF line;
    for (const QPointF& point : op.points)
        line << toDev(point);
    painter_.drawPolyline(line);
}

void DrawingPainter::drawOp(const BoxOp& op)
{
    usePen(op.pen);
    painter_.setBrush(ToColor(op.brush));
    painter_.drawRect(toDev(op.rect));
}

void DrawingPainter::drawOp(const PolygonOp& op)
{
    usePen(op.pen);
    painter_.setBrush(ToColor(op.brush));
    QPolygonF polygon;
    for (const QPointF& point : op.points)
        polygon << toDev(point);
    painter_.drawPolygon(polygon);
}

// The font and text that fit into room dots: the text as it is when it fits; else the largest
// size down to MinFitPointSize (in tenths of a point) at which it fits, and at that smallest
// size the text cut with "…".
QString DrawingPainter::fitText(const QString& text, QFont& font, double room) const
{
    const auto width = [this, &text](const QFont& candidate) {
        return QFontMetricsF(candidate, painter_.device()).horizontalAdvance(text);
    };
    const double natural = width(font);
    if (natural <= room || natural <= 0)
        return text;
    const double size = font.pointSizeF();
    // Widths grow almost in proportion to the size: start there and step down to a fit.
    double tenths = std::floor(size * room / natural * 10);
    while (tenths >= MinFitPointSize * 10) {
        font.setPointSizeF(tenths / 10);
        if (width(font) <= room)
            return text;
        tenths -= 1;
    }
    font.setPointSizeF(std::min(size, MinFitPointSize));
    return QFontMetricsF(font, painter_.device()).elidedText(text, Qt::ElideRight, room);
}

void DrawingPainter::drawOp(const TextOp& op)
{
    QFont font = ToFont(op.font);
    QString text = op.text;
    if (op.fitMm > 0)
        text = fitText(text, font, op.fitMm * (op.rotated ? dpiY_ : dpiX_) / 25.4);
    painter_.setFont(font);
    painter_.setPen(ToColor(op.color));
    const int flags = int(op.align) | Qt::TextDontClip | Qt::TextSingleLine;
    const QRectF rect = toDev(op.rect);
    if (!op.rotated) {
        painter_.drawText(rect, flags, text);
        return;
    }
    painter_.save();
    painter_.translate(rect.left(), rect.bottom());
    painter_.rotate(-90);
    painter_.drawText(QRectF(0, 0, rect.height(), rect.width()), flags, text);
    painter_.restore();
}

void DrawingPainter::drawOp(const PictureOp& op)
{
    const QRectF rect = toDev(op.rect);
    const QSize dots = rect.size().toSize().expandedTo(QSize(1, 1));
    const QImage image = loadPicture_ ? loadPicture_(op.path, dots) : ReadPicture(op.path, dots);
    if (image.isNull())
        return;
    painter_.drawImage(rect, image);
}

} // namespace kinrow
