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
    // Reads every note record, on several threads when the file is large.
    void read(const ReadContext& context, const ReadOptions& options);
    // The text of the first note with this number, null when there is none.
    const QString* find(qint32 number) const;

private:
    // Reads the notes of context.noteStarts[from, to); false when a broken opening line ended
    // the reading of notes.
    static bool readRange(const ReadContext& context, size_t from, size_t to,
                          std::vector<qint32>& numbers, std::vector<QString>& texts);
    static void readBody(const ReadContext& context, LineScanner& lines, QString& text);

    std::vector<qint32> numbers_;
    std::vector<QString> texts_;
    NumberIndex byNumber_;
};

} // namespace kinrow
