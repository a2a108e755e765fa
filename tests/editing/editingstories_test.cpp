// Whole editing stories on the real window, with scripted answers for every box and list.
#include "chart/chartpage.h"
#include "editing/family.h"
#include "editing/listedlg.h"
#include "editing/personcontrols.h"
#include "editing/personeditor.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "gedcom/familysave.h"
#include "model/messages.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"
#include "shell/settings.h"
#include "shell/windowfixture.h"
#include "ui/controls.h"
#include "ui/personlabel.h"
#include "ui/scriptedprompts.h"
#include "ui/speedbutton.h"
#include "ui/titleshake.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kinrow;
using kinrow::test::At;
using kinrow::test::ScriptedPrompts;

namespace {

constexpr Lang English = Lang::English;

TTreeData Person(qint32 id, const char* given, const char* surname, char sex)
{
    TTreeData p;
    p.Id = id;
    p.GivenName = QString::fromLatin1(given);
    p.Surname = QString::fromLatin1(surname);
    p.Sex = sex;
    return p;
}

// Mehmet (1) is married to Ayse (2) and Zeynep (3), with Can (4) from Ayse and Elif (5) from
// Zeynep; Osman (6) is Ali's (8) father; Seda (7) stands alone.
PersonList Family()
{
    PersonList persons{Person(1, "MEHMET", "KAYA", 'E'),  Person(2, "AYSE", "KAYA", 'K'),
                       Person(3, "ZEYNEP", "DEMIR", 'K'), Person(4, "CAN", "KAYA", 'E'),
                       Person(5, "ELIF", "KAYA", 'K'),    Person(6, "OSMAN", "KOC", 'E'),
                       Person(7, "SEDA", "KOC", 'K'),     Person(8, "ALI", "KOC", 'E')};
    test::Marry(persons, 1, 2);
    test::Marry(persons, 1, 3);
    test::Child(persons, 2, 1, 4);
    test::Child(persons, 3, 1, 5);
    test::Child(persons, 0, 6, 8);
    return persons;
}

QList<qint32> RecNos(const PersonListBox* list)
{
    return list->recNos();
}

class EditingStoriesTest : public test::WindowFixture
{
protected:
    // A window with the selection list beside it, the shake recorded instead of waited for.
    void start(const QStringList& arguments = {})
    {
        auto scripted = std::make_unique<ScriptedPrompts>();
        prompts = scripted.get();
        window = std::make_unique<TForm_Main>(arguments, std::move(scripted));
        liste = new TForm_ListeDlg(window.get());
        window->setListeDialog(liste);
        onListe([](TForm_ListeDlg&) {
            ADD_FAILURE() << "unexpected selection list";
            return int(QDialog::Rejected);
        });
        QObject::connect(page()->personEditor().titleShake(), &TitleShake::stepped, [this](int x) {
            pauses += TitleShake::Interval;
            titleSteps.append(x);
        });
        window->show();
    }

    // Writes the family to a file and opens it with CONTINUE.
    void open(const PersonList& persons, qint32 recNo)
    {
        path = home.filePath("aile.ged");
        ASSERT_TRUE(SaveFamilyFile(path, persons, {}).saved);
        start({path});
        QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
        ASSERT_EQ(window->session().persons().size(), persons.size());
        show(recNo);
    }

    void show(qint32 recNo)
    {
        window->session().setRecNoMain(recNo);
        page()->ShowRecord();
    }

    // The next use of the selection list picks record recNo (0: closes it with Cancel).
    void pickFromList(qint32 recNo)
    {
        onListe([this, recNo](TForm_ListeDlg& dialog) {
            listCaption = dialog.windowTitle();
            auto* grid = dialog.findChild<QTableView*>(QStringLiteral("VST_Liste"));
            listRows = grid->model()->rowCount();
            focusedOnShow = dialog.focusedRecord().value_or(0);
            if (recNo == 0)
                return int(QDialog::Rejected);
            EXPECT_TRUE(dialog.selectRecord(recNo));
            return int(QDialog::Accepted);
        });
    }

