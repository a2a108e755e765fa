// Undo, redo and the window's keys on the real window, with scripted answers for every box.
#include "editing/family.h"
#include "editing/personcontrols.h"
#include "editing/personlistbox.h"
#include "editing/personpage.h"
#include "gedcom/familyopen.h"
#include "gedcom/familysave.h"
#include "model/messages.h"
#include "shell/windowfixture.h"
#include "ui/personlabel.h"
#include "ui/speedbutton.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace kinrow;

namespace {

// A couple (1, 2) with their son (3); a woman (4) alone.
PersonList Family()
{
    PersonList persons = test::Persons(4);
    test::At(persons, 2).Sex = SexFemale;
    test::At(persons, 4).Sex = SexFemale;
    test::Marry(persons, 1, 2);
    test::Child(persons, 2, 1, 3);
    return persons;
}

class UndoWindowTest : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        path = home.filePath("aile.ged");
        ASSERT_TRUE(SaveFamilyFile(path, Family(), {}).saved);
        window = start({path});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::mouseClick(test::Control<QPushButton>(*window, "Button_Devam"), Qt::LeftButton);
        ASSERT_EQ(persons(), Family());
        show(4);
    }

    void show(qint32 recNo)
    {
        window->session().setRecNoMain(recNo);
        page()->ShowRecord();
    }
    // Keys go where the user types: the focused field. Ctrl with a letter types the control
    // character, as the X11 keyboard does.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* focused = QApplication::focusWidget();
        const char ascii = QTest::keyToAscii(Qt::Key(key));
        QString text = ascii ? QString(QLatin1Char(ascii)) : QString();
        if (modifiers & Qt::ControlModifier && key >= Qt::Key_A && key <= Qt::Key_Z)
            text = QChar(key - Qt::Key_A + 1);
        QTest::sendKeyEvent(QTest::Click, focused ? focused : window.get(), Qt::Key(key), text,
                            modifiers);
    }
    void addMother(const QString& name)
    {
        QTest::mouseClick(test::PersonControls(page()).SB_AnneEkle, Qt::LeftButton);
        ASSERT_TRUE(page()->isEditing());
        test::PersonControls(page()).Edit_Ad->setText(name);
        QTest::mouseClick(test::PersonControls(page()).SB_Tamam, Qt::LeftButton);
        ASSERT_FALSE(page()->isEditing());
    }
    QStringList actionState() const
    {
        QStringList state;
        for (const QAction* action : {undo(), redo()})
            state << (action->isEnabled() ? "+" : "-") + action->text();
        return state;
    }
    QAction* undo() const { return test::Control<QAction>(*window, "Act_Undo"); }
    QAction* redo() const { return test::Control<QAction>(*window, "Act_Redo"); }
    void chooseLanguage(int index) const
    {
        test::Control<QComboBox>(*window, "ComboBox_Lang")->setCurrentIndex(index);
    }
    PersonPage* page() const { return window->TabSheet_Main; }
    const PersonList& persons() const { return window->session().persons(); }

    QString path;
};

TEST_F(UndoWindowTest, CtrlZTakesBackAnAddedMotherAndCtrlYMakesItAgain)
{
    EXPECT_EQ(actionState(), QStringList({"-Undo", "-Redo"}));
    addMother("FATMA");
    PersonList added = persons();
    ASSERT_EQ(added.size(), 5u);
    EXPECT_EQ(actionState(), QStringList({"+Undo: add mother", "-Redo"}));

    test::PersonControls(page()).Edit_Ad->setFocus(); // a field's own undo must not swallow the key
    show(1);
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(persons(), Family());
    EXPECT_EQ(window->session().recNoMain(), 4); // the person the step changed is shown
    EXPECT_EQ(test::PersonControls(page()).Lb_Info->text(), "P4 S4");
    EXPECT_EQ(test::PersonControls(page()).Lb_Anne->tag(), 0);
    EXPECT_FALSE(window->session().unsavedChanges());
    EXPECT_FALSE(test::PersonControls(page()).SB_Save->isEnabled());
    EXPECT_EQ(actionState(), QStringList({"-Undo", "+Redo: add mother"}));

    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(persons(), added);
    EXPECT_EQ(test::PersonControls(page()).Lb_Anne->tag(), 5);
    EXPECT_TRUE(window->session().unsavedChanges());
    press(Qt::Key_Z, Qt::ControlModifier);
    press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(persons(), added);

    chooseLanguage(0);
    EXPECT_EQ(actionState(), QStringList({"+Geri al: anne ekle", "-Yinele"}));
}

