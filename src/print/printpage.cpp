#include "print/printpage.h"

#include "editing/persontexts.h"
#include "gedcom/errorsink.h"
#include "model/familycheck.h"
#include "model/messages.h"
#include "model/textrules.h"
#include "model/version.h"
#include "pictures/picturecollector.h"
#include "print/gedcomexportsave.h"
#include "print/listprintjob.h"
#include "print/printexport.h"
#include "print/printmodel.h"
#include "table/exportsave.h"
#include "ui/backbutton.h"
#include "ui/overridecursor.h"
#include "ui/prompts.h"
#include "ui/sessionbuttons.h"
#include "ui/speedbutton.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableView>

namespace kinrow {

namespace {

constexpr int PageWidth = 616;
constexpr int PageHeight = 480;
constexpr int TableWidth = 356;

template <typename T> T* Make(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// An inner page's information label: 70 pixels at the top, centred.
QLabel* InfoLabel(QWidget* page, const char* name)
{
    auto* label = Make<QLabel>(page, name, QRect(4, 4, 229, 70));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QWidget* InnerPage(QTabWidget* pages, const char* name)
{
    auto* page = new QWidget;
    page->setObjectName(QLatin1String(name));
    pages->addTab(page, QString());
    return page;
}

// The column check boxes: name, column in the Tag, caption and place.
struct ColumnBoxDesign
{
    const char* name;
    int column;
    Msg caption;
    QPoint position;
};
const ColumnBoxDesign ColumnBoxes[6] = {
    {"CheckBox1", PrintColumnMother, Msg::MotherCaption, {24, 160}},
    {"CheckBox2", PrintColumnSpouses, Msg::SpouseCaption, {112, 160}},
    {"CheckBox3", PrintColumnChildren, Msg::ChildrenCaption, {112, 176}},
    {"CheckBox4", PrintColumnFather, Msg::FatherCaption, {24, 176}},
    {"CheckBox5", PrintColumnBirthPlace, Msg::BirthPlaceCaption, {24, 144}},
    {"CheckBox6", PrintColumnBirthDeath, Msg::BirthDeathDateCaption, {112, 144}},
};

// Widths stored with the table; the other columns keep the toolkit's.
constexpr int DesignedWidths[][2] = {
    {PrintColumnGivenName, 75}, {PrintColumnSurname, 75}, {PrintColumnBirthPlace, 70}};

} // namespace

PrintPage::PrintPage(Session& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts),
      buttons_(new SessionButtons(session, this))
{
    setObjectName(QStringLiteral("TabSheet_Print"));
    createControls();
    createInnerPages();
    createTable();
    connectControls();
    connectInnerPages();
    retranslate();
    buttons_->add({SB_P_Back, BitBtn_Yaz, BitBtn_P_Kaydet, BitBtn_Check, BitBtn_GedExport},
                  ButtonRule::Browse);
    buttons_->add(BitBtn_P_Resim, ButtonRule::Change);
    buttons_->apply();
}

void PrintPage::createControls()
{
    SB_P_Back = Make<SpeedButton>(this, "SB_P_Back", QRect(15, 10, 210, 25));
    SB_P_Back->setFocusPolicy(Qt::TabFocus);
    Lb_P_Liste = Make<QLabel>(this, "Lb_P_Liste", QRect(16, 56, 97, 14));
    ComboBox_P_Liste = Make<QComboBox>(this, "ComboBox_P_Liste", QRect(16, 72, 97, 21));
    RG_P_Checks = Make<QGroupBox>(this, "RG_P_Checks", QRect(120, 57, 121, 36));
    RG_P_Hide = Make<QRadioButton>(RG_P_Checks, "RG_P_Hide", QRect(6, 16, 56, 17));
    RG_P_Show = Make<QRadioButton>(RG_P_Checks, "RG_P_Show", QRect(62, 16, 56, 17));
    checksGroup_ = new QButtonGroup(this);
    checksGroup_->addButton(RG_P_Hide, int(UncheckedRows::Hide));
    checksGroup_->addButton(RG_P_Show, int(UncheckedRows::Show));

    Lb_P_Tplm = Make<QLabel>(this, "Lb_P_Tplm", QRect(24, 104, 64, 30));
    Lb_P_Visible = Make<QLabel>(this, "Lb_P_Visible", QRect(96, 104, 64, 30));
    Lb_P_Checked = Make<QLabel>(this, "Lb_P_Checked", QRect(168, 104, 64, 30));
    for (QLabel* counter : {Lb_P_Tplm, Lb_P_Visible, Lb_P_Checked})
        counter->setAlignment(Qt::AlignCenter);

    for (std::size_t i = 0; i < columnBoxes_.size(); ++i) {
        const ColumnBoxDesign& design = ColumnBoxes[i];
        auto* box = new ColumnCheckBox(design.column, this);
        box->setObjectName(QLatin1String(design.name));
        box->setGeometry(QRect(design.position, QSize(i == 5 ? 128 : 86, 17)));
        box->setText(LangText(design.caption, session_.lang()));
        box->setChecked(table_.isColumnShown(design.column));
        columnBoxes_[i] = box;
    }
}

void PrintPage::createInnerPages()
{
    PageControl_P = Make<QTabWidget>(this, "PageControl_P", QRect(0, 216, 241, 233));
    TabSheet_P = InnerPage(PageControl_P, "TabSheet_P");
    Lb_P_Info = InfoLabel(TabSheet_P, "Lb_P_Info");
    BitBtn_Yaz = Make<QPushButton>(TabSheet_P, "BitBtn_Yaz", QRect(60, 90, 115, 30));

    TabSheet_P_Kaydet = InnerPage(PageControl_P, "TabSheet_P_Kaydet");
    Lb_P_Save = InfoLabel(TabSheet_P_Kaydet, "Lb_P_Save");
    BitBtn_P_Kaydet =
        Make<QPushButton>(TabSheet_P_Kaydet, "BitBtn_P_Kaydet", QRect(60, 90, 115, 30));

    TabSheet_P_Resim = InnerPage(PageControl_P, "TabSheet_P_Resim");
    Lb_P_Resim = InfoLabel(TabSheet_P_Resim, "Lb_P_Resim");
    Lb_P_CurrentDir = Make<QLabel>(TabSheet_P_Resim, "Lb_P_CurrentDir", QRect(4, 74, 229, 40));
    Lb_P_CurrentDir->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Lb_P_CurrentDir->setWordWrap(true);
    BitBtn_P_Resim = Make<QPushButton>(TabSheet_P_Resim, "BitBtn_P_Resim", QRect(40, 116, 155, 25));
    CheckBox_P_RSil = Make<QCheckBox>(TabSheet_P_Resim, "CheckBox_P_RSil", QRect(8, 148, 225, 17));
    CheckBox_P_RSelected =
        Make<QCheckBox>(TabSheet_P_Resim, "CheckBox_P_RSelected", QRect(8, 168, 225, 17));

    TabSheet_P_Font = InnerPage(PageControl_P, "TabSheet_P_Font");
    PageControl_P->setTabText(PageControl_P->indexOf(TabSheet_P_Font),
                              LangText(Msg::FontCaption, Lang::English));
    Lb_P_Font = InfoLabel(TabSheet_P_Font, "Lb_P_Font");
    BitBtn_Font = Make<QPushButton>(TabSheet_P_Font, "BitBtn_Font", QRect(60, 84, 115, 25));
    BitBtn_Font->setText(LangText(Msg::FontCaption, Lang::English));
    SB_DefFont = Make<QToolButton>(TabSheet_P_Font, "SB_DefFont", QRect(30, 120, 175, 40));
    SB_DefFont->setVisible(false);

    TabSheet_P_Diger = InnerPage(PageControl_P, "TabSheet_P_Diger");
    // As wide as the page's information labels, so that the English caption fits.
    CheckBox_GED = Make<QCheckBox>(TabSheet_P_Diger, "CheckBox_GED", QRect(4, 20, 229, 34));
    BitBtn_Check = Make<QPushButton>(TabSheet_P_Diger, "BitBtn_Check", QRect(40, 80, 155, 30));
    BitBtn_GedExport =
        Make<QPushButton>(TabSheet_P_Diger, "BitBtn_GedExport", QRect(40, 120, 155, 30));
    PageControl_P->setCurrentWidget(TabSheet_P);
    // Five captions share 241 pixels, as the designed tabs did.
    PageControl_P->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 3px 5px; border: 1px solid #a0a0a0; "
                       "border-bottom: none; background: #ececec; }"
                       "QTabBar::tab:selected { background: white; }"));
}

void PrintPage::createTable()
{
    VST_Print = Make<QTableView>(this, "VST_Print",
                                 QRect(PageWidth - TableWidth, 0, TableWidth, PageHeight));
    model_ = new PrintModel(table_, this);
    VST_Print->setModel(model_);
    VST_Print->setSelectionBehavior(QAbstractItemView::SelectRows);
    VST_Print->setSelectionMode(QAbstractItemView::SingleSelection);
    VST_Print->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VST_Print->setWordWrap(false);
    VST_Print->verticalHeader()->hide();
    VST_Print->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    VST_Print->verticalHeader()->setDefaultSectionSize(18);
    QHeaderView* header = VST_Print->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setHighlightSections(false);
    for (const auto& [column, width] : DesignedWidths)
        header->resizeSection(column, width);
    for (int column = 0; column < PrintColumnCount; ++column)
        VST_Print->setColumnHidden(column, !table_.isColumnShown(column));
    showSortColumn();
    VST_Print->installEventFilter(this);
    VST_Print->viewport()->installEventFilter(this);
    model_->setBaseFont(VST_Print->font());
}

void PrintPage::connectControls()
{
    connect(SB_P_Back, &QToolButton::clicked, this, &PrintPage::backRequested);
    connect(ComboBox_P_Liste, &QComboBox::activated, this, [this](int index) {
        table_.setScope(PrintScope(index));
        ComboBox_P_ListeChange();
    });
    connect(checksGroup_, &QButtonGroup::idClicked, this, [this](int id) {
        table_.setUncheckedRows(UncheckedRows(id));
        RG_P_ChecksClick();
    });
    for (ColumnCheckBox* box : columnBoxes_)
        connect(box, &QCheckBox::clicked, this, [this, box] { CheckBoxVST_ColumnsClick(box); });
    connect(VST_Print->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &PrintPage::VST_PrintHeaderClick);
    connect(VST_Print, &QTableView::doubleClicked, this, &PrintPage::VST_PrintColumnDblClick);
    connect(model_, &PrintModel::checkChanged, this, &PrintPage::VST_PrintChecked);
    connect(&session_, &Session::langChanged, this, &PrintPage::retranslate);
}

void PrintPage::connectInnerPages()
{
    connect(BitBtn_Yaz, &QPushButton::clicked, this, &PrintPage::BitBtn_YazClick);
    connect(BitBtn_P_Kaydet, &QPushButton::clicked, this, &PrintPage::BitBtn_P_KaydetClick);
    connect(BitBtn_P_Resim, &QPushButton::clicked, this, &PrintPage::BitBtn_P_ResimClick);
    connect(BitBtn_Font, &QPushButton::clicked, this, &PrintPage::BitBtn_FontClick);
    connect(SB_DefFont, &QToolButton::clicked, this, &PrintPage::SB_DefFontClick);
    connect(CheckBox_GED, &QCheckBox::clicked, this, &PrintPage::CheckBox_GEDClick);
    connect(BitBtn_Check, &QPushButton::clicked, this, &PrintPage::BitBtn_CheckClick);
    connect(BitBtn_GedExport, &QPushButton::clicked, this, &PrintPage::BitBtn_GedExportClick);
}

bool PrintPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == VST_Print && event->type() == QEvent::FontChange)
        model_->setBaseFont(VST_Print->font());
    // Space ticks the focused row whichever of its cells has the focus.
    if (watched == VST_Print && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = VST_Print->currentIndex();
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier &&
            current.isValid()) {
            const QModelIndex box = current.siblingAtColumn(PrintColumnNo);
            const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            model_->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
            return true;
        }
    }
    // A click on a row's check box makes that row current too, so that the next Space ticks
    // the row just clicked; the view leaves the press to the box alone.
    if (watched == VST_Print->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex at = VST_Print->indexAt(mouse->position().toPoint());
        if (at.isValid() && at != VST_Print->currentIndex())
            VST_Print->setCurrentIndex(at);
    }
    return QWidget::eventFilter(watched, event);
}

