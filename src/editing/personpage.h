#pragma once

#include "editing/personpageui.h"
#include "model/session.h"

#include <QWidget>

class QKeyEvent;

namespace kinrow {

class FieldKeyFilter;
class PersonEditor;
class PictureEditor;
class Prompts;
class RelativeEditor;
class SessionButtons;
class TForm_ListeDlg;

// The person page: one person of the open family with parents, spouses, children, siblings,
// age, notes and pictures, and the moves from person to person. Its editors, parts of the page,
// handle the buttons that change the family; the window handles those that leave the page.
class PersonPage : public QWidget
{
    Q_OBJECT
public:
    PersonPage(Session& session, Prompts& prompts, QWidget* parent = nullptr);
    ~PersonPage() override;

    // Fills the whole page from record state.recNoMain().
    void ShowRecord();
    // Shows the current picture of person recNo on the page's picture panel.
    void ShowPicture(qint32 recNo);

    // Navigation to the relative that sender (a heading button, parent label or list) names.
    void SB_GosterClick(QObject* sender);
    void ListBox_EsiClick();
    void ListBox_CocuklariClick();
    // Enter in a one-line field moves the focus on; true when the key was used.
    bool FormKeyDown(QKeyEvent* event);
    void SB_BigNoteClick();
    void SB_ResimPriorClick();
    void SB_ResimNextClick();
    // Cancels the open form, as the cancel button does.
    void SB_IptalClick();

    // Opens the person form for what mode names: the session enters the editing state, and
    // the form is coloured and kept from navigating.
    void EnterEditState(EditMode mode);
    void LeaveEditState();
    // Prepares the empty form for a new person; false (after a message) in read-only mode.
    // The first person of an empty family is titled so.
    bool BeginAdding(EditMode mode);
    bool isEditing() const;
    // Enables the page's buttons and fields as the session's state allows.
    void applyEnabling();

    // Height of one entry of the three relatives lists, following the window's width.
    void setListItemHeight(int height);
    // The person selection list, created beside the window at program start.
    void setListeDialog(TForm_ListeDlg* dialog);

    // The title over the form: the person's name, or what the open form is for.
    const QString& title() const { return title_; }
    void setTitle(const QString& title);
    // The title's colour for a sex tag: blue for a man, red for a woman.
    void setTitleColor(int sexTag);
    // Shows the sex button for a tag: 1 man, 2 woman, with the matching picture.
    void showSex(int tag);
    // Whether a picture of the person is drawn on the panel.
    bool pictureShown() const { return pictureShown_; }
    // The notes as stored: lines separated by CR LF.
    QString notesText() const;

    // The page's editing handlers.
    PersonEditor& personEditor() const { return *personEditor_; }
    RelativeEditor& relativeEditor() const { return *relativeEditor_; }
    PictureEditor& pictureEditor() const { return *pictureEditor_; }

Q_SIGNALS:
    // A field was changed by the user while browsing: the change starts correcting the record.
    void fieldChanged();
    void editStateChanged(bool editing);
    // The buttons that leave the page or act on the whole file, for the window.
    void aboutRequested();
    void exitRequested();
    void saveRequested();
    void chartRequested();
    void tableRequested();
    void printRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void retranslate();
    void followCurrent();
    void connectControls();
    void attachKeyFilters();
    void onFieldChanged();
    void listDoubleClicked(QObject* list);
    bool isRecord(qint32 recNo) const;
    const TTreeData& record(qint32 recNo) const { return session_.record(recNo); }
    void showAge();
    void showParentButtons(const TTreeData& person);
    void clearRelatives();
    void fillRelatives();
    void fillList(PersonListBox* list, const QList<qint32>& recNos);
    void showHeadings(const TTreeData& person);
    void showTitle(const TTreeData& person);
    void setNotes(const QString& notes);
    void setEditColours(bool editing);
    void disableMoveButtons();
    QList<QWidget*> fields() const;

    Session& session_;
    Prompts& prompts_;
    PersonPageUi ui_;
    PersonEditor* personEditor_ = nullptr;
    RelativeEditor* relativeEditor_ = nullptr;
    PictureEditor* pictureEditor_ = nullptr;
    SessionButtons* buttons_ = nullptr;
    FieldKeyFilter* notesFilter_ = nullptr; // shared by the notes field and the notes window
    QString title_;
    QString ageValue_;       // the age label after its word, as " : 45"
    QList<qint32> siblings_; // the sibling list's persons, in list order
    // What the picture counter last allowed the picture buttons.
    struct PictureButtons
    {
        bool add = true;
        bool remove = false;
        bool next = false;
        bool prior = false;
    } pictureButtons_;
    bool pictureShown_ = false;
    bool changeHandlerAttached_ = true;
    bool listNavigation_ = true;
    bool changedWhileHidden_ = false; // the family changed on another page
};

} // namespace kinrow
