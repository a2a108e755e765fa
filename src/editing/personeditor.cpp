#include "editing/personeditor.h"

#include "editing/familyedits.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "editing/sexchange.h"
#include "model/messages.h"
#include "ui/overridecursor.h"
#include "ui/personlabel.h"
#include "ui/prompts.h"
#include "ui/speedbutton.h"
#include "ui/titleshake.h"

#include <QLabel>
#include <QLineEdit>

namespace kinrow {

PersonEditor::PersonEditor(Session& state, PersonPage& page, Prompts& prompts, QObject* parent)
    : QObject(parent), session_(state), page_(page), prompts_(prompts),
      titleShake_(new TitleShake(page.Lb_Info, this))
{
    connectControls();
}

void PersonEditor::connectControls()
{
    PersonPage* page = &page_;
    connect(page->SB_Duzelt, &QToolButton::clicked, this, &PersonEditor::SB_DuzeltClick);
    connect(page, &PersonPage::fieldChanged, this, &PersonEditor::SB_DuzeltClick);
    connect(page->SB_Tamam, &QToolButton::clicked, this, &PersonEditor::SB_TamamClick);
    connect(page->SB_Iptal, &QToolButton::clicked, this, &PersonEditor::SB_IptalClick);
    connect(page->SB_AnneEkle, &QToolButton::clicked, this, &PersonEditor::SB_AnneEkleClick);
    connect(page->SB_BabaEkle, &QToolButton::clicked, this, &PersonEditor::SB_BabaEkleClick);
    connect(page->SB_EsiEkle, &QToolButton::clicked, this, &PersonEditor::SB_EsiEkleClick);
    connect(page->SB_CocuklariEkle, &QToolButton::clicked, this,
            &PersonEditor::SB_CocuklariEkleClick);
    connect(page->SB_Sex, &QToolButton::clicked, this, &PersonEditor::SB_SexClick);
}

void PersonEditor::SB_DuzeltClick()
{
    if (!session_.mayChange() || !session_.hasCurrent())
        return;
    const TTreeData& p = session_.current();
    page_.Lb_Info->setText(p.GivenName + QLatin1Char(' ') + p.Surname +
                           LangText(Msg::EditingTitle, session_.lang()));
    page_.EnterEditState(EditMode::Correct);
}

PersonForm PersonEditor::formFromPage() const
{
    PersonForm form;
    form.GivenName = page_.Edit_Ad->text();
    form.Surname = page_.Edit_Soyad->text();
    form.BirthPlace = page_.Edit_DogYer->text();
    form.BirthDateText = page_.Edit_DogTarih->text();
    form.DeathDateText = page_.Edit_OlTarih->text();
    form.Notes = page_.notesText();
    form.SexTag = page_.SB_Sex->tag();
    form.MotherId = page_.Lb_Anne->tag();
    form.FatherId = page_.Lb_Baba->tag();
    form.Spouses = page_.ListBox_Esi->recNos();
    form.Children = page_.ListBox_Cocuklari->recNos();
    return form;
}

void PersonEditor::SB_TamamClick()
{
    if (!page_.isEditing())
        return;
    const Lang lang = session_.lang();
    PersonForm form = formFromPage();
    TrimNameFields(form);
    page_.Edit_Ad->setText(form.GivenName);
    page_.Edit_Soyad->setText(form.Surname);
    page_.Edit_DogYer->setText(form.BirthPlace);
    const QString advice = SurnameAdviceText(form.Surname, lang);
    if (!advice.isEmpty())
        prompts_.message(MessageKind::Plain, advice);
    if (form.GivenName.isEmpty()) {
        prompts_.message(MessageKind::Plain, LangText(Msg::EmptyName, lang));
        page_.Edit_Ad->setFocus();
        return;
    }
    if (const std::optional<Msg> field = UnreadableDateField(form)) {
        QLineEdit* edit = *field == Msg::BirthDate ? page_.Edit_DogTarih : page_.Edit_OlTarih;
        prompts_.message(MessageKind::Plain, UnreadableDateText(*field, edit->text(), lang));
        edit->setFocus();
        return;
    }
    const OverrideCursorGuard hourglass;
    const bool adding = session_.isAdding();
    if (adding && FindSameName(session_.persons, form.GivenName, form.Surname) > 0 &&
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
    if (session_.persons.empty()) {
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
        PersonListBox* spouses = page_.ListBox_Esi;
        if (spouses->count() > 0 && spouses->selectedRow() < 0)
            spouses->setCurrentRow(0);
        selectedSpouse = spouses->selectedRow();
    }
    const AddFormPrefill prefill = PrepareAddForm(session_.persons, session_.recNoMain(), role,
                                                  selectedSpouse, session_.lang());
    if (!page_.BeginAdding(prefill.Mode))
        return;
    showAddForm(role, prefill);
}

void PersonEditor::showAddForm(RelativeRole role, const AddFormPrefill& prefill)
{
    const PersonForm& form = prefill.Form;
    page_.Lb_Info->setText(page_.Lb_Info->text() + prefill.TitleSuffix);
    page_.Edit_Soyad->setText(form.Surname);
    if (form.MotherId > 0) {
        page_.Lb_Anne->setTag(form.MotherId);
        page_.Lb_Anne->setText(prefill.MotherCaption);
    }
    if (form.FatherId > 0) {
        page_.Lb_Baba->setTag(form.FatherId);
        page_.Lb_Baba->setText(prefill.FatherCaption);
    }
    for (qsizetype i = 0; i < form.Spouses.size(); ++i)
        page_.ListBox_Esi->addPerson(prefill.SpouseEntries.value(i), form.Spouses.at(i));
    for (qsizetype i = 0; i < form.Children.size(); ++i)
        page_.ListBox_Cocuklari->addPerson(prefill.ChildEntries.value(i), form.Children.at(i));
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
    const bool relatives = page_.ListBox_Esi->count() > 0 || page_.ListBox_Cocuklari->count() > 0;
    // The lists of an add name the new person's relatives-to-be, not a group whose sex could
    // change: the click sets the sex of the person being entered.
    const bool adding = session_.isAdding();
    if (relatives && !adding && !changeSpouseGroup())
        return;
    page_.showSex(page_.SB_Sex->tag() == 1 ? 2 : 1);
    titleShake_->start();
    page_.setTitleColor(page_.SB_Sex->tag());
    if (!relatives)
        SB_DuzeltClick();
}

bool PersonEditor::changeSpouseGroup()
{
    if (!session_.hasCurrent())
        return false;
    const QList<qint32> group = SpouseGroup(session_.persons, session_.recNoMain());
    const QList<qint32> children = AffectedChildren(session_.persons, group);
    const QString question = SexChangeQuestion(session_.persons, group, children, session_.lang());
    if (prompts_.message(MessageKind::Warning, question, MessageButtons::OkCancel) !=
        PromptAnswer::Ok)
        return false;
    ChangeGroupSex(session_, group, children);
    page_.ListBox_Esi->refreshColours();
    page_.ListBox_Cocuklari->refreshColours();
    return true;
}

} // namespace kinrow
