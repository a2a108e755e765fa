// Long run of the editing-history round trip: random histories on generated families, each
// written and read back, until the given number of histories has passed or one fails.
#include "editing/editinghistory.h"
#include "gedcom/familygenerator.h"

#include <cstdio>
#include <string>

using namespace kinrow;
using namespace kinrow::testing;

int main(int argc, char** argv)
{
    const quint64 histories = argc > 1 ? std::stoull(argv[1]) : 100000;
    const quint64 firstSeed = argc > 2 ? std::stoull(argv[2]) : 1000003;
    quint64 operations = 0, reordered = 0;
    for (quint64 h = 0; h < histories; ++h) {
        const quint64 seed = firstSeed + h;
        EditingHistory history(GenerateFamily(4 + int(seed % 120), seed), seed);
        history.forgetSomeSexes();
        const int steps = 1 + int(seed % 97);
        for (int s = 0; s < steps; ++s)
            operations += history.step() ? 1 : 0;
        int named = 0;
        const std::optional<QString> difference = RoundTripDifference(history.persons(), &named);
        reordered += quint64(named);
        if (difference) {
            std::printf("seed %llu: %s\n", static_cast<unsigned long long>(seed),
                        qPrintable(*difference));
            return 1;
        }
    }
    std::printf(
        "%llu histories, %llu operations, %llu child orders kept by the marker, no difference\n",
        static_cast<unsigned long long>(histories), static_cast<unsigned long long>(operations),
        static_cast<unsigned long long>(reordered));
    return 0;
}
