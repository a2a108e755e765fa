#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <thread>
#include <vector>

namespace kinrow {

// How many parts bytes are read in: one per thread (threads 0: per core), none smaller than
// smallestPart, so that a small file is read as one part without a thread.
inline size_t FilePartCount(qsizetype bytes, int threads, qsizetype smallestPart)
{
    const size_t most =
        threads > 0 ? size_t(threads) : qBound(1u, std::thread::hardware_concurrency(), 8u);
    return std::clamp<size_t>(size_t(bytes / qMax<qsizetype>(1, smallestPart)), 1, most);
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

// Runs job(0) .. job(count - 1), the first on the calling thread (which may show progress),
// the others on threads of their own, and returns when all have ended.
template <typename Job> void RunParts(size_t count, const Job& job)
{
    std::vector<std::thread> threads;
    threads.reserve(count);
    for (size_t k = 1; k < count; ++k)
        threads.emplace_back(job, k);
    job(size_t(0));
    for (std::thread& thread : threads)
        thread.join();
}

} // namespace kinrow
