#include "editing/personpage.h"

#include "editing/fieldkeyfilter.h"
#include "editing/notewindow.h"
#include "editing/personeditor.h"
#include "editing/personlabels.h"
#include "editing/personlistbox.h"
#include "editing/persontexts.h"
#include "editing/pictureeditor.h"
#include "editing/relativeeditor.h"
#include "editing/sharedchildren.h"
#include "model/messages.h"
#include "model/picturepaths.h"
#include "model/textrules.h"
#include "pictures/currentpicture.h"
#include "pictures/picturebox.h"
#include "pictures/picturepanel.h"
#include "ui/personlabel.h"
#include "ui/prompts.h"
#include "ui/sessionbuttons.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace kinrow {

namespace {

const QChar Bullet(0x2022);

QString displayLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    widget->setPalette(palette);
}

} // namespace

PersonPage::PersonPage(Session& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts)
{
    ui_.setupUi(this, session_.persons());
    buttons_ = new SessionButtons(session_, this);
    buttons_->add({ui_.SB_Liste, ui_.SB_Yaz, ui_.SB_TView, ui_.SB_Tree, ui_.SB_About, ui_.SB_Exit,
                   ui_.SB_Anne, ui_.SB_Baba, ui_.SB_Esi, ui_.SB_Cocuklari, ui_.SB_Kardesleri,
                   ui_.SB_BigNote},
                  ButtonRule::Browse);
    buttons_->add({ui_.SB_Duzelt, ui_.SB_Sil, ui_.SB_AnneSil, ui_.SB_AnneEkle, ui_.SB_AnneListe,
                   ui_.SB_BabaSil, ui_.SB_BabaEkle, ui_.SB_BabaListe, ui_.SB_EsiSil, ui_.SB_EsiEkle,
                   ui_.SB_EsiListe, ui_.SB_CocuklariEkle, ui_.SB_CocuklariListe},
                  ButtonRule::Change);
    buttons_->add({ui_.SB_Tamam, ui_.SB_Iptal}, ButtonRule::Editing);
    buttons_->add(ui_.SB_Save, ButtonRule::Save);
    buttons_->add(ui_.SB_Sex, ButtonRule::Always);
    connect(&session_, &Session::enablingChanged, this, &PersonPage::applyEnabling);
    connect(&session_, &Session::langChanged, this, &PersonPage::retranslate);
    connect(&session_, &Session::currentChanged, this, &PersonPage::followCurrent);
    // Another page's change (pictures collected from the print page) is drawn when the page
    // is shown again; the page's own changes draw themselves.
    connect(&session_, &Session::familyChanged, this, [this] {
        if (!isVisible())
            changedWhileHidden_ = true;
    });
    attachKeyFilters();
    connectControls();
    personEditor_ = new PersonEditor(session_, prompts_, *this, ui_, this);
    relativeEditor_ = new RelativeEditor(session_, prompts_, *this, ui_, *personEditor_, this);
    pictureEditor_ = new PictureEditor(session_, prompts_, *this, ui_, this);
    connect(personEditor_, &PersonEditor::aboutPageRequested, this, &PersonPage::aboutRequested);
    retranslate();
    applyEnabling();
}

PersonPage::~PersonPage() = default;

void PersonPage::attachKeyFilters()
{
    auto* names = new FieldKeyFilter(
        [this](QChar typed) {
            return TurkceKeyPress(typed, session_.lang(), session_.readOnlyMode());
        },
        true, this);
    auto* dates = new FieldKeyFilter([](QChar typed) { return DateKeyPress(typed); }, true, this);
    notesFilter_ = new FieldKeyFilter(
        [this](QChar typed) { return Memo_NotlarKeyPress(typed, session_.readOnlyMode()); }, false,
        this);
    for (QLineEdit* field : {ui_.Edit_Ad, ui_.Edit_Soyad, ui_.Edit_DogYer})
        names->attach(field);
    for (QLineEdit* field : {ui_.Edit_DogTarih, ui_.Edit_OlTarih})
        dates->attach(field);
    notesFilter_->attach(ui_.Memo_Notlar);
    // Installed last, so Enter is seen before the key rules discard it.
    for (QLineEdit* field :
         {ui_.Edit_Ad, ui_.Edit_Soyad, ui_.Edit_DogYer, ui_.Edit_DogTarih, ui_.Edit_OlTarih})
        field->installEventFilter(this);
}

