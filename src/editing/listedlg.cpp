#include "editing/listedlg.h"

#include "editing/listedata.h"
#include "editing/listedelegate.h"
#include "editing/listemodel.h"
#include "model/messages.h"
#include "ui/dialogplacement.h"
#include "ui/prompts.h"
#include "ui/shortcuts.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace kinrow {

namespace {

constexpr int ClientWidth = 454;
constexpr int ClientHeight = 373;
constexpr int TenthRow = 9; // zero-based position of the focused row in the viewport
// Header clicks never come from position 0, which is reserved for the re-sort on showing.
constexpr int ClickX = 1;

// Shows the hourglass while the rows are built.
class WaitCursor
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

QString LabelText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

TForm_ListeDlg::TForm_ListeDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_ListeDlg"));
    setModal(true);
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    buildControls();
    configureGrid();
    setFixedSize(ClientWidth, ClientHeight);
}

void TForm_ListeDlg::buildControls()
{
    Edit_Find = new QLineEdit(this);
    Edit_Find->setObjectName(QStringLiteral("Edit_Find"));
    Edit_Find->setClearButtonEnabled(true);
    Edit_Find->installEventFilter(this);
    connect(Edit_Find, &QLineEdit::textChanged, this, &TForm_ListeDlg::Edit_FindChange);
    // Ctrl+F opened the list; pressed again it returns to the search field.
    auto* findAgain = new QShortcut(FindShortcut(), this);
    connect(findAgain, &QShortcut::activated, this, [this] {
        Edit_Find->setFocus(Qt::ShortcutFocusReason);
        Edit_Find->selectAll();
    });
    VST_Liste = new QTableView(this);
    VST_Liste->setObjectName(QStringLiteral("VST_Liste"));
    Lb_Dikkat = new QLabel(this);
    Lb_Dikkat->setObjectName(QStringLiteral("Lb_Dikkat"));
    Lb_Dikkat->setWordWrap(true);
    Lb_Dikkat->setAlignment(Qt::AlignCenter);
    Lb_Dikkat->setTextFormat(Qt::PlainText);
    BitBtn_Tamam = new QPushButton(LangText(Msg::ListeOkCaption, Lang::Turkish), this);
    BitBtn_Tamam->setObjectName(QStringLiteral("BitBtn_Tamam"));
    BitBtn_Tamam->setDefault(true);
    BitBtn_Iptal = new QPushButton(LangText(Msg::ListeCancelCaption, Lang::Turkish), this);
    BitBtn_Iptal->setObjectName(QStringLiteral("BitBtn_Iptal"));
    connect(BitBtn_Tamam, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn_Iptal, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(Lb_Dikkat, 1);
    side->addWidget(BitBtn_Tamam);
    side->addWidget(BitBtn_Iptal);
    auto* grid = new QVBoxLayout;
    grid->addWidget(Edit_Find);
    grid->addWidget(VST_Liste, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(grid, 0);
    layout->addLayout(side, 1);
}

void TForm_ListeDlg::configureGrid()
{
    model_ = new ListeModel(this);
    VST_Liste->setModel(model_);
    VST_Liste->setItemDelegate(new ListeDelegate(VST_Liste));
    VST_Liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    VST_Liste->setSelectionMode(QAbstractItemView::SingleSelection);
    VST_Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    VST_Liste->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    VST_Liste->setShowGrid(false); // the delegate draws the vertical lines only
    VST_Liste->setMouseTracking(true);
    VST_Liste->viewport()->setAttribute(Qt::WA_Hover);
    VST_Liste->setWordWrap(false);

    QHeaderView* rows = VST_Liste->verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(ListeDelegate::RowHeight);
    rows->setDefaultSectionSize(ListeDelegate::RowHeight);
    rows->setSectionResizeMode(QHeaderView::Fixed);

    QHeaderView* header = VST_Liste->horizontalHeader();
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSortIndicatorShown(true);
    header->resizeSection(ListeColumnNo, 60);
    header->resizeSection(ListeColumnAd, 95);
    header->resizeSection(ListeColumnSoyad, 95);
    header->viewport()->installEventFilter(this);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int section) { VST_ListeHeaderClick(section, Qt::LeftButton, ClickX); });
    connect(VST_Liste, &QAbstractItemView::doubleClicked, this, &TForm_ListeDlg::VST_ListeDblClick);

    const int frame = 2 * VST_Liste->frameWidth();
    VST_Liste->setFixedWidth(60 + 95 + 95 + frame +
                             VST_Liste->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
}

void TForm_ListeDlg::setMainFontName(const QString& name)
{
    mainFontName_ = name;
}

void TForm_ListeDlg::setCollationLocale(const QLocale& locale)
{
    model_->setCollationLocale(locale);
}

void TForm_ListeDlg::resetRows(const PersonList& persons, const QList<qint32>* recNos,
                               qint32 recNoMain, Lang lang)
{
    lang_ = lang;
    {
        // New rows are shown whole; the model forgets the old text with them.
        const QSignalBlocker quiet(Edit_Find);
        Edit_Find->clear();
    }
    model_->setRows(recNos ? ListeRowsOf(persons, *recNos, lang) : ListeRowsAll(persons, lang),
                    &persons, recNoMain, lang);
    VST_Liste->selectionModel()->clear();
}

void TForm_ListeDlg::FillJumpList(const PersonList& persons, qint32 recNoMain, Lang lang)
{
    const WaitCursor wait;
    setWindowTitle(LangText(Msg::ListTitle, lang));
    callerText_.clear();
    resetRows(persons, nullptr, recNoMain, lang);
    selectRecord(recNoMain);
}

void TForm_ListeDlg::FillCandidateList(const PersonList& persons, qint32 recNoMain, Lang lang,
                                       const QString& caption, const QString& warning,
                                       const QList<qint32>& candidates)
{
    const WaitCursor wait;
    setWindowTitle(caption);
    callerText_ = warning;
    resetRows(persons, &candidates, recNoMain, lang);
}

std::optional<qint32> TForm_ListeDlg::SB_ListeClick(Prompts& prompts, const PersonList& persons,
                                                    qint32 recNoMain, Lang lang)
{
    FillJumpList(persons, recNoMain, lang);
    if (prompts.exec(*this) != QDialog::Accepted)
        return std::nullopt;
    return focusedRecord();
}

std::optional<qint32> TForm_ListeDlg::ChooseCandidate(Prompts& prompts, const PersonList& persons,
                                                      qint32 recNoMain, Lang lang,
                                                      const QString& caption,
                                                      const QString& warning,
                                                      const QList<qint32>& candidates)
{
    FillCandidateList(persons, recNoMain, lang, caption, warning, candidates);
    if (prompts.exec(*this) != QDialog::Accepted)
        return std::nullopt;
    return selectedRecord();
}

bool TForm_ListeDlg::selectRecord(qint32 recNo)
{
    const int row = model_->rowOfNo(recNo);
    if (row < 0)
        return false;
    selectRow(row);
    return true;
}

void TForm_ListeDlg::selectRow(int row)
{
    VST_Liste->selectionModel()->setCurrentIndex(model_->index(row, ListeColumnNo),
                                                 QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
}

std::optional<qint32> TForm_ListeDlg::focusedRecord() const
{
    const QModelIndex current = VST_Liste->currentIndex();
    if (!current.isValid())
        return std::nullopt;
    return current.data(ListeModel::RecNoRole).value<qint32>();
}

std::optional<qint32> TForm_ListeDlg::selectedRecord() const
{
    const QModelIndexList rows = VST_Liste->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().data(ListeModel::RecNoRole).value<qint32>();
}

void TForm_ListeDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    CentreOverOwner(this);
    FormActivate();
}

void TForm_ListeDlg::FormActivate()
{
    if (!mainFontName_.isEmpty()) {
        QFont dialogFont = font();
        dialogFont.setFamily(mainFontName_);
        setFont(dialogFont);
    }
    model_->setBaseFont(VST_Liste->font());
    Edit_Find->setFocus(Qt::OtherFocusReason);
    // Built from the caller's text every time, so showing the list again never repeats the count.
    Lb_Dikkat->setText(LabelText(LangText(Msg::SelectableCountLabel, lang_) +
                                 QString::number(model_->rowCount()) + QStringLiteral("\r\r") +
                                 callerText_));
    BitBtn_Tamam->setText(LangText(Msg::OkCaption, lang_));
    BitBtn_Iptal->setText(LangText(Msg::CancelCaption, lang_));
    model_->setHeaderTexts(
        {QStringLiteral("No"), LangText(Msg::GivenName, lang_), LangText(Msg::Surname, lang_)});
    if (sortColumn_ >= 0)
        VST_ListeHeaderClick(sortColumn_, Qt::LeftButton, 0);
    else
        scrollFocusedToTenthRow();
}

void TForm_ListeDlg::VST_ListeHeaderClick(int column, Qt::MouseButton button, int x)
{
    if (column < 0 || column >= ListeColumnCount)
        return;
    if (button == Qt::LeftButton) {
        if (sortColumn_ >= 0)
            model_->setColumnShaded(sortColumn_, false);
        if (sortColumn_ < 0 || column != sortColumn_) {
            sortColumn_ = column;
            sortOrder_ = Qt::AscendingOrder;
        } else if (x != 0) {
            sortOrder_ =
                sortOrder_ == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
        }
        model_->setColumnShaded(sortColumn_, true);
        VST_Liste->horizontalHeader()->setSortIndicator(sortColumn_, sortOrder_);
        model_->sortRows(sortColumn_, sortOrder_);
    }
    scrollFocusedToTenthRow();
}

void TForm_ListeDlg::VST_ListeDblClick(const QModelIndex& index)
{
    if (index.isValid())
        accept();
}

void TForm_ListeDlg::Edit_FindChange(const QString& typed)
{
    model_->setFilter(typed);
    if (VST_Liste->selectionModel()->hasSelection())
        scrollFocusedToTenthRow();
    else
        VST_Liste->scrollToTop();
}

bool TForm_ListeDlg::Edit_FindKeyPress(int key)
{
    const bool noneSelected = !VST_Liste->selectionModel()->hasSelection();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter takes the first match when nothing is picked; with no match it does nothing.
        if (noneSelected && model_->rowCount() == 0)
            return true;
        if (noneSelected)
            selectRow(0);
        accept();
        return true;
    case Qt::Key_Down:
        if (noneSelected && model_->rowCount() > 0)
            selectRow(0);
        VST_Liste->setFocus(Qt::TabFocusReason);
        return true;
    default:
        return false;
    }
}

bool TForm_ListeDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit_Find && event->type() == QEvent::KeyPress &&
        (static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        Edit_FindKeyPress(static_cast<QKeyEvent*>(event)->key()))
        return true;
    // The header reports clicks of the left button only; the others still scroll the list.
    QHeaderView* header = VST_Liste->horizontalHeader();
    if (watched == header->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int section = header->logicalIndexAt(mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton && section >= 0)
            VST_ListeHeaderClick(section, mouse->button(),
                                 std::max(ClickX, int(mouse->position().x())));
    }
    return QDialog::eventFilter(watched, event);
}

void TForm_ListeDlg::scrollFocusedToTenthRow()
{
    const QItemSelectionModel* selection = VST_Liste->selectionModel();
    if (!selection->hasSelection())
        return;
    QModelIndex focused = VST_Liste->currentIndex();
    if (!focused.isValid())
        focused = selection->selectedRows().value(0);
    VST_Liste->doItemsLayout();
    VST_Liste->verticalScrollBar()->setValue(std::max(0, focused.row() - TenthRow));
}

} // namespace kinrow
