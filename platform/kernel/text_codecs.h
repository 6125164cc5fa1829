// The converters behind MultiByteToWideChar and WideCharToMultiByte (platform-internal).
//
// Each converter writes at most `capacity` units to `out`, or only counts when `out` is
// null. The Windows entry points add argument checks and last-error values on top.
#pragma once

#include <cstddef>

#include "platform/win32.h"

namespace platform {

enum class ConversionStatus {
  kOk,
  kInvalid,   // malformed input met while invalid input was to be refused
  kOverflow,  // the output did not fit in `capacity`
};

struct ConversionResult {
  std::size_t length = 0;  // units written (or counted) before the status was reached
  ConversionStatus status = ConversionStatus::kOk;
};

// Malformed sequences become one U+FFFD each (the longest valid prefix of a sequence
// counts as one), unless `refuse_invalid` is set.
ConversionResult Utf8ToUtf16(const char* in, std::size_t bytes, WCHAR* out, std::size_t capacity,
                             bool refuse_invalid);
// Unpaired surrogates become U+FFFD (EF BF BD), unless `refuse_invalid` is set.
ConversionResult Utf16ToUtf8(const WCHAR* in, std::size_t units, char* out, std::size_t capacity,
                             bool refuse_invalid);

// Windows-1252 never fails to decode: its five unassigned bytes stand for the C1
// controls of the same value.
ConversionResult Windows1252ToUtf16(const char* in, std::size_t bytes, WCHAR* out,
                                    std::size_t capacity);
// A character without a byte (a surrogate pair counts as one character) becomes
// `default_char`, and `*used_default` is set when that happened.
ConversionResult Utf16ToWindows1252(const WCHAR* in, std::size_t units, char* out,
                                    std::size_t capacity, char default_char, bool* used_default);

}  // namespace platform
