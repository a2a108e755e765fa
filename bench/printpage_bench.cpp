// Opening the print page on a generated family of a million persons, the table view included,
// and ticking one row through the model.
#include "gedcom/familygenerator.h"
#include "print/printmodel.h"
#include "print/printpage.h"
#include "ui/prompts.h"

#include <QApplication>
#include <QTableView>

#include <benchmark/benchmark.h>

using namespace kinrow;

namespace {

void BM_OpenPrintPage(benchmark::State& state)
{
    Session session;
    session.replaceFamily(GenerateFamily(int(state.range(0)), 1));
    session.setRecNoMain(qint32(state.range(0) / 2));
    DialogPrompts prompts(nullptr); // the benchmark asks nothing
    PrintPage page(session, prompts);
    page.resize(616, 480);
    page.show();
    for (auto _ : state) {
        page.SB_YazClick();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(page.model()->rowCount());
    }
}

void BM_TickOneRowInTheView(benchmark::State& state)
{
    Session session;
    session.replaceFamily(GenerateFamily(int(state.range(0)), 1));
    DialogPrompts prompts(nullptr); // the benchmark asks nothing
    PrintPage page(session, prompts);
    page.show();
    page.table().setScope(PrintScope::All);
    page.SB_YazClick();
    const QModelIndex index = page.model()->index(page.model()->rowCount() / 2, 0);
    bool checked = false;
    for (auto _ : state) {
        page.model()->setData(index, checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        checked = !checked;
    }
}

} // namespace

BENCHMARK(BM_OpenPrintPage)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_TickOneRowInTheView)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
