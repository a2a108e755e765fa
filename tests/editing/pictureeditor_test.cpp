#include "editing/personcontrols.h"
#include "editing/personpage.h"
#include "editing/pictureeditor.h"
#include "model/messages.h"
#include "model/sessionfamily.h"
#include "pictures/picturepanel.h"
#include "ui/scriptedprompts.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kinrow;
using kinrow::test::ScriptedPrompts;

namespace {

class PictureEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        QDir(home.path()).mkpath(QStringLiteral("family"));
        QDir(home.path()).mkpath(QStringLiteral("pics"));
        QDir::setCurrent(home.filePath(QStringLiteral("family")));
        picture = home.filePath(QStringLiteral("pics/a.bmp"));
        ASSERT_TRUE(QImage(700, 30, QImage::Format_RGB32).save(picture));
        test::EditFamily(session, [](PersonList& family) {
            family.resize(2);
            family[0].GivenName = QStringLiteral("ALİ");
        });
        session.setRecNoMain(1);
        page.ShowRecord();
    }
    const QStringList& pictures() const { return session.current().Pictures; }
    void setPictures(const QStringList& names)
    {
        test::EditFamily(session, [&](PersonList& family) { family[0].Pictures = names; });
    }

    QTemporaryDir home;
    QString picture;
    Session session;
    ScriptedPrompts prompts;
    PersonPage page{session, prompts};
    PictureEditor& editor = page.pictureEditor();
};

TEST_F(PictureEditorTest, AddingStoresTheNameRelativeToTheFamilyFolder)
{
    prompts.choosePicture(picture);
    editor.SB_ResimEkleClick();
    EXPECT_EQ(pictures(), QStringList{"../pics/a.bmp"});
    EXPECT_TRUE(session.unsavedChanges());
    EXPECT_EQ(session.pictureNo(), 1);
    EXPECT_TRUE(page.pictureShown());

    session.setUnsavedChanges(false);
    setPictures(QStringList{QStringLiteral("other.jpg")} + pictures());
    prompts.choosePicture(picture); // already there: selected, not added
    editor.SB_ResimEkleClick();
    EXPECT_EQ(pictures().size(), 2);
    EXPECT_EQ(session.pictureNo(), 2);
    EXPECT_FALSE(session.unsavedChanges());

    prompts.cancelPictureDialog();
    editor.SB_ResimEkleClick();
    EXPECT_EQ(pictures().size(), 2);
}

TEST_F(PictureEditorTest, AddingAPathTooLongForTheFileIsRefused)
{
    prompts.choosePicture(QStringLiteral("/") + QString(280, u'p') + QStringLiteral("/a.jpg"));
    prompts.answerMessage(PromptAnswer::Ok);
    editor.SB_ResimEkleClick();
    EXPECT_TRUE(pictures().isEmpty());
    EXPECT_FALSE(session.unsavedChanges());
    EXPECT_TRUE(
        prompts.messages.last().startsWith(LangText(Msg::PicturePathTooLong, Lang::English)));
}

TEST_F(PictureEditorTest, NothingChangesInReadOnlyModeOrWhileEditing)
{
    session.setReadOnlyMode(true);
    editor.SB_ResimEkleClick();
    editor.SB_ResimSilClick();
    session.setReadOnlyMode(false);
    session.beginEditing(EditMode::Correct);
    editor.SB_ResimEkleClick();
    EXPECT_TRUE(pictures().isEmpty());
}

TEST_F(PictureEditorTest, RemovingAsksAndDeletesOnlyOnYes)
{
    setPictures({QStringLiteral("../pics/a.bmp"), QStringLiteral("b.jpg")});
    session.setPictureNo(1);
    page.ShowPicture(1);
    prompts.answerMessage(PromptAnswer::Cancel);
    editor.SB_ResimSilClick();
    EXPECT_EQ(pictures().size(), 2);
    EXPECT_EQ(prompts.buttonSets.last(), MessageButtons::YesNoCancel);
    EXPECT_TRUE(prompts.messages.last().contains(QStringLiteral("\r\r  ../pics/a.bmp\r\r")));

    prompts.answerMessage(PromptAnswer::No);
    editor.SB_ResimSilClick();
    EXPECT_EQ(pictures(), QStringList{"b.jpg"});
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_TRUE(session.unsavedChanges());

    setPictures(QStringList{QStringLiteral("../pics/a.bmp")} + pictures());
    session.setPictureNo(1);
    prompts.answerMessage(PromptAnswer::Yes);
    editor.SB_ResimSilClick();
    EXPECT_EQ(pictures(), QStringList{"b.jpg"});
    EXPECT_FALSE(QFile::exists(picture));
}

