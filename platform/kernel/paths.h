// Windows-form paths on a POSIX file system.
//
// The program names files the Windows way ("C:\dir\quembral.log", UTF-16); the stand-in
// accepts both separators and maps a leading drive ("X:" and a separator) to the root, so
// that every drive is the one POSIX tree. Text crosses as UTF-8, the file system's own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/win32.h"

namespace platform {

// Strict conversions: an unpaired surrogate or a malformed UTF-8 sequence gives nothing,
// because a name that cannot round-trip would name a different file.
std::optional<std::string> PathUtf16ToUtf8(std::u16string_view wide);
std::optional<std::u16string> PathUtf8ToUtf16(std::string_view utf8);

// The POSIX form of a Windows path already in UTF-8: separators become '/', "X:\" becomes
// "/", a bare "X:" (the current directory of that drive) becomes "." and "X:name" becomes
// "name"; the "\\?\" prefix of long paths is dropped.
std::string PosixPathFromUtf8(std::string_view windows_path);

// The checked conversion every file call starts with. On failure it has already set the
// last error: ERROR_PATH_NOT_FOUND for a null or empty path, ERROR_INVALID_NAME for text
// that is not valid UTF-16 or for characters Windows refuses in names (* ? " < > |) unless
// allow_wildcards (then only the final component may hold * and ?).
std::optional<std::string> PosixPathFromWide(LPCWSTR windows_path, bool allow_wildcards = false);
std::optional<std::string> PosixPathFromAnsi(LPCSTR windows_path, bool allow_wildcards = false);

}  // namespace platform
