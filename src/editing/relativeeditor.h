#pragma once

#include "model/editmode.h"
#include "model/session.h"

#include <QObject>

namespace kinrow {

class PersonEditor;
class PersonPage;
class PersonPageUi;
class Prompts;
class TForm_ListeDlg;

// The person page's buttons that change links without a form: picking an existing person as a
// relative, removing links, deleting the current person, reordering spouses and children, and
// jumping to any person through the selection list. A part of the person page, acting on the
// form its PersonEditor keeps.
class RelativeEditor : public QObject
{
    Q_OBJECT
public:
    RelativeEditor(Session& session, Prompts& prompts, PersonPage& page, const PersonPageUi& ui,
                   PersonEditor& editor, QObject* parent = nullptr);

    // The person selection list, created beside the window at program start.
    void setListeDialog(TForm_ListeDlg* dialog) { listeDialog_ = dialog; }

    void SB_ListedenEkleClick(RelativeRole role);
    void SB_AnneSilClick() { unlinkParent(RelativeRole::Mother); }
    void SB_BabaSilClick() { unlinkParent(RelativeRole::Father); }
    void SB_EsiSilClick();
    void SB_SilClick();
    void SB_Esi_UpDownClick(bool up);
    void SB_Cocuklari_UpDownClick(bool up);
    void SB_ListeClick();

private:
    void connectControls();
    bool mayChangeLinks() const;
    bool askWarning(const QString& question);
    void unlinkParent(RelativeRole role);
    qint32 selectedSpouse() const;
    // The index in the current record's spouses or children of the entry at a row of its list.
    int storedIndex(const QList<qint32>& stored, int row) const;

    Session& session_;
    Prompts& prompts_;
    PersonPage& page_;
    const PersonPageUi& ui_;
    PersonEditor& editor_;
    TForm_ListeDlg* listeDialog_ = nullptr;
};

} // namespace kinrow
