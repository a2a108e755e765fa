#include "editing/personlistdelegate.h"

#include "editing/personlistbox.h"

#include <QPainter>

#include <algorithm>

namespace kinrow {

PersonListDelegate::PersonListDelegate(const PersonList& persons, QObject* parent)
    : QStyledItemDelegate(parent), persons_(persons), font_(QStringLiteral("Verdana")),
      itemHeight_(PersonListBox::ItemHeight)
{
    setItemHeight(itemHeight_);
}

void PersonListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect,
                      selected ? QColor(192, 192, 192) : option.palette.color(QPalette::Base));
    painter->setFont(font_);
    const QVariant foreground = index.data(Qt::ForegroundRole);
    painter->setPen(foreground.isValid() ? foreground.value<QBrush>().color()
                                         : colorFor(index.data(PersonListBox::RecNoRole).toInt()));
    painter->drawText(option.rect.translated(0, -1),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize PersonListDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const int width = QFontMetrics(font_).horizontalAdvance(index.data().toString());
    return {width, itemHeight_};
}

void PersonListDelegate::setItemHeight(int height)
{
    itemHeight_ = std::max(1, height);
    font_.setPixelSize(std::max(1, itemHeight_ * 12 / PersonListBox::ItemHeight));
}

QColor PersonListDelegate::colorFor(qint32 recNo) const
{
    // An entry whose number names no record (an empty or changed list) is drawn like a woman.
    const bool known = recNo >= 1 && std::size_t(recNo) <= persons_.size();
    if (known && persons_[std::size_t(recNo - 1)].Sex == SexMale)
        return QColor(0, 0, 255);
    return QColor(255, 0, 0);
}

} // namespace kinrow