    void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    PersonPage* page() const { return window->TabSheet_Main; }
    test::PersonControls ui() const { return test::PersonControls(page()); }

    // Answers the selection list with answer; other dialogs are shown as they are.
    void onListe(std::function<int(TForm_ListeDlg&)> answer)
    {
        prompts->onDialog = [answer](QDialog& dialog) {
            if (auto* shown = qobject_cast<TForm_ListeDlg*>(&dialog))
                return answer(*shown);
            return dialog.exec();
        };
    }
    const PersonList& persons() const { return window->session().persons(); }
    const TTreeData& at(qint32 n) const { return At(persons(), n); }

    QString path;
    TForm_ListeDlg* liste = nullptr;
    int pauses = 0;
    QList<int> titleSteps;
    QString listCaption;
    int listRows = -1;
    qint32 focusedOnShow = 0;
};

TEST_F(EditingStoriesTest, NewFileTakesItsFirstPersonAfterTheChecks)
{
    start();
    prompts->chooseFile(home.filePath("yeni.ged"));
    click(test::Control<QPushButton>(*window, "BitBtn_Dosya"));
    ASSERT_TRUE(page()->isEditing());
    EXPECT_EQ(window->PageControl_Main->currentWidget(), page());
    EXPECT_EQ(ui().Lb_Info->text(), LangText(Msg::FirstRecordTitle, English));
    EXPECT_EQ(ui().Lb_RecNoMain->text(), QStringLiteral("Rec No : 1 (New)"));

    // Blanks alone are no name: refused, still editing.
    ui().Edit_Ad->setText(QStringLiteral("   "));
    ui().Edit_Soyad->setText(QStringLiteral(" AL-KAN "));
    prompts->answerMessage(PromptAnswer::Ok);
    prompts->answerMessage(PromptAnswer::Ok);
    click(ui().SB_Tamam);
    EXPECT_EQ(prompts->messages,
              QStringList({QStringLiteral("<- >\r\r") + LangText(Msg::SurnameAdvice, English),
                           LangText(Msg::EmptyName, English)}));
    EXPECT_TRUE(page()->isEditing());
    EXPECT_TRUE(persons().empty());

    QTest::keyClicks(ui().Edit_Ad, QStringLiteral("ali"));
    ui().Edit_DogTarih->setText(QStringLiteral("1921"));
    prompts->answerMessage(PromptAnswer::Ok); // the surname advice again, then acceptance
    click(ui().SB_Tamam);
    ASSERT_EQ(persons().size(), 1u);
    EXPECT_EQ(at(1).GivenName, QStringLiteral("ALI")); // typed in upper case
    EXPECT_EQ(at(1).Surname, QStringLiteral("AL-KAN"));
    EXPECT_EQ(at(1).BirthDate, 1921);
    EXPECT_TRUE(at(1).Notes.isEmpty()); // the placeholder is not stored
    EXPECT_EQ(window->session().recNoMain(), 1);
    EXPECT_FALSE(page()->isEditing());
    EXPECT_EQ(ui().Lb_RecNoMain->text(), QStringLiteral("Rec No : 1"));
    EXPECT_TRUE(window->session().unsavedChanges());
    EXPECT_TRUE(ui().SB_Save->isEnabled());
}

TEST_F(EditingStoriesTest, CancellingTheFirstPersonReturnsToTheAboutPage)
{
    start();
    prompts->chooseFile(home.filePath("yeni.ged"));
    click(test::Control<QPushButton>(*window, "BitBtn_Dosya"));
    ASSERT_TRUE(page()->isEditing());
    click(ui().SB_Iptal);
    EXPECT_EQ(window->PageControl_Main->currentWidget(), window->TabSheet_About);
    EXPECT_FALSE(page()->isEditing());
    EXPECT_TRUE(persons().empty());
}

TEST_F(EditingStoriesTest, AnotherFileOpenedFromTheErrorListEndsTheFirstEntry)
{
    const QString foreign = home.filePath("foreign.ged");
    QFile file(foreign);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 HEAD\r\n1 SOUR OTHERPROG\r\n2 VERS 5.5\r\n1 CHAR ANSI\r\n1 GEDC\r\n0 TRLR\r\n");
    file.close();
    const QString family = home.filePath("aile.ged");
    ASSERT_TRUE(SaveFamilyFile(family, Family(), {}).saved);
    start();
    prompts->chooseFile(foreign);
    click(test::Control<QPushButton>(*window, "BitBtn_Dosya"));
    ASSERT_TRUE(test::Control<QPlainTextEdit>(*window, "Memo_Errors")->isVisibleTo(window.get()));
    ASSERT_TRUE(page()->isEditing()); // the first person is awaited behind the error list

    prompts->chooseFile(family);
    click(test::Control<QPushButton>(*window, "BitBtn_Dosya"));
    ASSERT_EQ(persons().size(), 8u);
    EXPECT_FALSE(page()->isEditing());
    EXPECT_TRUE(ui().SB_Duzelt->isEnabled());
    EXPECT_TRUE(ui().SB_Liste->isEnabled());
    EXPECT_FALSE(ui().SB_Tamam->isEnabled());
}

TEST_F(EditingStoriesTest, EditingLeavesOnlyOkAndCancelOnEveryPage)
{
    open(Family(), 4);
    // The buttons of another page follow the editing state through the same rules.
    SpeedButton* back = test::Control<SpeedButton>(*window, "SB_T_Back");
    window->session().setUnsavedChanges(true);
    QTest::keyClicks(ui().Edit_DogYer, QStringLiteral("a"));
    ASSERT_TRUE(page()->isEditing());
    EXPECT_EQ(window->session().editMode(), EditMode::Correct);
    EXPECT_EQ(ui().Lb_Info->text(), QStringLiteral("CAN KAYA Record is Editing."));
    EXPECT_EQ(ui().Edit_DogYer->text(), QStringLiteral("A")); // the first key stays
    const QList<QToolButton*> toolbar = ui().Panel_Ust->findChildren<QToolButton*>();
    ASSERT_EQ(toolbar.size(), 11);
    for (QToolButton* button : toolbar) {
        const bool offered = button == ui().SB_Tamam || button == ui().SB_Iptal;
        EXPECT_EQ(button->isEnabled(), offered) << button->objectName().toStdString();
    }
    EXPECT_FALSE(back->isEnabled());
    EXPECT_FALSE(test::Control<SpeedButton>(*window, "SB_T_Yazdir")->isEnabled());
    EXPECT_TRUE(ui().SB_Sex->isEnabled());

    // Cancel shows the stored values again and gives every button back.
    click(ui().SB_Iptal);
    EXPECT_FALSE(page()->isEditing());
    EXPECT_TRUE(ui().Edit_DogYer->text().isEmpty());
    EXPECT_EQ(ui().Lb_Info->text(), QStringLiteral("Can KAYA"));
    EXPECT_EQ(persons(), Family());
    EXPECT_TRUE(back->isEnabled());
    EXPECT_TRUE(ui().SB_Save->isEnabled()); // the flag set before editing began
    EXPECT_FALSE(ui().SB_Tamam->isEnabled());
}

TEST_F(EditingStoriesTest, ANewMotherStandsBesideTheFather)
{
    open(Family(), 8);
    click(ui().SB_AnneEkle);
    ASSERT_TRUE(page()->isEditing());
    EXPECT_EQ(ui().Lb_Info->text(), QStringLiteral("Ali KOC >> ") +
                                        LangText(Msg::MotherRole, English) +
                                        LangText(Msg::IsAdding, English));
    EXPECT_EQ(RecNos(ui().ListBox_Cocuklari), QList<qint32>{8});
    EXPECT_EQ(RecNos(ui().ListBox_Esi), QList<qint32>{6});
    EXPECT_EQ(ui().SB_Sex->tag(), 2);
    EXPECT_EQ(ui().Lb_RecNoMain->text(), QStringLiteral("Rec No : 9 (New)"));

    // During an add the sex button sets the new person's sex only; no group is asked about.
    click(ui().SB_Sex);
    EXPECT_EQ(ui().SB_Sex->tag(), 1);
    click(ui().SB_Sex);
    EXPECT_EQ(ui().SB_Sex->tag(), 2);
    EXPECT_EQ(persons(), Family());

    ui().Edit_Ad->setText(QStringLiteral("HATİCE"));
    ui().Edit_Soyad->setText(QStringLiteral("KOC"));
    click(ui().SB_Tamam);
    ASSERT_EQ(persons().size(), 9u);
    EXPECT_EQ(at(9).Sex, SexFemale);
    EXPECT_EQ(at(9).Children, QList<qint32>{8});
    EXPECT_EQ(at(9).Spouses, QList<qint32>{6});
    EXPECT_EQ(at(8).MotherId, 9);
    EXPECT_EQ(at(6).Spouses, QList<qint32>{9});
    EXPECT_EQ(window->session().recNoMain(), 8);
    EXPECT_EQ(ui().Lb_Anne->tag(), 9);
    EXPECT_EQ(ui().Lb_Anne->text(), QStringLiteral("  Hatice KOC"));
    EXPECT_FALSE(ui().SB_AnneEkle->isVisibleTo(page()));
    EXPECT_TRUE(ui().SB_AnneSil->isVisibleTo(page()));
    EXPECT_TRUE(prompts->messages.isEmpty());

    // Saved and opened again, the file holds the same family.
    ASSERT_TRUE(window->SB_SaveClick());
    const PersonList saved = persons();
    auto scripted = std::make_unique<ScriptedPrompts>();
    TForm_Main reopened({path}, std::move(scripted));
    click(test::Control<QPushButton>(reopened, "Button_Devam"));
    EXPECT_EQ(reopened.session().persons(), saved);
}

TEST_F(EditingStoriesTest, AChildOfTheSelectedWifeAndADuplicateNameQuestion)
{
    open(Family(), 1);
    ui().ListBox_Esi->setCurrentRow(1); // Zeynep
    click(ui().SB_CocuklariEkle);
    EXPECT_EQ(ui().Lb_Baba->tag(), 1);
    EXPECT_EQ(ui().Lb_Anne->tag(), 3);
    EXPECT_EQ(ui().Lb_Anne->text(), QStringLiteral("ZEYNEP DEMIR"));
    EXPECT_EQ(ui().Edit_Soyad->text(), QStringLiteral("KAYA"));
    ui().Edit_Ad->setText(QStringLiteral("CAN"));
    prompts->answerMessage(PromptAnswer::No); // another Can Kaya exists: not added
    click(ui().SB_Tamam);
    EXPECT_EQ(prompts->messages.value(0), LangText(Msg::SameName, English));
    EXPECT_EQ(prompts->kinds.value(0), MessageKind::Information);
    EXPECT_TRUE(page()->isEditing());
    EXPECT_EQ(persons().size(), 8u);

    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_Tamam);
    ASSERT_EQ(persons().size(), 9u);
    EXPECT_EQ(at(1).Children, QList<qint32>({4, 5, 9}));
    EXPECT_EQ(at(3).Children, QList<qint32>({5, 9}));
    EXPECT_EQ(at(2).Children, QList<qint32>{4});
    EXPECT_EQ(at(9).MotherId, 3);
    EXPECT_EQ(at(9).FatherId, 1);
}

