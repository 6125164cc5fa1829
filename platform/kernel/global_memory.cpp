// GlobalAlloc and GlobalFree for fixed blocks. Live blocks are kept in a registry so that
// freeing a pointer this allocator never gave out, or freeing a block twice, is reported
// as Windows reports it (the pointer back, ERROR_INVALID_HANDLE) instead of corrupting the heap.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include "platform/win32.h"

namespace {

// Far beyond any real request; refused up front so that a wild size is an ordinary
// failure rather than a fault inside the C library or a sanitizer's allocator.
constexpr SIZE_T kLargestBlock = SIZE_T{1} << 39;

struct BlockRegistry {
  std::mutex mutex;
  std::unordered_set<void*> live;
};

BlockRegistry& Blocks() {
  static BlockRegistry registry;
  return registry;
}

}  // namespace

extern "C" {

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  // Movable blocks would need GlobalLock, which this platform does not offer.
  if ((flags & GMEM_MOVEABLE) != 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (bytes > kLargestBlock) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  // A zero-byte fixed block is still a distinct, freeable pointer.
  const SIZE_T size = bytes == 0 ? 1 : bytes;
  void* block = (flags & GMEM_ZEROINIT) != 0 ? std::calloc(1, size) : std::malloc(size);
  if (block == nullptr) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  BlockRegistry& registry = Blocks();
  std::lock_guard lock(registry.mutex);
  registry.live.insert(block);
  return block;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  if (memory == nullptr) return nullptr;
  BlockRegistry& registry = Blocks();
  {
    std::lock_guard lock(registry.mutex);
    if (registry.live.erase(memory) == 0) {
      SetLastError(ERROR_INVALID_HANDLE);
      return memory;
    }
  }
  std::free(memory);
  return nullptr;
}

}  // extern "C"
