#include "editing/editinghistory.h"
#include "gedcom/readertesting.h"

#include "gedcom/familygenerator.h"
#include "gedcom/gedcomreader.h"
#include "gedcom/gedcomwriter.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>

#include <iostream>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

const QString kFileName = QStringLiteral("/nonexistent/kinrow-history/aile.ged");

struct Tally
{
    int histories = 0;
    int operations = 0;
    int reordered = 0; // persons whose order of children the file keeps under the marker
};

// Runs histories from the start family, each checked against its file at its end.
void runHistories(const PersonList& start, quint64 seed, int histories, int maxSteps, Tally& tally)
{
    for (int h = 0; h < histories; ++h) {
        EditingHistory history(start, seed * 7919 + quint64(h));
        history.forgetSomeSexes();
        const int steps = 1 + int((seed + quint64(h) * 31) % quint64(maxSteps));
        for (int s = 0; s < steps; ++s)
            tally.operations += history.step() ? 1 : 0;
        ++tally.histories;
        int named = 0;
        const std::optional<QString> difference = RoundTripDifference(history.persons(), &named);
        tally.reordered += named;
        ASSERT_FALSE(difference) << "seed " << seed << " history " << h << ": "
                                 << difference->toStdString();
    }
}

TEST(EditingHistories, GeneratedFamiliesComeBackFromTheirFiles)
{
    Tally tally;
    for (quint64 seed = 1; seed <= 200; ++seed) {
        runHistories(GenerateFamily(8 + int(seed % 40), seed), seed, 10, 40, tally);
        if (HasFatalFailure())
            return;
    }
    std::cout << tally.histories << " histories, " << tally.operations << " operations, "
              << tally.reordered << " child orders kept by the marker\n";
}

// Files of other programs bring persons of unknown sex, one-sided links and orders of their own.
TEST(EditingHistories, SampleFilesComeBackFromTheirFiles)
{
    Tally tally;
    for (const char* name : {"royal92.ged", "washington.ged", "sample.ged"}) {
        QFile file(QStringLiteral(KINROW_SAMPLES "/") + QLatin1String(name));
        if (!file.open(QIODevice::ReadOnly))
            KINROW_SAMPLES_MISSING(name);
        PersonList start;
        ErrorList errors;
        ASSERT_TRUE(ReadGedcomBytes(file.readAll(), kFileName, start, errors, {})) << name;
        const int histories = start.size() > 1000 ? 12 : 60;
        runHistories(start, quint64(start.size()), histories, 60, tally);
        if (HasFatalFailure())
            return;
    }
    std::cout << tally.histories << " histories, " << tally.operations << " operations, "
              << tally.reordered << " child orders kept by the marker\n";
}

} // namespace
