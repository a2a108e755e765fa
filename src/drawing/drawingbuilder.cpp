#include "drawing/drawingbuilder.h"

#include <utility>

namespace kinrow {

namespace {

// Anchored texts get a run this long to align in; texts of a printout are far shorter.
constexpr double RunLengthMm = 300;

double AlignedStart(double anchor, double length, Qt::Alignment align, Qt::Alignment centre,
                    Qt::Alignment end)
{
    if (align & centre)
        return anchor - length / 2;
    if (align & end)
        return anchor - length;
    return anchor;
}

} // namespace

DrawingBuilder::DrawingBuilder(QSizeF sizeMm)
{
    drawing_.sizeMm = sizeMm;
}

void DrawingBuilder::setPen(double widthMm, PenStyle style, Rgb color)
{
    pen_ = DrawPen{widthMm, color, style};
}

void DrawingBuilder::setPenColor(Rgb color)
{
    pen_.color = color;
}

void DrawingBuilder::setFont(double pointSize, bool bold)
{
    font_.pointSize = pointSize;
    font_.bold = bold;
}

void DrawingBuilder::setFontFamily(const QString& family)
{
    font_.family = family;
}

double DrawingBuilder::lineHeight() const
{
    return LineHeightMm(font_.pointSize);
}

void DrawingBuilder::box(double left, double top, double right, double bottom)
{
    drawing_.ops.push_back(BoxOp{QRectF(QPointF(left, top), QPointF(right, bottom)), pen_});
}

void DrawingBuilder::line(const QList<QPointF>& points)
{
    drawing_.ops.push_back(LineOp{points, pen_});
}

void DrawingBuilder::arrowhead(const QList<QPointF>& points)
{
    polygon(points, DrawPen{}, RgbBlack);
}

void DrawingBuilder::polygon(const QList<QPointF>& points, const DrawPen& pen, Rgb brush)
{
    drawing_.ops.push_back(PolygonOp{points, pen, brush});
}

void DrawingBuilder::text(const QString& text, double x, double y, Qt::Alignment align,
                          double fitMm)
{
    const double height = lineHeight();
    const double left = AlignedStart(x, RunLengthMm, align, Qt::AlignHCenter, Qt::AlignRight);
    const double top = AlignedStart(y, height, align, Qt::AlignVCenter, Qt::AlignBottom);
    drawing_.ops.push_back(
        TextOp{text, QRectF(left, top, RunLengthMm, height), align, font_, RgbBlack, false, fitMm});
}

void DrawingBuilder::rotatedText(const QString& text, double x, double centreY, double fitMm)
{
    const QRectF rect(x, centreY - RunLengthMm / 2, lineHeight(), RunLengthMm);
    drawing_.ops.push_back(TextOp{text, rect, Qt::AlignCenter, font_, RgbBlack, true, fitMm});
}

void DrawingBuilder::picture(const QString& path, const QRectF& rect)
{
    drawing_.ops.push_back(PictureOp{path, rect});
}

Drawing DrawingBuilder::take()
{
    return std::exchange(drawing_, Drawing{drawing_.sizeMm, {}});
}

} // namespace kinrow