TEST_F(EditingStoriesTest, AnExistingSpouseIsPickedFromTheList)
{
    open(Family(), 6);
    pickFromList(7);
    prompts->answerMessage(PromptAnswer::Cancel); // the pick is not confirmed
    click(ui().SB_EsiListe);
    EXPECT_EQ(listCaption, QStringLiteral("Osman KOC") + LangText(Msg::SpouseRole, English) +
                               LangText(Msg::IsAdding, English));
    EXPECT_EQ(listRows, 4); // the women outside the family: 2, 3, 5, 7
    EXPECT_EQ(focusedOnShow, 0);
    EXPECT_EQ(prompts->messages.value(0), QStringLiteral("< SEDA KOC >\r\r") + listCaption);
    EXPECT_EQ(prompts->buttonSets.value(0), MessageButtons::YesCancel);
    EXPECT_EQ(persons(), Family());

    pickFromList(7);
    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_EsiListe);
    EXPECT_EQ(at(6).Spouses, QList<qint32>{7});
    EXPECT_EQ(at(7).Spouses, QList<qint32>{6});
    EXPECT_EQ(RecNos(ui().ListBox_Esi), QList<qint32>{7});
    EXPECT_TRUE(ui().SB_Save->isEnabled());

    // With one spouse, a child picked from the list gets her as mother without a question.
    pickFromList(4);
    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_CocuklariListe);
    EXPECT_EQ(at(6).Children, QList<qint32>({8, 4}));
    EXPECT_EQ(at(7).Children, QList<qint32>{4});
    EXPECT_EQ(at(4).FatherId, 6);
    EXPECT_EQ(at(4).MotherId, 7);
    EXPECT_FALSE(at(1).Children.contains(4)); // the former father lets go
}

