#include "model/session.h"

namespace kinrow {

void Session::setRecNoMain(qint32 recNo)
{
    if (openChanges_ > 0) {
        // The pages must not draw a family that is half changed: told when the change is over.
        recNoMain_ = recNo;
        currentSetInChange_ = true;
        return;
    }
    if (recNo == recNoMain_)
        return;
    recNoMain_ = recNo;
    Q_EMIT currentChanged();
}

void Session::closeChange()
{
    if (--openChanges_ > 0 || !currentSetInChange_)
        return;
    currentSetInChange_ = false;
    Q_EMIT currentChanged();
}

void Session::setLang(Lang lang)
{
    if (lang == lang_)
        return;
    lang_ = lang;
    Q_EMIT langChanged();
}

void Session::setReadOnlyMode(bool readOnly)
{
    if (readOnly == readOnlyMode_)
        return;
    readOnlyMode_ = readOnly;
    Q_EMIT enablingChanged();
}

void Session::setUnsavedChanges(bool pending)
{
    if (pending)
        history_.forgetSaved();
    else
        history_.markSaved();
    const bool flagChanged = pending != unsavedChanges_;
    unsavedChanges_ = pending;
    if (flagChanged)
        Q_EMIT enablingChanged();
    if (pending)
        Q_EMIT familyChanged();
}

void Session::recordStep(FamilyStep step)
{
    history_.push(std::move(step));
    followHistory(recNoMain_);
}

bool Session::undo()
{
    if (!mayUndo())
        return false;
    followHistory(history_.undo(persons_)->shownBefore);
    Q_EMIT currentChanged();
    return true;
}

bool Session::redo()
{
    if (!mayRedo())
        return false;
    followHistory(history_.redo(persons_)->shownAfter);
    Q_EMIT currentChanged();
    return true;
}

void Session::clearHistory()
{
    history_.clear();
    if (!unsavedChanges_)
        history_.markSaved();
    else
        history_.forgetSaved();
    Q_EMIT historyChanged();
}

void Session::followHistory(qint32 shown)
{
    recNoMain_ = isRecord(shown) ? shown : 1;
    const bool pending = !history_.atSaved();
    if (pending != unsavedChanges_) {
        unsavedChanges_ = pending;
        Q_EMIT enablingChanged();
    }
    Q_EMIT familyChanged();
    Q_EMIT historyChanged();
}

void Session::beginEditing(EditMode mode)
{
    editMode_ = mode;
    Q_EMIT enablingChanged();
}

void Session::endEditing()
{
    if (editMode_ == EditMode::None)
        return;
    editMode_ = EditMode::None;
    Q_EMIT enablingChanged();
}

} // namespace kinrow