void PrintPage::SB_YazClick()
{
    const qint32 recNo = session_.recNoMain();
    {
        const OverrideCursorGuard hourglass;
        table_.setRows(PrintRows(session_.persons(), session_.lang()));
        model_->setCurrentRecNo(recNo);
        model_->refresh();
    }
    if (session_.hasCurrent()) {
        SetBackButton(*SB_P_Back, PersonTitle(session_.current(), session_.lang()), recNo);
    }
    if (table_.scope() == PrintScope::None)
        table_.setScope(PrintScope::Family);
    showScope();
    showCount(Lb_P_Tplm, Msg::CountAll, table_.size());
    ComboBox_P_ListeChange();
    focusRecNo(recNo);
}

void PrintPage::ComboBox_P_ListeChange()
{
    const OverrideCursorGuard hourglass;
    const qint32 focused = focusedRecNo();
    ScopeContext context;
    if (session_.hasCurrent()) {
        context.family = FamilyOf(session_.persons(), session_.recNoMain());
        context.surname = session_.current().Surname;
    }
    table_.applyScope(context);
    showUncheckedRows();
    model_->refresh();
    focusRecNo(focused);
    showChecked();
    showVisible();
    VST_Print->setFocus();
}

void PrintPage::RG_P_ChecksClick()
{
    const OverrideCursorGuard hourglass;
    const qint32 focused = focusedRecNo();
    table_.applyUncheckedRows();
    model_->refresh();
    focusRecNo(focused);
    showVisible();
}