TEST_F(EditingStoriesTest, AChildWithoutASelectedWifeIsAskedAboutFirst)
{
    open(Family(), 1);
    prompts->answerMessage(PromptAnswer::Cancel);
    click(ui().SB_CocuklariListe); // no selection list follows Cancel
    EXPECT_EQ(prompts->messages, QStringList{LangText(Msg::ChildWithoutSpouse, English)});
    EXPECT_EQ(prompts->buttonSets.value(0), MessageButtons::YesCancel);

    pickFromList(0); // the list is closed with Cancel
    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_CocuklariListe);
    EXPECT_EQ(persons(), Family());
}

TEST_F(EditingStoriesTest, DeletingAFounderLandsOnHisFirstWife)
{
    open(Family(), 1);
    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_Sil);
    EXPECT_EQ(prompts->messages.value(0),
              QStringLiteral("Mehmet KAYA") + LangText(Msg::DeletePersonQuestion, English));
    ASSERT_EQ(persons().size(), 7u);
    EXPECT_EQ(window->session().recNoMain(), 2);
    EXPECT_EQ(ui().Lb_Info->text(), QStringLiteral("Ayse KAYA"));
    EXPECT_EQ(at(4).FatherId, 0);
    EXPECT_EQ(at(5).FatherId, 0);
    EXPECT_TRUE(at(2).Spouses.isEmpty());
    EXPECT_EQ(at(1).GivenName, QStringLiteral("ALI")); // the last record took number 1
    EXPECT_EQ(at(6).Children, QList<qint32>{1});
    EXPECT_TRUE(window->session().unsavedChanges());
}

