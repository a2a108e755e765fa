#include "chart/chartpictures.h"

#include "chart/ancestorslots.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kinrow {

namespace {

constexpr int Sharpness = 2;

QPixmap Canvas(QSize size)
{
    QPixmap pixmap(size * Sharpness);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The bracket joining a child's slot to its parents' slots: a vertical line in the gap before
// the parents, and a stub to each parent.
void DrawBracket(QPainter& painter, QRect child, QRect father, QRect mother)
{
    const int x =
        child.right() < father.left() ? (child.right() + father.left() + 1) / 2 : father.left() - 8;
    const QPointF top(x, father.center().y());
    const QPointF bottom(x, mother.center().y());
    const QPointF middle(x, child.center().y());
    painter.setPen(QPen(QColor(0, 0, 255), 1.5));
    painter.drawLine(middle, top);
    painter.drawLine(top, QPointF(father.left(), top.y()));
    painter.setPen(QPen(QColor(255, 0, 0), 1.5));
    painter.drawLine(middle, bottom);
    painter.drawLine(bottom, QPointF(mother.left(), bottom.y()));
    if (child.right() < x)
        painter.drawLine(QPointF(child.right(), middle.y()), middle);
}

} // namespace

QPixmap ChartLinesPicture(const std::function<QRect(int slot)>& slotRect)
{
    QPixmap pixmap = Canvas(ChartLinesRect.size());
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Sharpness, Sharpness);
    painter.translate(-ChartLinesRect.topLeft());
    for (int child = 1; 2 * child + 1 <= AncestorSlotCount; ++child)
        DrawBracket(painter, slotRect(child), slotRect(2 * child), slotRect(2 * child + 1));
    return pixmap;
}

QPixmap TreePicture()
{
    const QSize size = TreePictureRect.size();
    QPixmap pixmap = Canvas(size);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Sharpness, Sharpness);
    const double w = size.width();
    const double h = size.height();
    QPainterPath trunk;
    trunk.moveTo(w * 0.45, h * 0.55);
    trunk.lineTo(w * 0.55, h * 0.55);
    trunk.lineTo(w * 0.60, h * 0.98);
    trunk.lineTo(w * 0.40, h * 0.98);
    trunk.closeSubpath();
    painter.fillPath(trunk, QColor(0x79, 0x55, 0x48));
    // Overlapping round leaves make the crown.
    const QPointF leaves[] = {{0.50, 0.30}, {0.32, 0.40}, {0.68, 0.40},
                              {0.40, 0.20}, {0.60, 0.20}, {0.50, 0.48}};
    for (const QPointF& leaf : leaves) {
        const QPointF centre(leaf.x() * w, leaf.y() * h);
        QRadialGradient shade(centre, h * 0.22, centre - QPointF(h * 0.06, h * 0.06));
        shade.setColorAt(0, QColor(0x9C, 0xCC, 0x65));
        shade.setColorAt(1, QColor(0x2E, 0x7D, 0x32));
        painter.setPen(Qt::NoPen);
        painter.setBrush(shade);
        painter.drawEllipse(centre, h * 0.2, h * 0.2);
    }
    return pixmap;
}

} // namespace kinrow
