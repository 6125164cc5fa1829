// CreateFileW over open(2): dispositions, access, the read-only attribute and share modes.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>
#include <optional>
#include <string>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/file_attributes.h"
#include "platform/kernel/file_object.h"
#include "platform/kernel/paths.h"
#include "platform/kernel/share_modes.h"
#include "platform/win32.h"

namespace platform {
namespace {

constexpr int kCommonFlags = O_CLOEXEC | O_NOCTTY;
constexpr mode_t kNewFileMode = 0666;  // the umask decides, as for any new file here
// OPEN_ALWAYS and CREATE_ALWAYS tell "created" from "opened"; a file that vanishes
// between the two attempts is looked at again, a few times only.
constexpr int kCreateOrOpenAttempts = 4;

struct Opened {
  int fd = -1;
  int error = 0;
  bool created = false;
};

// Read-write comes first even when only one direction was asked for: share markers are
// read locks, which need a readable descriptor. Narrower modes are the fallback when the
// file's permissions refuse read-write.
Opened OpenWithAccess(const std::string& path, int flags, DWORD access_kinds) {
  const bool wants_read = access_kinds & kAccessKindRead;
  const bool wants_write = access_kinds & kAccessKindWrite;
  Opened opened;
  for (const int mode : {O_RDWR, O_RDONLY, O_WRONLY}) {
    if ((mode == O_RDONLY && wants_write) || (mode == O_WRONLY && wants_read)) continue;
    opened.fd = open(path.c_str(), mode | flags | kCommonFlags, kNewFileMode);
    if (opened.fd >= 0) return opened;
    opened.error = errno;
    if (opened.error != EACCES && opened.error != EPERM && opened.error != EROFS &&
        opened.error != ETXTBSY) {
      break;
    }
  }
  return opened;
}

Opened OpenByDisposition(const std::string& path, DWORD disposition, DWORD access_kinds) {
  switch (disposition) {
    case CREATE_NEW: {
      Opened opened = OpenWithAccess(path, O_CREAT | O_EXCL, access_kinds);
      opened.created = opened.fd >= 0;
      return opened;
    }
    case CREATE_ALWAYS:
    case OPEN_ALWAYS: {
      Opened opened;
      for (int attempt = 0; attempt < kCreateOrOpenAttempts; ++attempt) {
        opened = OpenWithAccess(path, O_CREAT | O_EXCL, access_kinds);
        if (opened.fd >= 0) {
          opened.created = true;
          return opened;
        }
        if (opened.error != EEXIST) return opened;
        opened = OpenWithAccess(path, 0, access_kinds);
        if (opened.fd >= 0 || opened.error != ENOENT) return opened;
      }
      return opened;
    }
    default:  // OPEN_EXISTING, TRUNCATE_EXISTING
      return OpenWithAccess(path, 0, access_kinds);
  }
}

bool IsReadable(int fd) {
  const int status_flags = fcntl(fd, F_GETFL);
  return status_flags >= 0 && (status_flags & O_ACCMODE) != O_WRONLY;
}

// The checks Windows makes on an existing file before it opens or replaces it.
DWORD RefusalOfExistingFile(const std::string& path, const struct stat& status, DWORD disposition,
                            DWORD access_kinds, DWORD requested_attributes) {
  if (S_ISDIR(status.st_mode)) return ERROR_ACCESS_DENIED;
  if (!S_ISREG(status.st_mode)) return ERROR_SUCCESS;
  const bool replaces = disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING;
  // Enforced here rather than left to the mode bits, so that it holds for root too.
  if (IsReadOnlyMode(status.st_mode) && ((access_kinds & kAccessKindWrite) || replaces)) {
    return ERROR_ACCESS_DENIED;
  }
  // Windows will not silently replace a hidden or system file by an ordinary one.
  if (disposition == CREATE_ALWAYS) {
    const DWORD stored = ReadStoredAttributes(path).value_or(0);
    const DWORD guarded = stored & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if ((guarded & requested_attributes) != guarded) return ERROR_ACCESS_DENIED;
  }
  return ERROR_SUCCESS;
}

// A created or replaced file takes the attributes asked for, plus archive.
void ApplyNewFileAttributes(int fd, bool replaced, DWORD requested_attributes) {
  const DWORD stored = (requested_attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) |
                       FILE_ATTRIBUTE_ARCHIVE;
  // Best effort: a file system without extended attributes reports plain archive.
  if (replaced || stored != FILE_ATTRIBUTE_ARCHIVE) WriteStoredAttributes(fd, stored);
  if (requested_attributes & FILE_ATTRIBUTE_READONLY) {
    struct stat status;
    // The handle keeps the access it was opened with; only later opens are refused.
    if (fstat(fd, &status) == 0) fchmod(fd, status.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH));
  }
}

HANDLE Fail(int fd, DWORD error) {
  if (fd >= 0) close(fd);
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

}  // namespace
}  // namespace platform

// The security attributes are accepted and ignored: descriptors are always opened
// close-on-exec, because the program starts no child that could use an inherited one.
extern "C" HANDLE CreateFileW(LPCWSTR name, DWORD access, DWORD share,
                              LPSECURITY_ATTRIBUTES /*security*/, DWORD disposition,
                              DWORD flags_and_attributes, HANDLE /*template_file*/) {
  using namespace platform;
  if (disposition < CREATE_NEW || disposition > TRUNCATE_EXISTING) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_HANDLE_VALUE;
  }
  const std::optional<std::string> path = PosixPathFromWide(name);
  if (!path) return INVALID_HANDLE_VALUE;
  const DWORD access_kinds = AccessKindsOf(access);
  const Opened opened = OpenByDisposition(*path, disposition, access_kinds);
  if (opened.fd < 0) return Fail(-1, Win32ErrorForPath(opened.error, *path));

  struct stat status;
  if (fstat(opened.fd, &status) != 0) return Fail(opened.fd, Win32ErrorFromErrno(errno));
  if (!opened.created) {
    const DWORD refusal =
        RefusalOfExistingFile(*path, status, disposition, access_kinds, flags_and_attributes);
    if (refusal != ERROR_SUCCESS) return Fail(opened.fd, refusal);
  }
  if (S_ISREG(status.st_mode) && IsReadable(opened.fd)) {
    const DWORD claim = ClaimShareAccess(opened.fd, access_kinds, share & kAllAccessKinds);
    if (claim != ERROR_SUCCESS) return Fail(opened.fd, claim);
  }
  // Only now, with the share check passed, may an existing file lose its contents.
  const bool replaces =
      !opened.created && (disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING);
  if (replaces && S_ISREG(status.st_mode) && ftruncate(opened.fd, 0) != 0) {
    return Fail(opened.fd, Win32ErrorFromErrno(errno, IoDirection::kWrite));
  }
  if (opened.created || (replaces && disposition == CREATE_ALWAYS)) {
    ApplyNewFileAttributes(opened.fd, !opened.created, flags_and_attributes);
  }

  const HANDLE handle = HandleForDescriptor(opened.fd, access);
  const bool reports_existing =
      !opened.created && (disposition == OPEN_ALWAYS || disposition == CREATE_ALWAYS);
  SetLastError(reports_existing ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}
