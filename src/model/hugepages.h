#pragma once

#include <cstddef>

namespace kinrow {

// Asks the system to back the whole pages of [data, data + bytes) with huge pages where it gives
// them only on request (Linux's "madvise" setting). A block of hundreds of megabytes filled at
// once then takes a few hundred page faults instead of tens of thousands. Only a hint: where the
// system has no huge pages to give, nothing changes. Call it before the block is first written.
void AdviseHugePages(void* data, std::size_t bytes);

// As AdviseHugePages, then has the system make the block's pages ready on all cores at once,
// so that the one thread that fills the block next finds them there.
void PrepareBlock(void* data, std::size_t bytes);

} // namespace kinrow
