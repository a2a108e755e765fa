// Building and exporting the generation table of a person with about a million descendants.
#include "table/generationcolumns.h"
#include "table/generationtable.h"
#include "table/tableexport.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

using namespace kinrow;

namespace {

constexpr int DescendantCount = 1'000'000;

// Person 1 with a short pedigree and about DescendantCount descendants: every descendant
// marries someone from outside the family, couples have 0 to 4 children.
const PersonList& Family()
{
    static const PersonList persons = [] {
        static const QString names[] = {u"AHMET"_qs, u"AYŞE"_qs,   u"MEHMET"_qs,  u"FATMA"_qs,
                                        u"ALİ"_qs,   u"ZEYNEP"_qs, u"HÜSEYİN"_qs, u"EMİNE"_qs};
        static const QString places[] = {u"İZMİR"_qs, u"ÜSKÜDAR, İSTANBUL"_qs, u"ÇORUM"_qs};
        QRandomGenerator random(7);
        PersonList list;
        list.reserve(std::size_t(DescendantCount) * 2 + 64);
        auto add = [&](char sex) {
            TTreeData p;
            p.Id = qint32(list.size()) + 1;
            p.Sex = sex;
            p.GivenName = names[random.bounded(4) * 2 + (sex == SexFemale ? 1 : 0)];
            p.Surname = u"YILMAZ"_qs;
            p.BirthPlace = places[random.bounded(3)];
            p.BirthDate = 1700 + random.bounded(300);
            if (random.bounded(2) == 0)
                p.DeathDate = 2440000 + random.bounded(100000);
            list.push_back(p);
            return p.Id;
        };
        auto at = [&](qint32 n) -> TTreeData& { return list[std::size_t(n - 1)]; };
        auto link = [&](qint32 child, qint32 mother, qint32 father) {
            at(child).MotherId = mother;
            at(child).FatherId = father;
            at(mother).Children.append(child);
            at(father).Children.append(child);
        };
        add(SexMale);
        // Six generations of full pedigree above person 1.
        std::vector<qint32> generation{1};
        for (int g = 0; g < 6; ++g) {
            std::vector<qint32> parents;
            for (qint32 child : generation) {
                const qint32 father = add(SexMale);
                const qint32 mother = add(SexFemale);
                at(father).Spouses.append(mother);
                at(mother).Spouses.append(father);
                link(child, mother, father);
                parents.push_back(father);
                parents.push_back(mother);
            }
            generation = parents;
        }
        std::vector<qint32> queue{1};
        int descendants = 0;
        for (std::size_t i = 0; i < queue.size() && descendants < DescendantCount; ++i) {
            const qint32 parent = queue[i];
            const bool man = at(parent).Sex == SexMale;
            const qint32 spouse = add(man ? SexFemale : SexMale);
            at(parent).Spouses.append(spouse);
            at(spouse).Spouses.append(parent);
            const int children = i < 20 ? 3 : int(random.bounded(5));
            for (int c = 0; c < children && descendants < DescendantCount; ++c, ++descendants) {
                const qint32 child = add(random.bounded(2) ? SexMale : SexFemale);
                link(child, man ? spouse : parent, man ? parent : spouse);
                queue.push_back(child);
            }
        }
        return list;
    }();
    return persons;
}

GenerationTable Build()
{
    return BuildGenerationTable(Family(), 1, {99, Lang::Turkish});
}

void BuildTable(benchmark::State& state)
{
    Family();
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
