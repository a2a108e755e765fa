// The print table at the size it is built for: building the rows, each scope, hiding the
// unchecked rows, sorting by the name columns and ticking one row, on a generated family.
#include "gedcom/familygenerator.h"
#include "print/printtable.h"

#include <benchmark/benchmark.h>

using namespace kinrow;

namespace {

constexpr int PersonCount = 1'000'000;

const PersonList& Family()
{
    static const PersonList persons = GenerateFamily(PersonCount, 1);
    return persons;
}

// A table built from the family with every person ticked, as the "all" scope leaves it.
PrintTable FilledTable()
{
    PrintTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    table.setRows(PrintRows(Family(), Lang::Turkish));
    table.setScope(PrintScope::All);
    table.applyScope({});
    return table;
}

ScopeContext ContextOf(qint32 recNo)
{
    return {FamilyOf(Family(), recNo), Family()[std::size_t(recNo - 1)].Surname};
}

void BM_BuildRows(benchmark::State& state)
{
    PrintTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    for (auto _ : state) {
        table.setRows(PrintRows(Family(), Lang::Turkish));
        benchmark::DoNotOptimize(table.size());
    }
}

void BM_ApplyScope(benchmark::State& state)
{
    PrintTable table = FilledTable();
    table.setScope(PrintScope(state.range(0)));
    table.setUncheckedRows(UncheckedRows::Hide);
    const ScopeContext context = ContextOf(PersonCount / 2);
    for (auto _ : state) {
        table.applyScope(context);
        benchmark::DoNotOptimize(table.visibleOrder().size());
    }
}

void BM_HideUnchecked(benchmark::State& state)
{
    PrintTable table = FilledTable();
    table.setScope(PrintScope::Males);
    table.applyScope({});
    UncheckedRows choice = UncheckedRows::Hide;
    for (auto _ : state) {
        table.setUncheckedRows(choice);
        table.applyUncheckedRows();
        benchmark::DoNotOptimize(table.visibleOrder().size());
        choice = choice == UncheckedRows::Hide ? UncheckedRows::Show : UncheckedRows::Hide;
    }
}

// The first sort by a column, collation keys included, as after each opening of the page.
void BM_FirstSort(benchmark::State& state)
{
    const int column = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        PrintTable table = FilledTable();
        state.ResumeTiming();
        table.headerClick(column);
        benchmark::DoNotOptimize(table.visibleOrder().size());
        state.PauseTiming();
        table = PrintTable();
        state.ResumeTiming();
    }
}

void BM_TickOneRow(benchmark::State& state)
{
    PrintTable table = FilledTable();
    table.setUncheckedRows(UncheckedRows::Hide);
    bool checked = false;
    for (auto _ : state) {
        table.setCheckedByUser(PersonCount / 2, checked);
        benchmark::DoNotOptimize(table.checkedCount());
        checked = !checked;
    }
}

} // namespace

BENCHMARK(BM_BuildRows)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ApplyScope)
    ->ArgName("scope")
    ->DenseRange(0, 4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(BM_HideUnchecked)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_FirstSort)
    ->ArgName("column")
    ->Arg(PrintColumnGivenName)
    ->Arg(PrintColumnSurname)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_TickOneRow)->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
