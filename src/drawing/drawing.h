#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>

#include <variant>
#include <vector>

namespace kinrow {

// Colours as 0xRRGGBB, so the core needs no QtGui.
using Rgb = quint32;
constexpr Rgb RgbBlack = 0x000000;
constexpr Rgb RgbWhite = 0xFFFFFF;

enum class PenStyle
{
    Solid,
    Dash
};

// A pen whose width is given in millimetres; width 0 is one device dot.
struct DrawPen
{
    double widthMm = 0;
    Rgb color = RgbBlack;
    PenStyle style = PenStyle::Solid;

    bool operator==(const DrawPen&) const = default;
};

struct DrawFont
{
    QString family;
    double pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const DrawFont&) const = default;
};

// An open line through the points.
struct LineOp
{
    QList<QPointF> points;
    DrawPen pen;
};

// A rectangle outlined with the pen and filled with the brush colour.
struct BoxOp
{
    QRectF rect;
    DrawPen pen;
    Rgb brush = RgbWhite;
};

// A closed polygon outlined with the pen and filled with the brush colour.
struct PolygonOp
{
    QList<QPointF> points;
    DrawPen pen;
    Rgb brush = RgbBlack;
};

// The smallest size a text is shrunk to before it is cut.
inline constexpr double MinFitPointSize = 6;

// One line of text aligned inside rect. A rotated text runs upwards, its glyph tops to the
// left: alignment then applies to the rectangle turned with it (horizontal along the text).
// With fitMm set, a text longer than fitMm along its run is drawn smaller until it fits, not
// below MinFitPointSize, and is then cut with "…"; a text that fits is drawn as it is.
struct TextOp
{
    QString text;
    QRectF rect;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    DrawFont font;
    Rgb color = RgbBlack;
    bool rotated = false;
    double fitMm = 0;
};

// A picture file drawn stretched into rect.
struct PictureOp
{
    QString path;
    QRectF rect;
};

using DrawOp = std::variant<LineOp, BoxOp, PolygonOp, TextOp, PictureOp>;

// One page as drawing operations in millimetres, x to the right and y downwards from the top
// left corner of the printable area, in drawing order.
struct Drawing
{
    QSizeF sizeMm;
    std::vector<DrawOp> ops;
};

// Millimetres to device dots at the given resolution, truncated toward zero.
int MmToDev(double mm, int dotsPerInch);

// The height of one line of text in millimetres for a font of the given size, the same for
// every device: line positions and how many lines a box holds are decided in the core.
double LineHeightMm(double pointSize);

} // namespace kinrow
