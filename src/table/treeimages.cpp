#include "table/treeimages.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace kinrow {

namespace {

constexpr int Side = 16;

enum class Shape
{
    Up,     // an ancestor: a triangle pointing to the parents
    Star,   // the person the table is built for
    Down,   // a descendant of odd generation
    Double, // a descendant of even generation: two chevrons
};

QPainterPath shapePath(Shape shape)
{
    QPainterPath path;
    switch (shape) {
    case Shape::Up:
        path.moveTo(8, 2);
        path.lineTo(14, 13);
        path.lineTo(2, 13);
        path.closeSubpath();
        break;
    case Shape::Star:
        for (int i = 0; i < 10; ++i) {
            const double angle = -M_PI / 2 + i * M_PI / 5;
            const double radius = i % 2 == 0 ? 7.0 : 3.0;
            const QPointF point(8 + radius * std::cos(angle), 8.5 + radius * std::sin(angle));
            if (i == 0)
                path.moveTo(point);
            else
                path.lineTo(point);
        }
        path.closeSubpath();
        break;
    case Shape::Down:
        path.moveTo(2, 3);
        path.lineTo(14, 3);
        path.lineTo(8, 14);
        path.closeSubpath();
        break;
    case Shape::Double:
        for (int top : {2, 8}) {
            path.moveTo(2, top);
            path.lineTo(14, top);
            path.lineTo(8, top + 6);
            path.closeSubpath();
        }
        break;
    }
    return path;
}

QIcon drawIcon(Shape shape, const QColor& color)
{
    QPixmap pixmap(Side, Side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(160), 1));
    painter.setBrush(color);
    painter.drawPath(shapePath(shape));
    return QIcon(pixmap);
}

} // namespace

QList<QIcon> TreeImages()
{
    const QColor man(40, 90, 220);
    const QColor woman(220, 50, 60);
    QList<QIcon> icons;
    for (Shape shape : {Shape::Up, Shape::Star, Shape::Down, Shape::Double}) {
        icons.append(drawIcon(shape, man));
        icons.append(drawIcon(shape, woman));
    }
    return icons;
}

} // namespace kinrow
