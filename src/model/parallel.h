#pragma once

#include <cstddef>
#include <thread>
#include <vector>

namespace kinrow {

// How a piece of work may be split into parts, each done on a thread of its own.
struct PartLimits
{
    // No part is smaller than this many units (bytes, persons, rows), so that small work is done
    // in one part without a thread.
    std::size_t smallestPart = 1;
    // Never more parts than this when the caller asks for no number of threads.
    std::size_t most = 8;
    // The number of threads asked for, whatever the machine has; 0: one per core, up to most.
    std::size_t threads = 0;
};

// The cores the machine offers to one piece of work (at least 1), or what a CoreCountOverride
// says.
std::size_t CoreCount();

// How many parts work of size units is done in: one per thread allowed, none smaller than
// limits.smallestPart, at least one.
std::size_t PartCount(std::size_t size, const PartLimits& limits);

// Makes CoreCount() answer cores while it lives, so that tests split work on any machine (one
// core or many). Not for use while work runs on other threads.
class CoreCountOverride
{
public:
    explicit CoreCountOverride(std::size_t cores);
    ~CoreCountOverride();
    CoreCountOverride(const CoreCountOverride&) = delete;
    CoreCountOverride& operator=(const CoreCountOverride&) = delete;

private:
    std::size_t previous_;
};

// The first unit of part p when count units are split into parts of equal size.
constexpr std::size_t PartStart(std::size_t count, std::size_t parts, std::size_t p)
{
    return count * p / parts;
}

// Runs job(0) .. job(count - 1), the first on the calling thread (which may show progress),
// the others on threads of their own, and returns when all have ended. The parts must not write
// to the same data.
template <typename Job> void RunParts(std::size_t count, const Job& job)
{
    std::vector<std::jthread> threads;
    if (count > 1)
        threads.reserve(count - 1);
    for (std::size_t k = 1; k < count; ++k)
        threads.emplace_back(job, k);
    job(std::size_t(0));
}

// Runs work(begin, end) over [0, count), in PartCount(count, limits) ranges of equal size.
template <typename Work>
void RunRanges(std::size_t count, const PartLimits& limits, const Work& work)
{
    const std::size_t parts = PartCount(count, limits);
    RunParts(parts, [&](std::size_t p) {
        work(PartStart(count, parts, p), PartStart(count, parts, p + 1));
    });
}

} // namespace kinrow