void PrintPage::VST_PrintChecked()
{
    showScope();
    showUncheckedRows();
    showChecked();
    VST_Print->setFocus();
}

void PrintPage::CheckBoxVST_ColumnsClick(ColumnCheckBox* box)
{
    table_.setColumnShown(box->tag(), box->isChecked());
    VST_Print->setColumnHidden(box->tag(), !box->isChecked());
}

void PrintPage::VST_PrintHeaderClick(int column)
{
    const OverrideCursorGuard hourglass;
    const qint32 focused = focusedRecNo();
    table_.headerClick(column);
    showSortColumn();
    model_->refresh();
    focusRecNo(focused);
}

void PrintPage::VST_PrintColumnDblClick(const QModelIndex& index)
{
    const QModelIndex focused = VST_Print->currentIndex();
    if (model_->rowCount() == 0 || !index.isValid() || index.column() == PrintColumnNo ||
        !focused.isValid())
        return;
    qint32 recNo = table_.row(model_->tableIndex(focused.row())).RecNo;
    if (!session_.isRecord(recNo))
        return;
    const TTreeData& person = session_.record(recNo);
    if (index.column() == PrintColumnMother && session_.isRecord(person.MotherId))
        recNo = person.MotherId;
    else if (index.column() == PrintColumnFather && session_.isRecord(person.FatherId))
        recNo = person.FatherId;
    Q_EMIT personRequested(recNo);
}

