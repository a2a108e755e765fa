#include "chart/chartlistbox.h"

#include <QStyledItemDelegate>

namespace kinrow {

// Gives every entry the list's item height.
class ChartListDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height};
    }

    int height = ChartListBox::ItemHeight;
};

ChartListBox::ChartListBox(QWidget* parent)
    : QListWidget(parent), delegate_(new ChartListDelegate(this))
{
    setItemDelegate(delegate_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPixelSize(11);
    setFont(verdana);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Button));
    setPalette(colours);
}

void ChartListBox::addPerson(const QString& text, qint32 recNo)
{
    auto* item = new QListWidgetItem(text);
    item->setData(RecNoRole, recNo);
    addItem(item);
}

qint32 ChartListBox::recNoAt(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(RecNoRole).toInt() : 0;
}

int ChartListBox::selectedRow() const
{
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

QStringList ChartListBox::texts() const
{
    QStringList result;
    for (int row = 0; row < count(); ++row)
        result.append(item(row)->text());
    return result;
}

void ChartListBox::setTextColor(const QColor& color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, color);
    setPalette(colours);
}

QColor ChartListBox::textColor() const
{
    return palette().color(QPalette::Text);
}

void ChartListBox::setItemHeight(int height)
{
    if (height == delegate_->height)
        return;
    delegate_->height = qMax(1, height);
    // Uniform item sizes are cached by the view; a new layout measures them again.
    doItemsLayout();
}

int ChartListBox::itemHeight() const
{
    return delegate_->height;
}

} // namespace kinrow
