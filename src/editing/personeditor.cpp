#include "editing/personeditor.h"

#include "editing/familyedits.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "editing/personpageui.h"
#include "editing/sexchange.h"
#include "model/messages.h"
#include "ui/overridecursor.h"
#include "ui/personlabel.h"
#include "ui/prompts.h"
#include "ui/speedbutton.h"
#include "ui/titleshake.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kinrow {

PersonEditor::PersonEditor(Session& session, Prompts& prompts, PersonPage& page,
                           const PersonPageUi& ui, QObject* parent)
    : QObject(parent), session_(session), prompts_(prompts), page_(page), ui_(ui),
      titleShake_(new TitleShake(ui.Lb_Info, this))
{
    connectControls();
}

void PersonEditor::connectControls()
{
    connect(ui_.SB_Duzelt, &QToolButton::clicked, this, &PersonEditor::SB_DuzeltClick);
    connect(&page_, &PersonPage::fieldChanged, this, &PersonEditor::SB_DuzeltClick);
    connect(ui_.SB_Tamam, &QToolButton::clicked, this, &PersonEditor::SB_TamamClick);
    connect(ui_.SB_Iptal, &QToolButton::clicked, this, &PersonEditor::SB_IptalClick);
    connect(ui_.SB_AnneEkle, &QToolButton::clicked, this, &PersonEditor::SB_AnneEkleClick);
    connect(ui_.SB_BabaEkle, &QToolButton::clicked, this, &PersonEditor::SB_BabaEkleClick);
    connect(ui_.SB_EsiEkle, &QToolButton::clicked, this, &PersonEditor::SB_EsiEkleClick);
    connect(ui_.SB_CocuklariEkle, &QToolButton::clicked, this,
            &PersonEditor::SB_CocuklariEkleClick);
    connect(ui_.SB_Sex, &QToolButton::clicked, this, &PersonEditor::SB_SexClick);
    // The typed fields of the form are what the user typed, as they change.
    const std::pair<QLineEdit*, QString PersonForm::*> typed[] = {
        {ui_.Edit_Ad, &PersonForm::GivenName},
        {ui_.Edit_Soyad, &PersonForm::Surname},
        {ui_.Edit_DogYer, &PersonForm::BirthPlace},
        {ui_.Edit_DogTarih, &PersonForm::BirthDateText},
        {ui_.Edit_OlTarih, &PersonForm::DeathDateText}};
    for (const auto& [field, member] : typed) {
        QString PersonForm::*value = member;
        connect(field, &QLineEdit::textChanged, this,
                [this, value](const QString& text) { form_.*value = text; });
    }
    connect(ui_.Memo_Notlar, &QPlainTextEdit::textChanged, this,
            [this] { form_.Notes = page_.notesText(); });
}

void PersonEditor::showRecord(const PersonForm& shown)
{
    form_.SexTag = shown.SexTag;
    form_.MotherId = shown.MotherId;
    form_.FatherId = shown.FatherId;
    form_.Spouses = shown.Spouses;
    form_.Children = shown.Children;
}

void PersonEditor::clearForm()
{
    showRecord(PersonForm());
}

void PersonEditor::SB_DuzeltClick()
{
    if (!session_.mayChange() || !session_.hasCurrent())
        return;
    const TTreeData& p = session_.current();
    page_.setTitle(p.GivenName + QLatin1Char(' ') + p.Surname +
                   LangText(Msg::EditingTitle, session_.lang()));
    page_.EnterEditState(EditMode::Correct);
}

void PersonEditor::SB_TamamClick()
{
    if (!page_.isEditing())
        return;
    const Lang lang = session_.lang();
    PersonForm form = form_;
    TrimNameFields(form);
    ui_.Edit_Ad->setText(form.GivenName);
    ui_.Edit_Soyad->setText(form.Surname);
    ui_.Edit_DogYer->setText(form.BirthPlace);
    const QString advice = SurnameAdviceText(form.Surname, lang);
    if (!advice.isEmpty())
        prompts_.message(MessageKind::Plain, advice);
    if (form.GivenName.isEmpty()) {
        prompts_.message(MessageKind::Plain, LangText(Msg::EmptyName, lang));
        ui_.Edit_Ad->setFocus();
        return;
    }
    if (const std::optional<Msg> field = UnreadableDateField(form)) {
        const bool birth = *field == Msg::BirthDate;
        const QString& text = birth ? form.BirthDateText : form.DeathDateText;
        prompts_.message(MessageKind::Plain, UnreadableDateText(*field, text, lang));
        (birth ? ui_.Edit_DogTarih : ui_.Edit_OlTarih)->setFocus();
        return;
    }
    const OverrideCursorGuard hourglass;
    const bool adding = session_.isAdding();
    if (adding && FindSameName(session_.persons(), form.GivenName, form.Surname) > 0 &&
        prompts_.message(MessageKind::Information, LangText(Msg::SameName, lang),
                         MessageButtons::YesNo) != PromptAnswer::Yes)
        return;
    if (AcceptForm(session_, form) == 0)
        return;
    page_.LeaveEditState();
    page_.ShowRecord();
}

