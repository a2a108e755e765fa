// Timings of the editing operations on a family of a million persons.
#include "editing/acceptance.h"
#include "editing/addforms.h"
#include "editing/deletion.h"
#include "editing/linking.h"
#include "editing/sexchange.h"

#include <benchmark/benchmark.h>

using namespace kinrow;

namespace {

constexpr int FamilySize = 1'000'000;

// Couples of consecutive records, each couple with the next two couples' husbands as sons.
const PersonList& BigFamily()
{
    static const PersonList persons = [] {
        PersonList list(FamilySize);
        for (int i = 0; i < FamilySize; ++i) {
            TTreeData& p = list[size_t(i)];
            p.Id = i + 1;
            p.GivenName = QStringLiteral("GIVEN%1").arg(i % 5000);
            p.Surname = QStringLiteral("SURNAME%1").arg(i % 700);
            p.Sex = i % 2 == 0 ? SexMale : SexFemale;
        }
        for (int h = 1; h + 1 <= FamilySize; h += 2) {
            list[size_t(h) - 1].Spouses = {h + 1};
            list[size_t(h)].Spouses = {h};
            for (int c : {2 * h + 1, 2 * h + 3}) {
                if (c > FamilySize)
                    continue;
                list[size_t(h) - 1].Children << c;
                list[size_t(h)].Children << c;
                list[size_t(c) - 1].FatherId = h;
                list[size_t(c) - 1].MotherId = h + 1;
            }
        }
        return list;
    }();
    return persons;
}

void Candidates(benchmark::State& state)
{
    const PersonList& persons = BigFamily();
    for (auto _ : state)
        benchmark::DoNotOptimize(LinkCandidates(persons, 501, RelativeRole::Mother));
}
BENCHMARK(Candidates)->Unit(benchmark::kMillisecond);

void SameNameScan(benchmark::State& state)
{
    const PersonList& persons = BigFamily();
    const QString given = QStringLiteral("NOBODY");
    const QString surname = QStringLiteral("ANYWHERE");
    for (auto _ : state)
        benchmark::DoNotOptimize(FindSameName(persons, given, surname));
}
BENCHMARK(SameNameScan)->Unit(benchmark::kMillisecond);

void AddChild(benchmark::State& state)
{
    PersonList persons = BigFamily();
    // The vector's occasional growth is amortised; keep it out of the per-add figure.
    persons.reserve(persons.size() + 1);
    for (auto _ : state) {
        const AddFormPrefill prefill =
            PrepareAddForm(persons, 501, RelativeRole::Child, 0, Lang::English);
        PersonForm form = prefill.Form;
        form.GivenName = QStringLiteral("NEW");
        benchmark::DoNotOptimize(ApplyAcceptedForm(persons, 501, prefill.Mode, form));
        state.PauseTiming();
        DeletePerson(persons, qint32(persons.size()));
        state.ResumeTiming();
    }
}
BENCHMARK(AddChild)->Unit(benchmark::kMicrosecond)->Iterations(200);

void SexChangeOfACouple(benchmark::State& state)
{
    PersonList persons = BigFamily();
    for (auto _ : state) {
        const QList<qint32> group = SpouseGroup(persons, 501);
        const QList<qint32> children = AffectedChildren(persons, group);
        benchmark::DoNotOptimize(SexChangeQuestion(persons, group, children, Lang::English));
        ApplySexChange(persons, group, children);
    }
}
BENCHMARK(SexChangeOfACouple)->Unit(benchmark::kMicrosecond);

void DeleteLast(benchmark::State& state)
{
    PersonList persons = BigFamily();
    for (auto _ : state)
        DeletePerson(persons, qint32(persons.size()));
}
BENCHMARK(DeleteLast)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

BENCHMARK_MAIN();
