#pragma once

#include "chart/ancestorslots.h"
#include "chart/slotlabel.h"
#include "model/messages.h"

#include <QColor>
#include <QRect>

#include <array>

class QLabel;
class QWidget;

namespace kinrow {

class ChartListBox;
class PicturePanel;
class SpeedButton;

// How one slot label looks at the window's design size.
struct SlotDesign
{
    QRect geometry;
    int borderWidth = 1;
    int fontPixels = 11;
    QColor initialColor;
    SlotLabel::TextStyle style = SlotLabel::TextStyle::Flat;
};

SlotDesign SlotDesignOf(int slot);
QColor SlotBorderColor(SlotBorder border);

// The controls of the ancestor chart page and their fixed layout on a 616 x 480 page; the
// page's behaviour lives in ChartPage.
class ChartPageUi
{
public:
    QLabel* Image1 = nullptr;     // the lines joining the slots
    QLabel* Image_Tree = nullptr; // the decorative tree
    SpeedButton* SB_T_Back = nullptr;
    SpeedButton* SB_T_Main = nullptr;
    SpeedButton* SB_T_Yazdir = nullptr;
    PicturePanel* Panel_T = nullptr;
    QWidget* Image_T = nullptr; // the picture inside Panel_T
    QLabel* Lb_T_Esi = nullptr;
    QLabel* Lb_T_Cocuklari = nullptr;
    ChartListBox* ListBox_T_Esi = nullptr;
    ChartListBox* ListBox_T_Cocuklari = nullptr;
    SlotLabel* Lb_T_Main = nullptr;

    // Slot n's label ("Lb_T_Main", "Lb_T_B11" ... "Lb_T_A48"), 1 to 31.
    SlotLabel* slotLabel(int slot) const { return slotLabels_.at(std::size_t(slot) - 1); }

    void setupUi(QWidget* page);

private:
    SpeedButton* button(QWidget* parent, const char* name, QRect geometry);
    QLabel* label(QWidget* parent, const char* name, QRect geometry);
    void setupPictures(QWidget* page);
    void setupSlots(QWidget* page);
    void setupSide(QWidget* page);

    std::array<SlotLabel*, AncestorSlotCount> slotLabels_{};
};

} // namespace kinrow
