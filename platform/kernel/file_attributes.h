// Windows file attributes kept on a POSIX file.
//
// Read-only is the absence of every write bit in the mode, so it holds for other
// programs too. Archive, hidden and system live in the extended attribute
// "user.win32.attributes" (a 32-bit little-endian word). A file that never had its
// attributes set reports archive, as a newly created Windows file does; one whose
// attributes were set to 0 reports FILE_ATTRIBUTE_NORMAL.
#pragma once

#include <sys/stat.h>

#include <optional>
#include <string>

#include "platform/win32.h"

namespace platform {

constexpr DWORD kStoredAttributeBits =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool IsReadOnlyMode(mode_t mode);

// The stored bits of the file at posix_path; nothing when none were ever stored (or the
// file system keeps no extended attributes).
std::optional<DWORD> ReadStoredAttributes(const std::string& posix_path);

// Stores bits & kStoredAttributeBits. Returns 0 or an errno (ENOTSUP where the file
// system keeps no user extended attributes).
int WriteStoredAttributes(const std::string& posix_path, DWORD bits);
int WriteStoredAttributes(int fd, DWORD bits);

// The attribute word GetFileAttributesW and the find calls report for a file whose
// status is status.
DWORD AttributesOf(const std::string& posix_path, const struct stat& status);

}  // namespace platform
