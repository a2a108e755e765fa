#include "editing/notewindow.h"
#include "editing/personcontrols.h"
#include "editing/personeditor.h"
#include "editing/personform.h"
#include "editing/personlistbox.h"
#include "editing/personlistdelegate.h"
#include "editing/personpage.h"
#include "model/familychange.h"
#include "model/sessionfamily.h"
#include "model/textrules.h"
#include "pictures/picturepanel.h"
#include "ui/personlabel.h"
#include "ui/scriptedprompts.h"
#include "ui/speedbutton.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

TTreeData person(const char* given, const char* surname, char sex)
{
    TTreeData p;
    p.GivenName = QString::fromUtf8(given);
    p.Surname = QString::fromUtf8(surname);
    p.Sex = sex;
    return p;
}

// Mother 1 lists children 4, 7, 9; father 2 lists 7, 9, 12 (12 with his second wife 3).
// Record 7 has three spouses 5, 6, 8 (8 of unknown sex) and children 10, 11, 13.
PersonList family()
{
    PersonList list;
    const char* names[] = {"FATMA", "ALİ",  "ZEYNEP", "CAN", "AYŞE", "EMİNE", "MEHMET",
                           "SEDA",  "İPEK", "ARDA",   "EGE", "OYA",  "UMUT"};
    const char sexes[] = {'K', 'E', 'K', 'E', 'K', 'K', 'E', '\0', 'K', 'E', 'E', 'K', 'E'};
    for (int i = 0; i < 13; ++i) {
        list.push_back(person(names[i], "YILMAZ", sexes[i]));
        list.back().Id = i + 1;
    }
    auto at = [&](int n) -> TTreeData& { return list[std::size_t(n - 1)]; };
    at(1).Children = {4, 7, 9};
    at(1).Spouses = {2};
    at(2).Children = {7, 9, 12};
    at(2).Spouses = {1, 3};
    at(3).Children = {12};
    at(3).Spouses = {2};
    for (int child : {4, 7, 9})
        at(child).MotherId = 1;
    for (int child : {7, 9})
        at(child).FatherId = 2;
    at(12).MotherId = 3;
    at(12).FatherId = 2;
    at(7).Spouses = {5, 6, 8};
    at(7).Children = {10, 11, 13};
    at(5).Spouses = {7};
    at(5).Children = {10};
    at(6).Spouses = {7};
    at(6).Children = {11, 13};
    at(8).Spouses = {7};
    at(10).MotherId = 5;
    at(11).MotherId = 6;
    at(13).MotherId = 6;
    for (int child : {10, 11, 13})
        at(child).FatherId = 7;
    at(7).BirthDate = DateToJulian(12, 5, 1950);
    at(7).Notes = QStringLiteral("first line\r\nsecond line");
    at(9).BirthDate = 1950;
    at(9).DeathDate = 1949;
    return list;
}

class PersonPageTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_personpage";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance())
            new QApplication(argc, argv);
    }

    void SetUp() override
    {
        state.replaceFamily(family());
        state.setLang(Lang::English);
        prompts.fixedToday = QDate(2004, 6, 1);
        page = std::make_unique<PersonPage>(state, prompts);
        ui = std::make_unique<test::PersonControls>(*page);
        page->show();
    }

    void show(qint32 recNo)
    {
        state.setRecNoMain(recNo);
        page->ShowRecord();
    }

    static QList<qint32> recNos(const PersonListBox* list)
    {
        QList<qint32> result;
        for (int row = 0; row < list->count(); ++row)
            result << list->recNoAt(row);
        return result;
    }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    // Types text character by character, as a keyboard with any layout would.
    static void type(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &release);
        }
    }

    Session state;
    test::ScriptedPrompts prompts;
    std::unique_ptr<PersonPage> page;
    std::unique_ptr<test::PersonControls> ui;
};

