// The person selection list in its dialog at a million persons, every surname different: the
// jump list shown sorted by surname, and one keystroke in its search field.
#include "editing/listedata.h"
#include "editing/listedlg.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QRandomGenerator>

using namespace kinrow;

namespace {

constexpr int PersonCount = 1'000'000;
const QString Letters = QStringLiteral("ABCÇDEFGĞHIİJKLMNOÖPRSŞTUÜVYZ");

// A random prefix and the number spelled in letters, so no two surnames are alike.
QString DistinctSurname(QRandomGenerator& random, int number)
{
    QString text;
    for (int i = 0; i < 3; ++i)
        text += Letters[random.bounded(int(Letters.size()))];
    do {
        text += Letters[number % int(Letters.size())];
        number /= int(Letters.size());
    } while (number > 0);
    return text;
}

const PersonList& Family()
{
    static const PersonList persons = [] {
        QRandomGenerator random(42);
        QStringList givenNames;
        for (int i = 0; i < 2000; ++i)
            givenNames << DistinctSurname(random, i).left(5 + i % 3);
        PersonList list(PersonCount);
        for (int i = 0; i < PersonCount; ++i) {
            TTreeData& p = list[std::size_t(i)];
            p.Id = i + 1;
            p.GivenName = givenNames[random.bounded(int(givenNames.size()))];
            p.Surname = DistinctSurname(random, i);
            p.BirthDate = 1800 + random.bounded(220);
            p.Sex = i % 2 ? 'E' : 'K';
        }
        return list;
    }();
    return persons;
}

// A dialog whose sort column is the surname, ascending, as after one click on its header.
void SortBySurname(TForm_ListeDlg& dlg)
{
    dlg.setCollationLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    dlg.VST_ListeHeaderClick(ListeColumnSoyad, Qt::LeftButton, 1);
}

void JumpListShownSortedBySurname(benchmark::State& state)
{
    TForm_ListeDlg dlg;
    SortBySurname(dlg);
    for (auto _ : state) {
        dlg.FillJumpList(Family(), PersonCount / 2, Lang::Turkish);
        dlg.show(); // sorts again by surname and scrolls to the current row
        QCoreApplication::processEvents();
        state.PauseTiming();
        dlg.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

// The texts a user types on the way to a surname and back, one keystroke each.
void OneKeystroke(benchmark::State& state)
{
    TForm_ListeDlg dlg;
    SortBySurname(dlg);
    dlg.FillJumpList(Family(), PersonCount / 2, Lang::Turkish);
    dlg.show();
    QCoreApplication::processEvents();
    auto* find = dlg.findChild<QLineEdit*>(QStringLiteral("Edit_Find"));
    const QString surname = Family()[12345].Surname.toLower();
    QStringList typed;
    for (qsizetype n = 0; n <= surname.size(); ++n)
        typed << surname.left(n);
    for (qsizetype n = surname.size() - 1; n > 0; --n)
        typed << surname.left(n);
    qsizetype next = 0;
    for (auto _ : state) {
        find->setText(typed[next]);
        QCoreApplication::processEvents();
        next = (next + 1) % typed.size();
    }
    dlg.hide();
}

} // namespace

BENCHMARK(JumpListShownSortedBySurname)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(OneKeystroke)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
