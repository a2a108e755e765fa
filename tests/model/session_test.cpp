#include "model/session.h"

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
