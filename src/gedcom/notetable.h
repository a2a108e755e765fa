#pragma once

#include "gedcom/numberindex.h"
#include "gedcom/readcontext.h"

#include <QString>

#include <atomic>
#include <memory>
#include <utility>
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
    // A person took the note's text; safe from several threads.
    void markUsed(const QString* text) const;
    // The opening line and the number of text lines of each note no person took, in file order.
    std::vector<std::pair<qint64, qint64>> unused() const;

private:
    // Reads the notes of context.noteStarts[from, to); false when a broken opening line ended
    // the reading of notes.
    static bool readRange(const ReadContext& context, size_t from, size_t to,
                          std::vector<qint32>& numbers, std::vector<QString>& texts,
                          std::vector<std::pair<qint64, qint64>>& spans);
    // Returns the number of text lines read.
    static qint64 readBody(const ReadContext& context, LineScanner& lines, QString& text);

    std::vector<qint32> numbers_;
    std::vector<QString> texts_;
    std::vector<std::pair<qint64, qint64>> spans_; // opening line, lines of text with it
    std::unique_ptr<std::atomic<bool>[]> used_;
    NumberIndex byNumber_;
};

} // namespace kinrow
