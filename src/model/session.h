#pragma once

#include "model/editmode.h"
#include "model/familyhistory.h"
#include "model/messages.h"
#include "model/person.h"

#include <QObject>
#include <QString>

#include <utility>

namespace kinrow {

// The state the main window and its pages share: the open family, where the user is and what
// the user is doing. Pages show it and change it through these functions only; every change
// is signalled, so no page reads state back from another page's controls.
class Session : public QObject
{
    Q_OBJECT
public:
    explicit Session(QObject* parent = nullptr) : QObject(parent) {}

    // The open family. Changed only by a recorded change (FamilyChange) or replaced as a whole.
    const PersonList& persons() const { return persons_; }
    // Another family takes the place of this one: opened, begun anew or recovered.
    void replaceFamily(PersonList persons) { persons_ = std::move(persons); }

    QString familyFileName = QStringLiteral("Kinrow.ged"); // the open dialog's file name

    qint32 recNoMain() const { return recNoMain_; }
    // Makes recNo the current record; currentChanged tells the pages when it is another one.
    // Set by a change of the family (a deletion, the first person), the record is told once the
    // change is recorded, also when the number stayed: another person may now stand under it.
    void setRecNoMain(qint32 recNo);
    // Whether recNoMain names a record of the list.
    bool hasCurrent() const { return isRecord(recNoMain_); }
    bool isRecord(qint32 recNo) const
    {
        return recNo >= 1 && std::size_t(recNo) <= persons_.size();
    }
    const TTreeData& current() const { return record(recNoMain_); }
    const TTreeData& record(qint32 n) const { return persons_[std::size_t(n - 1)]; }

    Lang lang() const { return lang_; }
    void setLang(Lang lang);

    bool readOnlyMode() const { return readOnlyMode_; }
    void setReadOnlyMode(bool readOnly);

    // The unsaved-changes flag: the family differs from its file. Cleared when the family was
    // saved (or opened); set by hand only for a change that no step of the history records.
    bool unsavedChanges() const { return unsavedChanges_; }
    void setUnsavedChanges(bool pending);

    // The undo and redo history of the family. Every change a page makes is recorded as one
    // step (through FamilyChange), which also sets the unsaved-changes flag.
    const FamilyHistory& history() const { return history_; }
    void recordStep(FamilyStep step);
    // Undoes or redoes one step and makes the person it changed the current record; the flag
    // follows whether the family is back at its last save. False when the rules forbid it or
    // nothing is left.
    bool undo();
    bool redo();
    // Forgets the history: another family is opened.
    void clearHistory();

    // The editing state: a person form is open for what editMode() names.
    EditMode editMode() const { return editMode_; }
    bool isEditing() const { return editMode_ != EditMode::None; }
    bool isAdding() const { return IsAddingMode(editMode_); }
    void beginEditing(EditMode mode);
    void endEditing();

    // The picture counter shared by every page: the 1-based number of the picture on show.
    int pictureNo() const { return pictureNo_; }
    void setPictureNo(int number) { pictureNo_ = number; }

    // The font family the printouts use: the font dialog's last choice, "MS Sans Serif" until
    // the dialog was first opened.
    const QString& printFontName() const { return printFontName_; }
    void setPrintFontName(const QString& name) { printFontName_ = name; }

    // The enabling rules every page applies to its buttons.
    // Buttons that move around the family or to another page: not while a form is open.
    bool mayBrowse() const { return !isEditing(); }
    // Buttons that change the family: not while a form is open, never in read-only mode.
    bool mayChange() const { return !isEditing() && !readOnlyMode_; }
    // The save button: outside the editing state, exactly while there are unsaved changes.
    bool maySave() const { return !isEditing() && unsavedChanges_; }
    // Undo and redo: as any change, and only while a step is left.
    bool mayUndo() const { return mayChange() && history_.canUndo(); }
    bool mayRedo() const { return mayChange() && history_.canRedo(); }

Q_SIGNALS:
    void langChanged();
    // The current record is another one, or was set anew by a change, an undo or a redo: the
    // pages that show it redraw.
    void currentChanged();
    // The editing state, the read-only mode or the unsaved-changes flag changed: every page
    // applies the enabling rules again.
    void enablingChanged();
    // The family was changed: a step recorded, undone or redone, or a change marked by hand
    // (every change, also while the unsaved-changes flag is set).
    void familyChanged();
    // The steps that undo and redo would take changed (or the history was emptied).
    void historyChanged();

private:
    friend class FamilyChange;

    void followHistory(qint32 shown);
    void openChange() { ++openChanges_; }
    void closeChange();

    PersonList persons_;
    qint32 recNoMain_ = 1;
    Lang lang_ = Lang::English;
    bool readOnlyMode_ = false;
    bool unsavedChanges_ = false;
    EditMode editMode_ = EditMode::None;
    int pictureNo_ = 0;
    QString printFontName_ = QStringLiteral("MS Sans Serif");
    FamilyHistory history_;
    int openChanges_ = 0;             // FamilyChanges being made
    bool currentSetInChange_ = false; // setRecNoMain called while one was
};

} // namespace kinrow