void PersonPage::connectControls()
{
    for (SpeedButton* heading :
         {ui_.SB_Anne, ui_.SB_Baba, ui_.SB_Esi, ui_.SB_Cocuklari, ui_.SB_Kardesleri})
        connect(heading, &QToolButton::clicked, this, [this, heading] { SB_GosterClick(heading); });
    for (PersonLabel* parent : {ui_.Lb_Anne, ui_.Lb_Baba})
        connect(parent, &PersonLabel::clicked, this, [this, parent] { SB_GosterClick(parent); });
    for (PersonListBox* list : {ui_.ListBox_Esi, ui_.ListBox_Cocuklari, ui_.ListBox_Kardesleri}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list] { listDoubleClicked(list); });
    }
    connect(ui_.ListBox_Esi, &QListWidget::itemSelectionChanged, this,
            &PersonPage::ListBox_EsiClick);
    connect(ui_.ListBox_Cocuklari, &QListWidget::itemSelectionChanged, this,
            &PersonPage::ListBox_CocuklariClick);
    for (QLineEdit* field :
         {ui_.Edit_Ad, ui_.Edit_Soyad, ui_.Edit_DogYer, ui_.Edit_DogTarih, ui_.Edit_OlTarih})
        connect(field, &QLineEdit::textChanged, this, &PersonPage::onFieldChanged);
    connect(ui_.Memo_Notlar, &QPlainTextEdit::textChanged, this, &PersonPage::onFieldChanged);
    connect(ui_.SB_BigNote, &QToolButton::clicked, this, &PersonPage::SB_BigNoteClick);
    connect(ui_.SB_ResimPrior, &QToolButton::clicked, this, &PersonPage::SB_ResimPriorClick);
    connect(ui_.SB_ResimNext, &QToolButton::clicked, this, &PersonPage::SB_ResimNextClick);
    const std::pair<SpeedButton*, void (PersonPage::*)()> leaving[] = {
        {ui_.SB_About, &PersonPage::aboutRequested}, {ui_.SB_Exit, &PersonPage::exitRequested},
        {ui_.SB_Save, &PersonPage::saveRequested},   {ui_.SB_Tree, &PersonPage::chartRequested},
        {ui_.SB_TView, &PersonPage::tableRequested}, {ui_.SB_Yaz, &PersonPage::printRequested}};
    for (const auto& [button, request] : leaving)
        connect(button, &QToolButton::clicked, this, request);
}

void PersonPage::onFieldChanged()
{
    if (changeHandlerAttached_)
        Q_EMIT fieldChanged();
}

void PersonPage::listDoubleClicked(QObject* list)
{
    if (listNavigation_)
        SB_GosterClick(list);
}

bool PersonPage::isRecord(qint32 recNo) const
{
    return recNo >= 1 && std::size_t(recNo) <= session_.persons().size();
}

void PersonPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (changedWhileHidden_) {
        changedWhileHidden_ = false;
        followCurrent();
    }
}

void PersonPage::followCurrent()
{
    // An open form stays as the user left it; it shows the stored person again when it closes.
    if (!session_.isEditing())
        ShowRecord();
}

