#pragma once

#include "editing/addforms.h"
#include "model/session.h"

#include <QObject>

namespace kinrow {

class PersonPage;
class Prompts;
class TitleShake;

// Drives the person page's editing state: correcting the current person, entering a new one
// alone or as a relative, accepting or cancelling the form, and changing a person's sex.
class PersonEditor : public QObject
{
    Q_OBJECT
public:
    PersonEditor(Session& state, PersonPage& page, Prompts& prompts, QObject* parent = nullptr);

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

    // The shake of the title after a sex change.
    TitleShake* titleShake() const { return titleShake_; }

Q_SIGNALS:
    // The first person of an empty file was cancelled: the About page takes over.
    void aboutPageRequested();

private:
    void connectControls();
    void addRelative(RelativeRole role);
    void showAddForm(RelativeRole role, const AddFormPrefill& prefill);
    PersonForm formFromPage() const;
    bool changeSpouseGroup();

    Session& session_;
    PersonPage& page_;
    Prompts& prompts_;
    TitleShake* titleShake_;
};

} // namespace kinrow
