#include "print/printmodel.h"

#include <QBrush>
#include <QColor>

namespace kinrow {

namespace {

// The headings as stored with the window, the same in both languages.
const char* const Headings[PrintColumnCount] = {
    "No", "Ad", "Soyad", "Dogum Yeri", "Dogum Tarihi", "Anne", "Baba", "Esleri", "Cocuklar"};

} // namespace

PrintModel::PrintModel(PrintTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{}

void PrintModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void PrintModel::setCurrentRecNo(qint32 recNo)
{
    currentRecNo_ = recNo;
}

void PrintModel::setBaseFont(const QFont& font)
{
    baseFont_ = font;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, PrintColumnGivenName),
                           index(rowCount() - 1, PrintColumnSurname), {Qt::FontRole});
}

int PrintModel::tableIndex(int modelRow) const
{
    return table_.visibleOrder()[std::size_t(modelRow)];
}

int PrintModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.visibleCount();
}

int PrintModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PrintColumnCount;
}

QVariant PrintModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int column = index.column();
    const int row = tableIndex(index.row());
    const TPrintData& data = table_.row(row);
    switch (role) {
    case Qt::DisplayRole:
        return PrintCellText(data, column);
    case Qt::CheckStateRole:
        if (column == PrintColumnNo)
            return table_.isChecked(row) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::BackgroundRole:
        if (column == table_.sortColumn())
            return QBrush(QColor(SortColumnBackground));
        return {};
    case Qt::ForegroundRole:
    case Qt::FontRole:
        if (column == PrintColumnGivenName || column == PrintColumnSurname)
            return nameCellData(data, role);
        return {};
    default:
        return {};
    }
}

QVariant PrintModel::nameCellData(const TPrintData& row, int role) const
{
    if (role == Qt::ForegroundRole) {
        if (row.Sex == SexMale)
            return QBrush(QColor(0, 0, 255));
        if (row.Sex == SexFemale)
            return QBrush(QColor(255, 0, 0));
        return {};
    }
    if (row.RecNo != currentRecNo_)
        return {};
    QFont emphasis = baseFont_;
    emphasis.setBold(true);
    if (emphasis.pixelSize() > 0)
        emphasis.setPixelSize(emphasis.pixelSize() + 2);
    else
        emphasis.setPointSizeF(emphasis.pointSizeF() + 2);
    return emphasis;
}

bool PrintModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != PrintColumnNo ||
        !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    table_.setCheckedByUser(tableIndex(index.row()), checked);
    Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
    Q_EMIT checkChanged();
    return true;
}

Qt::ItemFlags PrintModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == PrintColumnNo)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

QVariant PrintModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= PrintColumnCount)
        return {};
    return QString::fromLatin1(Headings[section]);
}

} // namespace kinrow
