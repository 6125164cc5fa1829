// Wide (UTF-16) system strings as the toolkit hands them to Windows: a null string is the
// empty text "".
#pragma once

#include <string_view>

#include "platform/win32.h"
#include "runtime/text/dyn_string.h"

namespace runtime {

inline LPCWSTR WideOrEmpty(const void* text) {
  return text == nullptr ? u"" : static_cast<LPCWSTR>(text);
}

inline std::u16string_view WideView(const void* text) {
  if (text == nullptr) return {};
  return {static_cast<const char16_t*>(text), TextLength(text) / 2};
}

}  // namespace runtime
