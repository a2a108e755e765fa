#include "editing/relativeeditor.h"

#include "editing/deletion.h"
#include "editing/familyedits.h"
#include "editing/linking.h"
#include "editing/listedlg.h"
#include "editing/personeditor.h"
#include "editing/personform.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "editing/personpageui.h"
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

} // namespace

RelativeEditor::RelativeEditor(Session& session, Prompts& prompts, PersonPage& page,
                               const PersonPageUi& ui, PersonEditor& editor, QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts), page_(page), ui_(ui), editor_(editor)
{
    connectControls();
}

void RelativeEditor::connectControls()
{
    const std::pair<SpeedButton*, RelativeRole> pickers[] = {
        {ui_.SB_AnneListe, RelativeRole::Mother},
        {ui_.SB_BabaListe, RelativeRole::Father},
        {ui_.SB_EsiListe, RelativeRole::Spouse},
        {ui_.SB_CocuklariListe, RelativeRole::Child}};
    for (const auto& [button, role] : pickers) {
        const RelativeRole picked = role;
        connect(button, &QToolButton::clicked, this,
                [this, picked] { SB_ListedenEkleClick(picked); });
    }
    connect(ui_.SB_AnneSil, &QToolButton::clicked, this, &RelativeEditor::SB_AnneSilClick);
    connect(ui_.SB_BabaSil, &QToolButton::clicked, this, &RelativeEditor::SB_BabaSilClick);
    connect(ui_.SB_EsiSil, &QToolButton::clicked, this, &RelativeEditor::SB_EsiSilClick);
    connect(ui_.SB_Sil, &QToolButton::clicked, this, &RelativeEditor::SB_SilClick);
    connect(ui_.SB_Esi_Up, &QToolButton::clicked, this, [this] { SB_Esi_UpDownClick(true); });
    connect(ui_.SB_Esi_Down, &QToolButton::clicked, this, [this] { SB_Esi_UpDownClick(false); });
    connect(ui_.SB_Cocuklari_Up, &QToolButton::clicked, this,
            [this] { SB_Cocuklari_UpDownClick(true); });
    connect(ui_.SB_Cocuklari_Down, &QToolButton::clicked, this,
            [this] { SB_Cocuklari_UpDownClick(false); });
    connect(ui_.SB_Liste, &QToolButton::clicked, this, &RelativeEditor::SB_ListeClick);
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
    const int row = ui_.ListBox_Esi->selectedRow();
    return row < 0 ? 0 : editor_.form().Spouses.value(row);
}

int RelativeEditor::storedIndex(const QList<qint32>& stored, int row) const
{
    return StoredIndex(session_.persons(), stored, row);
}

void RelativeEditor::SB_ListedenEkleClick(RelativeRole role)
{
    if (!mayChangeLinks())
        return;
    const Lang lang = session_.lang();
    PersonListBox* spouses = ui_.ListBox_Esi;
    const int chosen =
        SpouseSelectionForLink(int(editor_.form().Spouses.size()), spouses->selectedRow());
    if (chosen >= 0 && chosen != spouses->selectedRow())
        spouses->setCurrentRow(chosen);
    if (role == RelativeRole::Child && spouses->selectedRow() < 0 &&
        prompts_.message(MessageKind::Warning, LangText(Msg::ChildWithoutSpouse, lang),
                         MessageButtons::YesCancel) != PromptAnswer::Yes)
        return;
    if (!listeDialog_)
        return;
    QString caption;
    QList<qint32> candidates;
    {
        const OverrideCursorGuard hourglass;
        caption = LinkListCaption(session_.persons(), session_.recNoMain(), role, lang);
        candidates = LinkCandidates(session_.persons(), session_.recNoMain(), role);
    }
    const std::optional<qint32> picked =
        listeDialog_->ChooseCandidate(prompts_, session_.persons(), session_.recNoMain(), lang,
                                      caption, LangText(Msg::CarefulSelection, lang), candidates);
    if (!picked)
        return;
    const QString confirm =
        LinkConfirmText(session_.persons(), session_.recNoMain(), role, *picked, lang);
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
    const PersonForm& form = editor_.form();
    if ((role == RelativeRole::Mother ? form.MotherId : form.FatherId) == 0)
        return;
    if (!askWarning(
            UnlinkParentQuestion(session_.persons(), session_.recNoMain(), role, session_.lang())))
        return;
    if (RemoveParentLink(session_, role))
        page_.ShowRecord();
}

