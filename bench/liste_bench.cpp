// Filling, sorting and narrowing the person selection list at the size it is built for.
#include "editing/listedata.h"

#include <benchmark/benchmark.h>

#include <QRandomGenerator>

using namespace kinrow;

namespace {

constexpr int RowCount = 1'000'000;

QString Word(QRandomGenerator& random, int length)
{
    static const QString letters = QStringLiteral("ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ");
    QString text;
    for (int i = 0; i < length; ++i)
        text += letters[random.bounded(int(letters.size()))];
    return text;
}

// Rows with surnames drawn from a pool of the given size (Turkish letters included).
std::vector<TListeData> MakeRows(int surnamePool)
{
    QRandomGenerator random(42);
    std::vector<QString> pool;
    for (int i = 0; i < surnamePool; ++i)
        pool.push_back(Word(random, 4 + i % 6));
    std::vector<TListeData> rows;
    rows.reserve(RowCount);
    for (int i = 0; i < RowCount; ++i)
        rows.push_back({i + 1, Word(random, 5), pool[std::size_t(random.bounded(surnamePool))]});
    return rows;
}

// The persons the rows name, with birth years, for the search keys.
PersonList MakePersons(const std::vector<TListeData>& rows)
{
    QRandomGenerator random(7);
    PersonList persons(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        persons[i].GivenName = rows[i].Ad;
        persons[i].Surname = rows[i].Soyad;
        persons[i].BirthDate = 1800 + random.bounded(220);
    }
    return persons;
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

// Filling the rows with their search keys, as each opening of the list does.
void FillWithSearchKeys(benchmark::State& state)
{
    const std::vector<TListeData> rows = MakeRows(5000);
    const PersonList persons = MakePersons(rows);
    ListeTable table;
    for (auto _ : state) {
        table.setRows(rows, persons);
        benchmark::DoNotOptimize(table.size());
    }
}

// One keystroke: the texts a user types on the way to a surname, and back to nothing.
void NarrowOneKeystroke(benchmark::State& state)
{
    const std::vector<TListeData> rows = MakeRows(5000);
    const PersonList persons = MakePersons(rows);
    ListeTable table(QLocale(QLocale::Turkish, QLocale::Turkey));
    table.setRows(rows, persons);
    table.sort(ListeColumnSoyad, Qt::AscendingOrder);
    const QString surname = rows[123].Soyad;
    QStringList typed;
    for (qsizetype n = 0; n <= surname.size(); ++n)
        typed << surname.left(n).toLower();
    typed << QStringLiteral("19");
    qsizetype next = 0;
    for (auto _ : state) {
        table.setFilter(typed[next]);
        next = (next + 1) % typed.size();
        benchmark::DoNotOptimize(table.size());
    }
}

} // namespace

// 5,000 distinct surnames is a large real family; 1,000,000 is every surname different. The
// work is shared by two threads, so the times are the process's processor time and wall time.
BENCHMARK(FillAndSortBySurname)
    ->Arg(5000)
    ->Arg(RowCount)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(SortAgainBySurnameDescending)
    ->Arg(5000)
    ->Arg(RowCount)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(FillWithSearchKeys)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(NarrowOneKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

BENCHMARK_MAIN();
