// Timings of the ancestor chart: its slots and its printout's drawing list, at 10k and 1M persons.
#include "chart/ancestorslots.h"
#include "chart/chartprintout.h"
#include "gedcom/familygenerator.h"

#include "deepestrecent.h"

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

void FillTreeChart(benchmark::State& state)
{
    const PersonList& persons = Family(int(state.range(0)));
    const qint32 recNo = bench::DeepestRecent(persons);
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildAncestorChart(persons, recNo, Lang::English));
}

void ChartPrintoutList(benchmark::State& state)
{
    const PersonList& persons = Family(int(state.range(0)));
    const qint32 recNo = bench::DeepestRecent(persons);
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
