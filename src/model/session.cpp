#include "model/session.h"

namespace kinrow {

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
    const bool flagChanged = pending != unsavedChanges_;
    unsavedChanges_ = pending;
    if (flagChanged)
        Q_EMIT enablingChanged();
    if (pending)
        Q_EMIT familyChanged();
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
