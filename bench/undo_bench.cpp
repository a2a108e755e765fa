// Undo and redo at a million persons: a deletion made, undone and made again.
#include "editing/deletion.h"
#include "editing/familyedits.h"
#include "gedcom/familygenerator.h"
#include "model/session.h"

#include <benchmark/benchmark.h>

using namespace kinrow;

namespace {

constexpr int FamilySize = 1'000'000;

// The generated family of a million persons, and a person in its middle the chain rule lets go:
// the deletion moves the last record into its place.
struct BigFamily
{
    BigFamily() : persons(GenerateFamily(FamilySize, 1))
    {
        for (d = FamilySize / 2; CheckDeletion(persons, d, false) != DeleteRefusal::None; ++d) {
        }
    }
    PersonList persons;
    qint32 d = 0;
};

const BigFamily& Family()
{
    static const BigFamily family;
    return family;
}

// A session holding the family with the deletion made once.
void DeleteOnce(Session& session)
{
    session.replaceFamily(Family().persons);
    session.setRecNoMain(Family().d);
    DeleteCurrent(session);
}

void UndoDeletion(benchmark::State& state)
{
    Session session;
    DeleteOnce(session);
    for (auto _ : state) {
        benchmark::DoNotOptimize(session.undo());
        state.PauseTiming();
        session.redo();
        state.ResumeTiming();
    }
    state.counters["records"] = double(session.history().nextUndo()->before.size());
}
BENCHMARK(UndoDeletion)->Unit(benchmark::kMicrosecond);

void RedoDeletion(benchmark::State& state)
{
    Session session;
    DeleteOnce(session);
    for (auto _ : state) {
        state.PauseTiming();
        session.undo();
        state.ResumeTiming();
        benchmark::DoNotOptimize(session.redo());
    }
}
BENCHMARK(RedoDeletion)->Unit(benchmark::kMicrosecond);

// The deletion with its recording: the scan for the records it touches is linear, as the
// deletion's own renumbering is.
void DeleteAndRecord(benchmark::State& state)
{
    Session session;
    DeleteOnce(session);
    for (auto _ : state) {
        state.PauseTiming();
        session.undo();
        state.ResumeTiming();
        session.setRecNoMain(Family().d);
        DeleteCurrent(session);
    }
}
BENCHMARK(DeleteAndRecord)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
