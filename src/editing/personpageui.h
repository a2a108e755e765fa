#pragma once

#include "model/messages.h"
#include "model/person.h"

#include <QIcon>
#include <QList>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace kinrow {

class PersonLabel;
class PersonListBox;
class PicturePanel;
class SpeedButton;

// The controls of the person page and their fixed layout on a 616 x 480 page; the page's
// behaviour lives in PersonPage.
class PersonPageUi
{
public:
    // The toolbar.
    QFrame* Panel_Ust = nullptr;
    SpeedButton* SB_Duzelt = nullptr;
    SpeedButton* SB_Tamam = nullptr;
    SpeedButton* SB_Iptal = nullptr;
    SpeedButton* SB_Sil = nullptr;
    SpeedButton* SB_Liste = nullptr;
    SpeedButton* SB_Yaz = nullptr;
    SpeedButton* SB_Save = nullptr;
    SpeedButton* SB_TView = nullptr;
    SpeedButton* SB_Tree = nullptr;
    SpeedButton* SB_About = nullptr;
    SpeedButton* SB_Exit = nullptr;

    // The person's own fields.
    QLabel* Lb_Info = nullptr;
    QLabel* Lb_Ad = nullptr;
    QLabel* Lb_Soyad = nullptr;
    QLabel* Lb_DogYer = nullptr;
    QLabel* LB_DogTarih = nullptr;
    QLabel* Lb_OlTarih = nullptr;
    QLineEdit* Edit_Ad = nullptr;
    QLineEdit* Edit_Soyad = nullptr;
    QLineEdit* Edit_DogYer = nullptr;
    QLineEdit* Edit_DogTarih = nullptr;
    QLineEdit* Edit_OlTarih = nullptr;
    SpeedButton* SB_Sex = nullptr; // Tag: the form's sex, 1 man, 2 woman
    QLabel* Lb_Age = nullptr;
    QPlainTextEdit* Memo_Notlar = nullptr;
    SpeedButton* SB_BigNote = nullptr;
    QLabel* Lb_RecNoMain = nullptr;
    QLabel* Lb_RecAdet = nullptr;

    // Parents.
    SpeedButton* SB_Anne = nullptr;
    SpeedButton* SB_AnneEkle = nullptr;
    SpeedButton* SB_AnneListe = nullptr;
    SpeedButton* SB_AnneSil = nullptr;
    PersonLabel* Lb_Anne = nullptr;
    SpeedButton* SB_Baba = nullptr;
    SpeedButton* SB_BabaEkle = nullptr;
    SpeedButton* SB_BabaListe = nullptr;
    SpeedButton* SB_BabaSil = nullptr;
    PersonLabel* Lb_Baba = nullptr;

    // Spouses, children, siblings.
    SpeedButton* SB_Esi = nullptr;
    SpeedButton* SB_EsiEkle = nullptr;
    SpeedButton* SB_EsiListe = nullptr;
    SpeedButton* SB_EsiSil = nullptr;
    SpeedButton* SB_Esi_Up = nullptr;
    SpeedButton* SB_Esi_Down = nullptr;
    PersonListBox* ListBox_Esi = nullptr;
    SpeedButton* SB_Cocuklari = nullptr;
    SpeedButton* SB_CocuklariEkle = nullptr;
    SpeedButton* SB_CocuklariListe = nullptr;
    SpeedButton* SB_Cocuklari_Up = nullptr;
    SpeedButton* SB_Cocuklari_Down = nullptr;
    PersonListBox* ListBox_Cocuklari = nullptr;
    SpeedButton* SB_Kardesleri = nullptr;
    PersonListBox* ListBox_Kardesleri = nullptr;

    // The picture box.
    PicturePanel* Panel_Resim = nullptr;
    QWidget* Image_Resim = nullptr; // the picture inside Panel_Resim
    QLabel* Lb_ResimNo = nullptr;   // the picture counter, as "2/5"
    SpeedButton* SB_ResimEkle = nullptr;
    SpeedButton* SB_ResimSil = nullptr;
    SpeedButton* SB_ResimPrior = nullptr;
    SpeedButton* SB_ResimNext = nullptr;

    // ImageList_Sex: picture 1 man, picture 2 woman.
    QIcon ImageList_Sex[2];

    void setupUi(QWidget* page, const PersonList& persons);
    // Puts the page's fixed captions and hints into the controls in the given language.
    void retranslateUi(Lang lang);

private:
    SpeedButton* button(QWidget* parent, const char* name, QRect geometry);
    SpeedButton* pictureButton(QWidget* parent, const char* name, QRect geometry,
                               const QString& icon);
    QLabel* label(QWidget* parent, const char* name, QRect geometry);
    QLineEdit* lineEdit(QWidget* parent, const char* name, QRect geometry, int maxLength,
                        const QString& hint);
    void setupToolbar(QWidget* page);
    void setupFields(QWidget* page);
    void setupParents(QWidget* page);
    void setupLists(QWidget* page, const PersonList& persons);
    void setupPicture(QWidget* page);
};

} // namespace kinrow
