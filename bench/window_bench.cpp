// Time the window takes to open a family file, with its progress bar and repainting.
#include "chart/ancestorslots.h"
#include "chart/chartpage.h"
#include "editing/personpage.h"
#include "gedcom/familygenerator.h"
#include "gedcom/gedcomwriter.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "deepestrecent.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>

using namespace kinrow;

namespace {

// Answers every dialog with the benchmark's file and every question with OK.
class BenchPrompts : public Prompts
{
public:
    QString file;
    PromptAnswer message(MessageKind, const QString&, MessageButtons) override
    {
        return PromptAnswer::Ok;
    }
    std::optional<FamilyFileChoice> openFamilyFile(const QString&, const QString&) override
    {
        return FamilyFileChoice{file, false};
    }
    std::optional<QString> openPicture(const QString&, const QString&) override { return {}; }
    std::optional<SaveFileChoice> saveFile(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    std::optional<QFont> chooseFont(const QFont&) override { return {}; }
    std::optional<QString> inputBox(const QString&, const QString&, const QString&) override
    {
        return {};
    }
    bool choosePrinter(QPrinter&, int) override { return false; }
};

QString FamilyFilePath(int n)
{
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    if (auto found = made.find(n); found != made.end())
        return found->second;
    const QString path = dir.filePath(QStringLiteral("family%1.ged").arg(n));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(WriteGedcomBytes(GenerateFamily(n, 1), path, WriteOptions()));
    return made[n] = path;
}

void BM_OpenFamilyFile(benchmark::State& state)
{
    const QString path = FamilyFilePath(int(state.range(0)));
    auto prompts = std::make_unique<BenchPrompts>();
    prompts->file = path;
    TForm_Main window({}, std::move(prompts));
    window.show();
    for (auto _ : state) {
        window.findChild<QPushButton*>("BitBtn_Dosya")->click();
        benchmark::DoNotOptimize(window.session().persons().size());
    }
    state.counters["persons"] = double(window.session().persons().size());
}
BENCHMARK(BM_OpenFamilyFile)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Iterations(3);

// Showing record 1 once the file is open: its cost must not grow with the family.
void BM_ShowRecordOne(benchmark::State& state)
{
    auto prompts = std::make_unique<BenchPrompts>();
    prompts->file = FamilyFilePath(int(state.range(0)));
    TForm_Main window({}, std::move(prompts));
    window.show();
    window.findChild<QPushButton*>("BitBtn_Dosya")->click();
    window.session().setRecNoMain(1);
    for (auto _ : state)
        window.TabSheet_Main->ShowRecord();
}
BENCHMARK(BM_ShowRecordOne)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Filling the chart page in the shown window: its cost must not grow with the family.
void BM_FillTreeChart(benchmark::State& state)
{
    auto prompts = std::make_unique<BenchPrompts>();
    prompts->file = FamilyFilePath(int(state.range(0)));
    TForm_Main window({}, std::move(prompts));
    window.show();
    window.findChild<QPushButton*>("BitBtn_Dosya")->click();
    const qint32 recNo = bench::DeepestRecent(window.session().persons());
    window.session().setRecNoMain(recNo);
    window.SB_TreeClick();
    for (auto _ : state)
        window.TabSheet_Tree->FillTreeChart(recNo);
    state.counters["filled slots"] = double(std::count_if(
        window.TabSheet_Tree->chart().slots.begin(), window.TabSheet_Tree->chart().slots.end(),
        [](const AncestorSlot& s) { return s.recNo > 0; }));
}
BENCHMARK(BM_FillTreeChart)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
