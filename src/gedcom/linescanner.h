#pragma once

#include <QtGlobal>

#include <string_view>

namespace kinrow {

// One line of a family file: its zero-based number and its bytes without surrounding blanks
// and control characters. A line left empty reads as one blank.
struct GedcomLine
{
    qint64 index = -1;
    std::string_view text;

    bool startsWith(std::string_view prefix) const { return text.starts_with(prefix); }
    // Characters 3 to 6, where the dialect keeps a level-1 or level-2 tag.
    std::string_view tag() const
    {
        return text.size() > 2 ? text.substr(2, 4) : std::string_view();
    }
};

// Walks the lines of a family file held in memory without copying them. CR LF, CR alone and
// LF alone each end a line; a line end at the very end of the bytes opens no further line.
class LineScanner
{
public:
    explicit LineScanner(std::string_view bytes, qsizetype offset = 0, qint64 firstIndex = 0);

    // Moves to the next line; false at the end of the bytes.
    bool next(GedcomLine& line);
    // The line next() would give, without moving; null at the end.
    const GedcomLine* peek();
    // Where the line after the last one returned starts.
    qsizetype offset() const { return hasPeeked_ ? peekedOffset_ : pos_; }
    qint64 nextIndex() const { return hasPeeked_ ? peeked_.index : index_; }

private:
    bool scan(GedcomLine& line);
    qsizetype findFrom(char c, qsizetype& cache) const;

    std::string_view bytes_;
    qsizetype pos_ = 0;
    qint64 index_ = 0;
    // Next CR and LF at or after pos_, so that every byte is searched only once per kind.
    qsizetype nextCr_ = -1;
    qsizetype nextLf_ = -1;
    GedcomLine peeked_;
    qsizetype peekedOffset_ = 0;
    bool hasPeeked_ = false;
};

// The bytes without leading and trailing bytes up to the blank; empty becomes one blank.
std::string_view TrimLine(std::string_view text);

} // namespace kinrow
