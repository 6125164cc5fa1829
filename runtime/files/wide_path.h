// A path taken off the string work stack (already UTF-16) into a private, NUL-terminated
// buffer of fixed size, so that no OS call ever sees more than the service allows.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win32.h"
#include "runtime/text/work_stack.h"

namespace runtime {

class WidePath {
 public:
  // Room for a directory part of 256 units followed by a found name of MAX_PATH units.
  static constexpr std::uint32_t kCapacity = 256 + MAX_PATH;

  WidePath() = default;
  // Pops slot 0 and keeps at most max_units of it (a longer path is cut).
  static WidePath Pop(StringWorkStack& strings, std::uint32_t max_units);

  const WCHAR* c_str() const { return text_; }
  std::u16string_view view() const { return {text_, length_}; }
  std::uint32_t length() const { return length_; }
  bool empty() const { return length_ == 0; }
  WCHAR last() const { return length_ == 0 ? 0 : text_[length_ - 1]; }
  bool HasWildcard() const { return view().find_first_of(u"*?") != std::u16string_view::npos; }

  // Appends as much as fits.
  void Append(std::u16string_view more);
  // Keeps the first n units.
  void Truncate(std::uint32_t n);

 private:
  WCHAR text_[kCapacity + 1] = {};
  std::uint32_t length_ = 0;
};

// Path separators: the platform takes "/" as well as "\".
inline bool IsPathSeparator(WCHAR c) {
  return c == u'\\' || c == u'/';
}

}  // namespace runtime
