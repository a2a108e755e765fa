#pragma once

#include <QTreeView>

namespace kinrow {

// The generation table's tree grid: the row colour also fills the indentation before the
// name, so that each row reads as one coloured band as in the rest of its cells (the selection
// colour on the selected row); solid tree lines join each row to its parent; the model's fonts
// follow the grid's font when the window is resized.
class GenerationView : public QTreeView
{
    Q_OBJECT
public:
    using QTreeView::QTreeView;

protected:
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;
    void changeEvent(QEvent* event) override;

private:
    void drawTreeLines(QPainter* painter, const QRect& rect, const QModelIndex& index) const;
};

} // namespace kinrow