TEST_F(PersonPageTest, TheFormUnderEditIsWhatThePageShows)
{
    show(7);
    const PersonForm& form = page->personEditor().form();
    EXPECT_EQ(form, FormOfRecord(state.persons(), 7));
    EXPECT_EQ(form.Spouses, (QList<qint32>{5, 6, 8}));
    type(ui->Edit_DogYer, QStringLiteral("X"));
    EXPECT_EQ(form.BirthPlace, QStringLiteral("X"));
    EXPECT_EQ(form.Notes, page->notesText());
    ui->SB_Iptal->click();
    EXPECT_EQ(form, FormOfRecord(state.persons(), 7));

    // A new child of 7 and his selected second wife: the form names both parents.
    ui->ListBox_Esi->setCurrentRow(1);
    ui->SB_CocuklariEkle->click();
    EXPECT_EQ(form.FatherId, 7);
    EXPECT_EQ(form.MotherId, 6);
    EXPECT_TRUE(form.Spouses.isEmpty());
    EXPECT_EQ(form.GivenName, QString());
    EXPECT_EQ(form.Surname, QStringLiteral("YILMAZ"));
    ui->SB_Sex->click();
    EXPECT_EQ(form.SexTag, 2);
    EXPECT_EQ(ui->SB_Sex->tag(), 2);
    ui->SB_Iptal->click();
    EXPECT_FALSE(page->isEditing());
}

TEST_F(PersonPageTest, ShowsThePersonWithParentsAndRelativesInOrder)
{
    show(7);
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("MEHMET"));
    EXPECT_EQ(ui->Edit_DogTarih->text(), QStringLiteral("12 05 1950"));
    EXPECT_EQ(ui->Lb_Info->text(), QStringLiteral("Mehmet YILMAZ"));
    EXPECT_EQ(ui->Lb_Anne->tag(), 1);
    EXPECT_EQ(ui->Lb_Anne->text(), QStringLiteral("  Fatma YILMAZ"));
    EXPECT_EQ(ui->Lb_Baba->tag(), 2);
    EXPECT_EQ(recNos(ui->ListBox_Kardesleri), (QList<qint32>{4, 9, 12}));
    EXPECT_EQ(recNos(ui->ListBox_Esi), (QList<qint32>{5, 6, 8}));
    EXPECT_EQ(recNos(ui->ListBox_Cocuklari), (QList<qint32>{10, 11, 13}));
    EXPECT_EQ(ui->SB_Esi->text(), QStringLiteral("SPOUSE - 3"));
    EXPECT_EQ(ui->SB_Cocuklari->text(), QStringLiteral("CHILDREN - 3"));
    EXPECT_EQ(ui->SB_Kardesleri->text(), QStringLiteral("SIBLINGS - 3"));
    EXPECT_EQ(ui->Lb_RecNoMain->text(), QStringLiteral("Rec No : 7"));
    EXPECT_EQ(ui->Lb_RecAdet->text(), QStringLiteral("Total Records : 13"));
    EXPECT_EQ(page->notesText(), QStringLiteral("first line\r\nsecond line"));
    EXPECT_TRUE(ui->SB_AnneSil->isVisibleTo(page.get()));
    EXPECT_FALSE(ui->SB_AnneEkle->isVisibleTo(page.get()));

    show(3); // one spouse, one child, no parents
    EXPECT_EQ(ui->SB_Esi->text(), QStringLiteral("SPOUSE"));
    EXPECT_EQ(ui->SB_Cocuklari->text(), QStringLiteral("CHILDREN - 1"));
    EXPECT_EQ(ui->SB_Kardesleri->text(), QStringLiteral("SIBLINGS"));
    EXPECT_EQ(ui->Lb_Anne->tag(), 0);
    EXPECT_TRUE(ui->Lb_Anne->text().isEmpty());
    EXPECT_TRUE(ui->SB_AnneEkle->isVisibleTo(page.get()));
    EXPECT_FALSE(ui->SB_AnneSil->isVisibleTo(page.get()));
}

