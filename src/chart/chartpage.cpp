#include "chart/chartpage.h"

#include "chart/chartlistbox.h"
#include "chart/chartprintout.h"
#include "chart/printercheck.h"
#include "drawing/drawingpainter.h"
#include "editing/persontexts.h"
#include "model/picturepaths.h"
#include "model/textrules.h"
#include "pictures/currentpicture.h"
#include "pictures/picturebox.h"
#include "pictures/pictureloader.h"
#include "pictures/picturepanel.h"
#include "ui/backbutton.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"
#include "ui/sessionbuttons.h"
#include "ui/speedbutton.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>

namespace kinrow {

namespace {

const QChar Marker(0x2022);
const QString EmptyCaption = QStringLiteral("< ?? >");

void ClearSelection(QListWidget* list)
{
    list->clearSelection();
    list->setCurrentRow(-1);
}

QColor ColorOf(SlotColor color)
{
    return color == SlotColor::Blue ? QColor(0, 0, 255) : QColor(128, 0, 0);
}

// Pictures of one printout: each file's size read once from its header, the picture decoded
// at the size it is printed.
class PictureCache
{
public:
    QSize size(const QString& path)
    {
        auto found = sizes_.find(path);
        if (found == sizes_.end())
            found = sizes_.insert(path, PictureSize(path));
        return *found;
    }

private:
    QHash<QString, QSize> sizes_;
};

} // namespace

ChartPage::ChartPage(Session& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts)
{
    setupUi(this);
    buttons_ = new SessionButtons(session_, this);
    buttons_->add({SB_T_Back, SB_T_Main, SB_T_Yazdir}, ButtonRule::Browse);
    connectControls();
}

ChartPage::~ChartPage() = default;

void ChartPage::connectControls()
{
    for (int slot = 2; slot <= AncestorSlotCount; ++slot) {
        SlotLabel* label = slotLabel(slot);
        connect(label, &PersonLabel::clicked, this, [this, slot] { Lb_T_Click(slot); });
        connect(label, &SlotLabel::entered, this, &ChartPage::Lb_T_MouseEnter);
    }
    connect(Lb_T_Main, &PersonLabel::clicked, this, &ChartPage::mainPersonRequested);
    connect(SB_T_Main, &QToolButton::clicked, this, &ChartPage::mainPersonRequested);
    connect(SB_T_Back, &QToolButton::clicked, this, &ChartPage::backRequested);
    connect(SB_T_Yazdir, &QToolButton::clicked, this, &ChartPage::SB_T_YazdirClick);
    connect(ListBox_T_Esi, &QListWidget::itemSelectionChanged, this,
            &ChartPage::ListBox_T_EsiClick);
    connect(ListBox_T_Cocuklari, &QListWidget::itemSelectionChanged, this,
            &ChartPage::ListBox_T_CocuklariClick);
    connect(ListBox_T_Esi, &QListWidget::itemDoubleClicked, this,
            [this] { ListBox_T_DblClick(ListBox_T_Esi, chart_.spouses); });
    connect(ListBox_T_Cocuklari, &QListWidget::itemDoubleClicked, this,
            [this] { ListBox_T_DblClick(ListBox_T_Cocuklari, chart_.children); });
}

void ChartPage::FillTreeChart(qint32 recNo)
{
    const OverrideCursorGuard hourglass;
    const Lang lang = session_.lang();
    chart_ = BuildAncestorChart(session_.persons(), recNo, lang);
    resetLabels();
    if (session_.hasCurrent())
        SetBackButton(*SB_T_Back, personPageTitle(), session_.recNoMain());
    Lb_T_Esi->setText(LangText(Msg::SpouseHeading, lang) + QStringLiteral(" :"));
    Lb_T_Cocuklari->setText(LangText(Msg::ChildrenHeading, lang) + QStringLiteral(" :"));
    showSlot(1);
    ShowPicture(recNo);
    if (chart_.spouseListColor != SlotColor::Keep)
        ListBox_T_Esi->setTextColor(ColorOf(chart_.spouseListColor));
    fillList(ListBox_T_Esi, chart_.spouses);
    fillList(ListBox_T_Cocuklari, chart_.children);
    for (int slot = 2; slot <= AncestorSlotCount; ++slot)
        showSlot(slot);
}

void ChartPage::resetLabels()
{
    // Every label of the page, slots and captions alike; colours stay as they were.
    const QList<QLabel*> labels = findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : labels) {
        if (!label->pixmap().isNull())
            continue;
        label->setText(EmptyCaption);
        label->setToolTip(QString());
        if (auto* person = qobject_cast<PersonLabel*>(label))
            person->setTag(0);
    }
}

