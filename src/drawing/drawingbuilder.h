#pragma once

#include "drawing/drawing.h"

#include <QList>
#include <QPointF>

namespace kinrow {

// Builds a drawing list the way a printout is drawn on a canvas: a current pen, brush and font,
// and texts placed by an anchor point (left, centred or right; top, centred or bottom).
class DrawingBuilder
{
public:
    explicit DrawingBuilder(QSizeF sizeMm);

    void setPen(double widthMm, PenStyle style = PenStyle::Solid, Rgb color = RgbBlack);
    void setPenColor(Rgb color);
    void setFont(double pointSize, bool bold = false);
    void setFontFamily(const QString& family);
    const DrawFont& font() const { return font_; }

    // The height of one line in the current font; lists step down by it.
    double lineHeight() const;

    void box(double left, double top, double right, double bottom);
    void line(const QList<QPointF>& points);
    // A filled black polygon outlined with a one-dot pen; the current pen stays.
    void arrowhead(const QList<QPointF>& points);
    void polygon(const QList<QPointF>& points, const DrawPen& pen, Rgb brush);

    // Text whose anchor x is its left edge, centre or right edge (by horizontal) and whose
    // anchor y is its top, middle or bottom (by vertical). A text longer than fitMm (when
    // given) is drawn smaller, then cut, to stay within that length from the anchor.
    void text(const QString& text, double x, double y, Qt::Alignment align, double fitMm = 0);
    // Text running upwards, centred along its run on y, its glyph tops at x.
    void rotatedText(const QString& text, double x, double centreY, double fitMm = 0);
    void picture(const QString& path, const QRectF& rect);

    Drawing take();

private:
    Drawing drawing_;
    DrawPen pen_;
    DrawFont font_;
};

} // namespace kinrow
