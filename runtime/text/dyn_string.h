// Counted byte strings.
//
// A DynString is a pointer to the first byte of its text, or null for the empty string
// (a string of length 0 is never allocated). The 32-bit byte length sits in the four
// bytes just before the text and a NUL follows it: the layout of a system string made
// by SysAllocStringByteLen, so the text can go to an A function as a C string. The
// variable owns its string; nothing is shared or reference-counted.
#pragma once

#include <cstdint>
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