TEST_F(PersonPageTest, MovesToParentsSpousesChildrenAndSiblings)
{
    show(7);
    click(ui->Lb_Anne);
    EXPECT_EQ(state.recNoMain(), 1);
    show(7);
    click(ui->SB_Baba);
    EXPECT_EQ(state.recNoMain(), 2);

    show(7);
    click(ui->SB_Esi); // the first click only selects the first spouse
    EXPECT_EQ(state.recNoMain(), 7);
    EXPECT_EQ(ui->ListBox_Esi->selectedRow(), 0);
    click(ui->SB_Esi);
    EXPECT_EQ(state.recNoMain(), 5);

    show(7);
    QListWidget* children = ui->ListBox_Cocuklari;
    const QRect second = children->visualItemRect(children->item(1));
    QTest::mouseClick(children->viewport(), Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(children->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(state.recNoMain(), 11);

    show(7);
    ui->ListBox_Kardesleri->setCurrentRow(2);
    click(ui->SB_Kardesleri);
    EXPECT_EQ(state.recNoMain(), 12);

    show(3); // no mother: the label leads nowhere and nothing is redrawn
    click(ui->SB_Anne);
    EXPECT_EQ(state.recNoMain(), 3);
}

TEST_F(PersonPageTest, FollowsTheCurrentPersonAndChangesMadeOnOtherPages)
{
    show(7);
    state.setRecNoMain(5); // as the list, the chart or the table make a person current
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("AYŞE"));
    EXPECT_EQ(ui->Lb_RecNoMain->text(), LangText(Msg::RecordNumberLabel, Lang::English) + u'5');

    page->hide(); // another page changes the family: drawn when the page is shown again
    {
        FamilyChange change(state, StepKind::CollectPictures, {5});
        change.record(5).GivenName = QStringLiteral("AYLA");
        change.commit();
    }
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("AYŞE"));
    page->show();
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("AYLA"));

    page->BeginAdding(EditMode::Child); // an open form is the user's: it is not redrawn
    ui->Edit_Ad->setText(QStringLiteral("YENİ"));
    state.setRecNoMain(6);
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("YENİ"));
}

TEST_F(PersonPageTest, ChildrenButtonFirstSelectsThenMoves)
{
    show(7);
    click(ui->SB_Cocuklari);
    EXPECT_EQ(state.recNoMain(), 7);
    EXPECT_EQ(ui->ListBox_Cocuklari->selectedRow(), 0);
    click(ui->SB_Cocuklari);
    EXPECT_EQ(state.recNoMain(), 10);
    click(ui->SB_Cocuklari); // record 10 has no children
    EXPECT_EQ(state.recNoMain(), 10);
}

TEST_F(PersonPageTest, SpouseSelectionMarksTheirChildrenAndEnablesMoves)
{
    show(7);
    const auto bulleted = [this] {
        QList<qint32> marked;
        for (int row = 0; row < ui->ListBox_Cocuklari->count(); ++row) {
            if (ui->ListBox_Cocuklari->item(row)->text().startsWith(QChar(0x2022)))
                marked << ui->ListBox_Cocuklari->recNoAt(row);
        }
        return marked;
    };
    ui->ListBox_Esi->setCurrentRow(1);
    EXPECT_EQ(bulleted(), (QList<qint32>{11, 13}));
    EXPECT_TRUE(ui->SB_Esi_Up->isEnabled());
    EXPECT_TRUE(ui->SB_Esi_Down->isEnabled());
    ui->ListBox_Esi->setCurrentRow(0);
    EXPECT_EQ(bulleted(), (QList<qint32>{10}));
    EXPECT_EQ(ui->ListBox_Cocuklari->item(0)->text(),
              QChar(0x2022) + QStringLiteral("Arda YILMAZ"));
    EXPECT_FALSE(ui->SB_Esi_Up->isEnabled());
    ui->ListBox_Cocuklari->setCurrentRow(2);
    EXPECT_TRUE(ui->SB_Cocuklari_Up->isEnabled());
    EXPECT_FALSE(ui->SB_Cocuklari_Down->isEnabled());

    show(7); // a new record disables the moves again
    EXPECT_FALSE(ui->SB_Esi_Up->isEnabled());
    EXPECT_FALSE(ui->SB_Cocuklari_Up->isEnabled());

    state.setReadOnlyMode(true);
    ui->ListBox_Esi->setCurrentRow(1);
    EXPECT_FALSE(ui->SB_Esi_Up->isEnabled());
}

