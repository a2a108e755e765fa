#pragma once

#include "print/printtable.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>

#include <functional>

namespace kinrow {

// The visible rows of the print table in display order, with a two-state check box in the
// record-number column, the sexes' colours, the current person's emphasis and the sort
// column's background.
class PrintModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr QRgb SortColumnBackground = 0xF7F7F7;

    explicit PrintModel(PrintTable& table, QObject* parent = nullptr);

    // The rows, their visibility or their order changed as a whole.
    void refresh();
    // The record whose given name and surname are emphasised.
    void setCurrentRecNo(qint32 recNo);
    // The table's font, from which the emphasis is made.
    void setBaseFont(const QFont& font);
    // The index into the table's rows of the visible row at a model row.
    int tableIndex(int modelRow) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    // The user changed a row's check: the counters and choices follow.
    void checkChanged();

private:
    QVariant nameCellData(const TPrintData& row, int role) const;

    PrintTable& table_;
    qint32 currentRecNo_ = 0;
    QFont baseFont_;
};

} // namespace kinrow
