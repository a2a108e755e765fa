#include "shell/mainwindow.h"

#include "chart/chartlistbox.h"
#include "chart/chartpage.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "model/messages.h"
#include "print/printpage.h"
#include "shell/aboutpage.h"
#include "shell/association.h"
#include "shell/familyopening.h"
#include "shell/familysaving.h"
#include "shell/recoveryoffer.h"
#include "shell/windowactions.h"
#include "table/tablepage.h"
#include "ui/proportionalscaler.h"
#include "ui/speedbutton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStackedWidget>

// Resources of a static library must be registered by hand, and only outside a namespace.
static void InitKinrowResources()
{
    Q_INIT_RESOURCE(kinrow);
}

namespace kinrow {

TForm_Main::TForm_Main(const QStringList& arguments, std::unique_ptr<Prompts> prompts,
                       QWidget* parent)
    : QMainWindow(parent),
      prompts_(prompts ? std::move(prompts) : std::make_unique<DialogPrompts>(this, &session_)),
      font_(*this), settings_(session_, *prompts_, font_)
{
    InitKinrowResources();
    setObjectName(QStringLiteral("TForm_Main"));
    setWindowTitle(ApplicationTitle());
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    setMinimumSize(DesignWidth, DesignHeight);
    createPages();
    createFileWorkflow();
    connectPersonPage();
    connectPages();
    createActions();
    scaler_ = std::make_unique<ProportionalScaler>(PageControl_Main, DesignWidth);
    FormCreate(arguments);
}

TForm_Main::~TForm_Main() = default;

void TForm_Main::createPages()
{
    PageControl_Main = new QStackedWidget(this);
    PageControl_Main->setObjectName(QStringLiteral("PageControl_Main"));
    setCentralWidget(PageControl_Main);
    TabSheet_Print = new PrintPage(session_, *prompts_, PageControl_Main);
    TabSheet_Main = new PersonPage(session_, *prompts_, PageControl_Main);
    TabSheet_About = new AboutPage(session_, *prompts_, PageControl_Main);
    TabSheet_Tree = new ChartPage(session_, *prompts_, PageControl_Main);
    TabSheet_TView = new TablePage(session_, *prompts_, PageControl_Main);
    for (QWidget* page : std::initializer_list<QWidget*>{
             TabSheet_Print, TabSheet_Main, TabSheet_About, TabSheet_Tree, TabSheet_TView})
        PageControl_Main->addWidget(page);
}

void TForm_Main::createFileWorkflow()
{
    saving_ = new FamilySaving(session_, *prompts_, file_, this);
    opening_ = new FamilyOpening(session_, *prompts_, file_, *saving_, *TabSheet_About, this);
    recovery_ = new RecoveryOffer(session_, *prompts_, file_, *TabSheet_About, this);
    connect(saving_, &FamilySaving::renamed, this, [this] {
        showCaption();
        TabSheet_Print->showCurrentDir(QDir::currentPath());
    });
    connect(opening_, &FamilyOpening::opened, this, &TForm_Main::showOpenedFile);
    connect(opening_, &FamilyOpening::notOpened, this, &TForm_Main::showCaption);
    connect(recovery_, &RecoveryOffer::restored, this, [this] { showOpenedFile(false); });
}

void TForm_Main::createActions()
{
    actions_ = new WindowActions(session_, *this, *PageControl_Main);
    actions_->takeHistoryKeys(*TabSheet_Main);
    connect(actions_, &WindowActions::undoTriggered, this,
            [this] { showChangedPerson(session_.undo()); });
    connect(actions_, &WindowActions::redoTriggered, this,
            [this] { showChangedPerson(session_.redo()); });
    connect(actions_, &WindowActions::saveTriggered, this, &TForm_Main::SB_SaveClick);
    connect(actions_, &WindowActions::cancelTriggered, TabSheet_Main, &PersonPage::SB_IptalClick);
}

void TForm_Main::connectPersonPage()
{
    PersonPage* page = TabSheet_Main;
    connect(page, &PersonPage::aboutRequested, this, &TForm_Main::SB_AboutClick);
    connect(page, &PersonPage::exitRequested, this, &QWidget::close);
    connect(page, &PersonPage::saveRequested, this, &TForm_Main::SB_SaveClick);
    connect(page, &PersonPage::chartRequested, this, &TForm_Main::SB_TreeClick);
    connect(page, &PersonPage::printRequested, this, &TForm_Main::SB_YazClick);
    connect(page, &PersonPage::tableRequested, TabSheet_TView, &TablePage::SB_TViewClick);
}

void TForm_Main::connectPages()
{
    AboutPage* about = TabSheet_About;
    connect(about, &AboutPage::continueRequested, this, [this] {
        if (session_.persons().empty())
            opening_->openRemembered();
        else
            showPage(TabSheet_Main);
    });
    connect(about, &AboutPage::openRequested, opening_, &FamilyOpening::openAnother);
    connect(about, &AboutPage::errorListClosed, this, [this] {
        file_.errors.visible = false;
        showPage(TabSheet_Main);
    });
    connect(TabSheet_Tree, &ChartPage::backRequested, this, &TForm_Main::SB_T_BackClick);
    connect(TabSheet_Tree, &ChartPage::mainPersonRequested, this, &TForm_Main::Lb_T_MainClick);
    TablePage* table = TabSheet_TView;
    connect(table, &TablePage::activated, this, [this] { showPage(TabSheet_TView); });
    connect(table, &TablePage::backRequested, this, &TForm_Main::SB_T_BackClick);
    connect(table, &TablePage::personRequested, this, &TForm_Main::openPerson);
    connectPrintPage();
    connect(&session_, &Session::langChanged, this, &TForm_Main::retranslate);
}

void TForm_Main::connectPrintPage()
{
    PrintPage* print = TabSheet_Print;
    connect(print, &PrintPage::backRequested, this, &TForm_Main::SB_T_BackClick);
    connect(print, &PrintPage::personRequested, this, &TForm_Main::openPerson);
    connect(print, &PrintPage::findingsReady, this, [this](const QStringList& lines) {
        TabSheet_About->showFindings(lines);
        showPage(TabSheet_About);
    });
    connect(print, &PrintPage::programFontChosen, this, [this](const QString& fontName) {
        font_.choose(fontName);
        TabSheet_Print->showDefaultFontButton(font_.startupName());
    });
    connect(print, &PrintPage::defaultFontRequested, this, [this] { font_.restore(); });
    print->setFamilySaver([this] { return SB_SaveClick(); });
}

void TForm_Main::setListeDialog(TForm_ListeDlg* dialog)
{
    TabSheet_Main->setListeDialog(dialog);
    font_.setListeDialog(dialog);
}

int TForm_Main::activePageTag() const
{
    const QWidget* page = PageControl_Main->currentWidget();
    return page == TabSheet_Tree ? 1 : page == TabSheet_TView ? 2 : 0;
}

void TForm_Main::showPage(QWidget* page)
{
    PageControl_Main->setCurrentWidget(page);
}

void TForm_Main::openPerson(qint32 recNo)
{
    if (!session_.isRecord(recNo))
        return;
    session_.setRecNoMain(recNo);
    showPage(TabSheet_Main);
}

void TForm_Main::SB_AboutClick()
{
    showPage(TabSheet_About);
}

void TForm_Main::SB_TreeClick()
{
    if (!session_.hasCurrent())
        return;
    showPage(TabSheet_Tree);
    TabSheet_Tree->FillTreeChart(session_.recNoMain());
}

void TForm_Main::SB_YazClick()
{
    showPage(TabSheet_Print);
    TabSheet_Print->SB_YazClick();
}

void TForm_Main::SB_T_BackClick()
{
    showPage(TabSheet_Main);
}

void TForm_Main::Lb_T_MainClick()
{
    const qint32 recNo = activePageTag() == 1 ? TabSheet_Tree->chartPerson() : 0;
    // A chart filled before persons were removed may name a record that is gone.
    if (session_.isRecord(recNo))
        session_.setRecNoMain(recNo);
    showPage(TabSheet_Main);
}

void TForm_Main::showChangedPerson(bool changed)
{
    if (!changed)
        return;
    showPage(TabSheet_Main);
    // The page drew the person the step made current; an undone first person leaves none.
    if (session_.persons().empty())
        TabSheet_Main->BeginAdding(EditMode::First);
}

void TForm_Main::retranslate()
{
    showCaption();
}

void TForm_Main::showCaption()
{
    QString caption = LangText(Msg::ProgramTitle, session_.lang()) + QStringLiteral(" - ") +
                      session_.familyFileName;
    if (session_.readOnlyMode())
        caption += LangText(Msg::ReadOnlyCaptionMark, session_.lang());
    setWindowTitle(caption);
}

void TForm_Main::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (resizing_ || !scaler_)
        return;
    const int width = qMax(DesignWidth, this->width());
    const int height = width * DesignHeight / DesignWidth;
    if (size() != QSize(width, height)) {
        resizing_ = true;
        resize(width, height);
        resizing_ = false;
    }
    if (scaler_->scaledWidth() == width)
        return;
    scaler_->scaleTo(width);
    TabSheet_Main->setListItemHeight(width * PersonListBox::ItemHeight / DesignWidth);
    TabSheet_Tree->setListItemHeight(width * ChartListBox::ItemHeight / DesignWidth);
    // The chart and table pages bring their own pictures; the others show the current person's.
    if (activePageTag() == 0 && !session_.persons().empty())
        TabSheet_Main->ShowPicture(session_.recNoMain());
    else if (activePageTag() == 2)
        TabSheet_TView->showShownPicture();
}