TEST_F(PersonPageTest, AgeTextsAndTheirLanguageSwitch)
{
    show(7);
    EXPECT_EQ(ui->Lb_Age->text(), QStringLiteral("Age : 54"));
    state.setLang(Lang::Turkish);
    EXPECT_EQ(ui->Lb_Age->text(), QStringLiteral("Yaş : 54"));
    EXPECT_EQ(ui->SB_Duzelt->text(), QStringLiteral("&Düzelt"));
    EXPECT_EQ(ui->Panel_Resim->caption(), QStringLiteral("R E S İ M"));
    state.setLang(Lang::English);
    EXPECT_EQ(ui->SB_Duzelt->text(), QStringLiteral("&Edit"));
    EXPECT_EQ(ui->Lb_Ad->text(), QStringLiteral("Name"));
    show(9); // born 1950, died 1949
    EXPECT_EQ(ui->Lb_Age->text(), QStringLiteral("Age : ???"));
}

TEST_F(PersonPageTest, SexDecidesPictureAndColours)
{
    show(7);
    EXPECT_EQ(ui->SB_Sex->tag(), 1);
    EXPECT_EQ(ui->Lb_Info->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    show(8); // sex unknown: woman picture, title keeps its colour
    EXPECT_EQ(ui->SB_Sex->tag(), 2);
    EXPECT_EQ(ui->SB_Sex->icon().pixmap(32).toImage(),
              QIcon(QStringLiteral(":/kinrow/images/sex_woman.png")).pixmap(32).toImage());
    EXPECT_NE(ui->SB_Sex->icon().pixmap(32).toImage(),
              QIcon(QStringLiteral(":/kinrow/images/sex_man.png")).pixmap(32).toImage());
    EXPECT_EQ(ui->Lb_Info->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    show(7);
    auto* delegate = dynamic_cast<PersonListDelegate*>(ui->ListBox_Esi->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    EXPECT_EQ(delegate->colorFor(8), QColor(255, 0, 0));
    EXPECT_EQ(delegate->colorFor(10), QColor(0, 0, 255));
    for (int row = 0; row < ui->ListBox_Esi->count(); ++row) // what the user and tools see
        EXPECT_EQ(ui->ListBox_Esi->item(row)->foreground().color(),
                  delegate->colorFor(ui->ListBox_Esi->recNoAt(row)));
    EXPECT_EQ(ui->ListBox_Esi->visualItemRect(ui->ListBox_Esi->item(0)).height(), 14);

    // The drawn list: the man's entry in blue, the unknown spouse in red.
    show(1);
    QApplication::processEvents(); // the list lays out its entries later
    const QImage drawn = ui->ListBox_Cocuklari->viewport()->grab().toImage();
    const auto rowHas = [&](int row, QColor colour) {
        for (int y = row * 14; y < row * 14 + 14; ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixelColor(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(rowHas(0, QColor(0, 0, 255))); // Can, a man
    EXPECT_TRUE(rowHas(2, QColor(255, 0, 0))); // İpek, a woman
    EXPECT_FALSE(rowHas(2, QColor(0, 0, 255)));
}

TEST_F(PersonPageTest, KeyFiltersShapeTypingAndPasting)
{
    show(7);
    ui->Edit_Ad->clear();
    state.setLang(Lang::Turkish);
    type(ui->Edit_Ad, QStringLiteral("ali ı"));
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("ALİ I"));
    state.setLang(Lang::English);
    ui->Edit_Ad->clear();
    type(ui->Edit_Ad, QStringLiteral("ali"));
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("ALI"));

    ui->Edit_DogTarih->clear();
    type(ui->Edit_DogTarih, QStringLiteral("5/11 x1950"));
    EXPECT_EQ(ui->Edit_DogTarih->text(), QStringLiteral("5.11.1950"));

    state.setLang(Lang::Turkish);
    ui->Edit_Soyad->clear();
    QApplication::clipboard()->setText(QStringLiteral("şimşek\n€"));
    QTest::keyClick(ui->Edit_Soyad, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui->Edit_Soyad->text(), QStringLiteral("ŞİMŞEK€"));
    // Letters of every script pass, upper-cased, one outside the basic plane as one letter.
    QApplication::clipboard()->setText(u"ab\u4e2d łódź σοφία \U00010428"_qs);
    ui->Edit_DogYer->clear();
    QTest::keyClick(ui->Edit_DogYer, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui->Edit_DogYer->text(), u"AB\u4e2d ŁÓDŹ ΣΟΦΊΑ \U00010400"_qs);

    ui->Edit_Ad->setText(QStringLiteral("AHMET"));
    ui->Edit_Ad->selectAll();
    type(ui->Edit_Ad, QStringLiteral("b"));
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("B"));
    ui->Edit_DogTarih->setText(QStringLiteral("1950"));
    ui->Edit_DogTarih->selectAll();
    type(ui->Edit_DogTarih, QStringLiteral("x")); // a discarded key keeps the text
    EXPECT_EQ(ui->Edit_DogTarih->text(), QStringLiteral("1950"));

    state.setReadOnlyMode(true);
    type(ui->Memo_Notlar, QStringLiteral("abc"));
    EXPECT_EQ(page->notesText(), QStringLiteral("first line\r\nsecond line"));
    EXPECT_TRUE(ui->Edit_Ad->isReadOnly());
    EXPECT_FALSE(ui->SB_AnneSil->isEnabled());
    EXPECT_FALSE(ui->SB_ResimEkle->isVisibleTo(page.get()));
}

TEST_F(PersonPageTest, ContextMenuPasteIsFilteredToo)
{
    show(7);
    state.setLang(Lang::Turkish);
    ui->Edit_Soyad->clear();
    QApplication::clipboard()->setText(QStringLiteral("kılıç"));
    bool pasted = false;
    QTimer::singleShot(0, [&] {
        QMenu* menu = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && qobject_cast<QMenu*>(top))
                menu = qobject_cast<QMenu*>(top);
        }
        if (!menu)
            return;
        for (QAction* item : menu->actions()) {
            if (item->text().startsWith(QStringLiteral("&Paste"))) {
                item->trigger();
                pasted = true;
            }
        }
        menu->close();
    });
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              ui->Edit_Soyad->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(ui->Edit_Soyad, &request);
    EXPECT_TRUE(pasted);
    EXPECT_EQ(ui->Edit_Soyad->text(), QStringLiteral("KILIÇ"));
}

TEST_F(PersonPageTest, EnterMovesToTheNextField)
{
    show(7);
    page->activateWindow();
    ui->Edit_Ad->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ui->Edit_Ad->hasFocus(); }));
    QTest::keyClick(ui->Edit_Ad, Qt::Key_Return);
    EXPECT_TRUE(ui->Edit_Soyad->hasFocus());
    EXPECT_EQ(ui->Edit_Ad->text(), QStringLiteral("MEHMET"));
}

