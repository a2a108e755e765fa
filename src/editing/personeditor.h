#pragma once

#include "editing/addforms.h"
#include "shell/appstate.h"

#include <QObject>

#include <functional>

namespace kinrow {

class PersonPage;
class Prompts;

// Drives the person page's editing state: correcting the current person, entering a new one
// alone or as a relative, accepting or cancelling the form, and changing a person's sex.
class PersonEditor : public QObject
{
    Q_OBJECT
public:
    PersonEditor(AppState& state, PersonPage& page, Prompts& prompts, QObject* parent = nullptr);

    // Starts correcting the current person; the handler of the edit button and of the first
    // change of a field.
    void SB_DuzeltClick();
    void SB_TamamClick();
    void SB_IptalClick();
    void SB_AnneEkleClick() { addRelative(RelativeRole::Mother); }
    void SB_BabaEkleClick() { addRelative(RelativeRole::Father); }
    void SB_EsiEkleClick() { addRelative(RelativeRole::Spouse); }
    void SB_CocuklariEkleClick() { addRelative(RelativeRole::Child); }
    void SB_SexClick();

    // Waits between two steps of the title shake, letting the window repaint; tests replace it.
    std::function<void(int milliseconds)> pause;

Q_SIGNALS:
    // The first person of an empty file was cancelled: the About page takes over.
    void aboutPageRequested();

private:
    void connectControls();
    void addRelative(RelativeRole role);
    void showAddForm(RelativeRole role, const AddFormPrefill& prefill);
    PersonForm formFromPage() const;
    bool changeSpouseGroup();
    void shakeTitle();

    AppState& state_;
    PersonPage& page_;
    Prompts& prompts_;
    bool shaking_ = false;
};

} // namespace kinrow
