#include "platform/kernel/paths.h"

#include <cstring>

#include "platform/kernel/text_codecs.h"

namespace platform {
namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}
bool IsAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsWildcard(char c) {
  return c == '*' || c == '?';
}
// Windows refuses these in every name; '*' and '?' only make sense in a search pattern.
bool IsRefusedInNames(char c) {
  return c == '"' || c == '<' || c == '>' || c == '|';
}

// Checks the characters of a UTF-8 Windows path; sets the last error when it refuses.
bool HasAcceptableCharacters(std::string_view path, bool allow_wildcards) {
  std::string_view::size_type last_separator = std::string_view::npos;
  for (std::string_view::size_type i = 0; i < path.size(); ++i) {
    if (IsSeparator(path[i])) last_separator = i;
  }
  for (std::string_view::size_type i = 0; i < path.size(); ++i) {
    const char c = path[i];
    const bool in_final_component = last_separator == std::string_view::npos || i > last_separator;
    if (IsRefusedInNames(c) || (IsWildcard(c) && !(allow_wildcards && in_final_component))) {
      SetLastError(ERROR_INVALID_NAME);
      return false;
    }
  }
  return true;
}

std::optional<std::string> CheckedPosixPath(std::string_view utf8, bool allow_wildcards) {
  if (utf8.empty()) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return std::nullopt;
  }
  if (!HasAcceptableCharacters(utf8, allow_wildcards)) return std::nullopt;
  return PosixPathFromUtf8(utf8);
}

}  // namespace

std::optional<std::string> PathUtf16ToUtf8(std::u16string_view wide) {
  std::string out(wide.size() * 3, '\0');
  const ConversionResult result =
      Utf16ToUtf8(wide.data(), wide.size(), out.data(), out.size(), /*refuse_invalid=*/true);
  if (result.status != ConversionStatus::kOk) return std::nullopt;
  out.resize(result.length);
  return out;
}

std::optional<std::u16string> PathUtf8ToUtf16(std::string_view utf8) {
  std::u16string out(utf8.size(), u'\0');
  const ConversionResult result =
      Utf8ToUtf16(utf8.data(), utf8.size(), out.data(), out.size(), /*refuse_invalid=*/true);
  if (result.status != ConversionStatus::kOk) return std::nullopt;
  out.resize(result.length);
  return out;
}

std::string PosixPathFromUtf8(std::string_view path) {
  // "\\?\C:\dir" is the long-path spelling of "C:\dir".
  if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) && path[2] == '?' &&
      IsSeparator(path[3])) {
    path.remove_prefix(4);
  }
  std::string posix;
  if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':') {
    path.remove_prefix(2);
    // Without a separator the drive names its current directory, which is ours.
    if (path.empty()) return ".";
  }
  posix.reserve(path.size());
  for (const char c : path) posix.push_back(IsSeparator(c) ? '/' : c);
  return posix;
}

std::optional<std::string> PosixPathFromWide(LPCWSTR windows_path, bool allow_wildcards) {
  if (windows_path == nullptr) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return std::nullopt;
  }
  const std::optional<std::string> utf8 = PathUtf16ToUtf8(windows_path);
  if (!utf8) {
    SetLastError(ERROR_INVALID_NAME);
    return std::nullopt;
  }
  return CheckedPosixPath(*utf8, allow_wildcards);
}

std::optional<std::string> PosixPathFromAnsi(LPCSTR windows_path, bool allow_wildcards) {
  if (windows_path == nullptr) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return std::nullopt;
  }
  // The ANSI code page is UTF-8: the bytes are already the file system's text.
  const std::string_view utf8(windows_path, std::strlen(windows_path));
  if (!PathUtf8ToUtf16(utf8)) {
    SetLastError(ERROR_INVALID_NAME);
    return std::nullopt;
  }
  return CheckedPosixPath(utf8, allow_wildcards);
}

}  // namespace platform