void PersonPage::ShowRecord()
{
    if (!isRecord(session_.recNoMain()))
        return;
    changedWhileHidden_ = false; // drawn as the family stands now
    changeHandlerAttached_ = false;
    const TTreeData& person = session_.current();
    const PersonForm shown = FormOfRecord(session_.persons(), session_.recNoMain());
    personEditor_->showRecord(shown);
    ui_.Edit_Ad->setText(shown.GivenName);
    ui_.Edit_Soyad->setText(shown.Surname);
    ui_.Edit_DogYer->setText(shown.BirthPlace);
    ui_.Edit_DogTarih->setText(shown.BirthDateText);
    ui_.Edit_OlTarih->setText(shown.DeathDateText);
    showAge();
    showSex(shown.SexTag);
    showParentButtons(person);
    clearRelatives();
    siblings_.clear();
    for (const qint32 sibling : SiblingsOf(session_.persons(), session_.recNoMain())) {
        if (isRecord(sibling))
            siblings_.append(sibling);
    }
    fillRelatives();
    setNotes(person.Notes);
    showHeadings(person);
    changeHandlerAttached_ = true;
    ShowPicture(session_.recNoMain());
    showTitle(person);
    ui_.Lb_RecAdet->setText(LangText(Msg::TotalRecordsLabel, session_.lang()) +
                            QString::number(session_.persons().size()));
    ui_.Lb_RecNoMain->setText(LangText(Msg::RecordNumberLabel, session_.lang()) +
                              QString::number(session_.recNoMain()));
    disableMoveButtons();
}

void PersonPage::showAge()
{
    const PersonForm& form = personEditor_->form();
    const QString age =
        AgeText(form.BirthDateText, form.DeathDateText, prompts_.today().year(), session_.lang());
    const qsizetype colon = age.indexOf(QStringLiteral(" : "));
    ageValue_ = colon >= 0 ? age.mid(colon) : QString();
    ui_.Lb_Age->setText(age);
}

void PersonPage::showSex(int tag)
{
    ui_.SB_Sex->setTag(tag);
    ui_.SB_Sex->setIcon(ui_.ImageList_Sex[tag == 1 ? 0 : 1]);
}

void PersonPage::setTitleColor(int sexTag)
{
    setTextColor(ui_.Lb_Info, sexTag == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0));
}

void PersonPage::setListItemHeight(int height)
{
    for (PersonListBox* list : {ui_.ListBox_Esi, ui_.ListBox_Cocuklari, ui_.ListBox_Kardesleri})
        list->setItemHeight(height);
}

void PersonPage::showParentButtons(const TTreeData& person)
{
    ui_.SB_AnneEkle->setVisible(person.MotherId == 0);
    ui_.SB_AnneListe->setVisible(person.MotherId == 0);
    ui_.SB_AnneSil->setVisible(person.MotherId > 0);
    ui_.SB_BabaEkle->setVisible(person.FatherId == 0);
    ui_.SB_BabaListe->setVisible(person.FatherId == 0);
    ui_.SB_BabaSil->setVisible(person.FatherId > 0);
    ui_.SB_EsiSil->setVisible(!person.Spouses.isEmpty());
}

void PersonPage::clearRelatives()
{
    ui_.ListBox_Esi->clear();
    ui_.ListBox_Cocuklari->clear();
    ui_.ListBox_Kardesleri->clear();
    for (PersonLabel* parent : {ui_.Lb_Anne, ui_.Lb_Baba}) {
        parent->setToolTip(QString());
        parent->setText(QString());
        parent->setTag(0);
    }
}

void PersonPage::fillRelatives()
{
    const PersonForm& form = personEditor_->form();
    if (form.MotherId > 0)
        SetPersonLabel(session_.persons(), form.MotherId, *ui_.Lb_Anne, session_.lang());
    if (form.FatherId > 0)
        SetPersonLabel(session_.persons(), form.FatherId, *ui_.Lb_Baba, session_.lang());
    fillList(ui_.ListBox_Kardesleri, siblings_);
    fillList(ui_.ListBox_Esi, form.Spouses);
    fillList(ui_.ListBox_Cocuklari, form.Children);
}

