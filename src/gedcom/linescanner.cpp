#include "gedcom/linescanner.h"

#include <cstring>

namespace kinrow {

std::string_view TrimLine(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text.empty() ? std::string_view(" ") : text;
}

LineScanner::LineScanner(std::string_view bytes, qsizetype offset, qint64 firstIndex)
    : bytes_(bytes), pos_(qBound<qsizetype>(0, offset, qsizetype(bytes.size()))), index_(firstIndex)
{}

qsizetype LineScanner::findFrom(char c, qsizetype& cache) const
{
    const auto size = qsizetype(bytes_.size());
    if (cache < pos_) {
        const void* hit = std::memchr(bytes_.data() + pos_, c, size_t(size - pos_));
        cache = hit ? static_cast<const char*>(hit) - bytes_.data() : size;
    }
    return cache;
}

bool LineScanner::scan(GedcomLine& line)
{
    const auto size = qsizetype(bytes_.size());
    if (pos_ >= size)
        return false;
    const qsizetype end = qMin(findFrom('\r', nextCr_), findFrom('\n', nextLf_));
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

bool LineScanner::next(GedcomLine& line)
{
    if (hasPeeked_) {
        hasPeeked_ = false;
        line = peeked_;
        return true;
    }
    return scan(line);
}

const GedcomLine* LineScanner::peek()
{
    if (!hasPeeked_) {
        peekedOffset_ = pos_;
        if (!scan(peeked_))
            return nullptr;
        hasPeeked_ = true;
    }
    return &peeked_;
}

} // namespace kinrow
