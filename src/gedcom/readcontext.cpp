#include "gedcom/readcontext.h"

#include <limits>

namespace kinrow {

PartContext::PartContext(const ReadContext& whole, const ReadOptions& options, bool showsProgress)
    : sink(ErrorSink::recorder(unused, options, showsProgress)),
      decoder(whole.decoder.utf8(), sink),
      context{whole.bytes,        whole.lineCount,    decoder,          sink,
              whole.familyFolder, whole.familyStarts, whole.noteStarts, whole.objectStarts,
              whole.foreign}
{}

void PartContext::handOn(const ReadContext& whole) const
{
    sink.replay(whole.errors);
}

std::vector<size_t> EvenCuts(size_t items, size_t count)
{
    std::vector<size_t> cuts;
    for (size_t k = 0; k <= count; ++k)
        cuts.push_back(items * k / count);
    return cuts;
}

std::optional<qint32> ParseWholeNumber(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    qint64 value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

std::string_view BeforeAt(std::string_view text)
{
    return text.substr(0, text.find('@'));
}

} // namespace kinrow
