#include "table/tablepageui.h"

#include "model/messages.h"
#include "pictures/picturepanel.h"
#include "table/generationcolumns.h"
#include "table/generationview.h"
#include "ui/personlabel.h"
#include "ui/speedbutton.h"

#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTreeView>

namespace kinrow {

namespace {

// A faint tree on light ground, 150 x 114 pixels.
QPixmap drawBackgroundPicture()
{
    QPixmap pixmap(150, 114);
    pixmap.fill(QColor(0xFF, 0xFF, 0xDD));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xD8, 0xC8, 0xA0), 6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(75, 110, 75, 60);
    painter.drawLine(75, 75, 50, 50);
    painter.drawLine(75, 70, 102, 46);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xE0, 0xF0, 0xC8));
    painter.drawEllipse(QPointF(75, 38), 50, 32);
    return pixmap;
}

QAction* menuItem(QMenu* menu, const char* name, const QString& caption, bool checkable,
                  bool checked)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(checkable);
    action->setChecked(checked);
    return action;
}

// The menu keeps its designed captions in both languages.
QString Caption(Msg entry)
{
    return LangText(entry, Lang::Turkish);
}

} // namespace

void TablePageUi::setupUi(QWidget* page)
{
    page->setObjectName(QStringLiteral("TabSheet_TView"));
    page->resize(616, 480);
    SB_T1_Back = new SpeedButton(page);
    SB_T1_Back->setObjectName(QStringLiteral("SB_T1_Back"));
    SB_T1_Back->setGeometry(15, 10, 186, 25);
    SB_T1_Back->setAutoRaise(false);
    SB_T_Main1 = new SpeedButton(page);
    SB_T_Main1->setObjectName(QStringLiteral("SB_T_Main1"));
    SB_T_Main1->setGeometry(210, 10, 25, 25);
    SB_T_Main1->setText(LangText(Msg::TableMainCaption, Lang::English));
    SB_T_Main1->setAutoRaise(false);
    Lb_T1_Main = new PersonLabel(page);
    Lb_T1_Main->setObjectName(QStringLiteral("Lb_T1_Main"));
    Lb_T1_Main->setGeometry(240, 10, 366, 25);
    QFont title = Lb_T1_Main->font();
    title.setPixelSize(16);
    title.setBold(true);
    Lb_T1_Main->setFont(title);
    Panel_T1 = new PicturePanel(page);
    Panel_T1->setObjectName(QStringLiteral("Panel_T1"));
    Panel_T1->setGeometry(15, 45, PicturePanel::kDefaultWidth, PicturePanel::kDefaultHeight);
    Image_T1 = Panel_T1->imageWidget();
    BitBtn_Nesil = new QPushButton(page);
    BitBtn_Nesil->setObjectName(QStringLiteral("BitBtn_Nesil"));
    // The two buttons reach almost to the grid, and the limit's caption is a pixel smaller than
    // the window's font, so that "Max/Min 15 Generation" fits as "Max/Min 15 Nesil" does.
    BitBtn_Nesil->setGeometry(15, 195, 116, 25);
    QFont limitFont; // only the size: the family follows the window's font
    limitFont.setPixelSize(10);
    BitBtn_Nesil->setFont(limitFont);
    BitBtn_Nesil->setText(LangText(Msg::StartLimitCaption, Lang::Turkish));
    BitBtn_Nesil_Save = new QPushButton(page);
    BitBtn_Nesil_Save->setObjectName(QStringLiteral("BitBtn_Nesil_Save"));
    BitBtn_Nesil_Save->setGeometry(15, 230, 116, 25);
    BitBtn_Nesil_Save->setText(LangText(Msg::StartSaveCaption, Lang::Turkish));
    Lb_VST_Count = new QLabel(page);
    Lb_VST_Count->setObjectName(QStringLiteral("Lb_VST_Count"));
    Lb_VST_Count->setGeometry(15, 270, 111, 80);
    Lb_VST_Count->setWordWrap(true);
    Lb_VST_Count->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    setupGrid(page);
    setupMenu(page);
}

void TablePageUi::setupGrid(QWidget* page)
{
    VST = new GenerationView(page);
    VST->setObjectName(QStringLiteral("VST"));
    VST->setGeometry(135, 45, 471, 425);
    VST->setUniformRowHeights(true);
    VST->setRootIsDecorated(true);
    VST->setAllColumnsShowFocus(true);
    VST->setSelectionBehavior(QAbstractItemView::SelectRows);
    VST->setSelectionMode(QAbstractItemView::SingleSelection);
    VST->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VST->setMouseTracking(true); // hot tracking
    VST->setContextMenuPolicy(Qt::CustomContextMenu);
    QPalette palette = VST->palette();
    palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xDD));
    palette.setColor(QPalette::Highlight, QColor(0xC0, 0xC0, 0xC0));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    VST->setPalette(palette);
    QHeaderView* header = VST->header();
    header->setSectionsMovable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setHighlightSections(true);
    header->setStretchLastSection(false);
    backgroundPicture_ = drawBackgroundPicture();
}

void TablePageUi::setupMenu(QWidget* page)
{
    PopupMenu_VST = new QMenu(page);
    PopupMenu_VST->setObjectName(QStringLiteral("PopupMenu_VST"));
    HepsiniA1 = menuItem(PopupMenu_VST, "HepsiniA1", Caption(Msg::OpenAllMenu), false, false);
    HepsiniKapat1 =
        menuItem(PopupMenu_VST, "HepsiniKapat1", Caption(Msg::CloseAllMenu), false, false);
    KisiBilgileri =
        menuItem(PopupMenu_VST, "KisiBilgileri", Caption(Msg::PersonDetailsMenu), false, false);
    PopupMenu_VST->addSeparator();
    M_ArkadaResim =
        menuItem(PopupMenu_VST, "M_ArkadaResim", Caption(Msg::BackgroundPictureMenu), true, false);
    M_SatirSecimi =
        menuItem(PopupMenu_VST, "M_SatirSecimi", Caption(Msg::RowSelectionMenu), true, true);
    PopupMenu_VST->addSeparator();
    const struct
    {
        QAction** item;
        const char* name;
        Msg caption;
        int column;
    } columns[] = {{&M_NesilNo, "M_NesilNo", Msg::GenerationNoMenu, ColGeneration},
                   {&M_DogYer, "M_DogYer", Msg::BirthPlaceCaption, ColPlace},
                   {&M_DogOl, "M_DogOl", Msg::BirthDeathMenu, ColDates},
                   {&M_Baba, "M_Baba", Msg::FatherCaption, ColFather},
                   {&M_Anne, "M_Anne", Msg::MotherCaption, ColMother},
                   {&M_Esleri, "M_Esleri", Msg::SpousesMenu, ColSpouses}};
    for (const auto& column : columns) {
        *column.item = menuItem(PopupMenu_VST, column.name, Caption(column.caption), true, true);
        (*column.item)->setData(column.column);
    }
}

} // namespace kinrow
