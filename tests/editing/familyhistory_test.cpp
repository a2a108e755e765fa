#include "model/familychange.h"
#include "model/familyhistory.h"
#include "model/session.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

// A family of n persons named by number, the first two a couple with the rest as children.
PersonList Family(int n)
{
    PersonList persons(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        persons[std::size_t(i)].Id = i + 1;
        persons[std::size_t(i)].GivenName = QString::number(i + 1);
    }
    return persons;
}

// A step that renames record 1, with a note of the given length to weigh it.
FamilyStep Rename(const QString& from, const QString& to, int noteLength = 0)
{
    FamilyStep step;
    step.sizeBefore = step.sizeAfter = 1;
    step.before.push_back({1, {}});
    step.before.back().record.GivenName = from;
    step.after.push_back({1, {}});
    step.after.back().record.GivenName = to;
    step.after.back().record.Notes = QString(noteLength, u'x');
    return step;
}

} // namespace

TEST(FamilyChange, KeepsOnlyTheRecordsThatChangedAndGrowsAndCutsTheList)
{
    Session session;
    session.replaceFamily(Family(5));
    session.setRecNoMain(2);
    FamilyChange change(session, StepKind::Delete, {5, 2, 3, 2});
    change.persons()[1] = change.persons()[4]; // record 5 moves into 2
    change.persons()[1].Id = 2;
    change.persons().pop_back();
    session.setRecNoMain(3);
    change.commit();
    const FamilyStep& step = *session.history().nextUndo();
    ASSERT_EQ(step.before.size(), 2u); // record 3 did not change
    EXPECT_EQ(step.before[0].recNo, 2);
    EXPECT_EQ(step.before[1].recNo, 5);
    ASSERT_EQ(step.after.size(), 1u);
    EXPECT_EQ(step.after[0].record.GivenName, "5");
    EXPECT_EQ(step.shownBefore, 2);
    EXPECT_EQ(step.shownAfter, 3);

    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.persons(), Family(5));
    EXPECT_EQ(session.recNoMain(), 2);
    ASSERT_TRUE(session.redo());
    EXPECT_EQ(session.persons().size(), 4u);
    EXPECT_EQ(session.persons()[1].GivenName, "5");
    EXPECT_EQ(session.recNoMain(), 3);
}

TEST(FamilyChange, AnOkThatChangedNothingRecordsNoStep)
{
    Session session;
    session.replaceFamily(Family(2));
    FamilyChange rename(session, StepKind::Correct, {1});
    rename.persons()[0].GivenName = "A";
    rename.commit();
    session.setUnsavedChanges(false); // saved
    FamilyChange nothing(session, StepKind::Correct, {1, 2});
    nothing.commit();
    EXPECT_FALSE(session.unsavedChanges());
    ASSERT_TRUE(session.history().canUndo());
    EXPECT_EQ(session.history().stepCount(), 1u) << "a step was recorded for no change";
    // Undo takes back the rename, not an empty step.
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(session.persons()[0].GivenName, "1");
}

TEST(FamilyHistory, UnsavedFlagFollowsTheLastSave)
{
    Session session;
    session.replaceFamily(Family(1));
    QList<bool> flags;
    const auto step = [&](const QString& name) {
        FamilyChange change(session, StepKind::Correct, {1});
        change.persons()[0].GivenName = name;
        change.commit();
        flags << session.unsavedChanges();
    };
    step("A");
    step("B");
    session.setUnsavedChanges(false); // saved at B
    session.undo();
    flags << session.unsavedChanges();
    session.redo();
    flags << session.unsavedChanges();
    session.undo();
    session.undo();
    flags << session.unsavedChanges();
    step("C"); // B can no longer be reached
    session.undo();
    flags << session.unsavedChanges();
    EXPECT_EQ(flags, QList<bool>({true, true, true, false, true, true, true}));
    EXPECT_EQ(session.persons()[0].GivenName, "1");
    EXPECT_FALSE(session.history().canUndo());
    EXPECT_TRUE(session.history().canRedo());
}

TEST(FamilyHistory, AChangeNoStepRecordsMakesTheSaveUnreachable)
{
    Session session;
    session.replaceFamily(Family(1));
    FamilyChange change(session, StepKind::Correct, {1});
    change.persons()[0].GivenName = "A";
    change.commit();
    session.setUnsavedChanges(true); // e.g. a repaired file
    session.undo();
    EXPECT_TRUE(session.unsavedChanges());
}

TEST(FamilyHistory, ForgetsTheOldestStepsBeyondItsMemoryAndKeepsTheNewest)
{
    const std::size_t one = StepMemory(Rename("A", "B", 100));
    FamilyHistory history(3 * one + 64);
    for (int i = 0; i < 10; ++i)
        history.push(Rename(QString::number(i), QString::number(i + 1), 100));
    EXPECT_EQ(history.stepCount(), 3u);
    EXPECT_LE(history.memory(), 3 * one + 64);
    EXPECT_FALSE(history.atSaved()); // the saved start was forgotten with the first steps
    PersonList persons(1);
    while (history.undo(persons)) {
    }
    EXPECT_EQ(persons[0].GivenName, "7");

    history.push(Rename("7", "big", 100000)); // heavier than the limit on its own
    EXPECT_EQ(history.stepCount(), 1u);
    EXPECT_TRUE(history.canUndo());
}

TEST(StepTexts, NameTheStepInBothLanguages)
{
    const StepKind kind = StepKind::AddMother;
    EXPECT_EQ(UndoText(&kind, Lang::English), "Undo: add mother");
    EXPECT_EQ(UndoText(&kind, Lang::Turkish), "Geri al: anne ekle");
    EXPECT_EQ(RedoText(&kind, Lang::English), "Redo: add mother");
    EXPECT_EQ(RedoText(nullptr, Lang::Turkish), "Yinele");
    for (int k = 0; k <= int(StepKind::CollectPictures); ++k) {
        EXPECT_FALSE(StepName(StepKind(k), Lang::Turkish).isEmpty()) << k;
        EXPECT_NE(StepName(StepKind(k), Lang::Turkish), StepName(StepKind(k), Lang::English)) << k;
    }
}