TEST_F(UndoWindowTest, UndoingADeletionBringsThePersonBackAndShowsIt)
{
    show(1);
    prompts->answerMessage(PromptAnswer::Yes);
    QTest::mouseClick(test::PersonControls(page()).SB_Sil, Qt::LeftButton);
    ASSERT_EQ(persons().size(), 3u);
    window->SB_TreeClick(); // undo works from any page and comes back to the person
    undo()->trigger();
    EXPECT_EQ(persons(), Family());
    EXPECT_EQ(window->PageControl_Main->currentWidget(), page());
    EXPECT_EQ(test::PersonControls(page()).Lb_Info->text(), "P1 S1");
    EXPECT_EQ(test::PersonControls(page()).ListBox_Esi->count(), 1);
}

TEST_F(UndoWindowTest, NoUndoWhileEditingOrReadOnlyAndEscapeCancels)
{
    addMother("FATMA");
    test::PersonControls(page()).Edit_Soyad->setFocus();
    press(Qt::Key_K);
    ASSERT_TRUE(page()->isEditing());
    EXPECT_FALSE(undo()->isEnabled());
    press(Qt::Key_Z, Qt::ControlModifier); // the field's own undo
    EXPECT_EQ(persons().size(), 4u + 1u);
    EXPECT_EQ(test::PersonControls(page()).Edit_Soyad->text(), "S4");
    press(Qt::Key_Escape);
    EXPECT_FALSE(page()->isEditing());
    EXPECT_TRUE(undo()->isEnabled());

    window->session().setReadOnlyMode(true);
    EXPECT_EQ(actionState(), QStringList({"-Undo: add mother", "-Redo"}));
    press(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(persons().size(), 5u);
}

TEST_F(UndoWindowTest, CtrlSSavesAndOpeningAnotherFileForgetsTheSteps)
{
    addMother("FATMA");
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window->session().unsavedChanges());
    PersonList reread;
    ErrorList errors;
    ASSERT_TRUE(OpenFamilyFile(path, false, reread, errors, {}).opened);
    EXPECT_EQ(reread.size(), 5u);

    undo()->trigger();
    EXPECT_TRUE(window->session().unsavedChanges()); // the file holds the mother now
    redo()->trigger();
    EXPECT_FALSE(window->session().unsavedChanges());

    prompts->chooseFile(path);
    QTest::mouseClick(test::Control<QPushButton>(*window, "BitBtn_Dosya"), Qt::LeftButton);
    EXPECT_EQ(actionState(), QStringList({"-Undo", "-Redo"}));
}

TEST_F(UndoWindowTest, SaveAndCancelHintsNameTheirKeysInBothLanguages)
{
    EXPECT_EQ(test::PersonControls(page()).SB_Save->toolTip(), "File Save (Ctrl+S)");
    EXPECT_EQ(test::PersonControls(page()).SB_Iptal->toolTip(), "Edit Cancel (Esc)");
    chooseLanguage(0);
    EXPECT_EQ(test::PersonControls(page()).SB_Save->toolTip(),
              QStringLiteral("Dosyaya Kaydet (Ctrl+S)"));
    EXPECT_EQ(test::PersonControls(page()).SB_Iptal->toolTip(),
              QStringLiteral("İşlem İptal (Esc)"));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
