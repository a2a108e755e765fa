#include "shell/mainwindow.h"

#include "chart/chartlistbox.h"
#include "chart/chartpage.h"
#include "editing/listedlg.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "gedcom/errorsink.h"
#include "gedcom/familyopen.h"
#include "gedcom/recoverywriter.h"
#include "model/familycheck.h"
#include "model/messages.h"
#include "pictures/picturecollector.h"
#include "print/gedcomexportsave.h"
#include "print/listprintjob.h"
#include "print/printpage.h"
#include "shell/aboutpage.h"
#include "shell/association.h"
#include "shell/samplefamily.h"
#include "shell/settings.h"
#include "shell/version.h"
#include "table/exportsave.h"
#include "table/tablepage.h"
#include "ui/overridecursor.h"
#include "ui/personlabel.h"
#include "ui/prompts.h"
#include "ui/proportionalscaler.h"
#include "ui/speedbutton.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTextEdit>
#include <QToolButton>

// Resources of a static library must be registered by hand, and only outside a namespace.
static void InitKinrowResources()
{
    Q_INIT_RESOURCE(kinrow);
}

namespace kinrow {

namespace {

constexpr int TurkishCharSet = 162;

} // namespace

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
    connectControls();
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
    // The chart and table pages are filled by their own pages once those exist.
    TabSheet_Print = new PrintPage(session_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_Print);
    TabSheet_Main = new PersonPage(session_, *prompts_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_Main);
    TabSheet_About = new AboutPage(PageControl_Main);
    PageControl_Main->addWidget(TabSheet_About);
    TabSheet_Tree = new ChartPage(session_, *prompts_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_Tree);
    TabSheet_TView = new TablePage(session_, *prompts_, PageControl_Main);
    PageControl_Main->addWidget(TabSheet_TView);
}

void TForm_Main::connectControls()
{
    AboutPage* about = TabSheet_About;
    connect(about->Button_Devam, &QPushButton::clicked, this,
            [this, about] { Button_DevamClick(about->Button_Devam); });
    connect(about->BitBtn_Dosya, &QPushButton::clicked, this,
            [this, about] { Button_DevamClick(about->BitBtn_Dosya); });
    connect(about->SB_ErrorClose, &QToolButton::clicked, this, &TForm_Main::SB_ErrorCloseClick);
    PersonPage* page = TabSheet_Main;
    connect(page, &PersonPage::aboutRequested, this, &TForm_Main::SB_AboutClick);
    connect(page, &PersonPage::exitRequested, this, &TForm_Main::SB_ExitClick);
    connect(page, &PersonPage::saveRequested, this, &TForm_Main::SB_SaveClick);
    connect(page, &PersonPage::chartRequested, this, &TForm_Main::SB_TreeClick);
    connect(TabSheet_Tree, &ChartPage::backRequested, this, &TForm_Main::SB_T_BackClick);
    connect(TabSheet_Tree, &ChartPage::mainPersonRequested, this, &TForm_Main::Lb_T_MainClick);
    connectTablePage();
    connectPrintPage();
    connect(about->ComboBox_Lang, &QComboBox::currentIndexChanged, this, [this](int index) {
        session_.setLang(index == 0 ? Lang::Turkish : Lang::English);
        ComboBox_LangChange();
    });
}

void TForm_Main::connectPrintPage()
{
    PrintPage* print = TabSheet_Print;
    connect(TabSheet_Main, &PersonPage::printRequested, this, &TForm_Main::SB_YazClick);
    connect(print, &PrintPage::backRequested, this, &TForm_Main::SB_T_BackClick);
    connect(print, &PrintPage::personRequested, this, &TForm_Main::openPerson);
    connect(print->BitBtn_Yaz, &QPushButton::clicked, this, &TForm_Main::printTicked);
    connect(print->BitBtn_P_Kaydet, &QPushButton::clicked, this, &TForm_Main::saveTable);
    connect(print->BitBtn_P_Resim, &QPushButton::clicked, this, &TForm_Main::collectPictures);
    connect(print->BitBtn_Font, &QPushButton::clicked, this, &TForm_Main::BitBtn_FontClick);
    connect(print->SB_DefFont, &QToolButton::clicked, this, &TForm_Main::SB_DefFontClick);
    connect(print->CheckBox_GED, &QCheckBox::clicked, this, &TForm_Main::CheckBox_GEDClick);
    connect(print->BitBtn_Check, &QPushButton::clicked, this, &TForm_Main::BitBtn_CheckClick);
    connect(print->BitBtn_GedExport, &QPushButton::clicked, this,
            [this] { SaveGedcomExport(*prompts_, session_, ProgramVersion()); });
}