void ChartPage::showSlot(int slot)
{
    const AncestorSlot& content = chart_.slot(slot);
    if (content.recNo == 0)
        return;
    SlotLabel* label = slotLabel(slot);
    label->setTag(content.recNo);
    label->setText(content.caption);
    label->setToolTip(QString(content.hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    if (content.color != SlotColor::Keep)
        label->setTextColor(ColorOf(content.color));
}

void ChartPage::fillList(ChartListBox* list, const QList<ChartListItem>& items)
{
    list->clear();
    for (const ChartListItem& item : items)
        list->addPerson(item.text, item.recNo);
}

QString ChartPage::personPageTitle() const
{
    return PersonTitle(session_.current(), session_.lang());
}

void ChartPage::ShowPicture(qint32 recNo)
{
    ShowCurrentPicture(session_, *Panel_T, recNo);
}

void ChartPage::Lb_T_Click(int slot)
{
    const qint32 recNo = chart_.recNo(slot);
    if (recNo > 0 && session_.isRecord(recNo))
        FillTreeChart(recNo);
    else
        prompts_.message(MessageKind::Plain, LangText(Msg::RecordNotFilled, session_.lang()));
}

void ChartPage::Lb_T_MouseEnter()
{
    ClearSelection(ListBox_T_Esi);
    ClearSelection(ListBox_T_Cocuklari);
}

void ChartPage::ListBox_T_EsiClick()
{
    const int spouse = ListBox_T_Esi->selectedRow();
    if (spouse < 0)
        return;
    ClearSelection(ListBox_T_Cocuklari);
    const std::optional<QList<bool>> marks = SharedChildMarks(session_.persons(), chart_, spouse);
    if (!marks)
        return;
    for (int row = 0; row < ListBox_T_Cocuklari->count() && row < chart_.children.size(); ++row) {
        const QString& entry = chart_.children.at(row).text;
        const bool shared = row < marks->size() && marks->at(row);
        ListBox_T_Cocuklari->item(row)->setText(shared ? Marker + entry : entry);
    }
}

void ChartPage::ListBox_T_CocuklariClick()
{
    if (ListBox_T_Cocuklari->selectedRow() >= 0)
        ClearSelection(ListBox_T_Esi);
}

void ChartPage::ListBox_T_DblClick(ChartListBox* list, const QList<ChartListItem>& items)
{
    const int row = list->selectedRow();
    if (row < 0 || row >= items.size())
        return;
    const qint32 recNo = items.at(row).recNo;
    if (session_.isRecord(recNo))
        FillTreeChart(recNo);
}

void ChartPage::setListItemHeight(int height)
{
    ListBox_T_Esi->setItemHeight(height);
    ListBox_T_Cocuklari->setItemHeight(height);
}

QPrinter& ChartPage::printer()
{
    // Made on first use: asking the print system for its printers takes a moment.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

QString ChartPage::defaultPdfPath() const
{
    const QFileInfo family(session_.familyFileName);
    return QDir::current().absoluteFilePath(family.completeBaseName() + QStringLiteral(".pdf"));
}

void ChartPage::SB_T_YazdirClick()
{
    QPrinter& target = printer();
    target.setPageOrientation(QPageLayout::Landscape);
    const auto portrait =
        qScopeGuard([&target] { target.setPageOrientation(QPageLayout::Portrait); });
    const Lang lang = session_.lang();
    if (!PrinterCheck(target, prompts_, lang, defaultPdfPath()))
        return;
    target.setDocName(QString());

    PictureCache pictures;
    ChartPrintOptions options;
    options.lang = lang;
    // The font chosen in the font dialog; both printouts use it.
    options.fontFamily = session_.printFontName();
    options.pictureFolder = QDir::currentPath();
    options.pictureSize = [&pictures](const QString& path) { return pictures.size(path); };
    const Drawing page = ChartPrintout(session_.persons(), chart_, options);

    QPainter painter;
    if (!painter.begin(&target)) {
        // Nothing was printed, and the user must know it.
        const QString where =
            target.outputFileName().isEmpty() ? target.printerName() : target.outputFileName();
        prompts_.message(MessageKind::Warning, LangText(Msg::CannotPrintTo, lang).arg(where));
        return;
    }
    DrawingPainter drawer(painter);
    drawer.setPictureLoader(
        [](const QString& path, QSize dots) { return LoadPictureToFit(path, dots).image; });
    drawer.draw(page);
    painter.end();
}

} // namespace kinrow