qint32 PrintPage::focusedRecNo() const
{
    const QModelIndex current = VST_Print->currentIndex();
    if (!current.isValid())
        return 0;
    return table_.row(model_->tableIndex(current.row())).RecNo;
}

void PrintPage::focusRecNo(qint32 recNo)
{
    const int position = table_.visiblePositionOfRecNo(recNo);
    if (position < 0)
        return;
    const QModelIndex index = model_->index(position, PrintColumnNo);
    VST_Print->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    VST_Print->scrollTo(index);
}

void PrintPage::showScope()
{
    ComboBox_P_Liste->setCurrentIndex(int(table_.scope()));
}

void PrintPage::showUncheckedRows()
{
    const UncheckedRows choice = table_.uncheckedRows();
    if (choice == UncheckedRows::None) {
        // An exclusive group never lets its last button go.
        checksGroup_->setExclusive(false);
        RG_P_Hide->setChecked(false);
        RG_P_Show->setChecked(false);
        checksGroup_->setExclusive(true);
        return;
    }
    checksGroup_->button(int(choice))->setChecked(true);
}

void PrintPage::showCount(QLabel* label, Msg word, int count)
{
    label->setText(LangText(word, session_.lang()) + QLatin1Char('\n') + QString::number(count) +
                   LangText(Msg::PersonCountSuffix, session_.lang()));
}

