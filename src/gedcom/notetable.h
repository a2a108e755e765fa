#pragma once

#include "gedcom/numberindex.h"
#include "gedcom/readcontext.h"

#include <QString>

#include <vector>

namespace kinrow {

// The notes of a file, found by a pass over its lines before the persons are read.
class NoteTable
{
public:
    void read(const ReadContext& context);
    // The text of the first note with this number, null when there is none.
    const QString* find(qint32 number) const;

private:
    void readBody(const ReadContext& context, LineScanner& lines, QString& text);

    std::vector<qint32> numbers_;
    std::vector<QString> texts_;
    NumberIndex byNumber_;
};

} // namespace kinrow
