#include "model/parallel.h"

#include <algorithm>
#include <atomic>

namespace kinrow {

namespace {

// 0: no override.
std::atomic<std::size_t> overriddenCores{0};

} // namespace

std::size_t CoreCount()
{
    const std::size_t cores = overriddenCores.load(std::memory_order_relaxed);
    return cores > 0 ? cores : std::max(1u, std::thread::hardware_concurrency());
}

std::size_t PartCount(std::size_t size, const PartLimits& limits)
{
    const std::size_t threads = limits.threads > 0
                                    ? limits.threads
                                    : std::min(CoreCount(), std::max<std::size_t>(1, limits.most));
    return std::clamp<std::size_t>(size / std::max<std::size_t>(1, limits.smallestPart), 1,
                                   threads);
}

CoreCountOverride::CoreCountOverride(std::size_t cores)
    : previous_(overriddenCores.exchange(std::max<std::size_t>(1, cores)))
{}

CoreCountOverride::~CoreCountOverride()
{
    overriddenCores.store(previous_);
}

} // namespace kinrow
