#pragma once

#include "model/person.h"

#include <QStyledItemDelegate>

namespace kinrow {

// Draws one entry of a relatives list: fixed height, Verdana 12 px, silver when selected,
// blue for men and red for everybody else.
class PersonListDelegate : public QStyledItemDelegate
{
public:
    PersonListDelegate(const PersonList& persons, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The colour an entry carrying recNo is drawn in.
    QColor colorFor(qint32 recNo) const;

private:
    const PersonList& persons_;
    QFont font_;
};

} // namespace kinrow
