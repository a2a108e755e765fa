#pragma once

#include <cstddef>
#include <thread>

namespace kinrow {

// Below this many rows a second thread costs more than it saves.
constexpr std::size_t ParallelRows = 20000;

// Runs work(0) on this thread and, when there are two parts, work(1) on a second one; returns
// when both are done. The parts must not write to the same data.
template <typename Work> void OnBothCores(std::size_t parts, const Work& work)
{
    std::thread worker;
    if (parts > 1)
        worker = std::thread([&work] { work(1); });
    work(0);
    if (worker.joinable())
        worker.join();
}

// The first row of part p when count rows are split into parts of equal size.
constexpr std::size_t PartStart(std::size_t count, std::size_t parts, std::size_t p)
{
    return count * p / parts;
}

// Two parts for lists long enough to be worth a second thread on a machine with a second core,
// else one.
inline std::size_t PartsFor(std::size_t count)
{
    return count < ParallelRows || std::thread::hardware_concurrency() < 2 ? 1 : 2;
}

// Runs work(begin, end) over [0, count): in two halves on both cores when PartsFor says so.
template <typename Work> void OnBothCoresByRange(std::size_t count, const Work& work)
{
    const std::size_t parts = PartsFor(count);
    OnBothCores(parts, [&](std::size_t p) {
        work(PartStart(count, parts, p), PartStart(count, parts, p + 1));
    });
}

} // namespace kinrow
