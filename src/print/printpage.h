#pragma once

#include "model/session.h"
#include "print/printtable.h"
#include "table/tableexport.h"

#include <QCheckBox>
#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QToolButton;

namespace kinrow {

class PrintModel;
class Prompts;
class SessionButtons;
class SpeedButton;

// A check box that shows or hides the print table's column held in its Tag.
class ColumnCheckBox : public QCheckBox
{
public:
    ColumnCheckBox(int tag, QWidget* parent) : QCheckBox(parent), tag_(tag) {}
    int tag() const { return tag_; }

private:
    int tag_;
};

// The print page: every person in a table with check boxes, narrowed by a scope, with hidden
// unchecked rows, optional columns and a sort by heading, and the inner pages for printing,
// saving, pictures, the program font, the ".ged" association and the family check.
class PrintPage : public QWidget
{
    Q_OBJECT
public:
    PrintPage(Session& session, Prompts& prompts, QWidget* parent = nullptr);

    PrintTable& table() { return table_; }
    const PrintTable& table() const { return table_; }
    PrintModel* model() const { return model_; }

    // Rebuilds the table from the family, gives the back button the person's title and
    // applies the scope (an unset scope becomes the family).
    void SB_YazClick();
    void ComboBox_P_ListeChange();
    void RG_P_ChecksClick();
    void CheckBoxVST_ColumnsClick(ColumnCheckBox* box);
    void VST_PrintHeaderClick(int column);
    void VST_PrintColumnDblClick(const QModelIndex& index);

    // Shows the working folder under the picture tab.
    void showCurrentDir(const QString& folder);
    // The start-up font's name on the default-font button, drawn in that font, and shown.
    void showDefaultFontButton(const QString& fontName);
    // How a move of pictures saves the family (true once saved).
    void setFamilySaver(std::function<bool()> save) { saveFamily_ = std::move(save); }
    // Whether ".ged" files open with this program, and how to change that (true when done).
    void setAssociation(bool ticked, std::function<bool(bool)> change);
    bool associationTicked() const { return associationTicked_; }

    // The record numbers of the ticked rows in display order.
    QList<qint32> checkedRecNos() const;
    // Indexes of the shown columns in index order.
    QList<int> shownColumns() const;
    // The table's visible rows and columns as a file of the format.
    QByteArray exportContent(ExportFormat format) const;
    // The same into device, a piece at a time; false when a write failed.
    bool writeExport(ExportFormat format, QIODevice& device) const;

Q_SIGNALS:
    // The user opened person recNo from the table (a double click).
    void personRequested(qint32 recNo);
    void backRequested();
    // The family check found these lines, for the error list.
    void findingsReady(const QStringList& lines);
    // The font dialog chose another font family for the program.
    void programFontChosen(const QString& family);
    // The default-font button: the program font goes back to the start-up one.
    void defaultFontRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createInnerPages();
    void createTable();
    void connectControls();
    void connectInnerPages();
    // The page's translated captions (the scope items lose their selection).
    void retranslate();
    void VST_PrintChecked();
    void showScope();
    void showUncheckedRows();
    void showChecked();
    void showVisible();
    void showCount(QLabel* label, Msg word, int count);
    void showSortColumn();
    // The record of the focused row, 0 without one; and the focus put back on a record's row.
    qint32 focusedRecNo() const;
    void focusRecNo(qint32 recNo);

    // The inner pages' buttons.
    void BitBtn_YazClick();
    void BitBtn_P_KaydetClick();
    void BitBtn_P_ResimClick();
    void BitBtn_FontClick();
    void SB_DefFontClick();
    void CheckBox_GEDClick(bool ticked);
    void BitBtn_CheckClick();
    void BitBtn_GedExportClick();

    Session& session_;
    Prompts& prompts_;
    PrintTable table_;
    PrintModel* model_;
    QButtonGroup* checksGroup_;
    SessionButtons* buttons_;
    std::function<bool()> saveFamily_;
    std::function<bool(bool)> changeAssociation_;
    bool associationTicked_ = false;

    SpeedButton* SB_P_Back;
    QLabel* Lb_P_Liste;
    QComboBox* ComboBox_P_Liste;
    QGroupBox* RG_P_Checks;
    QRadioButton* RG_P_Hide;
    QRadioButton* RG_P_Show;
    QLabel* Lb_P_Tplm;
    QLabel* Lb_P_Visible;
    QLabel* Lb_P_Checked;
    // CheckBox1 to CheckBox6 with the column indexes 5, 7, 3, 4, 6, 8.
    std::array<ColumnCheckBox*, 6> columnBoxes_;
    QTabWidget* PageControl_P;
    QWidget* TabSheet_P;
    QLabel* Lb_P_Info;
    QPushButton* BitBtn_Yaz;
    QWidget* TabSheet_P_Kaydet;
    QLabel* Lb_P_Save;
    QPushButton* BitBtn_P_Kaydet;
    QWidget* TabSheet_P_Resim;
    QLabel* Lb_P_Resim;
    QLabel* Lb_P_CurrentDir;
    QPushButton* BitBtn_P_Resim;
    QCheckBox* CheckBox_P_RSil;
    QCheckBox* CheckBox_P_RSelected;
    QWidget* TabSheet_P_Font;
    QLabel* Lb_P_Font;
    QPushButton* BitBtn_Font;
    QToolButton* SB_DefFont;
    QWidget* TabSheet_P_Diger;
    QCheckBox* CheckBox_GED;
    QPushButton* BitBtn_Check;
    QPushButton* BitBtn_GedExport;
    QTableView* VST_Print;
};

} // namespace kinrow