void PrintPage::showChecked()
{
    showCount(Lb_P_Checked, Msg::CountSelected, table_.checkedCount());
}

void PrintPage::showVisible()
{
    showCount(Lb_P_Visible, Msg::CountVisible, table_.visibleCount());
}

void PrintPage::showSortColumn()
{
    VST_Print->horizontalHeader()->setSortIndicator(table_.sortColumn(), table_.sortOrder());
}

void PrintPage::retranslate()
{
    const Lang lang = session_.lang();
    BitBtn_Yaz->setText(LangText(Msg::PrintStartCaption, lang));
    Lb_P_Liste->setText(LangText(Msg::ListScopeLabel, lang));
    {
        const QSignalBlocker blocker(ComboBox_P_Liste);
        ComboBox_P_Liste->clear();
        ComboBox_P_Liste->addItems(
            {LangText(Msg::ScopeFamily, lang), ProperCaseName(LangText(Msg::Surname, lang), lang),
             LangText(Msg::ScopeMales, lang), LangText(Msg::ScopeFemales, lang),
             LangText(Msg::ScopeAll, lang)});
        // The items are replaced, not renamed: none stays selected.
        ComboBox_P_Liste->setCurrentIndex(-1);
    }
    table_.setScope(PrintScope::None);

    RG_P_Checks->setTitle(LangText(Msg::UncheckedRows, lang));
    const QStringList items = LangText(Msg::HideShow, lang).split(QLatin1Char('\r'));
    RG_P_Hide->setText(items.value(0));
    RG_P_Show->setText(items.value(1));
    PageControl_P->setTabText(PageControl_P->indexOf(TabSheet_P),
                              LangText(Msg::PrintCaption, lang));
    PageControl_P->setTabText(PageControl_P->indexOf(TabSheet_P_Kaydet), LangText(Msg::Save, lang));
    PageControl_P->setTabText(PageControl_P->indexOf(TabSheet_P_Resim),
                              LangText(Msg::ImageTab, lang));
    PageControl_P->setTabText(PageControl_P->indexOf(TabSheet_P_Diger),
                              LangText(Msg::OthersTab, lang));
    Lb_P_Info->setText(PromptText(LangText(Msg::PrintPageInfo, lang)));
    Lb_P_Save->setText(PromptText(LangText(Msg::SavePageInfo, lang)));
    BitBtn_P_Kaydet->setText(LangText(Msg::Save, lang) + QStringLiteral(" ...."));
    Lb_P_Resim->setText(PromptText(LangText(Msg::CollectPageInfo, lang)));
    BitBtn_P_Resim->setText(LangText(Msg::CollectImages, lang) + QStringLiteral(" ...."));
    CheckBox_P_RSil->setText(LangText(Msg::CollectByMoving, lang));
    CheckBox_P_RSelected->setText(LangText(Msg::CollectSelectedOnly, lang));
    Lb_P_Font->setText(PromptText(LangText(Msg::FontPageInfo, lang)));
    CheckBox_GED->setText(LangText(Msg::AssociateGedCaption, lang));
    BitBtn_Check->setText(LangText(Msg::CheckCaption, lang));
    BitBtn_GedExport->setText(LangText(Msg::ExportGedcomCaption, lang) + QStringLiteral(" ...."));
    BitBtn_GedExport->setToolTip(LangText(Msg::ExportGedcomHint, lang));
}

void PrintPage::showCurrentDir(const QString& folder)
{
    Lb_P_CurrentDir->setText(QLatin1Char('\n') + QDir::toNativeSeparators(folder));
}

void PrintPage::showDefaultFontButton(const QString& fontName)
{
    SB_DefFont->setText(LangText(Msg::DefaultFont, session_.lang()) + QLatin1Char('\n') + fontName);
    QFont font = SB_DefFont->font();
    font.setFamily(fontName);
    SB_DefFont->setFont(font);
    SB_DefFont->setVisible(true);
}

void PrintPage::setAssociation(bool ticked, std::function<bool(bool)> change)
{
    associationTicked_ = ticked;
    changeAssociation_ = std::move(change);
    CheckBox_GED->setChecked(ticked);
}

