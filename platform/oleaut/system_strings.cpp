// System strings: a 32-bit byte length just before the text and a 16-bit zero after it.
#include <cstdlib>
#include <cstring>

#include "platform/win32.h"

namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);
constexpr std::size_t kTerminator = sizeof(WCHAR);
// The largest byte length a system string may have.
constexpr std::uint64_t kMaxBytes = 0x7FFFFFF0u;

// The prefix sits at a 16-byte aligned block start, so the text is on an address that is
// 4 mod 16: even, as the work stack's borrowed bit requires.
char* Allocate(std::uint64_t bytes) {
  if (bytes > kMaxBytes) return nullptr;
  auto* block = static_cast<char*>(std::malloc(kPrefix + bytes + kTerminator));
  if (block == nullptr) return nullptr;
  std::uint32_t length = static_cast<std::uint32_t>(bytes);
  std::memcpy(block, &length, kPrefix);
  std::memset(block + kPrefix + bytes, 0, kTerminator);
  return block + kPrefix;
}

}  // namespace

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
  if (text != nullptr) std::free(reinterpret_cast<char*>(text) - kPrefix);
}

UINT SysStringByteLen(BSTR text) {
  if (text == nullptr) return 0;
  std::uint32_t length;
  std::memcpy(&length, reinterpret_cast<char*>(text) - kPrefix, kPrefix);
  return length;
}

UINT SysStringLen(BSTR text) { return SysStringByteLen(text) / sizeof(WCHAR); }

}  // extern "C"
