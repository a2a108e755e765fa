// Timings of the list printout: 10,000 ticked persons (167 pages) laid out, and printed to PDF.
#include "gedcom/familygenerator.h"
#include "print/listprinting.h"
#include "print/printtable.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace kinrow;

namespace {

std::vector<ListPrintRow> TickedRows()
{
    static const std::vector<ListPrintRow> rows = [] {
        PrintTable table;
        table.setRows(PrintRows(GenerateFamily(10'000, 1), Lang::English));
        table.setScope(PrintScope::All);
        table.applyScope({});
        return CheckedListRows(table);
    }();
    return rows;
}

void BM_ListPrintoutLayout(benchmark::State& state)
{
    const std::vector<ListPrintRow> rows = TickedRows();
    ListPrintOptions options;
    options.pageDots = QSize(9500, 13800);
    options.textExtent = [](const QString& text, const DrawFont&) {
        return QSize(40 * int(text.size()), 80);
    };
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildListPrintout(rows, options));
}
BENCHMARK(BM_ListPrintoutLayout)->Unit(benchmark::kMillisecond);

void BM_ListPrintToPdf(benchmark::State& state)
{
    const std::vector<ListPrintRow> rows = TickedRows();
    QTemporaryDir dir;
    for (auto _ : state) {
        QPdfWriter writer(dir.filePath(QStringLiteral("list.pdf")));
        const ListPrintResult result = PrintListPages(writer, rows, ListPrintOptions());
        if (!result.printed || result.pagesDrawn != 167)
            state.SkipWithError("printing failed");
    }
}
BENCHMARK(BM_ListPrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
