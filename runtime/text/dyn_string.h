// Counted byte strings.
//
// A DynString is a pointer to the first byte of its text, or null for the empty string
// (a string of length 0 is never allocated). The 32-bit byte length sits in the four
// bytes just before the text and a NUL follows it: the layout of a system string made
// by SysAllocStringByteLen, so the text can go to an A function as a C string. The
// variable owns its string; nothing is shared or reference-counted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/win32.h"

namespace runtime {

class ErrorState;

// Byte length of a system string (the prefix), 0 for null.
inline std::uint32_t TextLength(const void* text) {
  return text == nullptr ? 0 : static_cast<const std::uint32_t*>(text)[-1];
}

// Raises error 7 into `errors`; kept out of line so that the allocation path stays short.
void RaiseOutOfMemory(ErrorState& errors);

// Allocates n bytes of text (contents unset) with the system string allocator; n == 0
// gives null. Failure raises error 7 and gives null. Inline: every join and every string
// function result comes through here.
inline char* AllocateText(ErrorState& errors, std::uint32_t n) {
  if (n == 0) return nullptr;
  char* text = reinterpret_cast<char*>(SysAllocStringByteLen(nullptr, n));
  if (text == nullptr) [[unlikely]]
    RaiseOutOfMemory(errors);
  return text;
}

// Copies n bytes between texts that do not overlap. Most texts are a few dozen bytes, for
// which a call of memcpy costs more than the copy: up to 32 bytes are moved as two
// overlapping words of the largest size that fits.
inline void CopyTextBytes(char* to, const char* from, std::size_t n) {
  auto move_two = [&](auto word) {
    constexpr std::size_t kSize = sizeof word;
    auto tail = word;
    std::memcpy(&word, from, kSize);
    std::memcpy(&tail, from + n - kSize, kSize);
    std::memcpy(to, &word, kSize);
    std::memcpy(to + n - kSize, &tail, kSize);
  };
  struct Pair {
    std::uint64_t low, high;
  };
  if (n > 32) {
    std::memcpy(to, from, n);
  } else if (n >= 16) {
    move_two(Pair{});
  } else if (n >= 8) {
    move_two(std::uint64_t{});
  } else if (n >= 4) {
    move_two(std::uint32_t{});
  } else if (n > 0) {
    to[0] = from[0];
    to[n / 2] = from[n / 2];
    to[n - 1] = from[n - 1];
  }
}

inline void FreeText(const void* text) {
  if (text != nullptr) SysFreeString(static_cast<BSTR>(const_cast<void*>(text)));
}

class DynString {
 public:
  DynString() = default;
  ~DynString() { reset(); }
  DynString(DynString&& other) noexcept : text_(std::exchange(other.text_, nullptr)) {}
  DynString& operator=(DynString&& other) noexcept {
    if (this != &other) {
      reset();
      text_ = std::exchange(other.text_, nullptr);
    }
    return *this;
  }
  DynString(const DynString&) = delete;
  DynString& operator=(const DynString&) = delete;

  // Takes ownership of a system string (or null).
  static DynString Adopt(char* text) {
    DynString s;
    s.text_ = text;
    return s;
  }
  // A new string holding a copy of bytes; error 7 leaves it empty.
  static DynString Copy(ErrorState& errors, std::string_view bytes);

  char* release() { return std::exchange(text_, nullptr); }
  void reset() { FreeText(std::exchange(text_, nullptr)); }

  char* data() { return text_; }
  const char* data() const { return text_; }
  std::uint32_t size() const { return TextLength(text_); }
  bool empty() const { return text_ == nullptr; }
  std::string_view view() const { return {text_ == nullptr ? "" : text_, size()}; }

 private:
  char* text_ = nullptr;
};

}  // namespace runtime
