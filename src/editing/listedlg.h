#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QDialog>
#include <QLocale>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kinrow {

class ListeModel;
class Prompts;

// The modal person selection list: a sortable grid of persons from which the user picks one.
// Created once and reused; the sort column and direction survive from one use to the next.
class TForm_ListeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TForm_ListeDlg(QWidget* parent = nullptr);

    // The main window's font name, applied each time the list is shown.
    void setMainFontName(const QString& name);
    // Collation of the name columns; the user's locale unless set.
    void setCollationLocale(const QLocale& locale);

    // The jump list: every person in record order, record recNoMain focused and selected.
    void FillJumpList(const PersonList& persons, qint32 recNoMain, Lang lang);
    // The candidate list for a new link: the given records, nothing focused or selected.
    void FillCandidateList(const PersonList& persons, qint32 recNoMain, Lang lang,
                           const QString& caption, const QString& warning,
                           const QList<qint32>& candidates);

    // Fills the jump list, shows it modally through prompts and returns the focused record on
    // OK.
    std::optional<qint32> SB_ListeClick(Prompts& prompts, const PersonList& persons,
                                        qint32 recNoMain, Lang lang);
    // Fills the candidate list, shows it modally through prompts and returns the selected
    // record on OK.
    std::optional<qint32> ChooseCandidate(Prompts& prompts, const PersonList& persons,
                                          qint32 recNoMain, Lang lang, const QString& caption,
                                          const QString& warning, const QList<qint32>& candidates);

    // Makes the row of record recNo the focused and selected row; false when it is not listed.
    bool selectRecord(qint32 recNo);
    std::optional<qint32> focusedRecord() const;
    std::optional<qint32> selectedRecord() const;
    // -1 until a header has been clicked.
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    void FormActivate();
    // x is 0 only for the re-sort on showing, which keeps the direction.
    void VST_ListeHeaderClick(int column, Qt::MouseButton button, int x);
    void VST_ListeDblClick(const QModelIndex& index);
    // Narrows the list to the persons whose names or birth year contain the typed text.
    void Edit_FindChange(const QString& typed);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void configureGrid();
    void resetRows(const PersonList& persons, const QList<qint32>* recNos, qint32 recNoMain,
                   Lang lang);
    void scrollFocusedToTenthRow();
    void selectRow(int row);
    // Keys of the search field that act on the list; true when the key was used.
    bool Edit_FindKeyPress(int key);

    QLineEdit* Edit_Find = nullptr;
    QTableView* VST_Liste = nullptr;
    QLabel* Lb_Dikkat = nullptr;
    QPushButton* BitBtn_Tamam = nullptr;
    QPushButton* BitBtn_Iptal = nullptr;
    ListeModel* model_ = nullptr;

    QString callerText_; // what the caller put under the count
    QString mainFontName_;
    Lang lang_ = Lang::English;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
};

} // namespace kinrow
