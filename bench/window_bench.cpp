// Time the window takes to open a family file, with its progress bar and repainting.
#include "editing/personpage.h"
#include "shell/aboutpage.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
};

// A family of n persons in the program's dialect: couples 2f-1 and 2f form family f, whose
// children are persons 4f-1 to 4f+2.
QByteArray FamilyFile(int n)
{
    QByteArray out = "0 HEAD\r\n1 SOUR Kinrow\r\n2 VERS 3.04\r\n1 CHAR ANSI\r\n";
    out.reserve(qsizetype(n) * 120);
    for (int p = 1; p <= n; ++p) {
        const QByteArray id = QByteArray::number(p);
        out += "0 @I" + id + "@ INDI\r\n1 NAME AD" + id + " /SOYAD" + QByteArray::number(p % 97) +
               "/\r\n1 SEX " + (p % 2 ? "M" : "F") + "\r\n1 BIRT\r\n2 DATE " +
               QByteArray::number(1900 + p % 100) + "\r\n2 PLAC ANKARA\r\n";
        out += "1 FAMS @F" + QByteArray::number((p + 1) / 2) + "@\r\n";
        if (p >= 3)
            out += "1 FAMC @F" + QByteArray::number((p - 3) / 4 + 1) + "@\r\n";
    }
    for (int f = 1; 2 * f <= n; ++f) {
        out += "0 @F" + QByteArray::number(f) + "@ FAM\r\n1 HUSB @I" +
               QByteArray::number(2 * f - 1) + "@\r\n1 WIFE @I" + QByteArray::number(2 * f) +
               "@\r\n";
        for (int c = 4 * f - 1; c <= 4 * f + 2 && c <= n; ++c)
            out += "1 CHIL @I" + QByteArray::number(c) + "@\r\n";
    }
    out += "0 TRLR\r\n";
    return out;
}

QString FamilyFilePath(int n)
{
    static QTemporaryDir dir;
    static std::map<int, QString> made;
    if (auto found = made.find(n); found != made.end())
        return found->second;
    const QString path = dir.filePath(QStringLiteral("family%1.ged").arg(n));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(FamilyFile(n));
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
        window.Button_DevamClick(window.TabSheet_About->BitBtn_Dosya);
        benchmark::DoNotOptimize(window.appState().persons.size());
    }
    state.counters["persons"] = double(window.appState().persons.size());
}
BENCHMARK(BM_OpenFamilyFile)
    ->Arg(10000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Showing record 1 once the file is open: its cost must not grow with the family.
void BM_ShowRecordOne(benchmark::State& state)
{
    auto prompts = std::make_unique<BenchPrompts>();
    prompts->file = FamilyFilePath(int(state.range(0)));
    TForm_Main window({}, std::move(prompts));
    window.show();
    window.Button_DevamClick(window.TabSheet_About->BitBtn_Dosya);
    window.appState().recNoMain = 1;
    for (auto _ : state)
        window.TabSheet_Main->ShowRecord();
}
BENCHMARK(BM_ShowRecordOne)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

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
