#include "editing/personpage.h"

#include "editing/fieldkeyfilter.h"
#include "editing/notewindow.h"
#include "editing/personlabel.h"
#include "editing/personlistbox.h"
#include "editing/persontexts.h"
#include "editing/speedbutton.h"
#include "editing/taglabel.h"
#include "model/textrules.h"
#include "print/picturebox.h"
#include "print/picturepanel.h"
#include "print/picturepaths.h"
#include "shell/langtable.h"

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

PersonPage::PersonPage(AppState& state, QWidget* parent) : QWidget(parent), state_(state)
{
    setupUi(this, state_.persons);
    showMessage = [this](const QString& text) {
        QMessageBox::warning(window(), window()->windowTitle(), displayLines(text));
    };
    currentYear = [] { return QDate::currentDate().year(); };
    attachKeyFilters();
    connectControls();
    retranslate();
}

void PersonPage::attachKeyFilters()
{
    auto* names = new FieldKeyFilter(
        [this](QChar typed) {
            return TurkceKeyPress(typed, state_.langIndex, state_.readOnlyMode);
        },
        true, this);
    auto* dates = new FieldKeyFilter([](QChar typed) { return DateKeyPress(typed); }, true, this);
    auto* notes = new FieldKeyFilter(
        [this](QChar typed) { return Memo_NotlarKeyPress(typed, state_.readOnlyMode); }, false,
        this);
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer})
        names->attach(field);
    for (QLineEdit* field : {Edit_DogTarih, Edit_OlTarih})
        dates->attach(field);
    notes->attach(Memo_Notlar);
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
    return recNo >= 1 && std::size_t(recNo) <= state_.persons.size();
}

void PersonPage::ShowRecord()
{
    if (!isRecord(state_.recNoMain))
        return;
    changeHandlerAttached_ = false;
    const TTreeData& person = state_.current();
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
    ShowPicture(state_.recNoMain);
    showTitle(person);
    Lb_RecAdet->setText(LangText(134, state_.langIndex) + QString::number(state_.persons.size()));
    Lb_RecNoMain->setText(LangText(133, state_.langIndex) + QString::number(state_.recNoMain));
    disableMoveButtons();
}

void PersonPage::showAge()
{
    Lb_Age->setText(
        AgeText(Edit_DogTarih->text(), Edit_OlTarih->text(), currentYear(), state_.langIndex));
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
        SetPersonLabel(state_.persons, person.MotherId, *Lb_Anne, state_.langIndex);
    if (isRecord(person.FatherId))
        SetPersonLabel(state_.persons, person.FatherId, *Lb_Baba, state_.langIndex);
    fillList(ListBox_Kardesleri, SiblingsOf(state_.persons, state_.recNoMain));
    fillList(ListBox_Esi, person.Spouses);
    fillList(ListBox_Cocuklari, person.Children);
}

void PersonPage::fillList(PersonListBox* list, const QList<qint32>& recNos)
{
    for (const qint32 recNo : recNos) {
        if (isRecord(recNo))
            list->addPerson(PersonEntryText(record(recNo), state_.langIndex), recNo);
    }
}

void PersonPage::showHeadings(const TTreeData& person)
{
    const int lang = state_.langIndex;
    const auto counted = [lang](int entry, qsizetype count, qsizetype from) {
        QString heading = LangText(entry, lang);
        if (count >= from)
            heading += QStringLiteral(" - ") + QString::number(count);
        return heading;
    };
    SB_Esi->setText(counted(44, person.Spouses.size(), 2));
    SB_Cocuklari->setText(counted(45, person.Children.size(), 1));
    SB_Kardesleri->setText(counted(46, ListBox_Kardesleri->count(), 1));
}

void PersonPage::showTitle(const TTreeData& person)
{
    Lb_Info->setText(ProperCaseName(person.GivenName, state_.langIndex) + QLatin1Char(' ') +
                     person.Surname);
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
        state_.recNoMain = parent->tag();
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
        state_.recNoMain = list->recNoAt(row);
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
    if (!state_.readOnlyMode && SB_Duzelt->isEnabled()) {
        SB_Esi_Up->setEnabled(row > 0);
        SB_Esi_Down->setEnabled(row < ListBox_Esi->count() - 1);
    }
}

