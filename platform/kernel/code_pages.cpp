// MultiByteToWideChar, WideCharToMultiByte and GetACP. The ANSI (and OEM) code page of this
// platform is UTF-8; Windows-1252 is the one other code page offered.
#include <climits>
#include <cstring>

#include "platform/kernel/text_codecs.h"
#include "platform/win32.h"

namespace {

enum class Codec { kNone, kUtf8, kWindows1252 };

Codec CodecFor(UINT code_page) {
  switch (code_page) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case CP_UTF8:
      return Codec::kUtf8;
    case CP_WINDOWS_1252:
      return Codec::kWindows1252;
    default:
      return Codec::kNone;
  }
}

constexpr DWORD kKnownToWideFlags =
    MB_PRECOMPOSED | MB_COMPOSITE | MB_USEGLYPHCHARS | MB_ERR_INVALID_CHARS;
// UTF-8 output has no best-fit or default characters; only the refusal flag makes sense.
constexpr DWORD kUtf8FromWideFlags = WC_ERR_INVALID_CHARS;
constexpr DWORD k1252FromWideFlags =
    WC_DISCARDNS | WC_SEPCHARS | WC_DEFAULTCHAR | WC_COMPOSITECHECK | WC_NO_BEST_FIT_CHARS;

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

// Turns a converter's result into the Windows answer: the length, or 0 with a last error.
int Finish(const platform::ConversionResult& result) {
  switch (result.status) {
    case platform::ConversionStatus::kInvalid:
      return Fail(ERROR_NO_UNICODE_TRANSLATION);
    case platform::ConversionStatus::kOverflow:
      return Fail(ERROR_INSUFFICIENT_BUFFER);
    case platform::ConversionStatus::kOk:
      break;
  }
  // UTF-8 output may be up to three times as long as its input; an int cannot say more.
  if (result.length > static_cast<std::size_t>(INT_MAX)) return Fail(ERROR_INSUFFICIENT_BUFFER);
  return static_cast<int>(result.length);
}

std::size_t WideLength(LPCWSTR text) {
  std::size_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

}  // namespace

extern "C" {

UINT GetACP() {
  return CP_UTF8;
}

int MultiByteToWideChar(UINT code_page, DWORD flags, LPCSTR text, int bytes, LPWSTR wide,
                        int units) {
  const Codec codec = CodecFor(code_page);
  if (codec == Codec::kNone) return Fail(ERROR_INVALID_PARAMETER);
  if (text == nullptr || bytes == 0 || bytes < -1 || units < 0 || (wide == nullptr && units > 0)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  if ((flags & ~kKnownToWideFlags) != 0) return Fail(ERROR_INVALID_FLAGS);

  // -1: the text ends at its NUL, and the NUL is converted (and counted) too.
  const std::size_t length = bytes == -1 ? std::strlen(text) + 1 : static_cast<std::size_t>(bytes);
  WCHAR* out = units == 0 ? nullptr : wide;
  if (codec == Codec::kWindows1252) {
    return Finish(platform::Windows1252ToUtf16(text, length, out, static_cast<std::size_t>(units)));
  }
  return Finish(platform::Utf8ToUtf16(text, length, out, static_cast<std::size_t>(units),
                                      (flags & MB_ERR_INVALID_CHARS) != 0));
}

int WideCharToMultiByte(UINT code_page, DWORD flags, LPCWSTR wide, int units, LPSTR text, int bytes,
                        LPCSTR default_char, LPBOOL used_default_char) {
  const Codec codec = CodecFor(code_page);
  if (codec == Codec::kNone) return Fail(ERROR_INVALID_PARAMETER);
  if (wide == nullptr || units == 0 || units < -1 || bytes < 0 || (text == nullptr && bytes > 0)) {
    return Fail(ERROR_INVALID_PARAMETER);
  }
  const std::size_t length = units == -1 ? WideLength(wide) + 1 : static_cast<std::size_t>(units);
  char* out = bytes == 0 ? nullptr : text;

  if (codec == Codec::kUtf8) {
    if ((flags & ~kUtf8FromWideFlags) != 0) return Fail(ERROR_INVALID_FLAGS);
    if (default_char != nullptr || used_default_char != nullptr) {
      return Fail(ERROR_INVALID_PARAMETER);
    }
    return Finish(platform::Utf16ToUtf8(wide, length, out, static_cast<std::size_t>(bytes),
                                        (flags & WC_ERR_INVALID_CHARS) != 0));
  }

  if ((flags & ~k1252FromWideFlags) != 0) return Fail(ERROR_INVALID_FLAGS);
  bool used_default = false;
  const char replacement = default_char != nullptr ? default_char[0] : '?';
  const int result = Finish(platform::Utf16ToWindows1252(
      wide, length, out, static_cast<std::size_t>(bytes), replacement, &used_default));
  if (used_default_char != nullptr) *used_default_char = used_default ? TRUE : FALSE;
  return result;
}

}  // extern "C"
