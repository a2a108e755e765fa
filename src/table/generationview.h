#pragma once

#include <QTreeView>

namespace kinrow {

// The generation table's tree grid: the row colour also fills the indentation before the
// name, so that each row reads as one coloured band as in the rest of its cells.
class GenerationView : public QTreeView
{
    Q_OBJECT
public:
    using QTreeView::QTreeView;

protected:
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;
};

} // namespace kinrow
