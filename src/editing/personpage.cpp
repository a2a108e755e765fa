#include "editing/personpage.h"

#include "editing/fieldkeyfilter.h"
#include "editing/notewindow.h"
#include "editing/personlabels.h"
#include "editing/personlistbox.h"
#include "editing/persontexts.h"
#include "model/messages.h"
#include "model/picturepaths.h"
#include "model/textrules.h"
#include "pictures/currentpicture.h"
#include "pictures/picturebox.h"
#include "pictures/picturepanel.h"
#include "ui/personlabel.h"
#include "ui/sessionbuttons.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

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

PersonPage::PersonPage(Session& session, QWidget* parent) : QWidget(parent), session_(session)
{
    setupUi(this, session_.persons);
    buttons_ = new SessionButtons(session_, this);
    buttons_->add({SB_Liste, SB_Yaz, SB_TView, SB_Tree, SB_About, SB_Exit, SB_Anne, SB_Baba, SB_Esi,
                   SB_Cocuklari, SB_Kardesleri, SB_BigNote},
                  ButtonRule::Browse);
    buttons_->add({SB_Duzelt, SB_Sil, SB_AnneSil, SB_AnneEkle, SB_AnneListe, SB_BabaSil,
                   SB_BabaEkle, SB_BabaListe, SB_EsiSil, SB_EsiEkle, SB_EsiListe, SB_CocuklariEkle,
                   SB_CocuklariListe},
                  ButtonRule::Change);
    buttons_->add({SB_Tamam, SB_Iptal}, ButtonRule::Editing);
    buttons_->add(SB_Save, ButtonRule::Save);
    buttons_->add(SB_Sex, ButtonRule::Always);
    connect(&session_, &Session::enablingChanged, this, &PersonPage::applyEnabling);
    showMessage = [this](const QString& text) {
        QMessageBox::warning(window(), window()->windowTitle(), displayLines(text));
    };
    currentYear = [] { return QDate::currentDate().year(); };
    attachKeyFilters();
    connectControls();
    retranslate();
    applyEnabling();
}

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
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer})
        names->attach(field);
    for (QLineEdit* field : {Edit_DogTarih, Edit_OlTarih})
        dates->attach(field);
    notesFilter_->attach(Memo_Notlar);
    // Installed last, so Enter is seen before the key rules discard it.
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih})
        field->installEventFilter(this);
}

void PersonPage::connectControls()
{
    for (SpeedButton* heading : {SB_Anne, SB_Baba, SB_Esi, SB_Cocuklari, SB_Kardesleri})
        connect(heading, &QToolButton::clicked, this, [this, heading] { SB_GosterClick(heading); });
    for (PersonLabel* parent : {Lb_Anne, Lb_Baba})
        connect(parent, &PersonLabel::clicked, this, [this, parent] { SB_GosterClick(parent); });
    for (PersonListBox* list : {ListBox_Esi, ListBox_Cocuklari, ListBox_Kardesleri}) {
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, list] { listDoubleClicked(list); });
    }
    connect(ListBox_Esi, &QListWidget::itemSelectionChanged, this, &PersonPage::ListBox_EsiClick);
    connect(ListBox_Cocuklari, &QListWidget::itemSelectionChanged, this,
            &PersonPage::ListBox_CocuklariClick);
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih})
        connect(field, &QLineEdit::textChanged, this, &PersonPage::onFieldChanged);
    connect(Memo_Notlar, &QPlainTextEdit::textChanged, this, &PersonPage::onFieldChanged);
    connect(SB_BigNote, &QToolButton::clicked, this, &PersonPage::SB_BigNoteClick);
    connect(SB_ResimPrior, &QToolButton::clicked, this, &PersonPage::SB_ResimPriorClick);
    connect(SB_ResimNext, &QToolButton::clicked, this, &PersonPage::SB_ResimNextClick);
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
    return recNo >= 1 && std::size_t(recNo) <= session_.persons.size();
}

