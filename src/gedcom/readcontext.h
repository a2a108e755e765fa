#pragma once

#include "gedcom/errorsink.h"
#include "gedcom/foreignfile.h"
#include "gedcom/linescanner.h"
#include "gedcom/valuedecoder.h"

#include <optional>
#include <string_view>
#include <vector>

namespace kinrow {

// Where a line starts in the bytes, and its number.
struct LineStart
{
    qsizetype offset = 0;
    qint64 index = 0;
};

// What every pass of one read shares: the file's lines, their decoding and the reports.
struct ReadContext
{
    std::string_view bytes; // without a byte-order mark
    qint64 lineCount = 0;
    ValueDecoder& decoder;
    ErrorSink& errors;
    QString familyFolder; // anchors picture paths
    // The opening lines of families and notes, so that their passes skip every other line.
    const std::vector<LineStart>& familyStarts;
    const std::vector<LineStart>& noteStarts;
    const std::vector<LineStart>& objectStarts; // picture records
    // Set for another program's file, rewritten into the dialect: its identifiers and the
    // error lines of the rewriting.
    const ForeignFile* foreign = nullptr;

    LineScanner lines() const { return LineScanner(bytes); }
};

// What a part of the file read on a thread of its own reports to: its lines wait in a
// recording sink and its decoder keeps the values that lost characters, until the parts before
// it have handed theirs on.
struct PartContext
{
    PartContext(const ReadContext& whole, const ReadOptions& options, bool showsProgress);
    // The context refers to the sink and the decoder beside it.
    PartContext(const PartContext&) = delete;
    PartContext& operator=(const PartContext&) = delete;
    // Passes the reports on to whole, as if whole's own pass had read this part now.
    void handOn(const ReadContext& whole) const;

    ErrorList unused;
    ErrorSink sink;
    ValueDecoder decoder;
    ReadContext context;
};

// Cuts items into count ranges of about equal size: range k is [cuts[k], cuts[k + 1]).
std::vector<size_t> EvenCuts(size_t items, size_t count);

// A whole decimal number with an optional sign (blanks before it allowed), as a 32-bit value;
// nothing when the text is not one.
std::optional<qint32> ParseWholeNumber(std::string_view text);

// The text before the first '@' (all of it when there is none).
std::string_view BeforeAt(std::string_view text);

} // namespace kinrow
