#include "gedcom/familygenerator.h"
#include "gedcom/recoverywriter.h"
#include "model/familycheck.h"

#include <benchmark/benchmark.h>

#include <map>

namespace {

using namespace kinrow;

const PersonList& family(int n)
{
    static std::map<int, PersonList> families;
    auto [it, made] = families.try_emplace(n);
    if (made)
        it->second = GenerateFamily(n, 2024);
    return it->second;
}

void BM_CheckFamily(benchmark::State& state)
{
    const PersonList& persons = family(int(state.range(0)));
    std::size_t findings = 0;
    for (auto _ : state) {
        const std::vector<Finding> found = CheckFamily(persons);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["persons"] = double(persons.size());
    state.counters["findings"] = double(findings);
}

// The whole copy of the family that the recovery writer takes on the window's thread.
void BM_RecoverySnapshot(benchmark::State& state)
{
    const PersonList& persons = family(int(state.range(0)));
    for (auto _ : state) {
        PersonList copy = persons;
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["persons"] = double(persons.size());
}

// One turn of that copy: the longest the window's events wait for it.
void BM_RecoveryCopyStep(benchmark::State& state)
{
    const PersonList& persons = family(int(state.range(0)));
    const std::size_t step = std::min(RecoveryWriter::CopyStep, persons.size());
    const auto from = persons.begin() + qsizetype((persons.size() - step) / 2);
    for (auto _ : state) {
        PersonList copy;
        copy.reserve(step);
        copy.insert(copy.end(), from, from + qsizetype(step));
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["persons"] = double(persons.size());
}

} // namespace

BENCHMARK(BM_CheckFamily)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoverySnapshot)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_RecoveryCopyStep)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