void RelativeEditor::SB_EsiSilClick()
{
    PersonListBox* spouses = ui_.ListBox_Esi;
    const qsizetype count = editor_.form().Spouses.size();
    if (!mayChangeLinks() || count == 0)
        return;
    if (spouses->selectedRow() < 0)
        spouses->setCurrentRow(int(count) - 1);
    const int index = storedIndex(session_.current().Spouses, spouses->selectedRow());
    if (index < 0)
        return;
    if (!askWarning(
            UnlinkSpouseQuestion(session_.persons(), session_.recNoMain(), index, session_.lang())))
        return;
    if (RemoveSpouseLink(session_, index))
        page_.ShowRecord();
}

void RelativeEditor::SB_SilClick()
{
    if (!mayChangeLinks())
        return;
    const Lang lang = session_.lang();
    const qint32 d = session_.recNoMain();
    const DeleteRefusal refusal = CheckDeletion(session_.persons(), d, page_.pictureShown());
    if (refusal != DeleteRefusal::None) {
        prompts_.message(MessageKind::Plain, LangText(DeleteRefusalMessage(refusal), lang));
        return;
    }
    if (prompts_.message(MessageKind::Information,
                         page_.title() + LangText(Msg::DeletePersonQuestion, lang),
                         MessageButtons::YesNo) != PromptAnswer::Yes)
        return;
    const OverrideCursorGuard hourglass;
    DeleteCurrent(session_);
}

void RelativeEditor::SB_Esi_UpDownClick(bool up)
{
    const int i = ui_.ListBox_Esi->selectedRow();
    const int j = up ? i - 1 : i + 1;
    const QList<qint32>& stored =
        session_.hasCurrent() ? session_.current().Spouses : QList<qint32>();
    if (!mayChangeLinks() || i < 0 || j < 0)
        return;
    const int si = storedIndex(stored, i);
    const int sj = storedIndex(stored, j);
    if (si < 0 || sj < 0 || !SwapSpouses(session_, si, sj))
        return;
    editor_.swapSpouses(i, j);
    MoveEntry(ui_.ListBox_Esi, i, j);
    page_.ListBox_EsiClick();
}

void RelativeEditor::SB_Cocuklari_UpDownClick(bool up)
{
    const int i = ui_.ListBox_Cocuklari->selectedRow();
    const int j = up ? i - 1 : i + 1;
    const QList<qint32>& stored =
        session_.hasCurrent() ? session_.current().Children : QList<qint32>();
    if (!mayChangeLinks() || i < 0 || j < 0)
        return;
    const int si = storedIndex(stored, i);
    const int sj = storedIndex(stored, j);
    if (si < 0 || sj < 0 || !SwapChildren(session_, si, sj))
        return;
    editor_.swapChildren(i, j);
    MoveEntry(ui_.ListBox_Cocuklari, i, j);
    page_.ListBox_CocuklariClick();
}

void RelativeEditor::SB_ListeClick()
{
    if (!listeDialog_ || session_.persons().empty() || !session_.mayBrowse())
        return;
    const std::optional<qint32> picked = listeDialog_->SB_ListeClick(
        prompts_, session_.persons(), session_.recNoMain(), session_.lang());
    if (!picked || *picked < 1 || std::size_t(*picked) > session_.persons().size())
        return;
    session_.setRecNoMain(*picked);
}

} // namespace kinrow
