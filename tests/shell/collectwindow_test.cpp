#include "model/sessionfamily.h"
#include "print/printpage.h"
#include "shell/windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// A family of two persons in home/family, each with a picture in home/pics, collected through
// the print page's button with its two options as the user sets them.
class CollectWindowTest : public test::WindowFixture
{
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        QDir(home.path()).mkpath("family");
        QDir(home.path()).mkpath("pics");
        family = home.filePath("family");
        QDir::setCurrent(family);
        window = start();
        Session& session = window->session();
        test::EditFamily(session, [](PersonList& persons) {
            persons.resize(2);
            persons[0].GivenName = QStringLiteral("ALİ");
            persons[1].GivenName = QStringLiteral("AYŞE");
            persons[0].Pictures = {QStringLiteral("../pics/ali.jpg")};
            persons[1].Pictures = {QStringLiteral("../pics/ayse.jpg")};
        });
        session.familyFileName = QDir(family).filePath("aile.ged");
        session.setRecNoMain(1);
        write("pics/ali.jpg", "ALI");
        write("pics/ayse.jpg", "AYSE");
        window->SB_YazClick();
        page = window->TabSheet_Print;
    }
    // Ticks the row of the person recNo only.
    void tick(qint32 recNo)
    {
        PrintTable& table = page->table();
        for (int index = 0; index < table.size(); ++index)
            table.setCheckedByUser(index, table.row(index).RecNo == recNo);
    }
    // Clicks the button, answering Yes to its question and Ok to its count.
    void collect(bool move, bool selectedOnly)
    {
        test::Control<QCheckBox>(*page, "CheckBox_P_RSil")->setChecked(move);
        test::Control<QCheckBox>(*page, "CheckBox_P_RSelected")->setChecked(selectedOnly);
        prompts->answerMessage(PromptAnswer::Yes);
        prompts->answerMessage(PromptAnswer::Ok);
        test::Control<QPushButton>(*page, "BitBtn_P_Resim")->click();
    }
    QStringList pictures() const
    {
        QStringList all;
        for (const TTreeData& person : window->session().persons())
            all += person.Pictures;
        return all;
    }
    bool inPics(const char* name) const { return QFile::exists(home.filePath("pics/") + name); }
    QByteArray savedFamily() const
    {
        QFile file(QDir(family).filePath("aile.ged"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString family;
    PrintPage* page = nullptr;
};

TEST_F(CollectWindowTest, SelectedOnlyCollectsTheTickedRowsAndCopyingKeepsTheSources)
{
    tick(2);
    collect(/*move=*/false, /*selectedOnly=*/true);
    EXPECT_EQ(pictures(), (QStringList{"../pics/ali.jpg", "ayse.jpg"}));
    EXPECT_TRUE(inPics("ayse.jpg"));
    EXPECT_TRUE(QFile::exists(QDir(family).filePath("ayse.jpg")));
    // Copying does not save: the change waits for the save button.
    EXPECT_TRUE(savedFamily().isEmpty());
    EXPECT_TRUE(window->session().unsavedChanges());
    EXPECT_TRUE(prompts->messages.last().endsWith(QStringLiteral("\r\r1") +
                                                  LangText(Msg::ImagesCopied, Lang::English)));

    // Without the option every row is collected, ticked or not.
    collect(false, false);
    EXPECT_EQ(pictures(), (QStringList{"ali.jpg", "ayse.jpg"}));
    EXPECT_TRUE(inPics("ali.jpg"));
}

TEST_F(CollectWindowTest, MovingSavesThenDeletesTheSourcesAndEndsTheUndoHistory)
{
    tick(1);
    collect(/*move=*/true, /*selectedOnly=*/true);
    EXPECT_EQ(pictures(), (QStringList{"ali.jpg", "../pics/ayse.jpg"}));
    EXPECT_TRUE(savedFamily().contains("2 FILE ali.jpg\r\n"));
    EXPECT_FALSE(window->session().unsavedChanges());
    EXPECT_FALSE(inPics("ali.jpg"));
    EXPECT_TRUE(inPics("ayse.jpg"));
    // An undo would bring back the name of a file the move deleted.
    EXPECT_FALSE(window->session().undo());
    EXPECT_EQ(pictures().first(), u"ali.jpg");
}

TEST_F(CollectWindowTest, AMoveWhoseSaveFailsKeepsEverySource)
{
    // The family file's name is taken by a folder: the copies succeed, the save fails.
    ASSERT_TRUE(QDir(family).mkdir("aile.ged"));
    test::Control<QCheckBox>(*page, "CheckBox_P_RSil")->setChecked(true);
    test::Control<QCheckBox>(*page, "CheckBox_P_RSelected")->setChecked(false);
    prompts->answerMessage(PromptAnswer::Yes); // collect
    prompts->answerMessage(PromptAnswer::No);  // the name changed on the disk: replace it
    prompts->answerMessage(PromptAnswer::No);  // not under another name
    prompts->answerMessage(PromptAnswer::Ok);  // the count
    test::Control<QPushButton>(*page, "BitBtn_P_Resim")->click();
    EXPECT_EQ(pictures(), (QStringList{"ali.jpg", "ayse.jpg"}));
    EXPECT_TRUE(inPics("ali.jpg"));
    EXPECT_TRUE(inPics("ayse.jpg"));
    EXPECT_TRUE(window->session().unsavedChanges());
    // The sources are all there, so the step may still be undone.
    EXPECT_TRUE(window->session().undo());
    EXPECT_EQ(pictures(), (QStringList{"../pics/ali.jpg", "../pics/ayse.jpg"}));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
