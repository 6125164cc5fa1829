// System strings: a 32-bit byte length just before the text and a 16-bit zero after it.
#include "platform/oleaut/system_strings.h"

#include <cstdlib>
#include <cstring>

#include "platform/oleaut/string_block_cache.h"
#include "platform/win32.h"

#if defined(__SANITIZE_ADDRESS__)
#define VESTRALINO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VESTRALINO_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);
constexpr std::size_t kTerminator = sizeof(WCHAR);
// The largest byte length a system string may have.
constexpr std::uint64_t kMaxBytes = 0x7FFFFFF0u;

// A kept block would hide a use after free from AddressSanitizer, and its rounded-up
// size an overrun into the slack.
#ifdef VESTRALINO_ADDRESS_SANITIZER
constexpr bool kKeepFreedBlocks = false;
#else
constexpr bool kKeepFreedBlocks = true;
#endif

using platform::StringBlockCache;

// Reached without a guard: constant-initialized and trivially destructible.
thread_local constinit StringBlockCache thread_cache;

// Empties the thread's cache when the thread ends (for the main thread: at exit), and
// closes it so that strings freed by later thread-exit code go straight back to malloc.
struct CloseAtThreadExit {
  CloseAtThreadExit() { thread_cache.Open(); }
  ~CloseAtThreadExit() { thread_cache.Close(); }
};

// Opens the cache on a thread's first free of a small block.
bool OpenCache() {
  if (thread_cache.ever_opened()) return false;
  thread_local CloseAtThreadExit closer;
  return true;
}

std::size_t BlockBytes(std::uint64_t text_bytes) {
  return kPrefix + text_bytes + kTerminator;
}

// The prefix sits at a 16-byte aligned block start, so the text is on an address that is
// 4 mod 16: even, as the work stack's borrowed bit requires.
char* Allocate(std::uint64_t bytes) {
  if (bytes > kMaxBytes) return nullptr;
  const std::size_t needed = BlockBytes(bytes);
  char* block = nullptr;
  if constexpr (kKeepFreedBlocks) {
    block = static_cast<char*>(thread_cache.Take(needed));
    if (block == nullptr) {
      block = static_cast<char*>(std::malloc(StringBlockCache::BlockSize(needed)));
    }
  } else {
    block = static_cast<char*>(std::malloc(needed));
  }
  if (block == nullptr) return nullptr;
  std::uint32_t length = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &length, kPrefix);
  std::memset(block + kPrefix + bytes, 0, kTerminator);
  return block + kPrefix;
}

std::uint32_t LengthOf(const char* text) {
  std::uint32_t length;
  std::memcpy(&length, text - kPrefix, kPrefix);
  return length;
}

// The length only ever stays as allocated, so the block is at least the size of the
// class it is kept in.
void Free(char* text) {
  char* block = text - kPrefix;
  if constexpr (kKeepFreedBlocks) {
    const std::size_t needed = BlockBytes(LengthOf(text));
    if (thread_cache.Keep(block, needed)) return;
    if (OpenCache() && thread_cache.Keep(block, needed)) return;
  }
  std::free(block);
}

}  // namespace

namespace platform {

bool SystemStringCacheEnabled() {
  return kKeepFreedBlocks;
}
std::size_t KeptSystemStringBlocks() {
  return thread_cache.kept_blocks();
}
void ReleaseKeptSystemStrings() {
  thread_cache.Clear();
}

}  // namespace platform

extern "C" {

BSTR SysAllocStringByteLen(LPCSTR source, UINT bytes) {
  char* text = Allocate(bytes);
  if (text != nullptr && source != nullptr) std::memcpy(text, source, bytes);
  return reinterpret_cast<BSTR>(text);
}

BSTR SysAllocStringLen(const OLECHAR* source, UINT units) {
  char* text = Allocate(static_cast<std::uint64_t>(units) * sizeof(WCHAR));
  if (text != nullptr && source != nullptr) std::memcpy(text, source, units * sizeof(WCHAR));
  return reinterpret_cast<BSTR>(text);
}

void SysFreeString(BSTR text) {
  if (text != nullptr) Free(reinterpret_cast<char*>(text));
}

UINT SysStringByteLen(BSTR text) {
  if (text == nullptr) return 0;
  return LengthOf(reinterpret_cast<const char*>(text));
}

UINT SysStringLen(BSTR text) {
  return SysStringByteLen(text) / sizeof(WCHAR);
}

}  // extern "C"
