// Timings of the ancestor chart: its slots and its printout's drawing list, at 10k and 1M persons.
#include "chart/ancestorslots.h"
#include "chart/chartprintout.h"
#include "gedcom/familygenerator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>

using namespace kinrow;

namespace {

const PersonList& Family(int size)
{
    static std::map<int, PersonList> families;
    auto found = families.find(size);
    if (found == families.end())
        found = families.emplace(size, GenerateFamily(size, 1)).first;
    return found->second;
}

// The last person of the file with the most filled slots, so the chart has work to do.
qint32 DeepestRecent(const PersonList& persons)
{
    qint32 best = qint32(persons.size());
    int bestFilled = -1;
    const qint32 first = std::max<qint32>(1, qint32(persons.size()) - 2000);
    for (qint32 recNo = qint32(persons.size()); recNo >= first; --recNo) {
        const AncestorChart chart = BuildAncestorChart(persons, recNo, Lang::English);
        const int filled = int(std::count_if(chart.slots.begin(), chart.slots.end(),
                                             [](const AncestorSlot& s) { return s.recNo > 0; }));
        if (filled > bestFilled) {
            best = recNo;
            bestFilled = filled;
        }
    }
    return best;
}

void FillTreeChart(benchmark::State& state)
{
    const PersonList& persons = Family(int(state.range(0)));
    const qint32 recNo = DeepestRecent(persons);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAncestorChart(persons, recNo, Lang::English));
}

void ChartPrintoutList(benchmark::State& state)
{
    const PersonList& persons = Family(int(state.range(0)));
    const qint32 recNo = DeepestRecent(persons);
    ChartPrintOptions options;
    options.pictureSize = [](const QString&) { return QSize(640, 480); };
    for (auto _ : state) {
        const AncestorChart chart = BuildAncestorChart(persons, recNo, Lang::English);
        benchmark::DoNotOptimize(ChartPrintout(persons, chart, options));
    }
}

} // namespace

BENCHMARK(FillTreeChart)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(ChartPrintoutList)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