void PersonEditor::SB_IptalClick()
{
    if (!page_.isEditing())
        return;
    if (session_.persons().empty()) {
        Q_EMIT aboutPageRequested();
        page_.LeaveEditState();
        return;
    }
    page_.ShowRecord();
    page_.LeaveEditState();
}

void PersonEditor::addRelative(RelativeRole role)
{
    if (page_.isEditing() || !session_.hasCurrent())
        return;
    int selectedSpouse = -1;
    if (role == RelativeRole::Child) {
        PersonListBox* spouses = ui_.ListBox_Esi;
        if (!form_.Spouses.isEmpty() && spouses->selectedRow() < 0)
            spouses->setCurrentRow(0);
        selectedSpouse = spouses->selectedRow();
    }
    const AddFormPrefill prefill = PrepareAddForm(session_.persons(), session_.recNoMain(), role,
                                                  selectedSpouse, session_.lang());
    if (!page_.BeginAdding(prefill.Mode))
        return;
    showAddForm(role, prefill);
}

void PersonEditor::showAddForm(RelativeRole role, const AddFormPrefill& prefill)
{
    const PersonForm& form = prefill.Form;
    showRecord(form);
    page_.setTitle(page_.title() + prefill.TitleSuffix);
    ui_.Edit_Soyad->setText(form.Surname);
    if (form.MotherId > 0) {
        ui_.Lb_Anne->setTag(form.MotherId);
        ui_.Lb_Anne->setText(prefill.MotherCaption);
    }
    if (form.FatherId > 0) {
        ui_.Lb_Baba->setTag(form.FatherId);
        ui_.Lb_Baba->setText(prefill.FatherCaption);
    }
    for (qsizetype i = 0; i < form.Spouses.size(); ++i)
        ui_.ListBox_Esi->addPerson(prefill.SpouseEntries.value(i), form.Spouses.at(i));
    for (qsizetype i = 0; i < form.Children.size(); ++i)
        ui_.ListBox_Cocuklari->addPerson(prefill.ChildEntries.value(i), form.Children.at(i));
    page_.showSex(form.SexTag);
    // A spouse of a person of unknown sex starts as a man without a coloured title.
    const char anchorSex = session_.current().Sex;
    const bool knownSpouse = anchorSex == SexMale || anchorSex == SexFemale;
    if (role != RelativeRole::Child && (role != RelativeRole::Spouse || knownSpouse))
        page_.setTitleColor(form.SexTag);
}

void PersonEditor::SB_SexClick()
{
    if (session_.readOnlyMode())
        return;
    const bool relatives = !form_.Spouses.isEmpty() || !form_.Children.isEmpty();
    // The lists of an add name the new person's relatives-to-be, not a group whose sex could
    // change: the click sets the sex of the person being entered.
    const bool adding = session_.isAdding();
    if (relatives && !adding && !changeSpouseGroup())
        return;
    form_.SexTag = form_.SexTag == 1 ? 2 : 1;
    page_.showSex(form_.SexTag);
    titleShake_->start();
    page_.setTitleColor(form_.SexTag);
    if (!relatives)
        SB_DuzeltClick();
}

bool PersonEditor::changeSpouseGroup()
{
    if (!session_.hasCurrent())
        return false;
    const QList<qint32> group = SpouseGroup(session_.persons(), session_.recNoMain());
    const QList<qint32> children = AffectedChildren(session_.persons(), group);
    const QString question =
        SexChangeQuestion(session_.persons(), group, children, session_.lang());
    if (prompts_.message(MessageKind::Warning, question, MessageButtons::OkCancel) !=
        PromptAnswer::Ok)
        return false;
    ChangeGroupSex(session_, group, children);
    ui_.ListBox_Esi->refreshColours();
    ui_.ListBox_Cocuklari->refreshColours();
    return true;
}

} // namespace kinrow
