// Feeds arbitrary bytes to the family file reader and checks the person list it leaves behind.
#include "gedcom/gedcomreader.h"

#include <QSet>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace {

// Record numbers are positions and every link names an existing record.
bool linksAreSound(const kinrow::PersonList& persons)
{
    const auto count = qint32(persons.size());
    for (qint32 n = 1; n <= count; ++n) {
        const kinrow::TTreeData& p = persons[size_t(n - 1)];
        if (p.Id != n || p.MotherId < 0 || p.MotherId > count || p.FatherId < 0 ||
            p.FatherId > count)
            return false;
        for (const QList<qint32>* list : {&p.Spouses, &p.Children}) {
            if (QSet<qint32>(list->begin(), list->end()).size() != list->size())
                return false;
            for (qint32 link : *list) {
                if (link < 1 || link > count)
                    return false;
            }
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    kinrow::PersonList persons;
    kinrow::ErrorList errors;
    const bool ok = kinrow::ReadGedcomBytes(bytes, QStringLiteral("fuzz.ged"), persons, errors,
                                            kinrow::ReadOptions());
    if ((!ok && !persons.empty()) || !linksAreSound(persons) || errors.lines.size() > 10001)
        __builtin_trap();
    // Read in many small parts on threads, the file must give exactly the same.
    kinrow::ReadOptions parts;
    parts.threads = 3;
    parts.minPartBytes = 16;
    kinrow::PersonList partPersons;
    kinrow::ErrorList partErrors;
    const bool partOk =
        kinrow::ReadGedcomBytes(bytes, QStringLiteral("fuzz.ged"), partPersons, partErrors, parts);
    if (partOk != ok || partPersons != persons || partErrors.lines != errors.lines ||
        partErrors.visible != errors.visible)
        __builtin_trap();
    return 0;
}
