#pragma once

#include "model/parallel.h"

#include <QtGlobal>

#include <cstring>
#include <string_view>
#include <vector>

namespace kinrow {

// How many parts bytes are read in: one per thread (threads 0: per core), none smaller than
// smallestPart, so that a small file is read as one part without a thread.
inline size_t FilePartCount(qsizetype bytes, int threads, qsizetype smallestPart)
{
    return PartCount(size_t(qMax<qsizetype>(0, bytes)),
                     {.smallestPart = size_t(qMax<qsizetype>(1, smallestPart)),
                      .threads = size_t(qMax(0, threads))});
}

// Offsets that cut bytes into count parts of about equal size, each cut at the start of a line
// (right after a line feed), ascending, without the first part's 0 and with the end. Parts
// may be empty when the bytes hold few line feeds.
inline std::vector<qsizetype> LineCuts(std::string_view bytes, size_t count)
{
    const auto size = qsizetype(bytes.size());
    std::vector<qsizetype> cuts;
    qsizetype previous = 0;
    for (size_t k = 1; k < count; ++k) {
        const qsizetype from = qMax(previous, size * qsizetype(k) / qsizetype(count));
        const void* lf =
            from < size ? std::memchr(bytes.data() + from, '\n', size_t(size - from)) : nullptr;
        previous = lf ? static_cast<const char*>(lf) - bytes.data() + 1 : size;
        cuts.push_back(previous);
    }
    cuts.push_back(size);
    return cuts;
}

} // namespace kinrow
