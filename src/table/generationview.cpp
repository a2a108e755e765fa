#include "table/generationview.h"

#include "table/generationmodel.h"

#include <QEvent>
#include <QPainter>

namespace kinrow {

namespace {

bool hasLaterSibling(const QModelIndex& index)
{
    return index.row() + 1 < index.model()->rowCount(index.parent());
}

} // namespace

void GenerationView::drawBranches(QPainter* painter, const QRect& rect,
                                  const QModelIndex& index) const
{
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    if (selected) {
        const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
        painter->fillRect(rect, palette().brush(group, QPalette::Highlight));
    } else {
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QColor>())
            painter->fillRect(rect, background.value<QColor>());
    }
    drawTreeLines(painter, rect, index);
    QTreeView::drawBranches(painter, rect, index);
}

void GenerationView::drawTreeLines(QPainter* painter, const QRect& rect,
                                   const QModelIndex& index) const
{
    const int step = indentation();
    if (step <= 0 || rect.width() < step)
        return;
    painter->save();
    painter->setPen(QPen(palette().color(QPalette::Dark), 1, Qt::SolidLine));
    // The rightmost step belongs to the row itself: down from the row above to the middle,
    // on to the next sibling when there is one, and across to the name.
    int right = rect.right() + 1;
    const int middleY = rect.top() + rect.height() / 2;
    int x = right - step / 2 - 1;
    const bool hasPrevious = index.row() > 0 || index.parent().isValid();
    painter->drawLine(x, hasPrevious ? rect.top() : middleY, x,
                      hasLaterSibling(index) ? rect.bottom() : middleY);
    painter->drawLine(x, middleY, right - 1, middleY);
    // Every step further left carries on the line of an ancestor that has a later sibling.
    for (QModelIndex above = index.parent(); above.isValid(); above = above.parent()) {
        right -= step;
        x = right - step / 2 - 1;
        if (x < rect.left())
            break;
        if (hasLaterSibling(above))
            painter->drawLine(x, rect.top(), x, rect.bottom());
    }
    painter->restore();
}

void GenerationView::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() != QEvent::FontChange)
        return;
    if (auto* generations = qobject_cast<GenerationModel*>(model()))
        generations->setBaseFont(font());
}

} // namespace kinrow