void PersonPage::ShowRecord()
{
    if (!isRecord(session_.recNoMain()))
        return;
    changeHandlerAttached_ = false;
    const TTreeData& person = session_.current();
    Edit_Ad->setText(person.GivenName);
    Edit_Soyad->setText(person.Surname);
    Edit_DogYer->setText(person.BirthPlace);
    Edit_DogTarih->setText(FormatDateValue(person.BirthDate));
    Edit_OlTarih->setText(FormatDateValue(person.DeathDate));
    showAge();
    showSex(person.Sex == SexMale ? 1 : 2);
    showParentButtons(person);
    clearRelatives();
    fillRelatives(person);
    setNotes(person.Notes);
    showHeadings(person);
    changeHandlerAttached_ = true;
    ShowPicture(session_.recNoMain());
    showTitle(person);
    Lb_RecAdet->setText(LangText(Msg::TotalRecordsLabel, session_.lang()) +
                        QString::number(session_.persons.size()));
    Lb_RecNoMain->setText(LangText(Msg::RecordNumberLabel, session_.lang()) +
                          QString::number(session_.recNoMain()));
    disableMoveButtons();
}

void PersonPage::showAge()
{
    Lb_Age->setText(
        AgeText(Edit_DogTarih->text(), Edit_OlTarih->text(), currentYear(), session_.lang()));
}

void PersonPage::showSex(int tag)
{
    SB_Sex->setTag(tag);
    SB_Sex->setIcon(ImageList_Sex[tag == 1 ? 0 : 1]);
}

void PersonPage::setTitleColor(int sexTag)
{
    setTextColor(Lb_Info, sexTag == 1 ? QColor(0, 0, 255) : QColor(255, 0, 0));
}

void PersonPage::setListItemHeight(int height)
{
    for (PersonListBox* list : {ListBox_Esi, ListBox_Cocuklari, ListBox_Kardesleri})
        list->setItemHeight(height);
}

void PersonPage::showParentButtons(const TTreeData& person)
{
    SB_AnneEkle->setVisible(person.MotherId == 0);
    SB_AnneListe->setVisible(person.MotherId == 0);
    SB_AnneSil->setVisible(person.MotherId > 0);
    SB_BabaEkle->setVisible(person.FatherId == 0);
    SB_BabaListe->setVisible(person.FatherId == 0);
    SB_BabaSil->setVisible(person.FatherId > 0);
    SB_EsiSil->setVisible(!person.Spouses.isEmpty());
}

void PersonPage::clearRelatives()
{
    ListBox_Esi->clear();
    ListBox_Cocuklari->clear();
    ListBox_Kardesleri->clear();
    for (PersonLabel* parent : {Lb_Anne, Lb_Baba}) {
        parent->setToolTip(QString());
        parent->setText(QString());
        parent->setTag(0);
    }
}

void PersonPage::fillRelatives(const TTreeData& person)
{
    if (isRecord(person.MotherId))
        SetPersonLabel(session_.persons, person.MotherId, *Lb_Anne, session_.lang());
    if (isRecord(person.FatherId))
        SetPersonLabel(session_.persons, person.FatherId, *Lb_Baba, session_.lang());
    fillList(ListBox_Kardesleri, SiblingsOf(session_.persons, session_.recNoMain()));
    fillList(ListBox_Esi, person.Spouses);
    fillList(ListBox_Cocuklari, person.Children);
}

void PersonPage::fillList(PersonListBox* list, const QList<qint32>& recNos)
{
    for (const qint32 recNo : recNos) {
        if (isRecord(recNo))
            list->addPerson(PersonEntryText(record(recNo), session_.lang()), recNo);
    }
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
    SB_Esi->setText(counted(Msg::SpouseHeading, person.Spouses.size(), 2));
    SB_Cocuklari->setText(counted(Msg::ChildrenHeading, person.Children.size(), 1));
    SB_Kardesleri->setText(counted(Msg::SiblingsHeading, ListBox_Kardesleri->count(), 1));
}

