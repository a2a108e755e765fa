#include "model/hugepages.h"

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

} // namespace kinrow
