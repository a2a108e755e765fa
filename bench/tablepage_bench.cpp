// The generation table page on a person with about a million descendants: building the
// table, "Hepsini Aç" and the export of every row through the page.
#include "descendantfamily.h"
#include "model/session.h"
#include "table/generationmodel.h"
#include "table/tablepage.h"
#include "ui/prompts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QTreeView>

using namespace kinrow;

namespace {

// Saves every export to one file in the temporary folder, in the format of the filter given.
class SavePrompts : public Prompts
{
public:
    int filterIndex = 0;
    PromptAnswer message(MessageKind, const QString&, MessageButtons) override
    {
        return PromptAnswer::Ok;
    }
    std::optional<FamilyFileChoice> openFamilyFile(const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> openPicture(const QString&, const QString&) override { return {}; }
    std::optional<SaveFileChoice> saveFile(const QString&, const QString&, const QString&) override
    {
        return SaveFileChoice{QDir::temp().filePath(u"kinrow_table_bench"_qs), filterIndex};
    }
    std::optional<QFont> chooseFont(const QFont&) override { return std::nullopt; }
    bool choosePrinter(QPrinter&, int) override { return false; }
    // The generation limit prompt: every generation.
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return u"99"_qs;
    }
};

struct Page
{
    Session session;
    SavePrompts prompts;
    TablePage page{session, prompts};

    Page()
    {
        session.replaceFamily(bench::DescendantFamily());
        session.setRecNoMain(1);
        page.resize(616, 480);
        page.show();
        page.BitBtn_NesilClick();
    }
};

void BuildPage(benchmark::State& state)
{
    Page p;
    for (auto _ : state) {
        p.page.SB_TViewClick();
        QApplication::processEvents();
    }
    state.counters["rows"] = double(p.page.model()->table().size());
}

void ExpandAll(benchmark::State& state)
{
    Page p;
    for (auto _ : state) {
        p.page.HepsiniA1Click();
        QApplication::processEvents();
        state.PauseTiming();
        p.page.HepsiniKapat1Click();
        state.ResumeTiming();
    }
}

void ExportAllRows(benchmark::State& state)
{
    Page p;
    p.page.HepsiniA1Click();
    p.prompts.filterIndex = int(state.range(0));
    for (auto _ : state)
        p.page.BitBtn_Nesil_SaveClick();
    QDir::temp().remove(u"kinrow_table_bench"_qs);
}

} // namespace

BENCHMARK(BuildPage)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ExpandAll)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(ExportAllRows)
    ->ArgName("filter")
    ->Arg(0)
    ->Arg(4)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