void PersonPage::fillList(PersonListBox* list, const QList<qint32>& recNos)
{
    for (const qint32 recNo : recNos)
        list->addPerson(PersonEntryText(record(recNo), session_.lang()), recNo);
}

void PersonPage::showHeadings(const TTreeData& person)
{
    const Lang lang = session_.lang();
    const auto counted = [lang](Msg entry, qsizetype count, qsizetype from) {
        QString heading = LangText(entry, lang);
        if (count >= from)
            heading += QStringLiteral(" - ") + QString::number(count);
        return heading;
    };
    ui_.SB_Esi->setText(counted(Msg::SpouseHeading, person.Spouses.size(), 2));
    ui_.SB_Cocuklari->setText(counted(Msg::ChildrenHeading, person.Children.size(), 1));
    ui_.SB_Kardesleri->setText(counted(Msg::SiblingsHeading, siblings_.size(), 1));
}

void PersonPage::showTitle(const TTreeData& person)
{
    setTitle(PersonTitle(person, session_.lang()));
    if (person.Sex == SexMale)
        setTextColor(ui_.Lb_Info, QColor(0, 0, 255));
    else if (person.Sex == SexFemale)
        setTextColor(ui_.Lb_Info, QColor(255, 0, 0));
}

void PersonPage::setNotes(const QString& notes)
{
    ui_.Memo_Notlar->setPlainText(displayLines(notes));
}

