#pragma once

#include "model/person.h"

#include <QListWidget>

namespace kinrow {

class PersonListDelegate;

// A list of relatives of the current person: one entry per person, each carrying the
// person's record number, drawn by PersonListDelegate in its foreground colour, the colour of the
// person's sex.
class PersonListBox : public QListWidget
{
    Q_OBJECT
public:
    static constexpr int RecNoRole = Qt::UserRole + 1;
    static constexpr int ItemHeight = 14;

    PersonListBox(const PersonList& persons, QWidget* parent = nullptr);

    // Adds an entry in the colour of the person's sex (the item's foreground).
    void addPerson(const QString& text, qint32 recNo);
    // Gives every entry the colour of its person's sex again, after a sex change.
    void refreshColours();
    qint32 recNoAt(int row) const;
    // The record numbers of all entries, in list order.
    QList<qint32> recNos() const;
    // Whether the list holds an entry carrying recNo.
    bool containsRecNo(qint32 recNo) const;
    // The selected entry's row, -1 when none is selected.
    int selectedRow() const;
    // The height of every entry; ItemHeight at the window's design width.
    void setItemHeight(int height);
    int itemHeight() const;
    int entryFontPixelSize() const;

private:
    PersonListDelegate* delegate_;
};

} // namespace kinrow
