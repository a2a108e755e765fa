// Building and exporting the generation table of a person with about a million descendants.
#include "descendantfamily.h"
#include "table/generationcolumns.h"
#include "table/generationtable.h"
#include "table/tableexport.h"

#include <benchmark/benchmark.h>

using namespace kinrow;
using kinrow::bench::DescendantFamily;

namespace {

GenerationTable Build()
{
    return BuildGenerationTable(DescendantFamily(), 1, {99, Lang::Turkish});
}

void BuildTable(benchmark::State& state)
{
    DescendantFamily();
    qsizetype rows = 0;
    for (auto _ : state) {
        const GenerationTable table = Build();
        rows = table.size();
        benchmark::DoNotOptimize(table.row(0));
    }
    state.counters["rows"] = double(rows);
}

// Three persons whose parents are always the same two of them: the rows double with each
// generation until the table's bound stops them.
void BuildLoopingTable(benchmark::State& state)
{
    PersonList persons(3);
    for (qint32 n = 1; n <= 3; ++n) {
        TTreeData& p = persons[std::size_t(n - 1)];
        p.Id = n;
        p.GivenName = u"AD"_qs;
        p.Surname = u"SOYAD"_qs;
        p.Sex = n == 3 ? SexFemale : SexMale;
        p.FatherId = 2;
        p.MotherId = 3;
        persons[1].Children.append(n);
        persons[2].Children.append(n);
    }
    qsizetype rows = 0;
    for (auto _ : state) {
        const GenerationTable table = BuildGenerationTable(persons, 1, {99, Lang::Turkish});
        rows = table.size();
    }
    state.counters["rows"] = double(rows);
}

void VisibleRowsAllExpanded(benchmark::State& state)
{
    const GenerationTable table = Build();
    for (auto _ : state)
        benchmark::DoNotOptimize(VisibleRows(table, [](qint32) { return true; }).size());
}

void Export(benchmark::State& state)
{
    const GenerationTable table = Build();
    const ExportStyle style = GenerationExportStyle(u"Arial"_qs, 96);
    const QList<GenerationColumnView> columns =
        StartGenerationColumns(GenerationHeaders(Lang::Turkish));
    QList<int> indexes;
    for (const GenerationColumnView& column : columns)
        indexes.append(column.index);
    const GenerationExportRows rows(table, VisibleRows(table, [](qint32) { return true; }), indexes,
                                    1, style.gridFont);
    qsizetype bytes = 0;
    for (auto _ : state) {
        bytes = ExportTable(ExportFormat(state.range(0)), rows, GenerationExportColumns(columns),
                            style, u';')
                    .size();
    }
    state.counters["rows"] = double(rows.count());
    state.counters["MB"] = double(bytes) / 1e6;
}

} // namespace

BENCHMARK(BuildTable)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BuildLoopingTable)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(VisibleRowsAllExpanded)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Export)
    ->ArgName("format")
    ->DenseRange(1, 5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK_MAIN();