QString PersonPage::notesText() const
{
    return ui_.Memo_Notlar->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void PersonPage::disableMoveButtons()
{
    for (SpeedButton* move :
         {ui_.SB_Esi_Up, ui_.SB_Esi_Down, ui_.SB_Cocuklari_Up, ui_.SB_Cocuklari_Down})
        move->setEnabled(false);
}

void PersonPage::SB_GosterClick(QObject* sender)
{
    const PersonForm& form = personEditor_->form();
    QObject* target = sender;
    if (sender == ui_.SB_Anne)
        target = ui_.Lb_Anne;
    else if (sender == ui_.SB_Baba)
        target = ui_.Lb_Baba;
    else if (sender == ui_.SB_Esi)
        target = ui_.ListBox_Esi;
    else if (sender == ui_.SB_Cocuklari)
        target = ui_.ListBox_Cocuklari;
    else if (sender == ui_.SB_Kardesleri)
        target = ui_.ListBox_Kardesleri;

    qint32 recNo = 0;
    if (target == ui_.Lb_Anne || target == ui_.Lb_Baba) {
        recNo = target == ui_.Lb_Anne ? form.MotherId : form.FatherId;
    } else if (auto* list = qobject_cast<PersonListBox*>(target)) {
        const QList<qint32>& shown = list == ui_.ListBox_Esi         ? form.Spouses
                                     : list == ui_.ListBox_Cocuklari ? form.Children
                                                                     : siblings_;
        if (shown.isEmpty())
            return;
        const int row = list->selectedRow();
        if (row < 0) {
            list->setCurrentRow(0); // the first click only chooses; the next one moves
            return;
        }
        recNo = shown.value(row);
    } else {
        return;
    }
    if (!isRecord(recNo))
        return;
    session_.setRecNoMain(recNo);
}

void PersonPage::ListBox_EsiClick()
{
    const PersonForm& form = personEditor_->form();
    const int row = ui_.ListBox_Esi->selectedRow();
    if (form.Spouses.size() < 2 || row < 0)
        return;
    const QList<bool> shared =
        SharedChildMarks(session_.persons(), form.Children, form.Spouses.value(row));
    for (int i = 0; i < ui_.ListBox_Cocuklari->count() && i < form.Children.size(); ++i) {
        const QString entry = PersonEntryText(record(form.Children.at(i)), session_.lang());
        ui_.ListBox_Cocuklari->item(i)->setText(shared.at(i) ? Bullet + entry : entry);
    }
    if (session_.mayChange()) {
        ui_.SB_Esi_Up->setEnabled(row > 0);
        ui_.SB_Esi_Down->setEnabled(row < form.Spouses.size() - 1);
    }
}

void PersonPage::ListBox_CocuklariClick()
{
    const int row = ui_.ListBox_Cocuklari->selectedRow();
    if (row < 0)
        return;
    if (session_.mayChange()) {
        ui_.SB_Cocuklari_Up->setEnabled(row > 0);
        ui_.SB_Cocuklari_Down->setEnabled(row < personEditor_->form().Children.size() - 1);
    }
}

bool PersonPage::FormKeyDown(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (!qobject_cast<QLineEdit*>(QApplication::focusWidget()))
        return false;
    focusNextPrevChild(true);
    return true;
}

bool PersonPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && FormKeyDown(static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

void PersonPage::SB_BigNoteClick()
{
    const QString caption = title_ + QStringLiteral(" - ") + LangText(Msg::Notes, session_.lang());
    const QString notes = displayLines(personEditor_->form().Notes);
    NoteWindow window(caption, notes, session_.readOnlyMode(), this);
    notesFilter_->attach(window.memo());
    prompts_.exec(window);
    // Copied back only when changed, so merely looking at the notes starts no correction.
    if (window.notes() != notes)
        ui_.Memo_Notlar->setPlainText(window.notes());
}

void PersonPage::ShowPicture(qint32 recNo)
{
    if (session_.persons().empty())
        return;
    const PictureCounterState counter =
        ShowCurrentPicture(session_, *ui_.Panel_Resim, recNo, &pictureShown_);
    ui_.Lb_ResimNo->setText(counter.caption);
    if (counter.addEnabled)
        pictureButtons_.add = *counter.addEnabled;
    pictureButtons_.remove = counter.deleteEnabled;
    pictureButtons_.next = counter.nextEnabled;
    pictureButtons_.prior = counter.priorEnabled;
    applyEnabling();
}

void PersonPage::SB_ResimPriorClick()
{
    session_.setPictureNo(session_.pictureNo() - 1);
    ShowPicture(session_.recNoMain());
}

void PersonPage::SB_ResimNextClick()
{
    session_.setPictureNo(session_.pictureNo() + 1);
    ShowPicture(session_.recNoMain());
}

QList<QWidget*> PersonPage::fields() const
{
    return {ui_.Edit_Ad,       ui_.Edit_Soyad,   ui_.Edit_DogYer,
            ui_.Edit_DogTarih, ui_.Edit_OlTarih, ui_.Memo_Notlar};
}

void PersonPage::applyEnabling()
{
    const bool browse = session_.mayBrowse();
    // The picture buttons keep what the counter last gave them, except while a form is open.
    ui_.SB_ResimEkle->setEnabled(browse && pictureButtons_.add);
    ui_.SB_ResimSil->setEnabled(browse && pictureButtons_.remove);
    ui_.SB_ResimNext->setEnabled(browse && pictureButtons_.next);
    ui_.SB_ResimPrior->setEnabled(browse && pictureButtons_.prior);
    const bool writable = !session_.readOnlyMode();
    ui_.SB_ResimEkle->setVisible(writable);
    ui_.SB_ResimSil->setVisible(writable);
    for (QLineEdit* field :
         {ui_.Edit_Ad, ui_.Edit_Soyad, ui_.Edit_DogYer, ui_.Edit_DogTarih, ui_.Edit_OlTarih})
        field->setReadOnly(!writable);
    ui_.Memo_Notlar->setReadOnly(!writable);
}

bool PersonPage::isEditing() const
{
    return session_.isEditing();
}

void PersonPage::setEditColours(bool editing)
{
    for (QWidget* field : fields()) {
        QPalette palette = field->palette();
        palette.setColor(QPalette::Base, editing ? QColor(255, 255, 0)
                                                 : QApplication::palette().color(QPalette::Base));
        field->setPalette(palette);
    }
    for (PersonListBox* list : {ui_.ListBox_Esi, ui_.ListBox_Cocuklari, ui_.ListBox_Kardesleri}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, QApplication::palette().color(editing ? QPalette::Button
                                                                               : QPalette::Base));
        list->setPalette(palette);
    }
}

void PersonPage::EnterEditState(EditMode mode)
{
    changeHandlerAttached_ = false;
    ui_.Lb_Anne->setEnabled(false);
    ui_.Lb_Baba->setEnabled(false);
    listNavigation_ = false;
    session_.beginEditing(mode);
    setEditColours(true);
    if (session_.isAdding()) {
        const Lang lang = session_.lang();
        ui_.Lb_RecNoMain->setText(LangText(Msg::RecordNumberLabel, lang) +
                                  QString::number(session_.persons().size() + 1) +
                                  QStringLiteral(" (") + LangText(Msg::NewRecordMark, lang) +
                                  QLatin1Char(')'));
    }
    disableMoveButtons();
    Q_EMIT editStateChanged(true);
}

void PersonPage::LeaveEditState()
{
    changeHandlerAttached_ = true;
    ui_.Lb_Anne->setEnabled(true);
    ui_.Lb_Baba->setEnabled(true);
    listNavigation_ = true;
    session_.endEditing();
    setEditColours(false);
    disableMoveButtons();
    // A field keeping the focus would take the next key press as the start of a correction.
    if (isVisible())
        setFocus(Qt::OtherFocusReason);
    Q_EMIT editStateChanged(false);
}

bool PersonPage::BeginAdding(EditMode mode)
{
    const Lang lang = session_.lang();
    if (session_.readOnlyMode()) {
        prompts_.message(MessageKind::Warning, LangText(Msg::ReadOnlyRefusal, lang));
        return false;
    }
    EnterEditState(mode);
    personEditor_->clearForm();
    for (QLineEdit* field :
         {ui_.Edit_Ad, ui_.Edit_Soyad, ui_.Edit_DogYer, ui_.Edit_DogTarih, ui_.Edit_OlTarih})
        field->clear();
    ui_.Lb_Age->clear();
    ageValue_.clear();
    clearRelatives();
    ui_.Memo_Notlar->setPlainText(LangText(Msg::NotesPlaceholder, lang));
    ui_.Panel_Resim->clear();
    pictureShown_ = false;
    // The form has no pictures yet; and the first person of a new file must not be shown
    // with the previous family's total and picture counter.
    ui_.Lb_ResimNo->setText(PictureCounter(0, 0).caption);
    ui_.Lb_RecAdet->setText(LangText(Msg::TotalRecordsLabel, lang) +
                            QString::number(session_.persons().size()));
    ui_.SB_Esi->setText(LangText(Msg::SpouseHeading, lang));
    ui_.SB_Cocuklari->setText(LangText(Msg::ChildrenHeading, lang));
    ui_.SB_Kardesleri->setText(LangText(Msg::SiblingsHeading, lang));
    showSex(1);
    if (mode == EditMode::First)
        setTitle(LangText(Msg::FirstRecordTitle, lang));
    ui_.Edit_Ad->setFocus();
    return true;
}

void PersonPage::SB_IptalClick()
{
    personEditor_->SB_IptalClick();
}

void PersonPage::setListeDialog(TForm_ListeDlg* dialog)
{
    relativeEditor_->setListeDialog(dialog);
}

void PersonPage::setTitle(const QString& title)
{
    title_ = title;
    ui_.Lb_Info->setText(title);
}

void PersonPage::retranslate()
{
    ui_.retranslateUi(session_.lang());
    // The age keeps its number: only the word before " : " changes.
    ui_.Lb_Age->setText(LangText(Msg::Age, session_.lang()) + ageValue_);
}

} // namespace kinrow
