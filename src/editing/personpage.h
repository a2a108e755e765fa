#pragma once

#include "editing/personpageui.h"
#include "model/session.h"

#include <QWidget>

#include <functional>

class QKeyEvent;

namespace kinrow {

class FieldKeyFilter;
class SessionButtons;

// The person page: one person of the open family with parents, spouses, children, siblings,
// age, notes and pictures, and the moves from person to person.
class PersonPage : public QWidget, public PersonPageUi
{
    Q_OBJECT
public:
    explicit PersonPage(Session& session, QWidget* parent = nullptr);

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

    // The page's fixed captions and hints in the current language.
    void retranslate();

    // Opens the person form for what mode names: the session enters the editing state, and
    // the form is coloured and kept from navigating.
    void EnterEditState(EditMode mode);
    void LeaveEditState();
    // Prepares the empty form for a new person; false (after a message) in read-only mode.
    bool BeginAdding(EditMode mode);
    bool isEditing() const;
    // Enables the page's buttons and fields as the session's state allows.
    void applyEnabling();

    // The sex button: Tag 1 man, 2 woman, with the matching picture.
    void showSex(int tag);
    // The title's colour for a sex-button tag: blue for a man, red for a woman.
    void setTitleColor(int sexTag);
    // Height of one entry of the three relatives lists, following the window's width.
    void setListItemHeight(int height);

    // The notes as stored: lines separated by CR LF.
    QString notesText() const;
    // Whether a picture is drawn on the panel.
    bool pictureShown() const;

    // Shows a message to the user; tests replace it.
    std::function<void(const QString&)> showMessage;
    // The calendar year the age of a living person is counted to; tests replace it.
    std::function<int()> currentYear;

Q_SIGNALS:
    // A field was changed by the user while browsing: the change starts correcting the record.
    void fieldChanged();
    void editStateChanged(bool editing);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectControls();
    void attachKeyFilters();
    void onFieldChanged();
    void listDoubleClicked(QObject* list);
    bool isRecord(qint32 recNo) const;
    const TTreeData& record(qint32 recNo) const { return session_.record(recNo); }
    void showAge();
    void showParentButtons(const TTreeData& person);
    void clearRelatives();
    void fillRelatives(const TTreeData& person);
    void fillList(PersonListBox* list, const QList<qint32>& recNos);
    void showHeadings(const TTreeData& person);
    void showTitle(const TTreeData& person);
    void setNotes(const QString& notes);
    void setEditColours(bool editing);
    void disableMoveButtons();
    QList<SpeedButton*> pictureButtons() const;
    QList<QWidget*> fields() const;

    Session& session_;
    SessionButtons* buttons_ = nullptr;
    FieldKeyFilter* notesFilter_ = nullptr; // shared by the notes field and the notes window
    // What the picture counter last allowed the picture buttons.
    struct PictureButtons
    {
        bool add = true;
        bool remove = false;
        bool next = false;
        bool prior = false;
    } pictureButtons_;
    bool changeHandlerAttached_ = true;
    bool listNavigation_ = true;
};

} // namespace kinrow
