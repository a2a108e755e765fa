#pragma once

#include "editing/listedata.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QStringList>

#include <array>

namespace kinrow {

// The rows of the person selection list as a three-column item model.
class ListeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Roles
    {
        RecNoRole = Qt::UserRole + 1
    };

    explicit ListeModel(QObject* parent = nullptr);

    // The persons must outlive the rows; they give each row its sex and its hint.
    void setRows(std::vector<TListeData> rows, const PersonList* persons, qint32 recNoMain,
                 Lang lang);
    void setCollationLocale(const QLocale& locale);
    void setHeaderTexts(const QStringList& texts);
    void setBaseFont(const QFont& font);
    void setColumnShaded(int column, bool shaded);
    bool isColumnShaded(int column) const;

    // Stable sort that keeps the selection and the focused row on their persons.
    void sortRows(int column, Qt::SortOrder order);
    // Shows only the rows that contain typed (see ListeTable::setFilter); the selection and the
    // focused row stay on their persons while these are shown.
    void setFilter(const QString& typed);

    const ListeTable& table() const { return table_; }
    // Row of record number no in the current order, -1 when absent.
    int rowOfNo(qint32 no) const { return table_.positionOfNo(no); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    // Applies a change of the shown rows or their order, moving the persistent indexes along.
    template <typename Change>
    void relayout(Change change, QAbstractItemModel::LayoutChangeHint hint);
    const TTreeData* personOf(const TListeData& row) const;
    QVariant VST_ListeGetText(const TListeData& row, int column) const;
    QVariant VST_ListeGetHint(const TListeData& row) const;
    QVariant paintColour(const TListeData& row, int column) const;
    QVariant paintFont(const TListeData& row) const;

    ListeTable table_;
    const PersonList* persons_ = nullptr;
    qint32 recNoMain_ = 0;
    Lang lang_ = Lang::English;
    QStringList headerTexts_{QStringLiteral("No"), QStringLiteral("Ad"), QStringLiteral("Soyad")};
    QFont baseFont_;
    std::array<bool, ListeColumnCount> shaded_{true, false, false};
};

} // namespace kinrow
