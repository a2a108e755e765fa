#pragma once

#include "model/session.h"
#include "table/tableexport.h"
#include "table/tablepageui.h"

#include <QWidget>

#include <functional>

class QIODevice;
class QModelIndex;

namespace kinrow {

class GenerationModel;
class Prompts;
class SessionButtons;

// The generation table page: the ancestors and descendants of the current person as one tree
// grid over a chosen number of generations, its pop-up menu and its export.
class TablePage : public QWidget, private TablePageUi
{
    Q_OBJECT
public:
    TablePage(Session& session, Prompts& prompts, QWidget* parent = nullptr);

    // Builds the table for the current record and shows the page.
    void SB_TViewClick();
    // Asks for a new generation limit and builds the table again.
    void BitBtn_NesilClick();
    // Saves the table in the format chosen in the save dialog.
    void BitBtn_Nesil_SaveClick();

    // A row became the current one: its person goes to the title label and the picture panel.
    void VSTChange(const QModelIndex& current);
    // Opens the pop-up menu for a right click at pos (viewport coordinates).
    void VSTGetPopupMenu(const QPoint& pos);
    void HepsiniA1Click();
    void HepsiniKapat1Click();
    void KisiBilgileriClick();
    void M_ArkadaResimClick();
    void M_SatirSecimiClick();
    void ColumnVisibleClick(QAction* item);

    // Shows the current picture of person recNo on the page's picture panel.
    void ShowPicture(qint32 recNo);
    // Shows again the picture of the person named in the title label.
    void showShownPicture() { ShowPicture(shownRecNo_); }

    int generationLimit() const { return generationLimit_; }
    GenerationModel* model() const { return model_; }

Q_SIGNALS:
    // The page wants to be the active page.
    void activated();
    // The user opened person recNo from this page.
    void personRequested(qint32 recNo);
    void backRequested();

private:
    void connectControls();
    // The page's fixed captions and the column headings in the current language.
    void retranslate();
    // Person recNo in the title label and on the picture panel.
    void showPerson(qint32 recNo);
    bool writeExport(ExportFormat format, QIODevice& device) const;

    Session& session_;
    Prompts& prompts_;
    GenerationModel* model_ = nullptr;
    SessionButtons* buttons_ = nullptr;
    int generationLimit_;
    qint32 shownRecNo_ = 0; // the person in the title label, 0 before the first
};

} // namespace kinrow
