#pragma once

#include "gedcom/numberindex.h"
#include "gedcom/readcontext.h"

#include <atomic>
#include <memory>
#include <vector>

namespace kinrow {

// The picture records of a file ("0 @M1@ OBJE" with "1 FILE" lines), which persons name by
// pointer ("1 OBJE @M1@"), found before the persons are read.
class ObjectTable
{
public:
    struct Object
    {
        qint32 number = 0;
        qint64 line = 0;               // the record's opening line
        qint64 keptLines = 0;          // the lines a person's picture entries take from it
        std::vector<GedcomLine> files; // its FILE lines
    };

    void read(const ReadContext& context);
    // The first record with this number, null when there is none.
    const Object* find(qint32 number) const;
    // A person took the record's pictures; safe from several threads.
    void markUsed(const Object& object) const;
    // The records no person took, in file order.
    std::vector<const Object*> unused() const;

private:
    std::vector<Object> objects_;
    NumberIndex byNumber_;
    std::unique_ptr<std::atomic<bool>[]> used_;
};

} // namespace kinrow
