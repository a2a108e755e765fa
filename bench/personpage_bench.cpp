// Time of showing one person on the person page, for families of growing size.
#include "editing/personpage.h"
#include "ui/prompts.h"

#include <QApplication>

#include <benchmark/benchmark.h>

using namespace kinrow;

namespace {

// Record 5 with both parents, two spouses, three children and three siblings; everybody else
// unrelated, so only the size of the family changes between runs.
void Family(Session& state, int size)
{
    PersonList p(std::size_t(size), TTreeData{});
    for (int i = 0; i < size; ++i) {
        TTreeData& person = p[std::size_t(i)];
        person.Id = i + 1;
        person.GivenName = QStringLiteral("AHMET");
        person.Surname = QStringLiteral("YILMAZ");
        person.Sex = i % 2 == 0 ? SexMale : SexFemale;
    }
    p[4].MotherId = 2;
    p[4].FatherId = 1;
    p[4].Spouses = {6, 8};
    p[4].Children = {10, 11, 12};
    p[0].Children = {3, 4, 5, 7};
    p[1].Children = {3, 4, 5, 9};
    state.replaceFamily(std::move(p));
    state.setRecNoMain(5);
}

void BM_ShowRecord(benchmark::State& run)
{
    Session state;
    Family(state, int(run.range(0)));
    DialogPrompts prompts(nullptr); // shows nothing: ShowRecord asks nothing
    PersonPage page(state, prompts);
    for (auto _ : run)
        page.ShowRecord();
}
BENCHMARK(BM_ShowRecord)->Arg(1'000)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
