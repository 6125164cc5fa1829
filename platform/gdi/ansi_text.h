// The ANSI (-A) text entry points convert their bytes once, here (platform-internal).
#pragma once

#include <string>

#include "platform/kernel/text_codecs.h"
#include "platform/win32.h"

namespace platform::gdi {

// `count` bytes of ANSI text (UTF-8 on this platform) as UTF-16; malformed bytes become
// U+FFFD. Negative counts give an empty string (callers refuse them first).
inline std::u16string WidenAnsi(LPCSTR text, int count) {
  if (text == nullptr || count <= 0) return {};
  std::u16string wide(static_cast<std::size_t>(count), u'\0');
  ConversionResult result =
      Utf8ToUtf16(text, static_cast<std::size_t>(count), wide.data(), wide.size(), false);
  wide.resize(result.length);
  return wide;
}

}  // namespace platform::gdi
