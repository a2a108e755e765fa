#include "editing/relativeeditor.h"

#include "editing/deletion.h"
#include "editing/linking.h"
#include "editing/listedlg.h"
#include "editing/personlabel.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "editing/reordering.h"
#include "editing/speedbutton.h"
#include "shell/langtable.h"
#include "shell/overridecursor.h"
#include "shell/prompts.h"

#include <QLabel>

namespace kinrow {

namespace {

constexpr int ChildWithoutSpouseEntry = 87;
constexpr int CarefulSelectionEntry = 92;
constexpr int DeleteQuestionEntry = 85;

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

RelativeEditor::RelativeEditor(AppState& state, PersonPage& page, Prompts& prompts, QObject* parent)
    : QObject(parent), state_(state), page_(page), prompts_(prompts)
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
    return !state_.readOnlyMode && !page_.isEditing() && state_.hasCurrent();
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

void RelativeEditor::changed()
{
    page_.setUnsavedChanges(true);
}

void RelativeEditor::SB_ListedenEkleClick(RelativeRole role)
{
    if (!mayChangeLinks())
        return;
    const int lang = state_.langIndex;
    if (page_.ListBox_Esi->count() == 1)
        page_.ListBox_Esi->setCurrentRow(0);
    if (role == RelativeRole::Child && page_.ListBox_Esi->selectedRow() < 0 &&
        prompts_.message(MessageKind::Warning, LangText(ChildWithoutSpouseEntry, lang),
                         MessageButtons::YesCancel) != PromptAnswer::Yes)
        return;
    if (!listeDialog_)
        return;
    QString caption;
    QList<qint32> candidates;
    {
        const OverrideCursorGuard hourglass;
        caption = LinkListCaption(state_.persons, state_.recNoMain, role, lang);
        candidates = LinkCandidates(state_.persons, state_.recNoMain, role);
    }
    const std::optional<qint32> picked =
        listeDialog_->ChooseCandidate(state_.persons, state_.recNoMain, lang, caption,
                                      LangText(CarefulSelectionEntry, lang), candidates);
    if (!picked)
        return;
    const QString confirm = LinkConfirmText(state_.persons, state_.recNoMain, role, *picked, lang);
    if (confirm.isEmpty() || prompts_.message(MessageKind::Warning, confirm,
                                              MessageButtons::YesCancel) != PromptAnswer::Yes)
        return;
    if (!LinkExisting(state_.persons, state_.recNoMain, role, *picked, selectedSpouse()))
        return;
    page_.ShowRecord();
    changed();
}

void RelativeEditor::unlinkParent(RelativeRole role)
{
    if (!mayChangeLinks())
        return;
    const PersonLabel* parent = role == RelativeRole::Mother ? page_.Lb_Anne : page_.Lb_Baba;
    if (parent->tag() == 0)
        return;
    if (!askWarning(UnlinkParentQuestion(state_.persons, state_.recNoMain, role, state_.langIndex)))
        return;
    UnlinkParent(state_.persons, state_.recNoMain, role);
    changed();
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
    if (!SameEntries(spouses, state_.current().Spouses, row, row))
        return;
    if (!askWarning(UnlinkSpouseQuestion(state_.persons, state_.recNoMain, row, state_.langIndex)))
        return;
    UnlinkSpouse(state_.persons, state_.recNoMain, row);
    changed();
    page_.ShowRecord();
}

void RelativeEditor::SB_SilClick()
{
    if (!mayChangeLinks())
        return;
    const int lang = state_.langIndex;
    const qint32 d = state_.recNoMain;
    const DeleteRefusal refusal = CheckDeletion(state_.persons, d, page_.pictureShown());
    if (refusal != DeleteRefusal::None) {
        prompts_.message(MessageKind::Plain, LangText(DeleteRefusalEntry(refusal), lang));
        return;
    }
    if (prompts_.message(MessageKind::Information,
                         page_.Lb_Info->text() + LangText(DeleteQuestionEntry, lang),
                         MessageButtons::YesNo) != PromptAnswer::Yes)
        return;
    const OverrideCursorGuard hourglass;
    const qint32 next = NextAfterDeletion(state_.persons, d);
    DeletePerson(state_.persons, d);
    state_.recNoMain = next;
    changed();
    page_.ShowRecord();
}

void RelativeEditor::SB_Esi_UpDownClick(bool up)
{
    PersonListBox* spouses = page_.ListBox_Esi;
    const int i = spouses->selectedRow();
    const int j = up ? i - 1 : i + 1;
    if (!mayChangeLinks() || i < 0 || !SameEntries(spouses, state_.current().Spouses, i, j))
        return;
    if (!MoveSpouse(state_.persons, state_.recNoMain, i, j))
        return;
    MoveEntry(spouses, i, j);
    page_.ListBox_EsiClick();
    changed();
}

void RelativeEditor::SB_Cocuklari_UpDownClick(bool up)
{
    PersonListBox* children = page_.ListBox_Cocuklari;
    const int i = children->selectedRow();
    const int j = up ? i - 1 : i + 1;
    if (!mayChangeLinks() || i < 0 || !SameEntries(children, state_.current().Children, i, j))
        return;
    if (!MoveChild(state_.persons, state_.recNoMain, i, j))
        return;
    MoveEntry(children, i, j);
    page_.ListBox_CocuklariClick();
    changed();
}

void RelativeEditor::SB_ListeClick()
{
    if (!listeDialog_ || state_.persons.empty() || page_.isEditing())
        return;
    const std::optional<qint32> picked =
        listeDialog_->SB_ListeClick(state_.persons, state_.recNoMain, state_.langIndex);
    if (!picked || *picked < 1 || std::size_t(*picked) > state_.persons.size())
        return;
    state_.recNoMain = *picked;
    page_.ShowRecord();
}

} // namespace kinrow
