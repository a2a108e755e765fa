#pragma once

#include "gedcom/familysave.h"
#include "gedcom/readsession.h"
#include "model/session.h"
#include "ui/prompts.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QStackedWidget;

namespace kinrow {

struct RecoveryInfo;
class RecoveryWriter;
class AboutPage;
class ChartPage;
class PersonPage;
class PrintPage;
class ProportionalScaler;
class TablePage;
class TForm_ListeDlg;

// The program's one main window: the pages, the family file workflow, the language switch,
// the settings and the proportional resizing.
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
    const ErrorList& errorList() const { return errors_; }
    // The person selection list, created beside the window at program start.
    void setListeDialog(TForm_ListeDlg* dialog);
    TForm_ListeDlg* listeDialog() const { return listeDialog_; }

    // The unsaved-changes flag.
    bool unsavedChanges() const;
    void setUnsavedChanges(bool pending);

    // The Tag of the active page: 0 person, print and About pages, 1 chart, 2 generation table.
    int activePageTag() const;
    bool isGedAssociationTicked() const { return gedAssociationTicked_; }
    QString settingsPath() const { return settingsPath_; }

    void Button_DevamClick(QObject* sender);
    void SB_ErrorCloseClick();
    bool SB_SaveClick();
    void SB_AboutClick();
    void SB_TreeClick();
    void SB_T_BackClick();
    void Lb_T_MainClick();
    void SB_ExitClick();
    void ComboBox_LangChange();
    void ApplyProgramFont(const QString& fontName, int fontCharSet);

    // Keeps copies of unsaved changes in folder from now on, after offering each copy there
    // that a program left when it ended without closing.
    void startRecovery(const QString& folder);
    RecoveryWriter* recoveryWriter() const { return recovery_.get(); }

    // The print page.
    void SB_YazClick();
    void BitBtn_FontClick();
    void SB_DefFontClick();
    void CheckBox_GEDClick();
    // The family check: its findings in the error list.
    void BitBtn_CheckClick();
    // The font the printouts use: the font dialog's, "MS Sans Serif" until it was first opened.
    QString printFontName() const { return printFontName_; }
    // The print table's export (the same routine as the generation table's).
    void saveTable();
    // The list printout of the ticked rows in display order, with the shown columns.
    void printTicked();
    // The picture collection over the table's rows in display order.
    void collectPictures();

    // Undo and redo of the family's steps, and the keyboard's save and cancel.
    void Act_UndoClick();
    void Act_RedoClick();

    QAction* Act_Undo = nullptr;
    QAction* Act_Redo = nullptr;
    QAction* Act_Save = nullptr;
    QAction* Act_Cancel = nullptr;
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
    void connectControls();
    void connectPrintPage();
    void createActions();
    // The actions' texts and enabling after every change of the session.
    void updateActions();
    // Shows the person an undone or redone step changed on the person page.
    void showChangedPerson();
    void FormCreate(const QStringList& arguments);
    bool FormCloseQuery();
    void FormClose();
    void FormResize();
    void openChosenFile(const QString& fileName, const QString& previousName);
    void showOpenedFile(bool readOnly);
    std::optional<QString> askFamilyFile();
    // A family file name chosen in the save dialog, with the family extension; asChosen tells
    // whether the dialog gave it so (and so asked about replacing a file of that name).
    std::optional<QString> askOtherFamilyName(bool* asChosen = nullptr);
    // The name an imported family takes: its own when free or when the user lets it replace
    // the file of that name, else one chosen in the save dialog; empty when cancelled.
    std::optional<QString> importedFamilyName(const QString& gedName);
    // Offers to save under another name after a failed save; true once saved.
    bool saveElsewhere(SaveResult failed);
    // Saves the family under another name, its picture names following the new folder.
    SaveResult saveUnder(const QString& other);
    // The first save of a family whose file held lines it could not keep offers another name
    // (the default): true or false when that decided the save, empty when the save goes on.
    std::optional<bool> saveRicherFileElsewhere();
    // Saves under a name chosen in the save dialog; nothing when the dialog was cancelled.
    std::optional<SaveResult> saveUnderOtherName();
    // What the family file was when it was opened or last saved here, and where to save when
    // it changed on the disk since: true to go on saving into it (nothing changed there, or the
    // user lets it be replaced), false when saved elsewhere or cancelled (saved tells which).
    bool mayReplaceFamilyFile(bool& saved);
    // The family file is now what this window opened, saved or restored.
    void rememberFamilyFile(const FileStamp& stamp);
    void showPage(QWidget* page);
    void connectTablePage();
    // Makes recNo the current record and shows it on the person page.
    void openPerson(qint32 recNo);
    // The window title: the program, the family file and, while it may only be read, the mark.
    void showCaption();
    // The working folder, shown on the print page.
    void showCurrentDir();
    // Opens a left recovery copy as the family of the file restoredName (its original, or a
    // new name where it must not replace that), with unsaved changes.
    bool restoreRecovery(RecoveryInfo left, const QString& restoredName);

    Session session_;
    ErrorList errors_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<ProportionalScaler> scaler_;
    std::unique_ptr<RecoveryWriter> recovery_;
    FileStamp familyStamp_; // the family file as opened or last saved here
    TForm_ListeDlg* listeDialog_ = nullptr;
    QString settingsPath_;
    QString openDialogTitle_;
    QString openPictureDialogTitle_;
    QString startupFontName_;
    int startupFontCharSet_ = 162;
    int fontCharSet_ = 162;       // the program font's character set (Turkish as designed)
    bool fontChanged_ = false;    // the program font differs from the stored one
    bool readOnlyTicked_ = false; // the open dialog's read-only box, kept between openings
    bool gedAssociationTicked_ = false;
    QString printFontName_ = QStringLiteral("MS Sans Serif");
    bool resizing_ = false;
    bool showingFindings_ = false; // the error list holds the family check's findings
    // The open family's file held lines the family could not keep, and it was not saved yet.
    bool richerFile_ = false;
};

} // namespace kinrow
