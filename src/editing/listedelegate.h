#pragma once

#include <QStyledItemDelegate>

namespace kinrow {

// Draws the selection list's cells at a fixed row height with vertical grid lines.
class ListeDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 16;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace kinrow
