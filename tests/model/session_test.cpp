#include "model/familychange.h"
#include "model/session.h"
#include "model/sessionfamily.h"

#include <gtest/gtest.h>

using namespace kinrow;

namespace {

struct EnablingCase
{
    EditMode mode;
    bool readOnly;
    bool unsaved;
    bool browse, change, save;
};

} // namespace

TEST(Session, EnablingRulesFollowEditingReadOnlyAndUnsavedChanges)
{
    const EnablingCase cases[] = {
        {EditMode::None, false, false, true, true, false},
        {EditMode::None, false, true, true, true, true},
        {EditMode::None, true, false, true, false, false},
        {EditMode::Correct, false, true, false, false, false},
        {EditMode::Child, false, false, false, false, false},
        {EditMode::First, true, true, false, false, false},
    };
    for (const EnablingCase& c : cases) {
        Session session;
        session.setReadOnlyMode(c.readOnly);
        session.setUnsavedChanges(c.unsaved);
        if (c.mode != EditMode::None)
            session.beginEditing(c.mode);
        EXPECT_EQ(session.mayBrowse(), c.browse) << int(c.mode);
        EXPECT_EQ(session.mayChange(), c.change) << int(c.mode) << c.readOnly;
        EXPECT_EQ(session.maySave(), c.save) << int(c.mode) << c.unsaved;
    }
}

TEST(Session, AddingModesAreTheRelativesAndTheFirstPerson)
{
    for (const EditMode mode :
         {EditMode::First, EditMode::Mother, EditMode::Father, EditMode::Spouse, EditMode::Child})
        EXPECT_TRUE(IsAddingMode(mode)) << int(mode);
    EXPECT_FALSE(IsAddingMode(EditMode::Correct));
    EXPECT_FALSE(IsAddingMode(EditMode::None));
    EXPECT_EQ(AddingMode(RelativeRole::Spouse), EditMode::Spouse);
}

TEST(Session, SignalsOnlyRealChanges)
{
    Session session;
    int enabling = 0;
    int lang = 0;
    QObject::connect(&session, &Session::enablingChanged, [&] { ++enabling; });
    QObject::connect(&session, &Session::langChanged, [&] { ++lang; });
    session.setUnsavedChanges(false);
    session.setReadOnlyMode(false);
    session.endEditing();
    session.setLang(session.lang());
    EXPECT_EQ(enabling, 0);
    EXPECT_EQ(lang, 0);
    session.setUnsavedChanges(true);
    session.beginEditing(EditMode::Correct);
    session.endEditing();
    session.setReadOnlyMode(true);
    session.setLang(Lang::Turkish);
    EXPECT_EQ(enabling, 4);
    EXPECT_EQ(lang, 1);
    EXPECT_EQ(session.editMode(), EditMode::None);
}

TEST(Session, TellsTheCurrentRecordOnlyOnceAChangeIsRecorded)
{
    Session session;
    test::EditFamily(session, [](PersonList& persons) {
        for (const char* name : {"A", "B", "C"}) {
            persons.emplace_back();
            persons.back().GivenName = QString::fromLatin1(name);
        }
    });
    // For each signal: the person then current, and whether the change was already recorded.
    QStringList told;
    QObject::connect(&session, &Session::currentChanged, [&] {
        told.append(session.current().GivenName +
                    (session.history().canUndo() ? u" recorded"_qs : QString()));
    });
    session.setRecNoMain(1); // the same record: nothing to tell
    session.setRecNoMain(2);
    EXPECT_EQ(told, QStringList{u"B"_qs});
    {
        // A deletion moves the last person into the gap and keeps the number current.
        FamilyChange change(session, StepKind::Delete, {2, 3});
        change.persons()[1] = change.persons()[2];
        change.persons().pop_back();
        session.setRecNoMain(2);
        EXPECT_EQ(told.size(), 1) << "told while the family was half changed";
        change.commit();
    }
    EXPECT_EQ(told, (QStringList{u"B"_qs, u"C recorded"_qs}));
    {
        FamilyChange refused(session, StepKind::Delete, {1});
        session.setRecNoMain(1); // a change that records nothing still tells where it left
    }
    EXPECT_EQ(told.value(2), u"A recorded"_qs);
    ASSERT_TRUE(session.undo());
    EXPECT_EQ(told.size(), 4);
    EXPECT_EQ(told.value(3), u"B"_qs); // the person the deletion had left
}