void TForm_Main::BitBtn_CheckClick()
{
    QStringList lines{LangText(Msg::FileNameLabel, session_.lang()) + session_.familyFileName};
    {
        const OverrideCursorGuard hourglass;
        lines +=
            FindingLines(CheckFamily(session_.persons()), session_.lang(), ErrorSink::MaxLines);
    }
    showingFindings_ = true;
    TabSheet_About->showErrors(lines, true);
    showPage(TabSheet_About);
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

void TForm_Main::showPage(QWidget* page)
{
    PageControl_Main->setCurrentWidget(page);
}

void TForm_Main::connectTablePage()
{
    TablePage* table = TabSheet_TView;
    PersonPage* page = TabSheet_Main;
    connect(page, &PersonPage::tableRequested, table, &TablePage::SB_TViewClick);
    connect(table, &TablePage::activated, this, [this] { showPage(TabSheet_TView); });
    connect(table, &TablePage::backRequested, this, [this] { showPage(TabSheet_Main); });
    connect(table, &TablePage::personRequested, this, &TForm_Main::openPerson);
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

void TForm_Main::FormCreate(const QStringList& arguments)
{
    session_.replaceFamily({});
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
    session_.setLang(values.language == 0 ? Lang::Turkish : Lang::English);
    ComboBox_LangChange();
    // The error list lies exactly over the About text, wider than it.
    AboutPage* about = TabSheet_About;
    const QRect text = about->RichEdit_About->geometry();
    about->Memo_Errors->setGeometry(text.x(), text.y(), 500, text.height());
    ApplyProgramFont(values.fontName, values.fontCharSet);
    startupFontName_ = values.fontName;
    startupFontCharSet_ = values.fontCharSet;
    gedAssociationTicked_ = IsGedAssociationRegistered(QCoreApplication::applicationFilePath());
    TabSheet_Print->CheckBox_GED->setChecked(gedAssociationTicked_);
}

void TForm_Main::ComboBox_LangChange()
{
    const Lang lang = session_.lang();
    showCaption();
    openPictureDialogTitle_ = LangText(Msg::OpenPictureTitle, lang);
    openDialogTitle_ = LangText(Msg::OpenOrCreateFile, lang);
    TabSheet_About->retranslate(lang);
    TabSheet_Tree->retranslate();
    TabSheet_TView->retranslate();
    TabSheet_Print->retranslate(lang);
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

void TForm_Main::SB_YazClick()
{
    showPage(TabSheet_Print);
    TabSheet_Print->SB_YazClick();
}

void TForm_Main::BitBtn_FontClick()
{
    printFontName_ = font().family();
    const std::optional<QFont> chosen = prompts_->chooseFont(font());
    if (!chosen)
        return;
    printFontName_ = chosen->family();
    // The dialog offers no character set apart from the family: the window's stays.
    if (chosen->family() == font().family())
        return;
    ApplyProgramFont(chosen->family(), fontCharSet_);
    TabSheet_Print->showDefaultFontButton(startupFontName_, session_.lang());
    fontChanged_ = true;
}

void TForm_Main::SB_DefFontClick()
{
    ApplyProgramFont(startupFontName_, startupFontCharSet_);
    TabSheet_Print->SB_DefFont->setVisible(false);
    fontChanged_ = false;
}

void TForm_Main::CheckBox_GEDClick()
{
    QCheckBox* box = TabSheet_Print->CheckBox_GED;
    const bool register_ = box->isChecked();
    const bool done = register_ ? RegisterGedAssociation(QCoreApplication::applicationFilePath())
                                : RemoveGedAssociation();
    if (!done) {
        // Reporting success for files that were not written would leave the user guessing.
        const QSignalBlocker blocker(box);
        box->setChecked(!register_);
        prompts_->message(MessageKind::Warning,
                          QStringLiteral("GED files association could not be changed."));
        return;
    }
    gedAssociationTicked_ = register_;
    prompts_->message(MessageKind::Plain,
                      register_ ? QStringLiteral("GED Files Assocciation is OKEY")
                                : QStringLiteral("GED Files Assocciation is Removed"));
}

void TForm_Main::printTicked()
{
    const PrintTable& table = TabSheet_Print->table();
    ListPrintOptions options;
    options.fontFamily = printFontName_;
    options.lang = session_.lang();
    options.shown = ShownListColumns(table);
    options.webPage = MakerWebPage();
    options.email = MakerEmail();
    BitBtn_YazClick(*prompts_, CheckedListRows(table), options);
}

void TForm_Main::saveTable()
{
    SaveTableExport(*prompts_, session_.lang(), [this](ExportFormat format, QIODevice& device) {
        return TabSheet_Print->writeExport(format, device);
    });
}

void TForm_Main::collectPictures()
{
    const PrintPage* print = TabSheet_Print;
    const PrintTable& table = print->table();
    const bool selectedOnly = print->CheckBox_P_RSelected->isChecked();
    QList<qint32> recNos;
    for (const int index : table.displayOrder()) {
        if (!selectedOnly || table.isChecked(index))
            recNos.append(table.row(index).RecNo);
    }
    BitBtn_P_ResimClick(session_, *prompts_, recNos,
                        QFileInfo(session_.familyFileName).absolutePath(),
                        print->CheckBox_P_RSil->isChecked(), [this] { return SB_SaveClick(); });
}

void TForm_Main::showCurrentDir()
{
    TabSheet_Print->showCurrentDir(QDir::currentPath());
}

void TForm_Main::setListeDialog(TForm_ListeDlg* dialog)
{
    listeDialog_ = dialog;
    TabSheet_Main->setListeDialog(dialog);
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
    if (activePageTag() == 0 && !session_.persons().empty())
        TabSheet_Main->ShowPicture(session_.recNoMain());
    else if (activePageTag() == 2)
        TabSheet_TView->ShowPicture(TabSheet_TView->Lb_T1_Main->tag());
}

void TForm_Main::closeEvent(QCloseEvent* event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

bool TForm_Main::FormCloseQuery()
{
    if (session_.isEditing()) {
        prompts_->message(MessageKind::Warning, LangText(Msg::EditInProgress, session_.lang()));
        return false;
    }
    if (!session_.unsavedChanges())
        return true;
    switch (prompts_->message(MessageKind::Warning,
                              LangText(Msg::SaveBeforeExitQuestion, session_.lang()),
                              MessageButtons::YesNoCancel)) {
    case PromptAnswer::Yes:
        // A failed save keeps the window open, or the changes would be lost.
        return SB_SaveClick();
    case PromptAnswer::No:
        return true;
    default:
        return false;
    }
}

void TForm_Main::FormClose()
{
    // Closing without saving gives the changes up: nothing is offered at the next start.
    if (recovery_)
        recovery_->discard();
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
