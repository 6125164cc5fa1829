// What the system-string allocator says about its per-thread cache of freed blocks (see
// string_block_cache.h), for tests and for tools that count memory.
#pragma once

#include <cstddef>

namespace platform {

// False in builds with AddressSanitizer: every block is then freed at once, so a use
// after SysFreeString is still caught.
bool SystemStringCacheEnabled();
// Blocks that the calling thread keeps for reuse.
std::size_t KeptSystemStringBlocks();
// Frees the blocks that the calling thread keeps; the cache stays in use.
void ReleaseKeptSystemStrings();

}  // namespace platform