TEST_F(PersonPageTest, FieldChangesAreReportedOnlyWhileBrowsing)
{
    int changes = 0;
    QObject::connect(page.get(), &PersonPage::fieldChanged, [&] { ++changes; });
    show(7);
    show(1);
    EXPECT_EQ(changes, 0);
    type(ui->Edit_DogYer, QStringLiteral("x"));
    EXPECT_GE(changes, 1);
    const int before = changes;
    page->EnterEditState(EditMode::Correct);
    type(ui->Edit_DogYer, QStringLiteral("y"));
    EXPECT_EQ(changes, before);
}

TEST_F(PersonPageTest, EditStateFlipsButtonsAndIsUndoneOnLeaving)
{
    show(7);
    state.setUnsavedChanges(true);
    const bool priorBefore = ui->SB_ResimPrior->isEnabled();
    page->EnterEditState(EditMode::Correct);
    EXPECT_TRUE(page->isEditing());
    EXPECT_TRUE(ui->SB_Tamam->isEnabled());
    EXPECT_TRUE(ui->SB_Iptal->isEnabled());
    for (SpeedButton* other : {ui->SB_Duzelt, ui->SB_Sil, ui->SB_Save, ui->SB_Exit, ui->SB_Esi,
                               ui->SB_ResimPrior, ui->SB_ResimEkle})
        EXPECT_FALSE(other->isEnabled()) << other->objectName().toStdString();
    EXPECT_TRUE(ui->SB_Sex->isEnabled());
    EXPECT_FALSE(ui->Lb_Anne->isEnabled());
    EXPECT_EQ(ui->Edit_Ad->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(ui->Lb_RecNoMain->text(), QStringLiteral("Rec No : 7"));

    ui->ListBox_Esi->setCurrentRow(1);
    ui->ListBox_Esi->itemDoubleClicked(ui->ListBox_Esi->item(1));
    EXPECT_EQ(state.recNoMain(), 7); // no navigation while editing

    page->LeaveEditState();
    EXPECT_FALSE(page->isEditing());
    EXPECT_TRUE(ui->SB_Duzelt->isEnabled());
    EXPECT_FALSE(ui->SB_Tamam->isEnabled());
    EXPECT_TRUE(ui->SB_Save->isEnabled());
    EXPECT_EQ(ui->SB_ResimPrior->isEnabled(), priorBefore);
    EXPECT_TRUE(ui->Lb_Anne->isEnabled());
    EXPECT_NE(ui->Edit_Ad->palette().color(QPalette::Base), QColor(255, 255, 0));
}

TEST_F(PersonPageTest, AddingStartsFromAnEmptyFormAndIsRefusedReadOnly)
{
    state.replaceFamily({});
    ASSERT_TRUE(page->BeginAdding(EditMode::First));
    EXPECT_EQ(ui->Lb_RecNoMain->text(), QStringLiteral("Rec No : 1 (New)"));
    EXPECT_EQ(ui->Memo_Notlar->toPlainText(), QStringLiteral("Short Notes : "));
    EXPECT_TRUE(ui->Edit_Ad->text().isEmpty());
    EXPECT_EQ(ui->SB_Sex->tag(), 1);
    EXPECT_EQ(ui->SB_Esi->text(), QStringLiteral("SPOUSE"));
    EXPECT_TRUE(page->isEditing());
    EXPECT_TRUE(prompts.messages.isEmpty());
    page->LeaveEditState();

    state.setReadOnlyMode(true);
    prompts.answerMessage(PromptAnswer::Ok);
    EXPECT_FALSE(page->BeginAdding(EditMode::First));
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral("On Read Only file you can not edit.")});
    EXPECT_FALSE(page->isEditing());
}

