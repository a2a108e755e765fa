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

// No loop, but each couple are brother and sister, children of the couple above them: the
// ancestors' rows double with each generation until the table's bound stops them.
void BuildDoublingTable(benchmark::State& state)
{
    constexpr qint32 Couples = 30;
    PersonList persons(std::size_t(2 * Couples + 1));
    for (qint32 n = 1; n <= 2 * Couples + 1; ++n) {
        TTreeData& p = persons[std::size_t(n - 1)];
        p.Id = n;
        p.GivenName = u"AD"_qs;
        p.Surname = u"SOYAD"_qs;
        p.Sex = n % 2 == 1 && n > 1 ? SexFemale : SexMale;
    }
    auto child = [&](qint32 father, qint32 n) {
        persons[std::size_t(n - 1)].FatherId = father;
        persons[std::size_t(n - 1)].MotherId = father + 1;
        persons[std::size_t(father - 1)].Children.append(n);
        persons[std::size_t(father)].Children.append(n);
    };
    child(2, 1);
    for (qint32 k = 2; k <= Couples; ++k) {
        child(2 * k, 2 * k - 2);
        child(2 * k, 2 * k - 1);
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
BENCHMARK(BuildDoublingTable)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(VisibleRowsAllExpanded)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(Export)
    ->ArgName("format")
    ->DenseRange(1, 5)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

BENCHMARK_MAIN();
