#include "editing/personlistbox.h"

#include "editing/personlistdelegate.h"

namespace kinrow {

PersonListBox::PersonListBox(const PersonList& persons, QWidget* parent)
    : QListWidget(parent), delegate_(new PersonListDelegate(persons, this))
{
    setItemDelegate(delegate_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void PersonListBox::addPerson(const QString& text, qint32 recNo)
{
    auto* item = new QListWidgetItem(text);
    item->setData(RecNoRole, recNo);
    item->setForeground(delegate_->colorFor(recNo));
    addItem(item);
}

void PersonListBox::refreshColours()
{
    for (int row = 0; row < count(); ++row)
        item(row)->setForeground(delegate_->colorFor(recNoAt(row)));
}

qint32 PersonListBox::recNoAt(int row) const
{
    const QListWidgetItem* entry = item(row);
    return entry ? entry->data(RecNoRole).toInt() : 0;
}

QList<qint32> PersonListBox::recNos() const
{
    QList<qint32> result;
    result.reserve(count());
    for (int row = 0; row < count(); ++row)
        result.append(recNoAt(row));
    return result;
}

void PersonListBox::setItemHeight(int height)
{
    if (height == delegate_->itemHeight())
        return;
    delegate_->setItemHeight(height);
    // Uniform item sizes are cached by the view; a new layout measures them again.
    doItemsLayout();
}

int PersonListBox::itemHeight() const
{
    return delegate_->itemHeight();
}

int PersonListBox::entryFontPixelSize() const
{
    return delegate_->font().pixelSize();
}

bool PersonListBox::containsRecNo(qint32 recNo) const
{
    for (int row = 0; row < count(); ++row) {
        if (recNoAt(row) == recNo)
            return true;
    }
    return false;
}

int PersonListBox::selectedRow() const
{
    const QList<QListWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : row(chosen.first());
}

} // namespace kinrow
