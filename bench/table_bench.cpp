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
BENCHMARK(VisibleRowsAllExpanded)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Export)
    ->ArgName("format")
    ->DenseRange(1, 5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK_MAIN();