TEST_F(PersonPageTest, LargeNotesWindowCopiesItsTextBack)
{
    show(7);
    int changes = 0;
    QObject::connect(page.get(), &PersonPage::fieldChanged, [&] { ++changes; });
    bool readOnlySeen = true;
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<NoteWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        readOnlySeen = window->memo()->isReadOnly();
        caption = window->windowTitle();
        EXPECT_EQ(window->size(), QSize(500, 400));
        window->memo()->appendPlainText(QStringLiteral("third line"));
        window->accept();
    });
    page->SB_BigNoteClick();
    EXPECT_FALSE(readOnlySeen);
    EXPECT_EQ(caption, QStringLiteral("Mehmet YILMAZ - Notes"));
    EXPECT_EQ(page->notesText(), QStringLiteral("first line\r\nsecond line\r\nthird line"));
    EXPECT_GE(changes, 1);

    state.setReadOnlyMode(true);
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<NoteWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        readOnlySeen = window->memo()->isReadOnly();
        window->reject();
    });
    page->SB_BigNoteClick();
    EXPECT_TRUE(readOnlySeen);
}

TEST_F(PersonPageTest, LargeNotesWindowTakesLettersOfEveryScript)
{
    show(7);
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<NoteWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->memo()->moveCursor(QTextCursor::End);
        for (const QChar typed : QString::fromUtf8(" ş€жx→"))
            QTest::sendKeyEvent(QTest::Click, window->memo(), Qt::Key_unknown, typed,
                                Qt::NoModifier);
        window->accept();
    });
    page->SB_BigNoteClick();
    EXPECT_EQ(page->notesText().toStdString(), "first line\r\nsecond line ş€жx→");
}

