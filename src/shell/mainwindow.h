#pragma once

#include "model/session.h"
#include "shell/familyfilestate.h"
#include "ui/prompts.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QStackedWidget;

namespace kinrow {

class AboutPage;
class ChartPage;
class FamilyOpening;
class FamilySaving;
class PersonEditor;
class PersonPage;
class PictureEditor;
class PrintPage;
class ProportionalScaler;
class RecoveryOffer;
class RelativeEditor;
class TablePage;
class TForm_ListeDlg;

// The program's one main window: switches the pages, owns the family file workflow, the
// undo, redo, save and cancel actions, the program font, the settings and the proportional
// resizing.
class TForm_Main : public QMainWindow
{
    Q_OBJECT
public:
    static constexpr int DesignWidth = 616;
    static constexpr int DesignHeight = 480;
    // The program font's character set as designed: Turkish.
    static constexpr int TurkishCharSet = 162;

    // Runs the start-up (FormCreate) with the program's arguments; prompts default to dialogs.
    explicit TForm_Main(const QStringList& arguments = {}, std::unique_ptr<Prompts> prompts = {},
                        QWidget* parent = nullptr);
    ~TForm_Main() override;

    Session& session() { return session_; }
    Prompts& prompts() { return *prompts_; }
    // The person selection list, created beside the window at program start.
    void setListeDialog(TForm_ListeDlg* dialog);
    // The person page's editing handlers.
    PersonEditor* personEditor() const { return personEditor_; }
    RelativeEditor* relativeEditor() const { return relativeEditor_; }
    PictureEditor* pictureEditor() const { return pictureEditor_; }

    // The unsaved-changes flag.
    bool unsavedChanges() const { return session_.unsavedChanges(); }
    void setUnsavedChanges(bool pending) { session_.setUnsavedChanges(pending); }
    // The Tag of the active page: 0 person, print and About pages, 1 chart, 2 generation table.
    int activePageTag() const;
    bool isGedAssociationTicked() const;

    // Saves the family; true once saved.
    bool SB_SaveClick();
    void SB_AboutClick();
    void SB_TreeClick();
    void SB_YazClick();
    void SB_T_BackClick();
    void Lb_T_MainClick();
    void SB_ExitClick();
    void Act_UndoClick();
    void Act_RedoClick();

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
    void connectPersonPage();
    void connectPages();
    void connectPrintPage();
    void createActions();
    // The actions' texts and enabling after every change of the session.
    void updateActions();
    // Shows the person an undone or redone step changed on the person page.
    void showChangedPerson();
    // Shows the first person of a family, or the form for it in an empty one.
    void showFirstPerson();
    void FormCreate(const QStringList& arguments);
    void FormClose();
    void FormResize();
    void Button_DevamClick();
    void SB_ErrorCloseClick();
    void showOpenedFile(bool readOnly);
    void showPage(QWidget* page);
    // Makes recNo the current record and shows it on the person page.
    void openPerson(qint32 recNo);
    void showFindings(const QStringList& lines);
    // What the window shows of the language: its caption and the person page's texts.
    void retranslate();
    // The window title: the program, the family file and, while it may only be read, the mark.
    void showCaption();
    // The working folder, shown on the print page.
    void showCurrentDir();
    void ApplyProgramFont(const QString& fontName, int fontCharSet);
    void programFontChosen(const QString& fontName);
    void defaultFontRequested();

    Session session_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<ProportionalScaler> scaler_;
    FamilyFileState file_;
    FamilySaving* saving_ = nullptr;
    FamilyOpening* opening_ = nullptr;
    RecoveryOffer* recovery_ = nullptr;
    QAction* Act_Undo = nullptr;
    QAction* Act_Redo = nullptr;
    QAction* Act_Save = nullptr;
    QAction* Act_Cancel = nullptr;
    TForm_ListeDlg* listeDialog_ = nullptr;
    PersonEditor* personEditor_ = nullptr;
    RelativeEditor* relativeEditor_ = nullptr;
    PictureEditor* pictureEditor_ = nullptr;
    QString settingsPath_;
    QString startupFontName_;
    int startupFontCharSet_ = TurkishCharSet;
    int fontCharSet_ = TurkishCharSet; // the program font's character set
    bool fontChanged_ = false;         // the program font differs from the stored one
    bool resizing_ = false;
};

} // namespace kinrow