TEST_F(PictureEditorTest, ClickingThePictureOpensTheViewerOrAdds)
{
    prompts.cancelPictureDialog(); // nothing on show: the click adds
    editor.Image_ResimClick();

    setPictures({QStringLiteral("../pics/a.bmp")});
    session.setPictureNo(1);
    page.ShowPicture(1);
    QSize client;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* viewer = QApplication::activeModalWidget();
        ASSERT_TRUE(viewer);
        client = viewer->size();
        title = viewer->windowTitle();
        viewer->close();
    });
    editor.Image_ResimClick();
    EXPECT_EQ(client, QSize(600, 60));
    EXPECT_EQ(title, u"700x30");
}

TEST_F(PictureEditorTest, UndoGivesEntriesBackButNeverADeletedFile)
{
    prompts.choosePicture(picture);
    editor.SB_ResimEkleClick();
    ASSERT_TRUE(session.undo());
    EXPECT_TRUE(pictures().isEmpty());
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(pictures(), QStringList{"../pics/a.bmp"});

    session.setPictureNo(1);
    prompts.answerMessage(PromptAnswer::Yes);
    editor.SB_ResimSilClick();
    // The question says that the file, once deleted, does not come back.
    EXPECT_TRUE(prompts.messages.last().endsWith(
        QStringLiteral("\r\r") + LangText(Msg::DeletedFileNotRestored, Lang::English)));
    EXPECT_FALSE(QFile::exists(picture));
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(pictures(), QStringList{"../pics/a.bmp"});
    EXPECT_FALSE(QFile::exists(picture));
}

TEST_F(PictureEditorTest, AFileAnotherPersonUsesIsKeptAndTheQuestionSaysSo)
{
    setPictures({QStringLiteral("../pics/a.bmp")});
    // the same file, named in full
    test::EditFamily(session, [&](PersonList& family) { family[1].Pictures = {picture}; });
    session.setPictureNo(1);
    page.ShowPicture(1);
    prompts.answerMessage(PromptAnswer::Yes);
    editor.SB_ResimSilClick();
    EXPECT_EQ(prompts.buttonSets.last(), MessageButtons::YesNo);
    EXPECT_TRUE(prompts.messages.last().endsWith(
        LangText(Msg::PictureFileUsedByOthers, Lang::English).arg(1)))
        << prompts.messages.last().toStdString();
    EXPECT_TRUE(pictures().isEmpty());
    EXPECT_TRUE(QFile::exists(picture));
    EXPECT_EQ(session.persons()[1].Pictures, QStringList{picture});
}

TEST_F(PictureEditorTest, APictureFromAFolderOfAnyScriptKeepsItsName)
{
    const QString folder = QStringLiteral("Фото Ωμέγα 写真 Hlöðvir");
    ASSERT_TRUE(QDir(home.path()).mkpath(folder));
    const QString chosen = home.filePath(folder + QStringLiteral("/ğüş ł.bmp"));
    ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(chosen, "BMP"));
    prompts.choosePicture(chosen);
    editor.SB_ResimEkleClick();
    EXPECT_EQ(pictures(), QStringList{"../" + folder + "/ğüş ł.bmp"});
    EXPECT_TRUE(page.pictureShown());
}

TEST_F(PictureEditorTest, TheViewerShowsTheCornerOfAPictureThePanelShowsShrunk)
{
    const QString large = home.filePath(QStringLiteral("pics/large.bmp"));
    QImage image(3000, 2000, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(large, "BMP"));
    setPictures({QStringLiteral("../pics/large.bmp")});
    session.setPictureNo(1);
    page.ShowPicture(1);
    ASSERT_TRUE(page.pictureShown());
    EXPECT_LT(test::PersonControls(page).Panel_Resim->picture().width(), 3000);
    QSize client, shown;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* viewer = QApplication::activeModalWidget();
        ASSERT_TRUE(viewer);
        client = viewer->size();
        title = viewer->windowTitle();
        if (auto* label = viewer->findChild<QLabel*>(QStringLiteral("Image_Viewer")))
            shown = label->pixmap().size();
        viewer->close();
    });
    editor.Image_ResimClick();
    EXPECT_EQ(client, QSize(600, 400));
    EXPECT_EQ(title, u"3000x2000");
    EXPECT_EQ(shown, QSize(600, 400));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
