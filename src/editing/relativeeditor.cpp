#include "editing/relativeeditor.h"

#include "editing/deletion.h"
#include "editing/familyedits.h"
#include "editing/linking.h"
#include "editing/listedlg.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "editing/reordering.h"
#include "model/messages.h"
#include "ui/overridecursor.h"
#include "ui/personlabel.h"
#include "ui/prompts.h"
#include "ui/speedbutton.h"

#include <QLabel>

namespace kinrow {

namespace {

// Moves the entry at row i of a list to row j, keeping it selected.
void MoveEntry(PersonListBox* list, int i, int j)
{
    QListWidgetItem* moved = list->takeItem(i);
    list->insertItem(j, moved);
    list->setCurrentRow(j);
}

// The page's list and the record's list name the same persons at both rows; a list that skipped
// a broken number would otherwise move a different pair than the one shown.
bool SameEntries(const PersonListBox* list, const QList<qint32>& ids, int i, int j)
{
    const auto at = [&](int row) { return row >= 0 && row < ids.size() ? ids.at(row) : -1; };
    return list->recNoAt(i) == at(i) && list->recNoAt(j) == at(j);
}

} // namespace

RelativeEditor::RelativeEditor(Session& state, PersonPage& page, Prompts& prompts, QObject* parent)
    : QObject(parent), session_(state), page_(page), prompts_(prompts)
{
    connectControls();
}

void RelativeEditor::connectControls()
{
    PersonPage* page = &page_;
    const std::pair<SpeedButton*, RelativeRole> pickers[] = {
        {page->SB_AnneListe, RelativeRole::Mother},
        {page->SB_BabaListe, RelativeRole::Father},
        {page->SB_EsiListe, RelativeRole::Spouse},
        {page->SB_CocuklariListe, RelativeRole::Child}};
    for (const auto& [button, role] : pickers) {
        const RelativeRole picked = role;
        connect(button, &QToolButton::clicked, this,
                [this, picked] { SB_ListedenEkleClick(picked); });
    }
    connect(page->SB_AnneSil, &QToolButton::clicked, this, &RelativeEditor::SB_AnneSilClick);
    connect(page->SB_BabaSil, &QToolButton::clicked, this, &RelativeEditor::SB_BabaSilClick);
    connect(page->SB_EsiSil, &QToolButton::clicked, this, &RelativeEditor::SB_EsiSilClick);
    connect(page->SB_Sil, &QToolButton::clicked, this, &RelativeEditor::SB_SilClick);
    connect(page->SB_Esi_Up, &QToolButton::clicked, this, [this] { SB_Esi_UpDownClick(true); });
    connect(page->SB_Esi_Down, &QToolButton::clicked, this, [this] { SB_Esi_UpDownClick(false); });
    connect(page->SB_Cocuklari_Up, &QToolButton::clicked, this,
            [this] { SB_Cocuklari_UpDownClick(true); });
    connect(page->SB_Cocuklari_Down, &QToolButton::clicked, this,
            [this] { SB_Cocuklari_UpDownClick(false); });
    connect(page->SB_Liste, &QToolButton::clicked, this, &RelativeEditor::SB_ListeClick);
}

bool RelativeEditor::mayChangeLinks() const
{
    return session_.mayChange() && session_.hasCurrent();
}

bool RelativeEditor::askWarning(const QString& question)
{
    return !question.isEmpty() && prompts_.message(MessageKind::Warning, question,
                                                   MessageButtons::YesNo) == PromptAnswer::Yes;
}

qint32 RelativeEditor::selectedSpouse() const
{
    const int row = page_.ListBox_Esi->selectedRow();
    return row < 0 ? 0 : page_.ListBox_Esi->recNoAt(row);
}

void RelativeEditor::SB_ListedenEkleClick(RelativeRole role)
{
    if (!mayChangeLinks())
        return;
    const Lang lang = session_.lang();
    PersonListBox* spouses = page_.ListBox_Esi;
    const int chosen = SpouseSelectionForLink(spouses->count(), spouses->selectedRow());
    if (chosen >= 0 && chosen != spouses->selectedRow())
        spouses->setCurrentRow(chosen);
    if (role == RelativeRole::Child && page_.ListBox_Esi->selectedRow() < 0 &&
        prompts_.message(MessageKind::Warning, LangText(Msg::ChildWithoutSpouse, lang),
                         MessageButtons::YesCancel) != PromptAnswer::Yes)
        return;
    if (!listeDialog_)
        return;
    QString caption;
    QList<qint32> candidates;
    {
        const OverrideCursorGuard hourglass;
        caption = LinkListCaption(session_.persons, session_.recNoMain(), role, lang);
        candidates = LinkCandidates(session_.persons, session_.recNoMain(), role);
    }
    const std::optional<qint32> picked =
        listeDialog_->ChooseCandidate(session_.persons, session_.recNoMain(), lang, caption,
                                      LangText(Msg::CarefulSelection, lang), candidates);
    if (!picked)
        return;
    const QString confirm =
        LinkConfirmText(session_.persons, session_.recNoMain(), role, *picked, lang);
    if (confirm.isEmpty() || prompts_.message(MessageKind::Warning, confirm,
                                              MessageButtons::YesCancel) != PromptAnswer::Yes)
        return;
    if (!LinkRelative(session_, role, *picked, selectedSpouse()))
        return;
    page_.ShowRecord();
}

void RelativeEditor::unlinkParent(RelativeRole role)
{
    if (!mayChangeLinks())
        return;
    const PersonLabel* parent = role == RelativeRole::Mother ? page_.Lb_Anne : page_.Lb_Baba;
    if (parent->tag() == 0)
        return;
    if (!askWarning(
            UnlinkParentQuestion(session_.persons, session_.recNoMain(), role, session_.lang())))
        return;
    if (RemoveParentLink(session_, role))
        page_.ShowRecord();
}

void RelativeEditor::SB_EsiSilClick()
{
    PersonListBox* spouses = page_.ListBox_Esi;
    if (!mayChangeLinks() || spouses->count() == 0)
        return;
    if (spouses->selectedRow() < 0)
        spouses->setCurrentRow(spouses->count() - 1);
    const int row = spouses->selectedRow();
    if (!SameEntries(spouses, session_.current().Spouses, row, row))
        return;
    if (!askWarning(
            UnlinkSpouseQuestion(session_.persons, session_.recNoMain(), row, session_.lang())))
        return;
    if (RemoveSpouseLink(session_, row))
        page_.ShowRecord();
}

void RelativeEditor::SB_SilClick()
{
    if (!mayChangeLinks())
        return;
    const Lang lang = session_.lang();
    const qint32 d = session_.recNoMain();
    const DeleteRefusal refusal = CheckDeletion(session_.persons, d, page_.pictureShown());
    if (refusal != DeleteRefusal::None) {
        prompts_.message(MessageKind::Plain, LangText(DeleteRefusalMessage(refusal), lang));
        return;
    }
    if (prompts_.message(MessageKind::Information,
                         page_.Lb_Info->text() + LangText(Msg::DeletePersonQuestion, lang),
                         MessageButtons::YesNo) != PromptAnswer::Yes)
        return;
    const OverrideCursorGuard hourglass;
    DeleteCurrent(session_);
    page_.ShowRecord();
}

void RelativeEditor::SB_Esi_UpDownClick(bool up)
{
    PersonListBox* spouses = page_.ListBox_Esi;
    const int i = spouses->selectedRow();
    const int j = up ? i - 1 : i + 1;
    if (!mayChangeLinks() || i < 0 || !SameEntries(spouses, session_.current().Spouses, i, j))
        return;
    if (!SwapSpouses(session_, i, j))
        return;
    MoveEntry(spouses, i, j);
    page_.ListBox_EsiClick();
}

void RelativeEditor::SB_Cocuklari_UpDownClick(bool up)
{
    PersonListBox* children = page_.ListBox_Cocuklari;
    const int i = children->selectedRow();
    const int j = up ? i - 1 : i + 1;
    if (!mayChangeLinks() || i < 0 || !SameEntries(children, session_.current().Children, i, j))
        return;
    if (!SwapChildren(session_, i, j))
        return;
    MoveEntry(children, i, j);
    page_.ListBox_CocuklariClick();
}

void RelativeEditor::SB_ListeClick()
{
    if (!listeDialog_ || session_.persons.empty() || !session_.mayBrowse())
        return;
    const std::optional<qint32> picked =
        listeDialog_->SB_ListeClick(session_.persons, session_.recNoMain(), session_.lang());
    if (!picked || *picked < 1 || std::size_t(*picked) > session_.persons.size())
        return;
    session_.setRecNoMain(*picked);
    page_.ShowRecord();
}

} // namespace kinrow