void PersonPage::showTitle(const TTreeData& person)
{
    Lb_Info->setText(PersonTitle(person, session_.lang()));
    if (person.Sex == SexMale)
        setTextColor(Lb_Info, QColor(0, 0, 255));
    else if (person.Sex == SexFemale)
        setTextColor(Lb_Info, QColor(255, 0, 0));
}

void PersonPage::setNotes(const QString& notes)
{
    Memo_Notlar->setPlainText(displayLines(notes));
}

QString PersonPage::notesText() const
{
    return Memo_Notlar->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void PersonPage::disableMoveButtons()
{
    for (SpeedButton* move : {SB_Esi_Up, SB_Esi_Down, SB_Cocuklari_Up, SB_Cocuklari_Down})
        move->setEnabled(false);
}

void PersonPage::SB_GosterClick(QObject* sender)
{
    QObject* target = sender;
    if (sender == SB_Anne)
        target = Lb_Anne;
    else if (sender == SB_Baba)
        target = Lb_Baba;
    else if (sender == SB_Esi)
        target = ListBox_Esi;
    else if (sender == SB_Cocuklari)
        target = ListBox_Cocuklari;
    else if (sender == SB_Kardesleri)
        target = ListBox_Kardesleri;

    if (auto* parent = qobject_cast<PersonLabel*>(target)) {
        if (!isRecord(parent->tag()))
            return;
        session_.setRecNoMain(parent->tag());
    } else if (auto* list = qobject_cast<PersonListBox*>(target)) {
        if (list->count() == 0)
            return;
        const int row = list->selectedRow();
        if (row < 0) {
            list->setCurrentRow(0); // the first click only chooses; the next one moves
            return;
        }
        if (!isRecord(list->recNoAt(row)))
            return;
        session_.setRecNoMain(list->recNoAt(row));
    } else {
        return;
    }
    ShowRecord();
}

void PersonPage::ListBox_EsiClick()
{
    const int row = ListBox_Esi->selectedRow();
    if (ListBox_Esi->count() < 2 || row < 0)
        return;
    for (int i = 0; i < ListBox_Cocuklari->count(); ++i) {
        QListWidgetItem* child = ListBox_Cocuklari->item(i);
        if (child->text().startsWith(Bullet))
            child->setText(child->text().mid(1));
    }
    const qint32 spouse = ListBox_Esi->recNoAt(row);
    if (isRecord(spouse)) {
        for (const qint32 shared : record(spouse).Children) {
            for (int i = 0; i < ListBox_Cocuklari->count(); ++i) {
                QListWidgetItem* child = ListBox_Cocuklari->item(i);
                if (ListBox_Cocuklari->recNoAt(i) == shared)
                    child->setText(Bullet + child->text());
            }
        }
    }
    if (session_.mayChange()) {
        SB_Esi_Up->setEnabled(row > 0);
        SB_Esi_Down->setEnabled(row < ListBox_Esi->count() - 1);
    }
}

void PersonPage::ListBox_CocuklariClick()
{
    const int row = ListBox_Cocuklari->selectedRow();
    if (row < 0)
        return;
    if (session_.mayChange()) {
        SB_Cocuklari_Up->setEnabled(row > 0);
        SB_Cocuklari_Down->setEnabled(row < ListBox_Cocuklari->count() - 1);
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
    const QString caption =
        Lb_Info->text() + QStringLiteral(" - ") + LangText(Msg::Notes, session_.lang());
    NoteWindow window(caption, Memo_Notlar->toPlainText(), session_.readOnlyMode(), this);
    notesFilter_->attach(window.memo());
    window.exec();
    // Copied back only when changed, so merely looking at the notes starts no correction.
    if (window.notes() != Memo_Notlar->toPlainText())
        Memo_Notlar->setPlainText(window.notes());
}

void PersonPage::ShowPicture(qint32 recNo)
{
    if (session_.persons.empty())
        return;
    const PictureCounterState counter = ShowCurrentPicture(session_, *Panel_Resim, recNo);
    Lb_ResimNo->setText(counter.caption);
    if (counter.addEnabled)
        pictureButtons_.add = *counter.addEnabled;
    pictureButtons_.remove = counter.deleteEnabled;
    pictureButtons_.next = counter.nextEnabled;
    pictureButtons_.prior = counter.priorEnabled;
    applyEnabling();
}

bool PersonPage::pictureShown() const
{
    return !Panel_Resim->picture().isNull();
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

QList<SpeedButton*> PersonPage::pictureButtons() const
{
    return {SB_ResimEkle, SB_ResimSil, SB_ResimNext, SB_ResimPrior};
}

QList<QWidget*> PersonPage::fields() const
{
    return {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih, Memo_Notlar};
}

void PersonPage::applyEnabling()
{
    const bool browse = session_.mayBrowse();
    // The picture buttons keep what the counter last gave them, except while a form is open.
    SB_ResimEkle->setEnabled(browse && pictureButtons_.add);
    SB_ResimSil->setEnabled(browse && pictureButtons_.remove);
    SB_ResimNext->setEnabled(browse && pictureButtons_.next);
    SB_ResimPrior->setEnabled(browse && pictureButtons_.prior);
    const bool writable = !session_.readOnlyMode();
    SB_ResimEkle->setVisible(writable);
    SB_ResimSil->setVisible(writable);
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih})
        field->setReadOnly(!writable);
    Memo_Notlar->setReadOnly(!writable);
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
    for (PersonListBox* list : {ListBox_Esi, ListBox_Cocuklari, ListBox_Kardesleri}) {
        QPalette palette = list->palette();
        palette.setColor(QPalette::Base, QApplication::palette().color(editing ? QPalette::Button
                                                                               : QPalette::Base));
        list->setPalette(palette);
    }
}

void PersonPage::EnterEditState(EditMode mode)
{
    changeHandlerAttached_ = false;
    Lb_Anne->setEnabled(false);
    Lb_Baba->setEnabled(false);
    listNavigation_ = false;
    session_.beginEditing(mode);
    setEditColours(true);
    if (session_.isAdding()) {
        const Lang lang = session_.lang();
        Lb_RecNoMain->setText(LangText(Msg::RecordNumberLabel, lang) +
                              QString::number(session_.persons.size() + 1) + QStringLiteral(" (") +
                              LangText(Msg::NewRecordMark, lang) + QLatin1Char(')'));
    }
    disableMoveButtons();
    Q_EMIT editStateChanged(true);
}

void PersonPage::LeaveEditState()
{
    changeHandlerAttached_ = true;
    Lb_Anne->setEnabled(true);
    Lb_Baba->setEnabled(true);
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
        showMessage(LangText(Msg::ReadOnlyRefusal, lang));
        return false;
    }
    EnterEditState(mode);
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih})
        field->clear();
    Lb_Age->clear();
    clearRelatives();
    Memo_Notlar->setPlainText(LangText(Msg::NotesPlaceholder, lang));
    Panel_Resim->clear();
    // The form has no pictures yet; and the first person of a new file must not be shown
    // with the previous family's total and picture counter.
    Lb_ResimNo->setText(PictureCounter(0, 0).caption);
    Lb_RecAdet->setText(LangText(Msg::TotalRecordsLabel, lang) +
                        QString::number(session_.persons.size()));
    SB_Esi->setText(LangText(Msg::SpouseHeading, lang));
    SB_Cocuklari->setText(LangText(Msg::ChildrenHeading, lang));
    SB_Kardesleri->setText(LangText(Msg::SiblingsHeading, lang));
    showSex(1);
    Edit_Ad->setFocus();
    return true;
}

void PersonPage::retranslate()
{
    retranslateUi(session_.lang());
}

} // namespace kinrow
