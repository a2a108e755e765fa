#include "model/hugepages.h"

#include "model/parallel.h"

#include <algorithm>
#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace kinrow {

namespace {

#if defined(__linux__)
constexpr std::uintptr_t HugePage = std::uintptr_t(2) << 20;

// The whole pages of a block, as addresses; empty for a block smaller than two huge pages,
// which cannot hold one whole aligned huge page for sure and gains nothing.
struct WholePages
{
    WholePages(void* data, std::size_t bytes)
    {
        if (data == nullptr || bytes < 2 * HugePage)
            return;
        const auto page = std::uintptr_t(sysconf(_SC_PAGESIZE));
        begin = (std::uintptr_t(data) + page - 1) / page * page;
        end = std::max(begin, (std::uintptr_t(data) + bytes) / page * page);
    }
    bool empty() const { return end == begin; }

    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
};
#endif

} // namespace

void AdviseHugePages(void* data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    const WholePages pages(data, bytes);
    if (!pages.empty())
        madvise(reinterpret_cast<void*>(pages.begin), pages.end - pages.begin, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

void PrepareBlock(void* data, std::size_t bytes)
{
    AdviseHugePages(data, bytes);
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    const WholePages pages(data, bytes);
    if (pages.empty())
        return;
    const std::size_t size = pages.end - pages.begin;
    // Parts of whole huge pages, none smaller than eight of them.
    const std::size_t parts = PartCount(size, {HugePage * 8, 8, 0});
    const std::uintptr_t step = (size / parts + HugePage - 1) / HugePage * HugePage;
    RunParts(parts, [&](std::size_t k) {
        const std::uintptr_t from = pages.begin + k * step;
        const std::uintptr_t to = std::min(pages.end, from + step);
        if (from < to)
            madvise(reinterpret_cast<void*>(from), to - from, MADV_POPULATE_WRITE);
    });
#endif
}

} // namespace kinrow
