#include "shell/aboutpage.h"

#include "model/messages.h"
#include "model/session.h"
#include "model/version.h"
#include "shell/windowreadreporter.h"
#include "ui/label3d.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextList>
#include <QToolButton>

namespace kinrow {

namespace {

const QString WebPage = MakerWebPage();
const QString Email = MakerEmail();

// The maker's name, postal address and telephone numbers, the same in both languages.
const char16_t* const ContactLines[] = {
    u"Kinrow Aile Yazılımı",
    u"Örnek Mahallesi, Çınar Sokak No: 4",
    u"06000 Çankaya / Ankara - Türkiye",
    u"Tel : +90 312 000 00 00",
    u"Faks : +90 312 000 00 01",
};

template <typename T> T* Make(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

void AddBlock(QTextCursor& cursor, const QString& text, Qt::Alignment alignment, bool first)
{
    QTextBlockFormat format;
    format.setAlignment(alignment);
    if (first)
        cursor.setBlockFormat(format);
    else
        cursor.insertBlock(format);
    cursor.insertText(text);
}

// Adds one bulleted paragraph; paragraphs added to the same list share its bullets.
QTextList* AddBullet(QTextCursor& cursor, const QString& text, QTextList* list)
{
    AddBlock(cursor, text, Qt::AlignLeft, false);
    if (list) {
        list->add(cursor.block());
        return list;
    }
    return cursor.createList(QTextListFormat::ListDisc);
}

} // namespace

AboutPage::AboutPage(Session& session, Prompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts)
{
    setObjectName(QStringLiteral("TabSheet_About"));
    createControls();
    connectControls();
    retranslate();
}

void AboutPage::connectControls()
{
    connect(Button_Devam, &QPushButton::clicked, this, &AboutPage::continueRequested);
    connect(BitBtn_Dosya, &QPushButton::clicked, this, &AboutPage::openRequested);
    connect(SB_ErrorClose, &QToolButton::clicked, this, &AboutPage::SB_ErrorCloseClick);
    connect(ComboBox_Lang, &QComboBox::currentIndexChanged, this,
            [this](int index) { session_.setLang(index == 0 ? Lang::Turkish : Lang::English); });
    connect(&session_, &Session::langChanged, this, &AboutPage::retranslate);
}

void AboutPage::createControls()
{
    Lb_Title = Make<QLabel>(this, "Lb_Title", QRect(0, 0, 616, 24));
    Lb_Title->setAlignment(Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial"));
    titleFont.setPixelSize(19);
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    Lb_Title->setFont(titleFont);
    Lb_Title->setStyleSheet(QStringLiteral("color: #800000"));

    Version = Make<QLabel>(this, "Version", QRect(0, 24, 616, 16));
    Version->setAlignment(Qt::AlignCenter);
    // The version the reader compares files with, and the licence the program is under.
    Version->setText(VersionLabelText() + LangText(Msg::LicenceMark, session_.lang()));

    RichEdit_About = Make<QTextEdit>(this, "RichEdit_About", QRect(51, 60, 249, 341));
    RichEdit_About->setReadOnly(true);
    RichEdit_About->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette aboutPalette = RichEdit_About->palette();
    aboutPalette.setColor(QPalette::Base, aboutPalette.color(QPalette::Button));
    RichEdit_About->setPalette(aboutPalette);

    Memo_Errors = Make<QPlainTextEdit>(this, "Memo_Errors", QRect(51, 60, 500, 341));
    Memo_Errors->setReadOnly(true);
    Memo_Errors->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo_Errors->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_Errors->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo_Errors->hide();

    SB_ErrorClose = Make<QToolButton>(this, "SB_ErrorClose", QRect(51, 40, 92, 21));
    SB_ErrorClose->hide();

    ProgressBar_Read = Make<QProgressBar>(this, "ProgressBar_Read", QRect(56, 48, 500, 12));
    ProgressBar_Read->setTextVisible(false);
    ProgressBar_Read->hide();

    ProgramIcon = Make<QLabel>(this, "ProgramIcon", QRect(335, 63, 199, 253));
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/kinrow/programicon.png")));
    ProgramIcon->setScaledContents(true);

    BitBtn_Dosya = Make<QPushButton>(this, "BitBtn_Dosya", QRect(335, 300, 201, 25));
    Button_Devam = Make<QPushButton>(this, "Button_Devam", QRect(335, 335, 86, 25));
    ComboBox_Lang = Make<QComboBox>(this, "ComboBox_Lang", QRect(336, 376, 193, 21));
    ComboBox_Lang->addItems({LangText(Msg::TurkishLanguageName, session_.lang()),
                             LangText(Msg::EnglishLanguageName, session_.lang())});

    Label3D_WebPage = new Label3D(WebPage, this);
    Label3D_WebPage->setObjectName(QStringLiteral("Label3D_WebPage"));
    Label3D_WebPage->setGeometry(105, 410, 125, 14);
    Label3D_WebPage->setAddress(QUrl(QStringLiteral("http://") + WebPage));
    Label3D_Email = new Label3D(Email, this);
    Label3D_Email->setObjectName(QStringLiteral("Label3D_Email"));
    Label3D_Email->setGeometry(375, 410, 110, 14);
    Label3D_Email->setAddress(QUrl(QStringLiteral("mailto:") + Email));
    for (Label3D* label : {Label3D_WebPage, Label3D_Email}) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::blue);
        label->setPalette(palette);
    }
}

void AboutPage::retranslate()
{
    const Lang lang = session_.lang();
    Lb_Title->setText(LangText(Msg::ProgramTitle, lang));
    BitBtn_Dosya->setText(LangText(Msg::OpenOrCreateFile, lang));
    Button_Devam->setText(LangText(Msg::Continue, lang));
    SB_ErrorClose->setText(LangText(Msg::Continue, lang));
    buildAboutText(lang);
    Label3D_WebPage->setToolTip(LangText(Msg::WebPageHint, lang));
    Label3D_Email->setToolTip(LangText(Msg::EmailHint, lang));
    const QSignalBlocker blocker(ComboBox_Lang);
    ComboBox_Lang->setItemText(0, LangText(Msg::TurkishItem, lang));
    ComboBox_Lang->setCurrentIndex(int(lang));
}

void AboutPage::buildAboutText(Lang lang)
{
    RichEdit_About->clear();
    QTextCursor cursor(RichEdit_About->document());
    AddBlock(cursor, LangText(Msg::AboutNotesHeading, lang), Qt::AlignHCenter, true);
    QTextList* notes = AddBullet(cursor, LangText(Msg::AboutProgramNote, lang), nullptr);
    AddBullet(cursor, LangText(Msg::AboutCommandsNote, lang), notes);
    AddBlock(cursor, QString(), Qt::AlignLeft, false);
    AddBlock(cursor, LangText(Msg::AboutOtherHeading, lang), Qt::AlignHCenter, false);
    AddBullet(cursor, LangText(Msg::AboutUpdatesNote, lang), nullptr);
    AddBlock(cursor, QString(), Qt::AlignLeft, false);
    for (const char16_t* line : ContactLines) {
        QTextBlockFormat indented;
        indented.setTextIndent(10);
        cursor.insertBlock(indented);
        cursor.insertText(QString::fromUtf16(line));
    }
}

void AboutPage::showFindings(const QStringList& lines)
{
    showErrors(lines, true);
    showingFindings_ = true;
}

void AboutPage::showErrors(const QStringList& lines, bool visible)
{
    showingFindings_ = false;
    Memo_Errors->setPlainText(lines.join(QLatin1Char('\n')));
    Memo_Errors->setVisible(visible);
    SB_ErrorClose->setVisible(visible);
    // The list is wider than the About text and reaches under the picture and the buttons.
    Memo_Errors->raise();
    SB_ErrorClose->raise();
}

void AboutPage::hideErrors()
{
    Memo_Errors->hide();
    SB_ErrorClose->hide();
}

void AboutPage::SB_ErrorCloseClick()
{
    hideErrors();
    // An imported or repaired file is offered for saving, unless it may only be read; the
    // family check's findings change nothing.
    if (!showingFindings_)
        session_.setUnsavedChanges(!session_.readOnlyMode());
    showingFindings_ = false;
    Q_EMIT errorListClosed();
}

std::unique_ptr<ReadReporter> AboutPage::readReporter() const
{
    return std::make_unique<WindowReadReporter>(prompts_, ProgressBar_Read);
}

} // namespace kinrow
