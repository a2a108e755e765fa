#pragma once

#include <QListWidget>

namespace kinrow {

class ChartListDelegate;

// A spouse or child list of the chart page: entries of one fixed height in the list's own
// colour, each carrying the record number of the person it names.
class ChartListBox : public QListWidget
{
    Q_OBJECT
public:
    static constexpr int RecNoRole = Qt::UserRole + 1;
    static constexpr int ItemHeight = 13;

    explicit ChartListBox(QWidget* parent = nullptr);

    void addPerson(const QString& text, qint32 recNo);
    qint32 recNoAt(int row) const;
    // The selected entry's row, -1 when none is selected.
    int selectedRow() const;
    QStringList texts() const;

    // The colour of every entry's text.
    void setTextColor(const QColor& color);
    QColor textColor() const;
    void setItemHeight(int height);
    int itemHeight() const;

private:
    ChartListDelegate* delegate_;
};

} // namespace kinrow