TEST_F(EditingStoriesTest, DeletionRefusalsAndANo)
{
    PersonList single{Person(1, "TEK", "KISI", 'E')};
    open(single, 1);
    prompts->answerMessage(PromptAnswer::Ok);
    click(ui().SB_Sil);
    EXPECT_EQ(prompts->messages, QStringList{LangText(Msg::LastRecordRefusal, English)});

    PersonList chain = Family();
    test::Child(chain, 0, 4, 7); // Can has parents and a child of his own
    open(chain, 4);
    prompts->answerMessage(PromptAnswer::Ok);
    click(ui().SB_Sil);
    EXPECT_EQ(prompts->messages, QStringList{LangText(Msg::ChainRuleRefusal, English)});
    prompts->answerMessage(PromptAnswer::No);
    show(7);
    click(ui().SB_Sil);
    EXPECT_EQ(persons(), chain);
    EXPECT_FALSE(window->session().unsavedChanges());
}

TEST_F(EditingStoriesTest, ChangingAMarriedMansSexExchangesTheChildrensParents)
{
    open(Family(), 1);
    const QPoint titleAt = ui().Lb_Info->pos();
    prompts->answerMessage(PromptAnswer::Cancel);
    click(ui().SB_Sex);
    EXPECT_EQ(prompts->buttonSets.value(0), MessageButtons::OkCancel);
    EXPECT_TRUE(prompts->messages.value(0).startsWith(
        QStringLiteral("Cinsiyeti Etkilenen Diğer Kişiler\r - Mehmet KAYA\r - Ayse KAYA")));
    EXPECT_EQ(ui().SB_Sex->tag(), 1); // Cancel changes nothing, not even the button
    EXPECT_EQ(persons(), Family());
    EXPECT_EQ(pauses, 0);

    prompts->answerMessage(PromptAnswer::Ok);
    click(ui().SB_Sex);
    EXPECT_TRUE(page()->personEditor().titleShake()->isRunning()); // the click returned at once
    EXPECT_EQ(at(1).Sex, SexFemale);
    EXPECT_EQ(at(2).Sex, SexMale);
    EXPECT_EQ(at(3).Sex, SexMale);
    EXPECT_EQ(at(4).MotherId, 1);
    EXPECT_EQ(at(4).FatherId, 2);
    EXPECT_EQ(at(5).MotherId, 1);
    EXPECT_EQ(at(5).FatherId, 3);
    EXPECT_EQ(ui().SB_Sex->tag(), 2);
    EXPECT_EQ(ui().Lb_Info->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    EXPECT_FALSE(page()->isEditing()); // the records are already written
    EXPECT_TRUE(ui().SB_Save->isEnabled());

    // 11 steps left, 21 right, back to the start, 15 ms apart.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page()->personEditor().titleShake()->isRunning(); }));
    ASSERT_EQ(titleSteps.size(), 42);
    EXPECT_EQ(pauses, 42 * 15);
    EXPECT_EQ(titleSteps.first(), titleAt.x() - 1);
    EXPECT_EQ(titleSteps.at(10), titleAt.x() - 11);
    EXPECT_EQ(titleSteps.at(31), titleAt.x() + 10);
    EXPECT_EQ(titleSteps.last(), titleAt.x());
    EXPECT_EQ(ui().Lb_Info->pos(), titleAt);
}

TEST_F(EditingStoriesTest, ALonePersonsSexIsStoredOnlyByOk)
{
    open(Family(), 7);
    click(ui().SB_Sex);
    EXPECT_TRUE(prompts->messages.isEmpty());
    ASSERT_TRUE(page()->isEditing());
    EXPECT_EQ(ui().SB_Sex->tag(), 1);
    EXPECT_EQ(at(7).Sex, SexFemale);
    click(ui().SB_Iptal);
    EXPECT_EQ(ui().SB_Sex->tag(), 2);

    click(ui().SB_Sex);
    click(ui().SB_Tamam);
    EXPECT_EQ(at(7).Sex, SexMale);
    EXPECT_EQ(ui().Lb_Info->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(EditingStoriesTest, LinksAreRemovedAfterTheQuestion)
{
    open(Family(), 8);
    prompts->answerMessage(PromptAnswer::No);
    click(ui().SB_BabaSil);
    EXPECT_EQ(at(8).FatherId, 6);
    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_BabaSil);
    EXPECT_EQ(at(8).FatherId, 0);
    EXPECT_TRUE(at(6).Children.isEmpty());
    EXPECT_EQ(ui().Lb_Baba->tag(), 0);

    // Nothing selected: the last spouse goes.
    show(1);
    prompts->answerMessage(PromptAnswer::Yes);
    click(ui().SB_EsiSil);
    EXPECT_TRUE(prompts->messages.last().contains(QStringLiteral("Zeynep DEMIR")));
    EXPECT_EQ(at(1).Spouses, QList<qint32>{2});
    EXPECT_TRUE(at(3).Spouses.isEmpty());
    EXPECT_EQ(at(5).FatherId, 1); // children keep their parents
}

TEST_F(EditingStoriesTest, MovedEntriesStaySelected)
{
    PersonList persons = Family();
    test::Marry(persons, 1, 7);
    test::Child(persons, 2, 1, 8); // Ali now Ayse's and Mehmet's too
    test::At(persons, 1).Children = {4, 8, 5};
    open(persons, 1);
    // The file keeps Mehmet's own order of children.
    ASSERT_EQ(at(1).Children, QList<qint32>({4, 8, 5}));
    ui().ListBox_Cocuklari->setCurrentRow(1);
    ASSERT_TRUE(ui().SB_Cocuklari_Up->isEnabled());
    click(ui().SB_Cocuklari_Up);
    EXPECT_EQ(at(1).Children, QList<qint32>({8, 4, 5}));
    EXPECT_EQ(at(2).Children, QList<qint32>({8, 4})); // the mother's list follows
    EXPECT_EQ(RecNos(ui().ListBox_Cocuklari), QList<qint32>({8, 4, 5}));
    EXPECT_EQ(ui().ListBox_Cocuklari->selectedRow(), 0);
    EXPECT_FALSE(ui().SB_Cocuklari_Up->isEnabled());
    click(ui().SB_Cocuklari_Down);
    click(ui().SB_Cocuklari_Down);
    EXPECT_EQ(at(1).Children, QList<qint32>({4, 5, 8}));
    EXPECT_EQ(at(3).Children, QList<qint32>{5});
    EXPECT_EQ(ui().ListBox_Cocuklari->selectedRow(), 2);

    ui().ListBox_Esi->setCurrentRow(0);
    click(ui().SB_Esi_Down);
    EXPECT_EQ(at(1).Spouses, QList<qint32>({3, 2, 7}));
    EXPECT_EQ(ui().ListBox_Esi->selectedRow(), 1);
    // The bullets mark Ayse's children after the move too.
    const auto marked = [this](int row) {
        return ui().ListBox_Cocuklari->item(row)->text().startsWith(QChar(0x2022));
    };
    EXPECT_TRUE(marked(0));
    EXPECT_FALSE(marked(1));
    EXPECT_TRUE(marked(2));
    EXPECT_TRUE(window->session().unsavedChanges());
}

TEST_F(EditingStoriesTest, TheJumpListShowsThePickedPerson)
{
    open(Family(), 3);
    pickFromList(5);
    click(ui().SB_Liste);
    EXPECT_EQ(focusedOnShow, 3);
    EXPECT_EQ(listRows, 8);
    EXPECT_EQ(listCaption, LangText(Msg::ListTitle, English));
    EXPECT_EQ(window->session().recNoMain(), 5);
    EXPECT_EQ(ui().Lb_Info->text(), QStringLiteral("Elif KAYA"));

    pickFromList(0);
    click(ui().SB_Liste);
    EXPECT_EQ(window->session().recNoMain(), 5);
}

TEST_F(EditingStoriesTest, CtrlFOpensTheJumpListAtItsSearchFieldInBothLanguages)
{
    open(Family(), 3);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const Lang lang : {Lang::Turkish, Lang::English}) {
        window->session().setLang(lang);
        EXPECT_EQ(ui().SB_Liste->toolTip(), LangText(Msg::ListHint, lang) + " (Ctrl+F)");
        QString focused;
        onListe([&focused](TForm_ListeDlg& dialog) {
            dialog.show();
            QWidget* field = dialog.focusWidget();
            focused = field ? field->objectName() : QString();
            QTest::keyClicks(field, QStringLiteral("elif"));
            QTest::keyClick(field, Qt::Key_Return);
            return dialog.result();
        });
        QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
        EXPECT_EQ(focused, QStringLiteral("Edit_Find"));
        EXPECT_EQ(window->session().recNoMain(), 5);
        show(3);
    }
}

TEST_F(EditingStoriesTest, RelativesListsGrowWithTheWindow)
{
    open(Family(), 1);
    EXPECT_EQ(ui().ListBox_Esi->visualItemRect(ui().ListBox_Esi->item(0)).height(), 14);
    EXPECT_EQ(ui().ListBox_Esi->entryFontPixelSize(), 12);
    window->resize(1000, 779);
    for (PersonListBox* list :
         {ui().ListBox_Esi, ui().ListBox_Cocuklari, ui().ListBox_Kardesleri}) {
        EXPECT_EQ(list->itemHeight(), 22); // 1000 x 14 / 616, rounded down
        EXPECT_EQ(list->entryFontPixelSize(), 18);
    }
    EXPECT_EQ(ui().ListBox_Esi->visualItemRect(ui().ListBox_Esi->item(1)).height(), 22);
    EXPECT_EQ(ui().ListBox_Esi->visualItemRect(ui().ListBox_Esi->item(1)).top(), 22);
    window->resize(616, 480);
    EXPECT_EQ(ui().ListBox_Esi->itemHeight(), 14);
    EXPECT_EQ(ui().ListBox_Esi->entryFontPixelSize(), 12);
}

TEST_F(EditingStoriesTest, ADateThatMeansNothingIsRefusedByName)
{
    const struct
    {
        bool birth;
        const char* typed;
        const char* shown; // after OK; nullptr: refused
    } cases[] = {{false, "12.1950", nullptr},
                 {true, "99999", nullptr},
                 {true, "29 02 2001", "01 03 2001"},
                 {false, "1950", "1950"}};
    for (const auto& c : cases) {
        open(Family(), 4);
        click(ui().SB_Duzelt);
        QLineEdit* field = c.birth ? ui().Edit_DogTarih : ui().Edit_OlTarih;
        field->setText(QString::fromLatin1(c.typed));
        if (!c.shown)
            prompts->answerMessage(PromptAnswer::Ok);
        click(ui().SB_Tamam);
        if (!c.shown) {
            EXPECT_EQ(prompts->messages.last(),
                      LangText(c.birth ? Msg::BirthDate : Msg::DeathDate, English) + " : " +
                          c.typed + "\r\r" + LangText(Msg::DateNotUnderstood, English));
            EXPECT_TRUE(page()->isEditing()) << c.typed;
            EXPECT_EQ(persons(), Family()) << c.typed;
            click(ui().SB_Iptal);
        } else {
            EXPECT_FALSE(page()->isEditing()) << c.typed;
            EXPECT_EQ(field->text(), QString::fromLatin1(c.shown));
        }
    }
}

TEST_F(EditingStoriesTest, AfterOkOrCancelTheNextKeyStartsNoCorrection)
{
    open(Family(), 4);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (SpeedButton* close : {ui().SB_Tamam, ui().SB_Iptal}) {
        ui().Edit_OlTarih->setFocus();
        QTest::keyClicks(ui().Edit_OlTarih, QStringLiteral("1990"));
        ASSERT_TRUE(page()->isEditing());
        click(close);
        ASSERT_FALSE(page()->isEditing());
        QWidget* focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_7);
        EXPECT_FALSE(page()->isEditing()) << focused->objectName().toStdString();
        EXPECT_EQ(ui().Edit_OlTarih->text(), QStringLiteral("1990"));
    }
}

TEST_F(EditingStoriesTest, DialogsOpenOverTheMainWindow)
{
    open(Family(), 1);
    window->move(30, 20);
    QList<QWidget*> owners;
    QList<QPoint> centres;
    const auto seen = [&](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        owners.append(dialog->parentWidget() ? dialog->parentWidget()->window() : nullptr);
        centres.append(dialog->frameGeometry().center());
    };
    onListe([&](TForm_ListeDlg& dialog) {
        dialog.show();
        seen(&dialog);
        dialog.hide();
        return int(QDialog::Rejected);
    });
    click(ui().SB_Liste);
    const auto closeModal = [&] {
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            seen(dialog);
            if (auto* shown = qobject_cast<QDialog*>(dialog))
                shown->reject();
        });
    };
    closeModal();
    page()->SB_BigNoteClick();
    DialogPrompts real(window.get());
    closeModal();
    real.message(MessageKind::Warning, QStringLiteral("?"), MessageButtons::Ok);

    ASSERT_EQ(centres.size(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(owners[i], window.get()) << i;
        EXPECT_LE((centres[i] - window->frameGeometry().center()).manhattanLength(), 4) << i;
    }
}

} // namespace

// The application must outlive every window and die before Qt's own statics do.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
