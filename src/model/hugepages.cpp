#include "model/hugepages.h"

#include "model/parallel.h"

#include <algorithm>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kinrow {

void AdviseHugePages(void* data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // A block smaller than two huge pages cannot hold one whole aligned huge page for sure.
    constexpr std::size_t HugePage = std::size_t(2) << 20;
    if (data == nullptr || bytes < 2 * HugePage)
        return;
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t begin = (std::uintptr_t(data) + page - 1) / page * page;
    const std::uintptr_t end = (std::uintptr_t(data) + bytes) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

void PrepareBlock(void* data, std::size_t bytes)
{
    AdviseHugePages(data, bytes);
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::size_t HugePage = std::size_t(2) << 20;
    if (data == nullptr || bytes < 2 * HugePage)
        return;
    const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
    const std::uintptr_t begin = (std::uintptr_t(data) + page - 1) / page * page;
    const std::uintptr_t end = (std::uintptr_t(data) + bytes) / page * page;
    const std::size_t parts = PartCount(end - begin, {HugePage * 8, 8, 0});
    const std::uintptr_t step = ((end - begin) / parts + HugePage - 1) / HugePage * HugePage;
    RunParts(parts, [&](std::size_t k) {
        const std::uintptr_t from = begin + k * step;
        const std::uintptr_t to = std::min<std::uintptr_t>(end, from + step);
        if (from < to)
            madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
    });
#endif
}

} // namespace kinrow
