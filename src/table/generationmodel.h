#pragma once

#include "table/generationtable.h"

#include <QAbstractItemModel>
#include <QFont>
#include <QIcon>
#include <QStringList>

namespace kinrow {

// The generation table's rows as a tree model: eight columns by fixed index, the row colours
// and fonts of the grid, and the row icons. Rows are the table's own; no item per row.
class GenerationModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit GenerationModel(QObject* parent = nullptr);

    // Replaces every row; recNoMain names the person whose rows stand out.
    void setTable(GenerationTable table, qint32 recNoMain);
    void clear();
    const GenerationTable& table() const { return table_; }
    qint32 recNoMain() const { return recNoMain_; }

    void setHeaders(const QStringList& headers);
    QStringList headers() const { return headers_; }
    // The grid's font, from which the bold and enlarged cell fonts are made.
    void setBaseFont(const QFont& font);

    // The model index of a table row, and the table row of an index (-1 for none).
    QModelIndex indexOfRow(qint32 row, int column = 0) const;
    static qint32 rowOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QVariant background(const TGenerationRow& row) const;
    QFont font(const TGenerationRow& row, int column) const;

    GenerationTable table_;
    qint32 recNoMain_ = 0;
    QStringList headers_;
    QFont baseFont_;
    QList<QIcon> icons_;
};

} // namespace kinrow
