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

// The text of a block: the length before it, the terminator after it. The prefix sits at
// a 16-byte aligned block start, so the text is on an address that is 4 mod 16: even, as
// the work stack's borrowed bit requires.
char* TextOf(void* block, std::uint64_t bytes) {
  auto* start = static_cast<char*>(block);
  const auto length = static_cast<std::uint32_t>(bytes);
  std::memcpy(start, &length, kPrefix);
  std::memset(start + kPrefix + bytes, 0, kTerminator);
  return start + kPrefix;
}

// Out of line, so that the cached paths below need no registers saved.
[[gnu::noinline]] char* AllocateFromMalloc(std::uint64_t bytes) {
  if (bytes > kMaxBytes) return nullptr;
  const std::size_t needed = BlockBytes(bytes);
  void* block = std::malloc(kKeepFreedBlocks ? StringBlockCache::BlockSize(needed) : needed);
  return block == nullptr ? nullptr : TextOf(block, bytes);
}

// The cached path makes no call, so it needs no stack frame; the rest is a tail call.
char* Allocate(std::uint64_t bytes) {
  if constexpr (kKeepFreedBlocks) {
    if (void* block = thread_cache.Take(BlockBytes(bytes))) return TextOf(block, bytes);
  }
  return AllocateFromMalloc(bytes);
}

// Out of line for the same reason: the copy is a call.
[[gnu::noinline]] char* AllocateCopy(const void* source, std::uint64_t bytes) {
  char* text = Allocate(bytes);
  if (text != nullptr) std::memcpy(text, source, bytes);
  return text;
}

std::uint32_t LengthOf(const char* text) {
  std::uint32_t length;
  std::memcpy(&length, text - kPrefix, kPrefix);
  return length;
}

// A thread's first small block opens its cache; anything the cache refuses goes back
// to malloc.
[[gnu::noinline]] void KeepOrFree(void* block, std::size_t needed) {
  if (kKeepFreedBlocks && OpenCache() && thread_cache.Keep(block, needed)) return;
  std::free(block);
}

// The length only ever stays as allocated, so the block is at least the size of the
// class it is kept in.
void Free(char* text) {
  char* block = text - kPrefix;
  const std::size_t needed = BlockBytes(LengthOf(text));
  if constexpr (kKeepFreedBlocks) {
    if (thread_cache.Keep(block, needed)) return;
  }
  KeepOrFree(block, needed);
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
  if (source != nullptr) return reinterpret_cast<BSTR>(AllocateCopy(source, bytes));
  return reinterpret_cast<BSTR>(Allocate(bytes));
}

BSTR SysAllocStringLen(const OLECHAR* source, UINT units) {
  const std::uint64_t bytes = static_cast<std::uint64_t>(units) * sizeof(WCHAR);
  if (source != nullptr) return reinterpret_cast<BSTR>(AllocateCopy(source, bytes));
  return reinterpret_cast<BSTR>(Allocate(bytes));
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
