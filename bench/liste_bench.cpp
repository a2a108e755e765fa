// Filling and sorting the person selection list at the size it is built for.
#include "editing/listedata.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

using namespace kinrow;

namespace {

constexpr int RowCount = 1'000'000;

// Rows with surnames drawn from a pool of the given size (Turkish letters included).
std::vector<TListeData> MakeRows(int surnamePool)
{
    static const QString letters = QStringLiteral("ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ");
    QRandomGenerator random(42);
    auto word = [&random](int length) {
        QString text;
        for (int i = 0; i < length; ++i)
            text += letters[random.bounded(int(letters.size()))];
        return text;
    };
    std::vector<QString> pool;
    for (int i = 0; i < surnamePool; ++i)
        pool.push_back(word(4 + i % 6));
    std::vector<TListeData> rows;
    rows.reserve(RowCount);
    for (int i = 0; i < RowCount; ++i)
        rows.push_back({i + 1, word(5), pool[std::size_t(random.bounded(surnamePool))]});
    return rows;
}

void FillAndSortBySurname(benchmark::State& state)
{
    const std::vector<TListeData> rows = MakeRows(int(state.range(0)));
    ListeTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    for (auto _ : state) {
        table.setRows(rows);
        table.sort(ListeColumnSoyad, Qt::AscendingOrder);
        benchmark::DoNotOptimize(table.at(0));
    }
}

void SortAgainBySurnameDescending(benchmark::State& state)
{
    ListeTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    table.setRows(MakeRows(int(state.range(0))));
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    Qt::SortOrder order = Qt::DescendingOrder;
    for (auto _ : state) {
        table.sort(ListeColumnSoyad, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}

} // namespace

// 5,000 distinct surnames is a large real family; 1,000,000 is every surname different.
BENCHMARK(FillAndSortBySurname)->Arg(5000)->Arg(RowCount)->Unit(benchmark::kMillisecond);
BENCHMARK(SortAgainBySurnameDescending)->Arg(5000)->Arg(RowCount)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
