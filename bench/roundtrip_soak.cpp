// Long run of the editing-history round trip: random histories on generated families, each
// written and read back, until the given number of histories has passed or one fails.
#include "gedcom/editinghistory.h"
#include "gedcom/familygenerator.h"
#include "gedcom/gedcomreader.h"
#include "gedcom/gedcomwriter.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace kinrow;
using namespace kinrow::testing;

namespace {

QString numbers(const QSet<qint32>& set)
{
    QList<qint32> sorted(set.begin(), set.end());
    std::sort(sorted.begin(), sorted.end());
    QStringList t;
    for (qint32 n : sorted)
        t << QString::number(n);
    return t.join(u' ');
}

} // namespace

int main(int argc, char** argv)
{
    const quint64 histories = argc > 1 ? std::stoull(argv[1]) : 100000;
    const quint64 firstSeed = argc > 2 ? std::stoull(argv[2]) : 1000003;
    const QString fileName = QStringLiteral("/nonexistent/kinrow-soak/aile.ged");
    quint64 operations = 0, reordered = 0;
    for (quint64 h = 0; h < histories; ++h) {
        const quint64 seed = firstSeed + h;
        EditingHistory history(GenerateFamily(4 + int(seed % 120), seed), seed);
        history.forgetSomeSexes();
        const int steps = 1 + int(seed % 97);
        for (int s = 0; s < steps; ++s)
            operations += history.step() ? 1 : 0;
        const PersonList& persons = history.persons();
        PersonList read;
        ErrorList errors;
        const QByteArray bytes = WriteGedcomBytes(persons, fileName, {});
        std::optional<QString> difference;
        if (!ReadGedcomBytes(bytes, fileName, read, errors, {})) {
            difference = QStringLiteral("refused");
        } else {
            // The records named for their order of children must be exactly those whose
            // order changed, and the model of carried orders must name the same.
            const PersonList want = CarriedPersons(persons);
            const QSet<qint32> named = RecordsNamedForChildOrder(errors);
            reordered += quint64(named.size());
            difference = FirstDifference(read, want, named);
            QSet<qint32> modelled;
            for (qint32 n = 1; n <= qint32(persons.size()); ++n)
                if (!ChildOrderExpressible(persons, n))
                    modelled.insert(n);
            if (!difference && named != RecordsWithOtherChildOrder(read, want))
                difference = QStringLiteral("named records differ from changed orders");
            else if (!difference && named != modelled)
                difference = QStringLiteral("named records differ from the model: named ") +
                             numbers(named) + QStringLiteral(", modelled ") + numbers(modelled);
            else if (!difference && !named.isEmpty() && !errors.visible)
                difference = QStringLiteral("the error list stays closed");
        }
        if (difference) {
            std::printf("seed %llu: %s\n", static_cast<unsigned long long>(seed),
                        qPrintable(*difference));
            return 1;
        }
    }
    std::printf("%llu histories, %llu operations, %llu child orders named, no difference\n",
                static_cast<unsigned long long>(histories),
                static_cast<unsigned long long>(operations),
                static_cast<unsigned long long>(reordered));
    return 0;
}
