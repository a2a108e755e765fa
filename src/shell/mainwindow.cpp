#include "shell/mainwindow.h"

#include "chart/chartlistbox.h"
#include "chart/chartpage.h"
#include "editing/listedlg.h"
#include "editing/personeditor.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "editing/pictureeditor.h"
#include "editing/relativeeditor.h"
#include "gedcom/familyopen.h"
#include "model/messages.h"
#include "print/printpage.h"
#include "shell/aboutpage.h"
#include "shell/association.h"
#include "shell/familyopening.h"
#include "shell/familysaving.h"
#include "shell/recoveryoffer.h"
#include "shell/samplefamily.h"
#include "shell/settings.h"
#include "table/tablepage.h"
#include "ui/proportionalscaler.h"
#include "ui/speedbutton.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>

// Resources of a static library must be registered by hand, and only outside a namespace.
static void InitKinrowResources()
{
    Q_INIT_RESOURCE(kinrow);
}

namespace kinrow {

TForm_Main::TForm_Main(const QStringList& arguments, std::unique_ptr<Prompts> prompts,
                       QWidget* parent)
    : QMainWindow(parent), prompts_(std::move(prompts))
{
    InitKinrowResources();
    if (!prompts_)
        prompts_ = std::make_unique<DialogPrompts>(this);
    setObjectName(QStringLiteral("TForm_Main"));
    setWindowTitle(QStringLiteral("KINROW - Aile Soyağacı"));
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
    PageControl_Main->addWidget(TabSheet_Print);
    TabSheet_Main = new PersonPage(session_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_Main);
    TabSheet_About = new AboutPage(session_, *prompts_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_About);
    TabSheet_Tree = new ChartPage(session_, *prompts_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_Tree);
    TabSheet_TView = new TablePage(session_, *prompts_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_TView);
}

void TForm_Main::createFileWorkflow()
{
    saving_ = new FamilySaving(session_, *prompts_, file_, this);
    opening_ = new FamilyOpening(session_, *prompts_, file_, *saving_, *TabSheet_About, this);
    recovery_ = new RecoveryOffer(session_, *prompts_, file_, *TabSheet_About, this);
    connect(saving_, &FamilySaving::renamed, this, [this] {
        showCaption();
        showCurrentDir();
    });
    connect(opening_, &FamilyOpening::opened, this, &TForm_Main::showOpenedFile);
    connect(opening_, &FamilyOpening::notOpened, this, &TForm_Main::showCaption);
    connect(recovery_, &RecoveryOffer::restored, this, [this] { showOpenedFile(false); });
}

void TForm_Main::connectPersonPage()
{
    PersonPage* page = TabSheet_Main;
    connect(page->SB_About, &QToolButton::clicked, this, &TForm_Main::SB_AboutClick);
    connect(page->SB_Exit, &QToolButton::clicked, this, &TForm_Main::SB_ExitClick);
    connect(page->SB_Save, &QToolButton::clicked, this, &TForm_Main::SB_SaveClick);
    connect(page->SB_Tree, &QToolButton::clicked, this, &TForm_Main::SB_TreeClick);
    connect(page->SB_Yaz, &QToolButton::clicked, this, &TForm_Main::SB_YazClick);
    connect(page->SB_TView, &QToolButton::clicked, TabSheet_TView, &TablePage::SB_TViewClick);
    personEditor_ = new PersonEditor(session_, *page, *prompts_, this);
    relativeEditor_ = new RelativeEditor(session_, *page, *prompts_, this);
    pictureEditor_ = new PictureEditor(session_, *page, *prompts_, this);
    connect(personEditor_, &PersonEditor::aboutPageRequested, this, &TForm_Main::SB_AboutClick);
    page->showMessage = [this](const QString& text) {
        prompts_->message(MessageKind::Warning, text);
    };
}

void TForm_Main::connectPages()
{
    AboutPage* about = TabSheet_About;
    connect(about, &AboutPage::continueRequested, this, &TForm_Main::Button_DevamClick);
    connect(about, &AboutPage::openRequested, opening_, &FamilyOpening::openAnother);
    connect(about, &AboutPage::errorListClosed, this, &TForm_Main::SB_ErrorCloseClick);
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
    connect(print, &PrintPage::findingsReady, this, &TForm_Main::showFindings);
    connect(print, &PrintPage::programFontChosen, this, &TForm_Main::programFontChosen);
    connect(print, &PrintPage::defaultFontRequested, this, &TForm_Main::defaultFontRequested);
    print->setFamilySaver([this] { return SB_SaveClick(); });
}

int TForm_Main::activePageTag() const
{
    const QWidget* page = PageControl_Main->currentWidget();
    if (page == TabSheet_Tree)
        return 1;
    if (page == TabSheet_TView)
        return 2;
    return 0;
}

bool TForm_Main::isGedAssociationTicked() const
{
    return TabSheet_Print->associationTicked();
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
    TabSheet_Main->ShowRecord();
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
    qint32 recNo = 0;
    if (activePageTag() == 1)
        recNo = TabSheet_Tree->chartPerson();
    // A chart filled before persons were removed may name a record that is gone.
    if (session_.isRecord(recNo))
        session_.setRecNoMain(recNo);
    showPage(TabSheet_Main);
    TabSheet_Main->ShowRecord();
}

void TForm_Main::SB_ExitClick()
{
    close();
}

void TForm_Main::showFindings(const QStringList& lines)
{
    TabSheet_About->showFindings(lines);
    showPage(TabSheet_About);
}

void TForm_Main::FormCreate(const QStringList& arguments)
{
    session_.persons.clear();
    showPage(TabSheet_About);
    resize(DesignWidth, DesignHeight);
    settingsPath_ = SettingsFilePath();
    const bool firstStart = !QFileInfo::exists(settingsPath_);
    const LastValues values = ReadLastValues(settingsPath_, font().family(), TurkishCharSet);
    session_.setRecNoMain(values.recNoMain);
    session_.familyFileName = StartupFamilyFileName(arguments, values.gedFile, QDir::currentPath());
    // The first start without a family file of its own takes a copy of the installed sample.
    if (firstStart && !QFileInfo::exists(session_.familyFileName)) {
        const QString sample =
            CopySampleFamily(InstalledSampleFamily(QCoreApplication::applicationDirPath()),
                             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                 QStringLiteral("/sample"));
        if (!sample.isEmpty())
            session_.familyFileName = sample;
    }
    const Lang lang = values.language == 0 ? Lang::Turkish : Lang::English;
    if (lang == session_.lang())
        retranslate();
    session_.setLang(lang);
    ApplyProgramFont(values.fontName, values.fontCharSet);
    startupFontName_ = values.fontName;
    startupFontCharSet_ = values.fontCharSet;
    const QString program = QCoreApplication::applicationFilePath();
    TabSheet_Print->setAssociation(IsGedAssociationRegistered(program), [program](bool ticked) {
        return ticked ? RegisterGedAssociation(program) : RemoveGedAssociation();
    });
}

void TForm_Main::retranslate()
{
    showCaption();
    TabSheet_Main->retranslate();
}

void TForm_Main::showCaption()
{
    QString caption = LangText(Msg::ProgramTitle, session_.lang()) + QStringLiteral(" - ") +
                      session_.familyFileName;
    if (session_.readOnlyMode())
        caption += QStringLiteral(" - Read Only !!!!!");
    setWindowTitle(caption);
}

void TForm_Main::ApplyProgramFont(const QString& fontName, int fontCharSet)
{
    QFont windowFont = font();
    windowFont.setFamily(fontName);
    setFont(windowFont);
    fontCharSet_ = fontCharSet;
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        QFont f = widget->font();
        f.setFamily(fontName);
        widget->setFont(f);
    }
    if (listeDialog_)
        listeDialog_->setMainFontName(fontName);
}

