#include "editing/editinghistory.h"
#include "gedcom/readertesting.h"

#include "gedcom/familygenerator.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

// Runs a random history, keeping the family after every step made, then undoes it step by step
// back to the start and redoes it to the end, comparing each state field for field. The family
// is saved once midway: the unsaved-changes flag is clear exactly at that state.
void UndoAndRedo(PersonList start, quint64 seed, int steps)
{
    EditingHistory history(std::move(start), seed);
    history.forgetSomeSexes();
    Session& session = history.session();
    session.setUnsavedChanges(false);
    std::vector<PersonList> states{history.persons()};
    std::size_t saved = 0;
    for (int s = 0; s < steps; ++s) {
        if (history.step())
            states.push_back(history.persons());
        if (s == steps / 2) {
            session.setUnsavedChanges(false);
            saved = states.size() - 1;
        }
    }
    ASSERT_EQ(session.history().stepCount(), states.size() - 1) << "seed " << seed;
    for (std::size_t k = states.size() - 1; k > 0; --k) {
        ASSERT_TRUE(session.undo()) << "seed " << seed;
        const std::optional<QString> difference = FirstDifference(session.persons(), states[k - 1]);
        ASSERT_FALSE(difference) << "seed " << seed << " undo to " << k - 1 << ": "
                                 << difference->toStdString();
        ASSERT_EQ(session.unsavedChanges(), k - 1 != saved) << "seed " << seed << " at " << k - 1;
    }
    EXPECT_FALSE(session.undo());
    for (std::size_t k = 1; k < states.size(); ++k) {
        ASSERT_TRUE(session.redo()) << "seed " << seed;
        const std::optional<QString> difference = FirstDifference(session.persons(), states[k]);
        ASSERT_FALSE(difference) << "seed " << seed << " redo to " << k << ": "
                                 << difference->toStdString();
    }
    EXPECT_FALSE(session.redo());
}

TEST(UndoHistories, GeneratedFamiliesComeBackStepByStep)
{
    for (quint64 seed = 1; seed <= 400; ++seed) {
        UndoAndRedo(GenerateFamily(4 + int(seed % 50), seed), seed, 1 + int(seed % 60));
        if (HasFatalFailure())
            return;
    }
}

// Files of other programs bring one-sided links, which a deletion must find all the same.
TEST(UndoHistories, SampleFilesComeBackStepByStep)
{
    for (const char* name : {"royal92.ged", "washington.ged", "sample.ged"}) {
        QFile file(QStringLiteral(KINROW_SAMPLES "/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            KINROW_SAMPLES_MISSING(name);
        PersonList start;
        ErrorList errors;
        ASSERT_TRUE(ReadGedcomBytes(file.readAll(), QStringLiteral("/nonexistent/aile.ged"), start,
                                    errors, {}))
            << name;
        const int histories = start.size() > 1000 ? 4 : 20;
        for (int h = 0; h < histories; ++h) {
            UndoAndRedo(start, quint64(start.size()) * 31 + quint64(h), 40);
            if (HasFatalFailure())
                return;
        }
    }
}

} // namespace
