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
        m_table.setRows(std::move(rows), *persons);
    else
        m_table.setRows(std::move(rows));
    m_persons = persons;
    m_recNoMain = recNoMain;
    m_lang = lang;
    endResetModel();
}

void ListeModel::setCollationLocale(const QLocale& locale)
{
    m_table.setCollationLocale(locale);
}

void ListeModel::setHeaderTexts(const QStringList& texts)
{
    m_headerTexts = texts;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ListeColumnCount - 1);
}

void ListeModel::setBaseFont(const QFont& font)
{
    m_baseFont = font;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ListeColumnCount - 1),
                           {Qt::FontRole});
}

void ListeModel::setColumnShaded(int column, bool shaded)
{
    if (column < 0 || column >= ListeColumnCount || m_shaded[std::size_t(column)] == shaded)
        return;
    m_shaded[std::size_t(column)] = shaded;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::BackgroundRole});
}

bool ListeModel::isColumnShaded(int column) const
{
    return column >= 0 && column < ListeColumnCount && m_shaded[std::size_t(column)];
}

void ListeModel::sortRows(int column, Qt::SortOrder order)
{
    relayout([this, column, order] { m_table.sort(column, order); },
             QAbstractItemModel::VerticalSortHint);
}

void ListeModel::setFilter(const QString& typed)
{
    relayout([this, &typed] { m_table.setFilter(typed); }, QAbstractItemModel::NoLayoutChangeHint);
}

template <typename Change>
void ListeModel::relayout(Change change, QAbstractItemModel::LayoutChangeHint hint)
{
    Q_EMIT layoutAboutToBeChanged({}, hint);
    const QModelIndexList before = persistentIndexList();
    std::vector<int> rowsBefore;
    rowsBefore.reserve(std::size_t(before.size()));
    for (const QModelIndex& idx : before)
        rowsBefore.push_back(m_table.shown()[std::size_t(idx.row())]);

    change();

    if (!before.isEmpty()) {
        const std::vector<int>& shown = m_table.shown();
        // Rows the change hid keep -1 and lose their indexes.
        std::vector<int> positionOfRow(m_table.order().size(), -1);
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
    return parent.isValid() ? 0 : m_table.size();
}

int ListeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ListeColumnCount;
}

QVariant ListeModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TListeData& row = m_table.at(index.row());
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
        section >= m_headerTexts.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_headerTexts[section];
}

const TTreeData* ListeModel::personOf(const TListeData& row) const
{
    // The rows are rebuilt before each use, but a stale number must never read past the list.
    if (!m_persons || row.No < 1 || std::size_t(row.No) > m_persons->size())
        return nullptr;
    return &(*m_persons)[std::size_t(row.No - 1)];
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
    return PersonSummary(*m_persons, *person, m_lang).replace(QLatin1Char('\r'), QLatin1Char('\n'));
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
    if (row.No != m_recNoMain)
        return {};
    QFont font = m_baseFont;
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() + 2);
    else
        font.setPixelSize(font.pixelSize() + 2);
    return font;
}

} // namespace kinrow
