#include "chart/chartpageui.h"

#include "chart/chartlistbox.h"
#include "chart/chartpictures.h"
#include "model/messages.h"
#include "pictures/picturepanel.h"
#include "ui/speedbutton.h"

#include <QLabel>

namespace kinrow {

namespace {

const QColor Navy(0, 0, 128);
const QColor Maroon(128, 0, 0);

constexpr int Generation3Tops[] = {60, 105, 150, 195, 240, 285, 330, 375};
constexpr int Generation4Tops[] = {53,  67,  98,  112, 143, 157, 188, 202,
                                   233, 247, 278, 292, 323, 337, 368, 382};

} // namespace

SlotDesign SlotDesignOf(int slot)
{
    using Style = SlotLabel::TextStyle;
    const bool mother = slot % 2 == 1;
    switch (SlotGeneration(slot)) {
    case 0:
        return {{37, 211, 348, 26}, 3, 19, Navy, Style::LightRaised};
    case 1:
        return {{200, mother ? 304 : 124, 200, 22}, 3, 13, Navy, Style::Raised};
    case 2: {
        constexpr int tops[] = {80, 170, 260, 350};
        return {{slot < 6 ? 290 : 295, tops[slot - 4], 140, 20}, 2, 12, Navy, Style::Raised};
    }
    case 3:
        return {
            {356, Generation3Tops[slot - 8], 121, 14}, 1, 11, mother ? Maroon : Navy, Style::Flat};
    default:
        return {
            {480, Generation4Tops[slot - 16], 120, 14}, 1, 11, mother ? Maroon : Navy, Style::Flat};
    }
}

QColor SlotBorderColor(SlotBorder border)
{
    switch (border) {
    case SlotBorder::Father:
        return QColor(0, 0, 255);
    case SlotBorder::Mother:
        return QColor(255, 0, 0);
    case SlotBorder::Centre:
        break;
    }
    return Qt::black;
}

void ChartPageUi::setupUi(QWidget* page)
{
    page->setObjectName(QStringLiteral("TabSheet_Tree"));
    page->resize(616, 480);
    // The pictures first, so that every other control lies above them.
    setupPictures(page);
    setupSlots(page);
    setupSide(page);
}

SpeedButton* ChartPageUi::button(QWidget* parent, const char* name, QRect geometry)
{
    auto* created = new SpeedButton(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(geometry);
    created->setAutoRaise(false);
    return created;
}

QLabel* ChartPageUi::label(QWidget* parent, const char* name, QRect geometry)
{
    auto* created = new QLabel(parent);
    created->setObjectName(QLatin1String(name));
    created->setGeometry(geometry);
    return created;
}

void ChartPageUi::setupPictures(QWidget* page)
{
    Image1 = label(page, "Image1", ChartLinesRect);
    Image1->setScaledContents(true);
    Image1->setPixmap(ChartLinesPicture([](int slot) { return SlotDesignOf(slot).geometry; }));
    Image_Tree = label(page, "Image_Tree", TreePictureRect);
    Image_Tree->setScaledContents(true);
    Image_Tree->setPixmap(TreePicture());
}

void ChartPageUi::setupSlots(QWidget* page)
{
    for (int slot = 1; slot <= AncestorSlotCount; ++slot) {
        const SlotDesign design = SlotDesignOf(slot);
        auto* created = new SlotLabel(slot, page);
        created->setObjectName(SlotLabelName(slot));
        created->setGeometry(design.geometry);
        QFont arial(QStringLiteral("Arial"));
        arial.setPixelSize(design.fontPixels);
        created->setFont(arial);
        created->setTextColor(design.initialColor);
        created->setBorder(SlotBorderColor(SlotBorderOf(slot)), design.borderWidth);
        created->setTextStyle(design.style);
        created->setText(LangText(Msg::EmptySlotCaption, Lang::English));
        slotLabels_[std::size_t(slot) - 1] = created;
    }
    Lb_T_Main = slotLabel(1);
}

void ChartPageUi::setupSide(QWidget* page)
{
    SB_T_Back = button(page, "SB_T_Back", {15, 10, 186, 25});
    SB_T_Main = button(page, "SB_T_Main", {10, 211, 25, 25});
    SB_T_Main->setIcon(QIcon(QStringLiteral(":/kinrow/images/prior.png")));
    SB_T_Yazdir = button(page, "SB_T_Yazdir", {560, 10, 41, 25});
    SB_T_Yazdir->setText(LangText(Msg::ChartPrintCaption, Lang::English));
    SB_T_Yazdir->setToolTip(LangText(Msg::ChartPrintHint, Lang::English));

    Panel_T = new PicturePanel(page);
    Panel_T->setObjectName(QStringLiteral("Panel_T"));
    Panel_T->setGeometry(15, 50, PicturePanel::kDefaultWidth, PicturePanel::kDefaultHeight);
    Image_T = Panel_T->imageWidget();
    // Unlike the other picture panels, the chart's keeps its Turkish caption in either language.
    Panel_T->setCaption(LangText(Msg::ImagePanelCaption, Lang::Turkish));
    Image_T->setObjectName(QStringLiteral("Image_T"));

    Lb_T_Esi = label(page, "Lb_T_Esi", {15, 249, 166, 14});
    ListBox_T_Esi = new ChartListBox(page);
    ListBox_T_Esi->setObjectName(QStringLiteral("ListBox_T_Esi"));
    ListBox_T_Esi->setGeometry(15, 265, 166, 46);
    Lb_T_Cocuklari = label(page, "Lb_T_Cocuklari", {15, 329, 166, 14});
    ListBox_T_Cocuklari = new ChartListBox(page);
    ListBox_T_Cocuklari->setObjectName(QStringLiteral("ListBox_T_Cocuklari"));
    ListBox_T_Cocuklari->setGeometry(15, 345, 166, 76);
    for (QLabel* caption : {Lb_T_Esi, Lb_T_Cocuklari}) {
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
    }
}

} // namespace kinrow
