#include "table/generationmodel.h"

#include "table/generationcolumns.h"
#include "table/treeimages.h"

#include <QColor>

namespace kinrow {

GenerationModel::GenerationModel(QObject* parent)
    : QAbstractItemModel(parent), headers_(StartGenerationHeaders()), icons_(TreeImages())
{}

void GenerationModel::setTable(GenerationTable table, qint32 recNoMain)
{
    beginResetModel();
    table_ = std::move(table);
    recNoMain_ = recNoMain;
    endResetModel();
}

void GenerationModel::clear()
{
    setTable(GenerationTable(), recNoMain_);
}

void GenerationModel::setHeaders(const QStringList& headers)
{
    headers_ = headers;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, GenerationColumnCount - 1);
}

void GenerationModel::setBaseFont(const QFont& font)
{
    baseFont_ = font;
    if (table_.size() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, GenerationColumnCount - 1),
                           {Qt::FontRole});
}

QModelIndex GenerationModel::indexOfRow(qint32 row, int column) const
{
    if (row < 0 || row >= table_.size())
        return {};
    return createIndex(int(table_.rowInParent(row)), column, quintptr(row));
}

qint32 GenerationModel::rowOf(const QModelIndex& index)
{
    return index.isValid() ? qint32(index.internalId()) : -1;
}

QModelIndex GenerationModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= GenerationColumnCount || row < 0)
        return {};
    const qint32 parentRow = parent.isValid() ? rowOf(parent) : GenerationTable::NoParent;
    if (parent.isValid() && parent.column() != 0)
        return {};
    if (row >= table_.childCount(parentRow))
        return {};
    return createIndex(row, column, quintptr(table_.child(parentRow, row)));
}

QModelIndex GenerationModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return {};
    return indexOfRow(table_.parent(rowOf(child)));
}

int GenerationModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(table_.childCount(parent.isValid() ? rowOf(parent) : GenerationTable::NoParent));
}

int GenerationModel::columnCount(const QModelIndex&) const
{
    return GenerationColumnCount;
}

bool GenerationModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QVariant GenerationModel::background(const TGenerationRow& row) const
{
    if (row.RecNo == recNoMain_)
        return QColor(0xFF, 0xFF, 0x00);
    if (row.SexCode == SexMale)
        return QColor(0x80, 0xFF, 0xFF);
    if (row.SexCode == SexFemale)
        return QColor(0xFF, 0x80, 0x80);
    return {};
}

QFont GenerationModel::font(const TGenerationRow& row, int column) const
{
    const ExportFont plain;
    const ExportFont cell = GenerationCellFont(row, column, recNoMain_, plain);
    QFont result = baseFont_;
    result.setBold(cell.bold);
    if (cell.pointSize != plain.pointSize) {
        // Two points larger; a font sized in pixels grows by as many pixels at 96 dots per inch.
        if (result.pointSizeF() > 0)
            result.setPointSizeF(result.pointSizeF() + cell.pointSize - plain.pointSize);
        else
            result.setPixelSize(result.pixelSize() + (cell.pointSize - plain.pointSize) * 4 / 3);
    }
    return result;
}

QVariant GenerationModel::data(const QModelIndex& index, int role) const
{
    const qint32 r = rowOf(index);
    if (r < 0 || r >= table_.size())
        return {};
    const TGenerationRow& row = table_.row(r);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return GenerationCellText(row, index.column());
    case Qt::DecorationRole:
        if (index.column() == ColFullName && row.ImageIndex >= 0 && row.ImageIndex < icons_.size())
            return icons_[row.ImageIndex];
        return {};
    case Qt::BackgroundRole:
        return background(row);
    case Qt::FontRole:
        return font(row, index.column());
    case Qt::ForegroundRole:
        if (row.RecNo == recNoMain_ && row.SexCode == SexMale)
            return QColor(0, 0, 0xFF);
        if (row.RecNo == recNoMain_ && row.SexCode == SexFemale)
            return QColor(0xFF, 0, 0);
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == ColGeneration)
            return int(Qt::AlignCenter);
        return {};
    default:
        return {};
    }
}

QVariant GenerationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= GenerationColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return headers_.value(section);
    if (role == Qt::TextAlignmentRole && section == ColGeneration)
        return int(Qt::AlignCenter);
    return {};
}

} // namespace kinrow
