#pragma once

#include "model/session.h"
#include "shell/familyfilestate.h"
#include "shell/programfont.h"
#include "shell/windowsettings.h"
#include "ui/prompts.h"

#include <QMainWindow>

#include <memory>

class QStackedWidget;

namespace kinrow {

class AboutPage;
class ChartPage;
class FamilyOpening;
class FamilySaving;
class PersonPage;
class PrintPage;
class ProportionalScaler;
class RecoveryOffer;
class TablePage;
class WindowActions;

// The program's one main window: switches the pages and owns the family file workflow, the
// window's actions, the program font, the settings and the proportional resizing.
class TForm_Main : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 616;
    static constexpr int DesignHeight = 480;

    // Runs the start-up (FormCreate) with the program's arguments; prompts default to dialogs.
    explicit TForm_Main(const QStringList& arguments = {}, std::unique_ptr<Prompts> prompts = {},
                        QWidget* parent = nullptr);
    ~TForm_Main() override;

    Session& session() { return session_; }
    Prompts& prompts() { return *prompts_; }
    // The person selection list, created beside the window at program start.
    void setListeDialog(TForm_ListeDlg* dialog);

    // The Tag of the active page: 0 person, print and About pages, 1 chart, 2 generation table.
    int activePageTag() const;

    // Saves the family; true once saved.
    bool SB_SaveClick();
    void SB_AboutClick();
    void SB_TreeClick();
    void SB_YazClick();
    void SB_T_BackClick();
    void Lb_T_MainClick();

    // Keeps copies of unsaved changes in folder from now on, after offering each copy there
    // that a program left when it ended without closing.
    void startRecovery(const QString& folder);
    RecoveryWriter* recoveryWriter() const { return file_.recovery; }

    // The pages, under their documented names.
    QStackedWidget* PageControl_Main;
    PrintPage* TabSheet_Print;
    PersonPage* TabSheet_Main;
    AboutPage* TabSheet_About;
    ChartPage* TabSheet_Tree;
    TablePage* TabSheet_TView;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void createPages();
    void createFileWorkflow();
    void createActions();
    void connectPersonPage();
    void connectPages();
    void connectPrintPage();
    void FormCreate(const QStringList& arguments);
    void showPage(QWidget* page);
    // Makes recNo the current record and shows it on the person page.
    void openPerson(qint32 recNo);
    void showOpenedFile(bool readOnly);
    // After an undo or redo that changed the family: the person it changed.
    void showChangedPerson(bool changed);
    // The current person on the person page, or the form for the first one of an empty family.
    void showCurrentPerson();
    // The window's caption and the person page's texts in the session's language.
    void retranslate();
    // The program, the family file and, while it may only be read, the mark.
    void showCaption();

    Session session_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<ProportionalScaler> scaler_;
    FamilyFileState file_;
    ProgramFont font_;
    WindowSettings settings_;
    FamilySaving* saving_ = nullptr;
    FamilyOpening* opening_ = nullptr;
    RecoveryOffer* recovery_ = nullptr;
    WindowActions* actions_ = nullptr;
    bool resizing_ = false;
};

} // namespace kinrow
