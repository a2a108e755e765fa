#include "editing/personpageui.h"

#include "editing/personlistbox.h"
#include "model/messages.h"
#include "pictures/picturepanel.h"
#include "ui/personlabel.h"
#include "ui/shortcuts.h"
#include "ui/speedbutton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>

namespace kinrow {

namespace {

QString iconPath(const QString& name)
{
    return QStringLiteral(":/kinrow/images/%1.png").arg(name);
}

void setCaption(SpeedButton* target, Msg entry, Lang lang)
{
    target->setText(LangText(entry, lang));
}

void setHint(QWidget* target, Msg entry, Lang lang)
{
    target->setToolTip(LangText(entry, lang));
}

} // namespace

void PersonPageUi::setupUi(QWidget* page, const PersonList& persons)
{
    page->setObjectName(QStringLiteral("TabSheet_Main"));
    page->resize(616, 480);
    ImageList_Sex[0] = QIcon(iconPath(QStringLiteral("sex_man")));
    ImageList_Sex[1] = QIcon(iconPath(QStringLiteral("sex_woman")));
    setupToolbar(page);
    setupFields(page);
    setupParents(page);
    setupLists(page, persons);
    setupPicture(page);
    QWidget::setTabOrder(Edit_Ad, Edit_Soyad);
    QWidget::setTabOrder(Edit_Soyad, Edit_DogYer);
    QWidget::setTabOrder(Edit_DogYer, Edit_DogTarih);
    QWidget::setTabOrder(Edit_DogTarih, Edit_OlTarih);
    QWidget::setTabOrder(Edit_OlTarih, Memo_Notlar);
}

SpeedButton* PersonPageUi::button(QWidget* parent, const char* name, QRect geometry)
{
    auto* created = new SpeedButton(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(geometry);
    return created;
}

SpeedButton* PersonPageUi::pictureButton(QWidget* parent, const char* name, QRect geometry,
                                         const QString& icon)
{
    SpeedButton* created = button(parent, name, geometry);
    created->setIcon(QIcon(iconPath(icon)));
    const int side = std::min(geometry.width(), geometry.height()) - 4;
    created->setIconSize(QSize(side, side));
    return created;
}

QLabel* PersonPageUi::label(QWidget* parent, const char* name, QRect geometry)
{
    auto* created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(geometry);
    return created;
}

QLineEdit* PersonPageUi::lineEdit(QWidget* parent, const char* name, QRect geometry, int maxLength,
                                  const QString& hint)
{
    auto* created = new QLineEdit(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(geometry);
    created->setMaxLength(maxLength);
    created->setToolTip(hint);
    return created;
}

void PersonPageUi::setupToolbar(QWidget* page)
{
    Panel_Ust = new QFrame(page);
    Panel_Ust->setObjectName(QStringLiteral("Panel_Ust"));
    Panel_Ust->setGeometry(0, 0, 616, 31);
    Panel_Ust->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    SB_Duzelt = button(Panel_Ust, "SB_Duzelt", {10, 5, 61, 21});
    SB_Tamam = button(Panel_Ust, "SB_Tamam", {75, 5, 61, 21});
    SB_Iptal = button(Panel_Ust, "SB_Iptal", {140, 5, 61, 21});
    SB_Sil = button(Panel_Ust, "SB_Sil", {205, 5, 61, 21});
    SB_Liste = button(Panel_Ust, "SB_Liste", {270, 5, 61, 21});
    // A shortcut of the button's own, so it works exactly when the button does.
    auto* listShortcut = new QShortcut(FindShortcut(), SB_Liste);
    QObject::connect(listShortcut, &QShortcut::activated, SB_Liste, &QAbstractButton::click);
    SB_Yaz = button(Panel_Ust, "SB_Yaz", {335, 5, 61, 21});
    SB_Save = pictureButton(Panel_Ust, "SB_Save", {434, 3, 28, 25}, QStringLiteral("save"));
    SB_TView = pictureButton(Panel_Ust, "SB_TView", {464, 3, 26, 25}, QStringLiteral("tview"));
    SB_Tree = pictureButton(Panel_Ust, "SB_Tree", {491, 3, 31, 25}, QStringLiteral("tree"));
    SB_About = pictureButton(Panel_Ust, "SB_About", {533, 3, 24, 25}, QStringLiteral("about"));
    SB_Exit = pictureButton(Panel_Ust, "SB_Exit", {558, 3, 31, 25}, QStringLiteral("exit"));
    SB_Tamam->setEnabled(false);
    SB_Iptal->setEnabled(false);
    SB_Save->setEnabled(false);
}

void PersonPageUi::setupFields(QWidget* page)
{
    Lb_Info = label(page, "Lb_Info", {8, 36, 454, 24});
    QFont titleFont = Lb_Info->font();
    titleFont.setPixelSize(16);
    titleFont.setBold(true);
    Lb_Info->setFont(titleFont);

    const QString nameHint = LangText(Msg::NameFieldHint, Lang::English);
    const QString dateHint = LangText(Msg::DateFieldHint, Lang::English);
    Lb_Ad = label(page, "Lb_Ad", {8, 66, 78, 21});
    Edit_Ad = lineEdit(page, "Edit_Ad", {88, 66, 200, 21}, 32, nameHint);
    Lb_Soyad = label(page, "Lb_Soyad", {8, 91, 78, 21});
    Edit_Soyad = lineEdit(page, "Edit_Soyad", {88, 91, 200, 21}, 32, nameHint);
    Lb_DogYer = label(page, "Lb_DogYer", {8, 116, 78, 21});
    Edit_DogYer = lineEdit(page, "Edit_DogYer", {88, 116, 200, 21}, 220,
                           LangText(Msg::PlaceFieldHint, Lang::English));
    LB_DogTarih = label(page, "LB_DogTarih", {8, 141, 78, 21});
    Edit_DogTarih = lineEdit(page, "Edit_DogTarih", {88, 141, 84, 21}, 10, dateHint);
    Lb_OlTarih = label(page, "Lb_OlTarih", {8, 166, 78, 21});
    Edit_OlTarih = lineEdit(page, "Edit_OlTarih", {88, 166, 84, 21}, 10, dateHint);

    SB_Sex = button(page, "SB_Sex", {180, 141, 40, 40});
    SB_Sex->setIconSize(QSize(32, 32));
    SB_Sex->setTag(1);
    SB_Sex->setIcon(ImageList_Sex[0]);
    Lb_Age = label(page, "Lb_Age", {224, 166, 66, 21});

    Memo_Notlar = new QPlainTextEdit(page);
    Memo_Notlar->setObjectName(QStringLiteral("Memo_Notlar"));
    Memo_Notlar->setGeometry(8, 370, 574, 102);
    Memo_Notlar->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_Notlar->setToolTip(LangText(Msg::NotesFieldHint, Lang::English));
    SB_BigNote = pictureButton(page, "SB_BigNote", {586, 370, 22, 22}, QStringLiteral("bignote"));
    SB_BigNote->setToolTip(LangText(Msg::BigNoteHint, Lang::English));
}

void PersonPageUi::setupParents(QWidget* page)
{
    SB_Anne = button(page, "SB_Anne", {296, 66, 70, 21});
    SB_AnneEkle = button(page, "SB_AnneEkle", {368, 66, 48, 21});
    SB_AnneSil = button(page, "SB_AnneSil", {368, 66, 48, 21});
    SB_AnneListe = button(page, "SB_AnneListe", {418, 66, 48, 21});
    Lb_Anne = new PersonLabel(page);
    Lb_Anne->setObjectName(QStringLiteral("Lb_Anne"));
    Lb_Anne->setGeometry(296, 89, 170, 18);
    SB_Baba = button(page, "SB_Baba", {296, 112, 70, 21});
    SB_BabaEkle = button(page, "SB_BabaEkle", {368, 112, 48, 21});
    SB_BabaSil = button(page, "SB_BabaSil", {368, 112, 48, 21});
    SB_BabaListe = button(page, "SB_BabaListe", {418, 112, 48, 21});
    Lb_Baba = new PersonLabel(page);
    Lb_Baba->setObjectName(QStringLiteral("Lb_Baba"));
    Lb_Baba->setGeometry(296, 135, 170, 18);
    for (SpeedButton* heading : {SB_Anne, SB_Baba}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    Lb_RecNoMain = label(page, "Lb_RecNoMain", {296, 160, 170, 14});
    Lb_RecAdet = label(page, "Lb_RecAdet", {296, 175, 170, 14});
}

void PersonPageUi::setupLists(QWidget* page, const PersonList& persons)
{
    auto makeList = [&](const char* name, QRect geometry) {
        auto* list = new PersonListBox(persons, page);
        list->setObjectName(QLatin1String(name));
        list->setGeometry(geometry);
        return list;
    };
    // The move buttons sit under their lists so that the lists can be as wide as the names.
    SB_Esi = button(page, "SB_Esi", {8, 200, 74, 21});
    SB_EsiEkle = button(page, "SB_EsiEkle", {84, 200, 36, 21});
    SB_EsiListe = button(page, "SB_EsiListe", {122, 200, 38, 21});
    SB_EsiSil = button(page, "SB_EsiSil", {162, 200, 38, 21});
    ListBox_Esi = makeList("ListBox_Esi", {8, 223, 192, 122});
    SB_Esi_Up = pictureButton(page, "SB_Esi_Up", {162, 347, 18, 18}, QStringLiteral("up"));
    SB_Esi_Down = pictureButton(page, "SB_Esi_Down", {182, 347, 18, 18}, QStringLiteral("down"));

    SB_Cocuklari = button(page, "SB_Cocuklari", {208, 200, 112, 21});
    SB_CocuklariEkle = button(page, "SB_CocuklariEkle", {322, 200, 38, 21});
    SB_CocuklariListe = button(page, "SB_CocuklariListe", {362, 200, 38, 21});
    ListBox_Cocuklari = makeList("ListBox_Cocuklari", {208, 223, 192, 122});
    SB_Cocuklari_Up =
        pictureButton(page, "SB_Cocuklari_Up", {362, 347, 18, 18}, QStringLiteral("up"));
    SB_Cocuklari_Down =
        pictureButton(page, "SB_Cocuklari_Down", {382, 347, 18, 18}, QStringLiteral("down"));

    SB_Kardesleri = button(page, "SB_Kardesleri", {408, 200, 200, 21});
    ListBox_Kardesleri = makeList("ListBox_Kardesleri", {408, 223, 200, 122});

    for (SpeedButton* heading : {SB_Esi, SB_Cocuklari, SB_Kardesleri}) {
        QFont bold = heading->font();
        bold.setBold(true);
        heading->setFont(bold);
    }
    for (SpeedButton* move : {SB_Esi_Up, SB_Esi_Down, SB_Cocuklari_Up, SB_Cocuklari_Down})
        move->setEnabled(false);
    // Raised, unlike the headings beside them, so they read as buttons.
    for (SpeedButton* relative :
         {SB_AnneEkle, SB_AnneListe, SB_AnneSil, SB_BabaEkle, SB_BabaListe, SB_BabaSil, SB_EsiEkle,
          SB_EsiListe, SB_EsiSil, SB_CocuklariEkle, SB_CocuklariListe})
        relative->setAutoRaise(false);
}

void PersonPageUi::setupPicture(QWidget* page)
{
    SB_ResimEkle = pictureButton(page, "SB_ResimEkle", {470, 40, 22, 22}, QStringLiteral("add"));
    SB_ResimSil = pictureButton(page, "SB_ResimSil", {470, 64, 22, 22}, QStringLiteral("delete"));
    Panel_Resim = new PicturePanel(page);
    Panel_Resim->setObjectName(QStringLiteral("Panel_Resim"));
    Panel_Resim->setGeometry(497, 36, PicturePanel::kDefaultWidth, PicturePanel::kDefaultHeight);
    Image_Resim = Panel_Resim->imageWidget();
    Image_Resim->setObjectName(QStringLiteral("Image_Resim"));
    SB_ResimPrior =
        pictureButton(page, "SB_ResimPrior", {497, 175, 22, 20}, QStringLiteral("prior"));
    Lb_ResimNo = new QLabel(page);
    Lb_ResimNo->setObjectName(QStringLiteral("Lb_ResimNo"));
    Lb_ResimNo->setGeometry(521, 175, 63, 20);
    Lb_ResimNo->setAlignment(Qt::AlignCenter);
    Lb_ResimNo->setText(QStringLiteral(" 0/0"));
    SB_ResimNext = pictureButton(page, "SB_ResimNext", {586, 175, 22, 20}, QStringLiteral("next"));
}

void PersonPageUi::retranslateUi(Lang lang)
{
    // The toolbar: captions and hints of the six text buttons, then the picture buttons' hints.
    SpeedButton* const textButtons[] = {SB_Duzelt, SB_Tamam, SB_Iptal, SB_Sil, SB_Liste, SB_Yaz};
    const Msg captions[] = {Msg::EditCaption,   Msg::OkCaption,   Msg::CancelCaption,
                            Msg::DeleteCaption, Msg::ListCaption, Msg::PrintCaption};
    const Msg hints[] = {Msg::EditHint,   Msg::OkHint,   Msg::CancelHint,
                         Msg::DeleteHint, Msg::ListHint, Msg::PrintHint};
    for (int i = 0; i < 6; ++i) {
        setCaption(textButtons[i], captions[i], lang);
        setHint(textButtons[i], hints[i], lang);
    }
    SB_Liste->setToolTip(HintWithShortcut(LangText(Msg::ListHint, lang), FindShortcut()));
    SB_Iptal->setToolTip(HintWithShortcut(LangText(Msg::CancelHint, lang), CancelShortcut()));
    SB_Save->setToolTip(HintWithShortcut(LangText(Msg::SaveHint, lang), SaveShortcut()));
    setHint(SB_Tree, Msg::TreeGraphHint, lang);
    setHint(SB_TView, Msg::TreeTableHint, lang);
    setHint(SB_About, Msg::AboutHint, lang);
    setHint(SB_Exit, Msg::ExitHint, lang);
    setHint(SB_Sex, Msg::SexHint, lang);

    Lb_Ad->setText(LangText(Msg::GivenName, lang));
    Lb_Soyad->setText(LangText(Msg::Surname, lang));
    Lb_DogYer->setText(LangText(Msg::BirthPlace, lang));
    LB_DogTarih->setText(LangText(Msg::BirthDate, lang));
    Lb_OlTarih->setText(LangText(Msg::DeathDate, lang));
    Panel_Resim->setCaption(LangText(Msg::ImagePanelCaption, lang));

    setCaption(SB_Anne, Msg::MotherHeading, lang);
    setCaption(SB_Baba, Msg::FatherHeading, lang);
    setCaption(SB_Esi, Msg::SpouseHeading, lang);
    setCaption(SB_Cocuklari, Msg::ChildrenHeading, lang);
    setCaption(SB_Kardesleri, Msg::SiblingsHeading, lang);
    for (SpeedButton* add : {SB_AnneEkle, SB_BabaEkle, SB_EsiEkle, SB_CocuklariEkle}) {
        setCaption(add, Msg::AddRelativeCaption, lang);
        setHint(add, Msg::AddRelativeHint, lang);
    }
    for (SpeedButton* remove : {SB_AnneSil, SB_BabaSil, SB_EsiSil})
        setCaption(remove, Msg::RemoveRelativeCaption, lang);
    for (SpeedButton* pick : {SB_AnneListe, SB_BabaListe, SB_EsiListe, SB_CocuklariListe}) {
        setCaption(pick, Msg::PickRelativeCaption, lang);
        setHint(pick, Msg::PickRelativeHint, lang);
    }
    for (SpeedButton* move : {SB_Esi_Up, SB_Esi_Down, SB_Cocuklari_Up, SB_Cocuklari_Down})
        setHint(move, Msg::ReorderHint, lang);
    ListBox_Cocuklari->setToolTip(LangText(Msg::ReorderByMouseLead, lang) +
                                  LangText(Msg::ReorderHint, lang));

    setHint(SB_ResimEkle, Msg::AddImageHint, lang);
    setHint(SB_ResimSil, Msg::DeleteImageHint, lang);
    setHint(SB_ResimPrior, Msg::PriorImageHint, lang);
    setHint(SB_ResimNext, Msg::NextImageHint, lang);
}

} // namespace kinrow
