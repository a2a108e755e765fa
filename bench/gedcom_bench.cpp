#include "gedcom/familygenerator.h"
#include "gedcom/familysave.h"
#include "gedcom/gedcomreader.h"
#include "gedcom/gedcomwriter.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <map>
#include <memory>

namespace {

using namespace kinrow;

// One generated family per size, in memory and as a file, made on first use.
struct Sample
{
    PersonList persons;
    QString file;
    qint64 bytes = 0;
};

const Sample& sample(int n)
{
    static QTemporaryDir dir;
    static std::map<int, std::unique_ptr<Sample>> samples;
    auto& slot = samples[n];
    if (!slot) {
        slot = std::make_unique<Sample>();
        slot->persons = GenerateFamily(n, 2024);
        slot->file = dir.filePath(QStringLiteral("aile%1.ged").arg(n));
        const QByteArray bytes = WriteGedcomBytes(slot->persons, slot->file, {});
        slot->bytes = bytes.size();
        WriteFileAtomically(slot->file, bytes);
    }
    return *slot;
}

void BM_Write(benchmark::State& state)
{
    const Sample& s = sample(int(state.range(0)));
    for (auto _ : state) {
        QByteArray bytes = WriteGedcomBytes(s.persons, s.file, {});
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * s.bytes);
    state.counters["persons"] = double(s.persons.size());
}

void BM_Save(benchmark::State& state)
{
    const Sample& s = sample(int(state.range(0)));
    const QString target = s.file + QStringLiteral(".saved.ged");
    for (auto _ : state)
        SaveFamilyFile(target, s.persons, {});
    state.SetBytesProcessed(state.iterations() * s.bytes);
}

void BM_Read(benchmark::State& state)
{
    const Sample& s = sample(int(state.range(0)));
    QDir::setCurrent(QFileInfo(s.file).absolutePath());
    for (auto _ : state) {
        PersonList persons;
        ErrorList errors;
        ReadGedcom(s.file, persons, errors, {});
        benchmark::DoNotOptimize(persons.data());
    }
    state.SetBytesProcessed(state.iterations() * s.bytes);
}

// The same file with LF line ends only, and as another program's file: both must stay linear.
void BM_ReadVariant(benchmark::State& state, bool foreign)
{
    const Sample& s = sample(int(state.range(0)));
    QByteArray bytes = WriteGedcomBytes(s.persons, s.file, {});
    bytes.replace("\r\n", "\n");
    if (foreign)
        bytes.replace("1 SOUR Kinrow\n", "1 SOUR Other\n");
    for (auto _ : state) {
        PersonList persons;
        ErrorList errors;
        ReadGedcomBytes(bytes, s.file, persons, errors, {});
        benchmark::DoNotOptimize(persons.data());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ReadLfOnly(benchmark::State& state)
{
    BM_ReadVariant(state, false);
}

void BM_ReadOtherProgram(benchmark::State& state)
{
    BM_ReadVariant(state, true);
}

void BM_Generate(benchmark::State& state)
{
    for (auto _ : state) {
        PersonList persons = GenerateFamily(int(state.range(0)), 2024);
        benchmark::DoNotOptimize(persons.data());
    }
}

// Reading and writing use every core: the time that counts is the wall time, and the processor
// time is that of the whole process.
void sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
    b->MeasureProcessCPUTime()->UseRealTime();
}

BENCHMARK(BM_Write)->Apply(sizes);
BENCHMARK(BM_Save)->Apply(sizes);
BENCHMARK(BM_Read)->Apply(sizes);
BENCHMARK(BM_ReadLfOnly)->Apply(sizes);
BENCHMARK(BM_ReadOtherProgram)->Apply(sizes);
BENCHMARK(BM_Generate)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
