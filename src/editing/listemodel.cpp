#include "editing/listemodel.h"

#include "editing/persontexts.h"

#include <QColor>

namespace kinrow {

namespace {
const QColor ShadeColour(247, 247, 247); // $F7F7F7
const QColor MaleColour(0, 0, 255);
const QColor FemaleColour(255, 0, 0);
} // namespace

ListeModel::ListeModel(QObject* parent) : QAbstractTableModel(parent) {}

void ListeModel::setRows(std::vector<TListeData> rows, const PersonList* persons, qint32 recNoMain,
                         Lang lang)
{
    beginResetModel();
    if (persons)
        table_.setRows(std::move(rows), *persons);
    else
        table_.setRows(std::move(rows));
    persons_ = persons;
    recNoMain_ = recNoMain;
    lang_ = lang;
    endResetModel();
}

void ListeModel::setCollationLocale(const QLocale& locale)
{
    table_.setCollationLocale(locale);
}

void ListeModel::setHeaderTexts(const QStringList& texts)
{
    headerTexts_ = texts;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ListeColumnCount - 1);
}

void ListeModel::setBaseFont(const QFont& font)
{
    baseFont_ = font;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ListeColumnCount - 1),
                           {Qt::FontRole});
}

void ListeModel::setColumnShaded(int column, bool shaded)
{
    if (column < 0 || column >= ListeColumnCount || shaded_[std::size_t(column)] == shaded)
        return;
    shaded_[std::size_t(column)] = shaded;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::BackgroundRole});
}

bool ListeModel::isColumnShaded(int column) const
{
    return column >= 0 && column < ListeColumnCount && shaded_[std::size_t(column)];
}

void ListeModel::sortRows(int column, Qt::SortOrder order)
{
    relayout([this, column, order] { table_.sort(column, order); },
             QAbstractItemModel::VerticalSortHint);
}

void ListeModel::setFilter(const QString& typed)
{
    relayout([this, &typed] { table_.setFilter(typed); }, QAbstractItemModel::NoLayoutChangeHint);
}

template <typename Change>
void ListeModel::relayout(Change change, QAbstractItemModel::LayoutChangeHint hint)
{
    Q_EMIT layoutAboutToBeChanged({}, hint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rowsBefore;
    rowsBefore.reserve(std::size_t(before.size()));
    for (const QModelIndex& idx : before)
        rowsBefore.push_back(table_.shown()[std::size_t(idx.row())]);

    change();

    if (!before.isEmpty()) {
        const std::vector<int>& shown = table_.shown();
        // Rows the change hid keep -1 and lose their indexes.
        std::vector<int> positionOfRow(table_.order().size(), -1);
        for (std::size_t pos = 0; pos < shown.size(); ++pos)
            positionOfRow[std::size_t(shown[pos])] = int(pos);
        QModelIndexList after;
        after.reserve(before.size());
        for (qsizetype i = 0; i < before.size(); ++i) {
            const int pos = positionOfRow[std::size_t(rowsBefore[std::size_t(i)])];
            after.append(pos < 0 ? QModelIndex() : index(pos, before[i].column()));
        }
        changePersistentIndexList(before, after);
    }
    Q_EMIT layoutChanged({}, hint);
}

int ListeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : table_.size();
}

int ListeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ListeColumnCount;
}

QVariant ListeModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TListeData& row = table_.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return VST_ListeGetText(row, index.column());
    case Qt::ToolTipRole:
        return VST_ListeGetHint(row);
    case Qt::ForegroundRole:
        return paintColour(row, index.column());
    case Qt::FontRole:
        return paintFont(row);
    case Qt::BackgroundRole:
        return isColumnShaded(index.column()) ? QVariant(ShadeColour) : QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == ListeColumnNo)
            return QVariant(Qt::AlignCenter);
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case RecNoRole:
        return row.No;
    default:
        return {};
    }
}

QVariant ListeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= headerTexts_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return headerTexts_[section];
}

const TTreeData* ListeModel::personOf(const TListeData& row) const
{
    // The rows are rebuilt before each use, but a stale number must never read past the list.
    if (!persons_ || row.No < 1 || std::size_t(row.No) > persons_->size())
        return nullptr;
    return &(*persons_)[std::size_t(row.No - 1)];
}

QVariant ListeModel::VST_ListeGetText(const TListeData& row, int column) const
{
    switch (column) {
    case ListeColumnNo:
        return QString::number(row.No);
    case ListeColumnAd:
        return row.Ad;
    default:
        return row.Soyad;
    }
}

QVariant ListeModel::VST_ListeGetHint(const TListeData& row) const
{
    const TTreeData* person = personOf(row);
    if (!person)
        return {};
    // Tooltips break lines at LF only.
    return PersonSummary(*persons_, *person, lang_).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QVariant ListeModel::paintColour(const TListeData& row, int column) const
{
    const TTreeData* person = personOf(row);
    if (column == ListeColumnNo || !person)
        return {};
    if (person->Sex == SexMale)
        return MaleColour;
    if (person->Sex == SexFemale)
        return FemaleColour;
    return {};
}

QVariant ListeModel::paintFont(const TListeData& row) const
{
    if (row.No != recNoMain_)
        return {};
    QFont font = baseFont_;
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2);
    else
        font.setPixelSize(font.pixelSize() + 2);
    return font;
}

} // namespace kinrow
