#pragma once

#include <QtGlobal>

#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The bytes without leading and trailing bytes up to the blank; empty becomes one blank.
inline std::string_view TrimLine(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text.empty() ? std::string_view(" ") : text;
}

// Walks the lines of a family file held in memory without copying them. CR LF, CR alone and
// LF alone each end a line; a line end at the very end of the bytes opens no further line.
// Inline, because every pass calls it for each of millions of lines.
class LineScanner
{
public:
    // Starts at offset, which must be the start of the line numbered firstIndex.
    explicit LineScanner(std::string_view bytes, qsizetype offset = 0, qint64 firstIndex = 0)
        : bytes_(bytes), pos_(qBound<qsizetype>(0, offset, qsizetype(bytes.size()))),
          index_(firstIndex)
    {}

    // Moves to the next line; false at the end of the bytes.
    bool next(GedcomLine& line)
    {
        if (hasPeeked_) {
            hasPeeked_ = false;
            line = peeked_;
            return true;
        }
        return scan(line);
    }

    // The line next() would give, without moving; null at the end.
    const GedcomLine* peek()
    {
        if (!hasPeeked_) {
            peekedOffset_ = pos_;
            if (!scan(peeked_))
                return nullptr;
            hasPeeked_ = true;
        }
        return &peeked_;
    }

    // Where the line next() would give starts.
    qsizetype offset() const { return hasPeeked_ ? peekedOffset_ : pos_; }
    qint64 nextIndex() const { return hasPeeked_ ? peeked_.index : index_; }

private:
    bool scan(GedcomLine& line)
    {
        const auto size = qsizetype(bytes_.size());
        if (pos_ >= size)
            return false;
        const qsizetype end = lineEnd(size);
        line.index = index_++;
        line.text = TrimLine(bytes_.substr(size_t(pos_), size_t(end - pos_)));
        pos_ = end;
        if (pos_ < size) {
            const bool crlf =
                bytes_[size_t(pos_)] == '\r' && pos_ + 1 < size && bytes_[size_t(pos_) + 1] == '\n';
            pos_ += crlf ? 2 : 1;
        }
        return true;
    }

    // Where the line starting at pos_ ends: the first CR or LF, looked for sixteen bytes at a
    // time, so that the cost follows the line's length and no search runs ahead of it.
    qsizetype lineEnd(qsizetype size) const
    {
        const char* data = bytes_.data();
        qsizetype i = pos_;
#if defined(__SSE2__)
        const __m128i cr = _mm_set1_epi8('\r');
        const __m128i lf = _mm_set1_epi8('\n');
        for (; i + 16 <= size; i += 16) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
            const int ends =
                _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(v, cr), _mm_cmpeq_epi8(v, lf)));
            if (ends != 0)
                return i + __builtin_ctz(unsigned(ends));
        }
#endif
        for (; i < size; ++i) {
            if (data[i] == '\r' || data[i] == '\n')
                return i;
        }
        return size;
    }

    std::string_view bytes_;
    qsizetype pos_ = 0;
    qint64 index_ = 0;
    GedcomLine peeked_;
    qsizetype peekedOffset_ = 0;
    bool hasPeeked_ = false;
};

} // namespace kinrow
