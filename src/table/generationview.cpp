#include "table/generationview.h"

#include <QPainter>

namespace kinrow {

void GenerationView::drawBranches(QPainter* painter, const QRect& rect,
                                  const QModelIndex& index) const
{
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.canConvert<QColor>())
        painter->fillRect(rect, background.value<QColor>());
    QTreeView::drawBranches(painter, rect, index);
}

} // namespace kinrow
