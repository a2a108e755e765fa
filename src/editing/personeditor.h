#pragma once

#include "editing/addforms.h"
#include "model/session.h"

#include <QObject>

namespace kinrow {

class PersonPage;
class PersonPageUi;
class Prompts;
class TitleShake;

// Drives the person page's editing state: correcting the current person, entering a new one
// alone or as a relative, accepting or cancelling the form, and changing a person's sex. Keeps
// the form under edit, which the page's controls show: the typed fields follow the controls as
// they change, the sex and the relatives are set here and by the page.
class PersonEditor : public QObject
{
    Q_OBJECT
public:
    PersonEditor(Session& session, Prompts& prompts, PersonPage& page, const PersonPageUi& ui,
                 QObject* parent = nullptr);

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

    // The form under edit, as the page shows it.
    const PersonForm& form() const { return form_; }
    // The page shows a record: the form takes its sex and relatives.
    void showRecord(const PersonForm& shown);
    // The page was emptied for a new person: no relatives, sex man.
    void clearForm();
    // Entries i and j of the spouse or child list changed places.
    void swapSpouses(int i, int j) { form_.Spouses.swapItemsAt(i, j); }
    void swapChildren(int i, int j) { form_.Children.swapItemsAt(i, j); }

    // The shake of the title after a sex change.
    TitleShake* titleShake() const { return titleShake_; }

Q_SIGNALS:
    // The first person of an empty file was cancelled: the About page takes over.
    void aboutPageRequested();

private:
    void connectControls();
    void addRelative(RelativeRole role);
    void showAddForm(RelativeRole role, const AddFormPrefill& prefill);
    bool changeSpouseGroup();

    Session& session_;
    Prompts& prompts_;
    PersonPage& page_;
    const PersonPageUi& ui_;
    TitleShake* titleShake_;
    PersonForm form_;
};

} // namespace kinrow