void TForm_Main::programFontChosen(const QString& fontName)
{
    // The dialog offers no character set apart from the family: the window's stays.
    ApplyProgramFont(fontName, fontCharSet_);
    TabSheet_Print->showDefaultFontButton(startupFontName_);
    fontChanged_ = true;
}

void TForm_Main::defaultFontRequested()
{
    ApplyProgramFont(startupFontName_, startupFontCharSet_);
    fontChanged_ = false;
}

void TForm_Main::showCurrentDir()
{
    TabSheet_Print->showCurrentDir(QDir::currentPath());
}

void TForm_Main::setListeDialog(TForm_ListeDlg* dialog)
{
    listeDialog_ = dialog;
    relativeEditor_->setListeDialog(dialog);
    if (listeDialog_)
        listeDialog_->setMainFontName(font().family());
}

void TForm_Main::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm_Main::FormResize()
{
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
    if (activePageTag() == 0 && !session_.persons.empty())
        TabSheet_Main->ShowPicture(session_.recNoMain());
    else if (activePageTag() == 2)
        TabSheet_TView->showShownPicture();
}

void TForm_Main::closeEvent(QCloseEvent* event)
{
    if (!saving_->mayClose()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TForm_Main::FormClose()
{
    // Closing without saving gives the changes up: nothing is offered at the next start.
    if (file_.recovery)
        file_.recovery->discard();
    LastValues values;
    values.recNoMain = session_.recNoMain();
    values.gedFile = session_.familyFileName;
    values.language = int(session_.lang());
    if (!WriteLastValues(settingsPath_, values))
        prompts_->message(MessageKind::Warning, LangText(Msg::SettingsNotWritten, session_.lang()) +
                                                    QDir::toNativeSeparators(settingsPath_));
    if (fontChanged_ &&
        prompts_->message(MessageKind::Warning, LangText(Msg::KeepFontQuestion, session_.lang()),
                          MessageButtons::YesNo) == PromptAnswer::Yes)
        WriteFontValues(settingsPath_, font().family(), fontCharSet_);
}

} // namespace kinrow