void PersonPage::ListBox_CocuklariClick()
{
    const int row = ListBox_Cocuklari->selectedRow();
    if (row < 0)
        return;
    if (!state_.readOnlyMode && SB_Duzelt->isEnabled()) {
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
        Lb_Info->text() + QStringLiteral(" - ") + LangText(58, state_.langIndex);
    NoteWindow window(caption, Memo_Notlar->toPlainText(), state_.readOnlyMode, this);
    window.exec();
    // Copied back only when changed, so merely looking at the notes starts no correction.
    if (window.notes() != Memo_Notlar->toPlainText())
        Memo_Notlar->setPlainText(window.notes());
}

void PersonPage::ShowPicture(qint32 recNo)
{
    if (state_.persons.empty())
        return;
    Panel_Resim->clear();
    const QStringList pictures = isRecord(recNo) ? record(recNo).Pictures : QStringList();
    const PictureCounterState counter = PictureCounter(Lb_ResimNo->tag(), int(pictures.size()));
    Lb_ResimNo->setTag(counter.tag);
    Lb_ResimNo->setText(counter.caption);
    if (counter.addEnabled)
        SB_ResimEkle->setEnabled(*counter.addEnabled);
    SB_ResimSil->setEnabled(counter.deleteEnabled);
    SB_ResimNext->setEnabled(counter.nextEnabled);
    SB_ResimPrior->setEnabled(counter.priorEnabled);
    if (counter.tag == 0)
        return;
    const QString& entry = pictures[counter.tag - 1];
    if (PictureFileExists(entry))
        Panel_Resim->showFile(PictureSeparators(entry));
}

bool PersonPage::pictureShown() const
{
    return !Panel_Resim->picture().isNull();
}

void PersonPage::SB_ResimPriorClick()
{
    Lb_ResimNo->setTag(Lb_ResimNo->tag() - 1);
    ShowPicture(state_.recNoMain);
}

void PersonPage::SB_ResimNextClick()
{
    Lb_ResimNo->setTag(Lb_ResimNo->tag() + 1);
    ShowPicture(state_.recNoMain);
}

QList<SpeedButton*> PersonPage::pictureButtons() const
{
    return {SB_ResimEkle, SB_ResimSil, SB_ResimNext, SB_ResimPrior};
}

QList<QWidget*> PersonPage::fields() const
{
    return {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih, Memo_Notlar};
}

void PersonPage::setEditingEnabled(bool enabled)
{
    for (SpeedButton* editing :
         {SB_Duzelt, SB_Sil, SB_AnneSil, SB_AnneEkle, SB_AnneListe, SB_BabaSil, SB_BabaEkle,
          SB_BabaListe, SB_EsiSil, SB_EsiEkle, SB_EsiListe, SB_CocuklariEkle, SB_CocuklariListe})
        editing->setEnabled(enabled);
    SB_ResimEkle->setVisible(enabled);
    SB_ResimSil->setVisible(enabled);
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih})
        field->setReadOnly(!enabled);
    Memo_Notlar->setReadOnly(!enabled);
}

bool PersonPage::isEditing() const
{
    return !SB_Duzelt->isEnabled() && SB_Tamam->isEnabled();
}

void PersonPage::flipSpeedButtons()
{
    // Every speed button of the window, on every page, so that no other page can be opened
    // while a person is being edited.
    const QList<QToolButton*> buttons = window()->findChildren<QToolButton*>();
    for (QToolButton* button : buttons) {
        if (auto* speed = dynamic_cast<SpeedButton*>(button))
            speed->setEnabled(!speed->isEnabled());
    }
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

void PersonPage::EnterEditState()
{
    changeHandlerAttached_ = false;
    Lb_Anne->setEnabled(false);
    Lb_Baba->setEnabled(false);
    listNavigation_ = false;
    for (SpeedButton* picture : pictureButtons()) {
        picture->setTag(picture->isEnabled() ? 1 : 0);
        picture->setEnabled(true);
    }
    flipSpeedButtons();
    SB_Save->setEnabled(false);
    SB_Sex->setEnabled(true);
    setEditColours(true);
    if (state_.editMode.contains(QStringLiteral("Eklenmektedir"))) {
        const int lang = state_.langIndex;
        Lb_RecNoMain->setText(LangText(133, lang) + QString::number(state_.persons.size() + 1) +
                              QStringLiteral(" (") + LangText(135, lang) + QLatin1Char(')'));
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
    flipSpeedButtons();
    SB_Save->setEnabled(hasUnsavedChanges());
    SB_Sex->setEnabled(true);
    for (SpeedButton* picture : pictureButtons())
        picture->setEnabled(picture->tag() != 0);
    setEditColours(false);
    disableMoveButtons();
    Q_EMIT editStateChanged(false);
}

bool PersonPage::BeginAdding()
{
    const int lang = state_.langIndex;
    if (state_.readOnlyMode) {
        showMessage(LangText(76, lang));
        return false;
    }
    EnterEditState();
    for (QLineEdit* field : {Edit_Ad, Edit_Soyad, Edit_DogYer, Edit_DogTarih, Edit_OlTarih})
        field->clear();
    Lb_Age->clear();
    clearRelatives();
    Memo_Notlar->setPlainText(LangText(107, lang));
    Panel_Resim->clear();
    SB_Esi->setText(LangText(44, lang));
    SB_Cocuklari->setText(LangText(45, lang));
    SB_Kardesleri->setText(LangText(46, lang));
    showSex(1);
    Edit_Ad->setFocus();
    return true;
}

void PersonPage::setUnsavedChanges(bool pending)
{
    SB_Save->setTag(pending ? 1 : 0);
    if (!isEditing())
        SB_Save->setEnabled(pending);
}

bool PersonPage::hasUnsavedChanges() const
{
    return SB_Save->tag() == 1;
}

void PersonPage::retranslate()
{
    retranslateUi(state_.langIndex);
}

} // namespace kinrow
