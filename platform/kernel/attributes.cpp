// GetFileAttributesW and SetFileAttributesW (see file_attributes.h for where they live).
#include <sys/stat.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/file_attributes.h"
#include "platform/kernel/paths.h"
#include "platform/win32.h"

extern "C" {

DWORD GetFileAttributesW(LPCWSTR name) {
  const std::optional<std::string> path = platform::PosixPathFromWide(name);
  if (!path) return INVALID_FILE_ATTRIBUTES;
  struct stat status;
  if (stat(path->c_str(), &status) != 0) {
    platform::SetLastErrorForPath(errno, *path);
    return INVALID_FILE_ATTRIBUTES;
  }
  return platform::AttributesOf(*path, status);
}

// Read-only removes every write bit, and clearing it gives the owner's write bit back.
// The other bits are stored before the mode takes its final value, so that a file system
// without extended attributes refuses hidden or system (ERROR_NOT_SUPPORTED) with nothing
// changed, while read-only and archive alone still work there. Writing the extended
// attribute needs write permission, so a read-only file is made writable for the moment.
BOOL SetFileAttributesW(LPCWSTR name, DWORD attributes) {
  using namespace platform;
  const std::optional<std::string> path = PosixPathFromWide(name);
  if (!path) return FALSE;
  struct stat status;
  if (stat(path->c_str(), &status) != 0) {
    SetLastErrorForPath(errno, *path);
    return FALSE;
  }
  constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;
  const mode_t original_mode = status.st_mode & 07777;
  mode_t final_mode = original_mode;
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    final_mode &= ~kWriteBits;
  } else if (IsReadOnlyMode(original_mode)) {
    final_mode |= S_IWUSR;
  }
  const bool opened_for_storing =
      IsReadOnlyMode(original_mode) && chmod(path->c_str(), original_mode | S_IWUSR) == 0;

  const DWORD stored = attributes & kStoredAttributeBits;
  const int store_error = WriteStoredAttributes(*path, stored);
  const bool only_archive_lost = store_error == ENOTSUP && (stored & ~FILE_ATTRIBUTE_ARCHIVE) == 0;
  if (store_error != 0 && !only_archive_lost) {
    if (opened_for_storing) chmod(path->c_str(), original_mode);
    SetLastErrorFromErrno(store_error);
    return FALSE;
  }
  const mode_t current_mode = opened_for_storing ? (original_mode | S_IWUSR) : original_mode;
  if (final_mode != current_mode && chmod(path->c_str(), final_mode) != 0) {
    const int error = errno;
    if (opened_for_storing) chmod(path->c_str(), original_mode);
    SetLastErrorFromErrno(error);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
