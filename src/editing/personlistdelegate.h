#pragma once

#include "model/person.h"

#include <QStyledItemDelegate>

#include <algorithm>

namespace kinrow {

// Draws one entry of a relatives list: one height for all entries, Verdana 12 px, silver when
// selected, blue for men and red for everybody else.
class PersonListDelegate : public QStyledItemDelegate
{
public:
    PersonListDelegate(const PersonList& persons, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    int itemHeight() const { return itemHeight_; }
    // The entries' text grows with their height: 12 pixels at the designed 14.
    void setItemHeight(int height);
    const QFont& font() const { return font_; }

    // The colour an entry carrying recNo is drawn in.
    QColor colorFor(qint32 recNo) const;

private:
    const PersonList& persons_;
    QFont font_;
    int itemHeight_;
};

} // namespace kinrow
