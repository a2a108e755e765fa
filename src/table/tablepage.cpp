#include "table/tablepage.h"

#include "editing/personlabels.h"
#include "editing/persontexts.h"
#include "model/picturepaths.h"
#include "pictures/currentpicture.h"
#include "pictures/picturebox.h"
#include "pictures/picturepanel.h"
#include "table/exportsave.h"
#include "table/generationcolumns.h"
#include "table/generationlimit.h"
#include "table/generationmodel.h"
#include "ui/backbutton.h"
#include "ui/overridecursor.h"
#include "ui/personlabel.h"
#include "ui/prompts.h"
#include "ui/sessionbuttons.h"
#include "ui/speedbutton.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>

namespace kinrow {

TablePage::TablePage(Session& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts), generationLimit_(kStartGenerationLimit)
{
    setupUi(this);
    model_ = new GenerationModel(this);
    VST->setModel(model_);
    for (int column = 0; column < GenerationColumnCount; ++column)
        VST->setColumnWidth(column, StartColumnWidth(column));
    VST->setColumnHidden(ColRecNo, true);
    VST->header()->moveSection(VST->header()->visualIndex(ColGeneration), 0);
    buttons_ = new SessionButtons(session_, this);
    buttons_->add({SB_T1_Back, SB_T_Main1, BitBtn_Nesil, BitBtn_Nesil_Save}, ButtonRule::Browse);
    connectControls();
    retranslate();
}

void TablePage::connectControls()
{
    connect(SB_T1_Back, &QToolButton::clicked, this, &TablePage::backRequested);
    auto openLabelPerson = [this] {
        if (shownRecNo_ > 0)
            Q_EMIT personRequested(shownRecNo_);
    };
    connect(SB_T_Main1, &QToolButton::clicked, this, openLabelPerson);
    connect(Lb_T1_Main, &PersonLabel::clicked, this, openLabelPerson);
    connect(BitBtn_Nesil, &QPushButton::clicked, this, &TablePage::BitBtn_NesilClick);
    connect(BitBtn_Nesil_Save, &QPushButton::clicked, this, &TablePage::BitBtn_Nesil_SaveClick);
    connect(VST->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { VSTChange(current); });
    connect(VST, &QWidget::customContextMenuRequested, this, &TablePage::VSTGetPopupMenu);
    connect(HepsiniA1, &QAction::triggered, this, &TablePage::HepsiniA1Click);
    connect(HepsiniKapat1, &QAction::triggered, this, &TablePage::HepsiniKapat1Click);
    connect(KisiBilgileri, &QAction::triggered, this, &TablePage::KisiBilgileriClick);
    connect(M_ArkadaResim, &QAction::triggered, this, &TablePage::M_ArkadaResimClick);
    connect(M_SatirSecimi, &QAction::triggered, this, &TablePage::M_SatirSecimiClick);
    for (QAction* item : {M_NesilNo, M_DogYer, M_DogOl, M_Baba, M_Anne, M_Esleri})
        connect(item, &QAction::triggered, this, [this, item] { ColumnVisibleClick(item); });
    connect(&session_, &Session::langChanged, this, &TablePage::retranslate);
}

void TablePage::SB_TViewClick()
{
    Q_EMIT activated();
    if (!session_.hasCurrent())
        return;
    const qint32 recNo = session_.recNoMain();
    SetBackButton(*SB_T1_Back, PersonTitle(session_.current(), session_.lang()), recNo);
    model_->clear();
    showPerson(recNo);
    // The page is painted before the long build starts.
    QCoreApplication::processEvents();
    const OverrideCursorGuard hourglass;
    GenerationTableOptions options;
    options.generations = generationLimit_;
    options.lang = session_.lang();
    model_->setBaseFont(VST->font());
    model_->setTable(BuildGenerationTable(session_.persons(), recNo, options), recNo);
    VST->expand(model_->indexOfRow(model_->table().currentRow()));
    Lb_VST_Count->setText(GenerationCountText(model_->table(), session_.lang()));
}

void TablePage::BitBtn_NesilClick()
{
    const std::optional<QString> answer = prompts_.inputBox(
        GenerationLimitTitle(), GenerationLimitPrompt(), QString::number(generationLimit_));
    // A cancelled box gives back the limit in force.
    const GenerationLimitAnswer limit =
        ParseGenerationLimit(answer.value_or(QString::number(generationLimit_)), generationLimit_);
    if (limit.outcome == GenerationLimitAnswer::Refused) {
        prompts_.message(MessageKind::Plain, LangText(Msg::GenerationLimitRange, session_.lang()));
        return;
    }
    if (limit.outcome == GenerationLimitAnswer::Unchanged)
        return;
    generationLimit_ = limit.limit;
    BitBtn_Nesil->setText(GenerationLimitCaption(generationLimit_, session_.lang()));
    SB_TViewClick();
}

bool TablePage::writeExport(ExportFormat format, QIODevice& device) const
{
    const GenerationTable& table = model_->table();
    std::vector<qint32> rows =
        VisibleRows(table, [this](qint32 row) { return VST->isExpanded(model_->indexOfRow(row)); });
    const QList<int> indexes = VisibleColumnsInOrder(*VST->header());
    QList<GenerationColumnView> columns;
    for (int index : indexes)
        columns.append({index, model_->headers().value(index), VST->header()->sectionSize(index)});
    const ExportStyle style = GenerationExportStyle(font().family(), logicalDpiX());
    const GenerationExportRows exported(table, std::move(rows), indexes, model_->recNoMain(),
                                        style.gridFont);
    return WriteTableExport(device, format, exported, GenerationExportColumns(columns), style,
                            ListSeparator());
}

void TablePage::BitBtn_Nesil_SaveClick()
{
    SaveTableExport(prompts_, session_.lang(), [this](ExportFormat format, QIODevice& device) {
        return writeExport(format, device);
    });
}

void TablePage::VSTChange(const QModelIndex& current)
{
    const qint32 row = GenerationModel::rowOf(current);
    if (row < 0 || row >= model_->table().size())
        return;
    const qint32 recNo = model_->table().row(row).RecNo;
    if (session_.isRecord(recNo))
        showPerson(recNo);
}

void TablePage::showPerson(qint32 recNo)
{
    shownRecNo_ = recNo;
    SetPersonLabel(session_.persons(), recNo, *Lb_T1_Main, session_.lang());
    ShowPicture(recNo);
}

void TablePage::VSTGetPopupMenu(const QPoint& pos)
{
    const QModelIndex at = VST->indexAt(pos);
    if (at.isValid())
        VST->setCurrentIndex(at);
    KisiBilgileri->setEnabled(at.isValid());
    PopupMenu_VST->popup(VST->viewport()->mapToGlobal(pos));
}

void TablePage::HepsiniA1Click()
{
    const OverrideCursorGuard hourglass;
    VST->expandAll();
}

void TablePage::HepsiniKapat1Click()
{
    VST->collapseAll();
}

void TablePage::KisiBilgileriClick()
{
    const qint32 row = GenerationModel::rowOf(VST->currentIndex());
    if (row < 0 || row >= model_->table().size())
        return;
    Q_EMIT personRequested(model_->table().row(row).RecNo);
}

void TablePage::M_ArkadaResimClick()
{
    QPalette palette = VST->palette();
    if (M_ArkadaResim->isChecked())
        palette.setBrush(QPalette::Base, QBrush(backgroundPicture_));
    else
        palette.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0xDD));
    VST->setPalette(palette);
}

void TablePage::M_SatirSecimiClick()
{
    VST->setSelectionBehavior(M_SatirSecimi->isChecked() ? QAbstractItemView::SelectRows
                                                         : QAbstractItemView::SelectItems);
    VST->setAllColumnsShowFocus(M_SatirSecimi->isChecked());
}

void TablePage::ColumnVisibleClick(QAction* item)
{
    VST->setColumnHidden(item->data().toInt(), !item->isChecked());
}

void TablePage::ShowPicture(qint32 recNo)
{
    ShowCurrentPicture(session_, *Panel_T1, recNo);
}

void TablePage::retranslate()
{
    const Lang lang = session_.lang();
    BitBtn_Nesil_Save->setText(LangText(Msg::Save, lang) + QStringLiteral(" ...."));
    BitBtn_Nesil->setText(GenerationLimitCaption(generationLimit_, lang));
    Panel_T1->setCaption(LangText(Msg::ImagePanelCaption, lang));
    model_->setHeaders(GenerationHeaders(lang));
}

} // namespace kinrow
