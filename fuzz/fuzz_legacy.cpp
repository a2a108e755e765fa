// Feeds arbitrary bytes to the legacy import: the first two bytes give the length of a picture
// folder listing (names separated by newlines) that follows them; the rest is the file.
#include "gedcom/legacydat.h"

#include <QByteArrayView>
#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArrayView input(reinterpret_cast<const char*>(data), qsizetype(size));
    QStringList listing;
    if (input.size() >= 2) {
        const qsizetype length = qMin<qsizetype>((data[0] << 8) | data[1], input.size() - 2);
        listing = QString::fromLatin1(input.sliced(2, length)).split(u'\n');
        input = input.sliced(2 + length);
    }
    kinrow::PersonList persons;
    kinrow::ErrorList errors;
    kinrow::ReadLegacyDatBytes(input, QStringLiteral("fuzz.dat"), listing, persons, errors,
                               kinrow::ReadOptions());
    return 0;
}
