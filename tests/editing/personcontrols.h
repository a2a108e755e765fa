#pragma once

#include "editing/personlistbox.h"
#include "pictures/picturepanel.h"
#include "ui/controls.h"
#include "ui/personlabel.h"
#include "ui/speedbutton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace kinrow::test {

// The person page's controls, found by their names; the page keeps them private.
struct PersonControls
{
    explicit PersonControls(const QWidget& shown) : page(shown) {}
    explicit PersonControls(const QWidget* shown) : page(*shown) {}

    const QWidget& page;
    QFrame* Panel_Ust = Control<QFrame>(page, QStringLiteral("Panel_Ust"));
    SpeedButton* SB_Duzelt = Control<SpeedButton>(page, QStringLiteral("SB_Duzelt"));
    SpeedButton* SB_Tamam = Control<SpeedButton>(page, QStringLiteral("SB_Tamam"));
    SpeedButton* SB_Iptal = Control<SpeedButton>(page, QStringLiteral("SB_Iptal"));
    SpeedButton* SB_Sil = Control<SpeedButton>(page, QStringLiteral("SB_Sil"));
    SpeedButton* SB_Liste = Control<SpeedButton>(page, QStringLiteral("SB_Liste"));
    SpeedButton* SB_Yaz = Control<SpeedButton>(page, QStringLiteral("SB_Yaz"));
    SpeedButton* SB_Save = Control<SpeedButton>(page, QStringLiteral("SB_Save"));
    SpeedButton* SB_TView = Control<SpeedButton>(page, QStringLiteral("SB_TView"));
    SpeedButton* SB_Tree = Control<SpeedButton>(page, QStringLiteral("SB_Tree"));
    SpeedButton* SB_About = Control<SpeedButton>(page, QStringLiteral("SB_About"));
    SpeedButton* SB_Exit = Control<SpeedButton>(page, QStringLiteral("SB_Exit"));
    QLabel* Lb_Info = Control<QLabel>(page, QStringLiteral("Lb_Info"));
    QLabel* Lb_Ad = Control<QLabel>(page, QStringLiteral("Lb_Ad"));
    QLabel* Lb_Soyad = Control<QLabel>(page, QStringLiteral("Lb_Soyad"));
    QLabel* Lb_DogYer = Control<QLabel>(page, QStringLiteral("Lb_DogYer"));
    QLabel* LB_DogTarih = Control<QLabel>(page, QStringLiteral("LB_DogTarih"));
    QLabel* Lb_OlTarih = Control<QLabel>(page, QStringLiteral("Lb_OlTarih"));
    QLineEdit* Edit_Ad = Control<QLineEdit>(page, QStringLiteral("Edit_Ad"));
    QLineEdit* Edit_Soyad = Control<QLineEdit>(page, QStringLiteral("Edit_Soyad"));
    QLineEdit* Edit_DogYer = Control<QLineEdit>(page, QStringLiteral("Edit_DogYer"));
    QLineEdit* Edit_DogTarih = Control<QLineEdit>(page, QStringLiteral("Edit_DogTarih"));
    QLineEdit* Edit_OlTarih = Control<QLineEdit>(page, QStringLiteral("Edit_OlTarih"));
    SpeedButton* SB_Sex = Control<SpeedButton>(page, QStringLiteral("SB_Sex"));
    QLabel* Lb_Age = Control<QLabel>(page, QStringLiteral("Lb_Age"));
    QPlainTextEdit* Memo_Notlar = Control<QPlainTextEdit>(page, QStringLiteral("Memo_Notlar"));
    SpeedButton* SB_BigNote = Control<SpeedButton>(page, QStringLiteral("SB_BigNote"));
    QLabel* Lb_RecNoMain = Control<QLabel>(page, QStringLiteral("Lb_RecNoMain"));
    QLabel* Lb_RecAdet = Control<QLabel>(page, QStringLiteral("Lb_RecAdet"));
    SpeedButton* SB_Anne = Control<SpeedButton>(page, QStringLiteral("SB_Anne"));
    SpeedButton* SB_AnneEkle = Control<SpeedButton>(page, QStringLiteral("SB_AnneEkle"));
    SpeedButton* SB_AnneListe = Control<SpeedButton>(page, QStringLiteral("SB_AnneListe"));
    SpeedButton* SB_AnneSil = Control<SpeedButton>(page, QStringLiteral("SB_AnneSil"));
    PersonLabel* Lb_Anne = Control<PersonLabel>(page, QStringLiteral("Lb_Anne"));
    SpeedButton* SB_Baba = Control<SpeedButton>(page, QStringLiteral("SB_Baba"));
    SpeedButton* SB_BabaEkle = Control<SpeedButton>(page, QStringLiteral("SB_BabaEkle"));
    SpeedButton* SB_BabaListe = Control<SpeedButton>(page, QStringLiteral("SB_BabaListe"));
    SpeedButton* SB_BabaSil = Control<SpeedButton>(page, QStringLiteral("SB_BabaSil"));
    PersonLabel* Lb_Baba = Control<PersonLabel>(page, QStringLiteral("Lb_Baba"));
    SpeedButton* SB_Esi = Control<SpeedButton>(page, QStringLiteral("SB_Esi"));
    SpeedButton* SB_EsiEkle = Control<SpeedButton>(page, QStringLiteral("SB_EsiEkle"));
    SpeedButton* SB_EsiListe = Control<SpeedButton>(page, QStringLiteral("SB_EsiListe"));
    SpeedButton* SB_EsiSil = Control<SpeedButton>(page, QStringLiteral("SB_EsiSil"));
    SpeedButton* SB_Esi_Up = Control<SpeedButton>(page, QStringLiteral("SB_Esi_Up"));
    SpeedButton* SB_Esi_Down = Control<SpeedButton>(page, QStringLiteral("SB_Esi_Down"));
    PersonListBox* ListBox_Esi = Control<PersonListBox>(page, QStringLiteral("ListBox_Esi"));
    SpeedButton* SB_Cocuklari = Control<SpeedButton>(page, QStringLiteral("SB_Cocuklari"));
    SpeedButton* SB_CocuklariEkle = Control<SpeedButton>(page, QStringLiteral("SB_CocuklariEkle"));
    SpeedButton* SB_CocuklariListe =
        Control<SpeedButton>(page, QStringLiteral("SB_CocuklariListe"));
    SpeedButton* SB_Cocuklari_Up = Control<SpeedButton>(page, QStringLiteral("SB_Cocuklari_Up"));
    SpeedButton* SB_Cocuklari_Down =
        Control<SpeedButton>(page, QStringLiteral("SB_Cocuklari_Down"));
    PersonListBox* ListBox_Cocuklari =
        Control<PersonListBox>(page, QStringLiteral("ListBox_Cocuklari"));
    SpeedButton* SB_Kardesleri = Control<SpeedButton>(page, QStringLiteral("SB_Kardesleri"));
    PersonListBox* ListBox_Kardesleri =
        Control<PersonListBox>(page, QStringLiteral("ListBox_Kardesleri"));
    PicturePanel* Panel_Resim = Control<PicturePanel>(page, QStringLiteral("Panel_Resim"));
    QWidget* Image_Resim = Control<QWidget>(page, QStringLiteral("Image_Resim"));
    QLabel* Lb_ResimNo = Control<QLabel>(page, QStringLiteral("Lb_ResimNo"));
    SpeedButton* SB_ResimEkle = Control<SpeedButton>(page, QStringLiteral("SB_ResimEkle"));
    SpeedButton* SB_ResimSil = Control<SpeedButton>(page, QStringLiteral("SB_ResimSil"));
    SpeedButton* SB_ResimPrior = Control<SpeedButton>(page, QStringLiteral("SB_ResimPrior"));
    SpeedButton* SB_ResimNext = Control<SpeedButton>(page, QStringLiteral("SB_ResimNext"));
};

} // namespace kinrow::test
