#pragma once

#include <QPixmap>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTreeView;
class QWidget;

namespace kinrow {

class PersonLabel;
class PicturePanel;
class SpeedButton;

// The controls of the generation table page and their fixed layout on a 616 x 480 page; the
// page's behaviour lives in TablePage.
class TablePageUi
{
public:
    SpeedButton* SB_T1_Back = nullptr;
    SpeedButton* SB_T_Main1 = nullptr;
    PersonLabel* Lb_T1_Main = nullptr;
    PicturePanel* Panel_T1 = nullptr;
    QWidget* Image_T1 = nullptr; // the picture inside Panel_T1
    QPushButton* BitBtn_Nesil = nullptr;
    QPushButton* BitBtn_Nesil_Save = nullptr;
    QLabel* Lb_VST_Count = nullptr;
    QTreeView* VST = nullptr;

    QMenu* PopupMenu_VST = nullptr;
    QAction* HepsiniA1 = nullptr;
    QAction* HepsiniKapat1 = nullptr;
    QAction* KisiBilgileri = nullptr;
    QAction* M_ArkadaResim = nullptr;
    QAction* M_SatirSecimi = nullptr;
    // The column items; each carries its column index as data (the Tag).
    QAction* M_NesilNo = nullptr;
    QAction* M_DogYer = nullptr;
    QAction* M_DogOl = nullptr;
    QAction* M_Baba = nullptr;
    QAction* M_Anne = nullptr;
    QAction* M_Esleri = nullptr;

    // The picture shown behind the rows while "Arkada Resim" is ticked.
    QPixmap backgroundPicture_;

    void setupUi(QWidget* page);

private:
    void setupGrid(QWidget* page);
    void setupMenu(QWidget* page);
};

} // namespace kinrow
