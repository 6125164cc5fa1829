// DeleteFileW: Windows' refusals (read-only files, directories, files open without
// FILE_SHARE_DELETE anywhere) before the unlink.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/file_attributes.h"
#include "platform/kernel/paths.h"
#include "platform/kernel/share_modes.h"
#include "platform/win32.h"

namespace {

DWORD Unlink(const std::string& path) {
  if (unlink(path.c_str()) == 0) return ERROR_SUCCESS;
  return platform::Win32ErrorForPath(errno, path);
}

}  // namespace

// A symbolic link is deleted itself, never its target. The share check needs a readable
// descriptor of the file; a file this user may not read is deleted without it.
extern "C" BOOL DeleteFileW(LPCWSTR name) {
  using namespace platform;
  const std::optional<std::string> path = PosixPathFromWide(name);
  if (!path) return FALSE;
  struct stat status;
  if (lstat(path->c_str(), &status) != 0) {
    SetLastErrorForPath(errno, *path);
    return FALSE;
  }
  if (S_ISDIR(status.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (!S_ISREG(status.st_mode)) {
    const DWORD error = Unlink(*path);
    if (error != ERROR_SUCCESS) SetLastError(error);
    return error == ERROR_SUCCESS;
  }
  if (IsReadOnlyMode(status.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const int fd = open(path->c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
  DWORD error;
  if (fd < 0) {
    error = Unlink(*path);
  } else {
    error = RemoveUnlessDeleteDenied(fd, [&] { return Unlink(*path); });
    close(fd);
  }
  if (error != ERROR_SUCCESS) {
    SetLastError(error);
    return FALSE;
  }
  return TRUE;
}