void TForm_Main::FormCreate(const QStringList& arguments)
{
    session_.replaceFamily({});
    showPage(TabSheet_About);
    resize(DesignWidth, DesignHeight);
    settings_.read(arguments, font().family());
    retranslate(); // also where the language stayed as it was
    const QString program = QCoreApplication::applicationFilePath();
    TabSheet_Print->setAssociation(IsGedAssociationRegistered(program), [program](bool ticked) {
        return ticked ? RegisterGedAssociation(program) : RemoveGedAssociation();
    });
}

void TForm_Main::closeEvent(QCloseEvent* event)
{
    if (!saving_->mayClose()) {
        event->ignore();
        return;
    }
    // Closing without saving gives the changes up: nothing is offered at the next start.
    if (file_.recovery)
        file_.recovery->discard();
    settings_.write();
    event->accept();
}

bool TForm_Main::SB_SaveClick()
{
    return saving_->save();
}

void TForm_Main::startRecovery(const QString& folder)
{
    recovery_->start(folder);
}

void TForm_Main::showOpenedFile(bool readOnly)
{
    // The first person of an empty file is entered on the About page's error list too, from
    // where another file can be opened: the new file starts from browsing.
    if (session_.isEditing())
        TabSheet_Main->LeaveEditState();
    session_.setReadOnlyMode(readOnly);
    showCaption();
    TabSheet_Print->showCurrentDir(QDir::currentPath());
    const qint32 count = qint32(session_.persons().size());
    if (session_.recNoMain() < 1 || session_.recNoMain() > count)
        session_.setRecNoMain(1);
    if (!file_.errors.visible)
        showPage(TabSheet_Main);
    showCurrentPerson();
}

void TForm_Main::showCurrentPerson()
{
    if (!session_.persons().empty()) {
        TabSheet_Main->ShowRecord();
        return;
    }
    // An empty family, as an empty file leaves it: entering one.
    TabSheet_Main->BeginAdding(EditMode::First);
}

} // namespace kinrow