class PersonPagePictureTest : public PersonPageTest
{
protected:
    QString picture(const QString& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path, "BMP"));
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(PersonPagePictureTest, CounterStepsThroughThePictures)
{
    const QString small = picture(QStringLiteral("small.bmp"), 50, 60);
    const QString wide = picture(QStringLiteral("wide.bmp"), 216, 100);
    test::EditFamily(state, [&](PersonList& family) { family[8].Pictures = {small, small, wide}; });
    test::EditFamily(state, [&](PersonList& family) {
        family[11].Pictures = {small, small, small, small, small};
    });
    test::EditFamily(state, [&](PersonList& family) { family[12].Pictures = {small}; });
    test::EditFamily(state, [&](PersonList& family) {
        family[9].Pictures = {small, wide, small, small};
    });

    show(9);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("3/3"));
    EXPECT_TRUE(ui->SB_ResimPrior->isEnabled());
    EXPECT_FALSE(ui->SB_ResimNext->isEnabled());
    EXPECT_EQ(ui->Image_Resim->geometry(), QRect(1, 43, 108, 50)); // fitted and centred
    EXPECT_TRUE(ui->Image_Resim->toolTip().contains(QStringLiteral("W x H : 216 x 100 Pixels")));

    click(ui->SB_ResimPrior);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("2/3"));
    EXPECT_TRUE(ui->SB_ResimNext->isEnabled());
    EXPECT_EQ(ui->Image_Resim->geometry(), QRect(30, 38, 50, 60)); // not enlarged

    show(12);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("2/5"));
    show(13);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("1/1"));
    EXPECT_FALSE(ui->SB_ResimPrior->isEnabled());
    EXPECT_FALSE(ui->SB_ResimNext->isEnabled());
    show(7);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral(" 0/0"));
    EXPECT_FALSE(page->pictureShown());
    EXPECT_TRUE(ui->SB_ResimEkle->isEnabled());
    EXPECT_FALSE(ui->SB_ResimSil->isEnabled());
    show(10);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("4/4"));
}

TEST_F(PersonPagePictureTest, MissingOrBrokenFilesLeaveThePanelEmpty)
{
    QFile broken(dir.filePath(QStringLiteral("broken.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("\xff\xd8\xff\xe0 not really a picture");
    broken.close();
    test::EditFamily(state, [&](PersonList& family) {
        family[0].Pictures = {dir.filePath(QStringLiteral("gone.jpg")), broken.fileName()};
    });
    show(1);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("2/2"));
    EXPECT_FALSE(page->pictureShown());
    click(ui->SB_ResimPrior);
    EXPECT_EQ(ui->Lb_ResimNo->text(), QStringLiteral("1/2"));
    EXPECT_FALSE(page->pictureShown());
    EXPECT_TRUE(ui->Image_Resim->toolTip().isEmpty());
}

TEST_F(PersonPagePictureTest, WindowsSeparatorsResolveAgainstTheFamilyFolder)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("sub")));
    picture(QStringLiteral("sub/small.bmp"), 50, 60);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    test::EditFamily(state, [&](PersonList& family) {
        family[0].Pictures = {QStringLiteral("sub\\small.bmp")};
    });
    show(1);
    EXPECT_TRUE(page->pictureShown());
    EXPECT_EQ(ui->Image_Resim->geometry(), QRect(30, 38, 50, 60));
    QDir::setCurrent(previous);
}

} // namespace