void PrintPage::BitBtn_YazClick()
{
    ListPrintOptions options;
    options.fontFamily = session_.printFontName();
    options.lang = session_.lang();
    options.shown = ShownListColumns(table_);
    options.webPage = MakerWebPage();
    options.email = MakerEmail();
    PrintListRows(prompts_, CheckedListRows(table_), options);
}

void PrintPage::BitBtn_P_KaydetClick()
{
    SaveTableExport(prompts_, session_.lang(), [this](ExportFormat format, QIODevice& device) {
        return writeExport(format, device);
    });
}

void PrintPage::BitBtn_P_ResimClick()
{
    const bool selectedOnly = CheckBox_P_RSelected->isChecked();
    QList<qint32> recNos;
    for (const int index : table_.displayOrder()) {
        if (!selectedOnly || table_.isChecked(index))
            recNos.append(table_.row(index).RecNo);
    }
    CollectPictures(session_, prompts_, recNos, QFileInfo(session_.familyFileName).absolutePath(),
                    CheckBox_P_RSil->isChecked(), saveFamily_);
}

void PrintPage::BitBtn_FontClick()
{
    // The printouts take the program font until the dialog chooses another.
    const QFont programFont = window()->font();
    session_.setPrintFontName(programFont.family());
    const std::optional<QFont> chosen = prompts_.chooseFont(programFont);
    if (!chosen)
        return;
    session_.setPrintFontName(chosen->family());
    if (chosen->family() != programFont.family())
        Q_EMIT programFontChosen(chosen->family());
}

void PrintPage::SB_DefFontClick()
{
    Q_EMIT defaultFontRequested();
    SB_DefFont->setVisible(false);
}

void PrintPage::CheckBox_GEDClick(bool ticked)
{
    if (!changeAssociation_ || !changeAssociation_(ticked)) {
        // Reporting success for files that were not written would leave the user guessing.
        const QSignalBlocker blocker(CheckBox_GED);
        CheckBox_GED->setChecked(!ticked);
        prompts_.message(MessageKind::Warning,
                         LangText(Msg::AssociationNotChanged, session_.lang()));
        return;
    }
    associationTicked_ = ticked;
    prompts_.message(
        MessageKind::Plain,
        LangText(ticked ? Msg::AssociationDone : Msg::AssociationRemoved, session_.lang()));
}

void PrintPage::BitBtn_CheckClick()
{
    QStringList lines{LangText(Msg::FileNameLabel, session_.lang()) + session_.familyFileName};
    {
        const OverrideCursorGuard hourglass;
        lines +=
            FindingLines(CheckFamily(session_.persons()), session_.lang(), ErrorSink::MaxLines);
    }
    Q_EMIT findingsReady(lines);
}

void PrintPage::BitBtn_GedExportClick()
{
    SaveGedcomExport(prompts_, session_, ProgramVersion());
}

QList<qint32> PrintPage::checkedRecNos() const
{
    QList<qint32> recNos;
    for (const int index : table_.checkedInDisplayOrder())
        recNos.append(table_.row(index).RecNo);
    return recNos;
}

QList<int> PrintPage::shownColumns() const
{
    QList<int> columns;
    for (int column = 0; column < PrintColumnCount; ++column) {
        if (table_.isColumnShown(column))
            columns.append(column);
    }
    return columns;
}

QByteArray PrintPage::exportContent(ExportFormat format) const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeExport(format, buffer);
    return bytes;
}

bool PrintPage::writeExport(ExportFormat format, QIODevice& device) const
{
    const QHeaderView& header = *VST_Print->horizontalHeader();
    const QList<int> indexes = VisibleColumnsInOrder(header);
    QList<ExportColumn> columns;
    for (const int index : indexes)
        columns.append({model_->headerData(index, Qt::Horizontal, Qt::DisplayRole).toString(),
                        header.sectionSize(index)});
    ExportStyle style;
    style.gridFont.name = VST_Print->font().family();
    style.headerFont.name = header.font().family();
    style.dpi = logicalDpiX();
    const PrintExportRows rows(table_, indexes, session_.recNoMain(), style.gridFont);
    return WriteTableExport(device, format, rows, columns, style, ListSeparator());
}

} // namespace kinrow
