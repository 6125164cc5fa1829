#include "platform/kernel/errno_map.h"

#include <sys/stat.h>

#include <cerrno>

namespace platform {

// errno            Win32 error
// ENOENT           2   ERROR_FILE_NOT_FOUND (3 when a directory on the way is missing)
// ENOTDIR          3   ERROR_PATH_NOT_FOUND
// EMFILE, ENFILE   4   ERROR_TOO_MANY_OPEN_FILES
// EACCES, EPERM,
// EISDIR           5   ERROR_ACCESS_DENIED
// EBADF            6   ERROR_INVALID_HANDLE
// ENOMEM           8   ERROR_NOT_ENOUGH_MEMORY
// EXDEV            17  ERROR_NOT_SAME_DEVICE
// EROFS            19  ERROR_WRITE_PROTECT
// ENXIO, ENODEV    20  ERROR_BAD_UNIT
// ESPIPE           25  ERROR_SEEK
// EIO              29 / 30 / 31  write fault / read fault / general failure
// EBUSY, ETXTBSY   32  ERROR_SHARING_VIOLATION
// ENOTSUP          50  ERROR_NOT_SUPPORTED
// EEXIST           80  ERROR_FILE_EXISTS
// EINVAL, EFAULT   87  ERROR_INVALID_PARAMETER
// ENOSPC, EDQUOT,
// EFBIG            112 ERROR_DISK_FULL (the file cannot grow, whatever the reason)
// ENOSYS           120 ERROR_CALL_NOT_IMPLEMENTED
// EILSEQ           123 ERROR_INVALID_NAME
// ENOTEMPTY        145 ERROR_DIR_NOT_EMPTY
// ENAMETOOLONG     206 ERROR_FILENAME_EXCED_RANGE
// EOVERFLOW        223 ERROR_FILE_TOO_LARGE
// EPIPE            232 ERROR_NO_DATA (the reading end is gone)
// ELOOP            1921 ERROR_CANT_RESOLVE_FILENAME
// anything else    31  ERROR_GEN_FAILURE
DWORD Win32ErrorFromErrno(int error, IoDirection direction) {
  switch (error) {
    case 0:
      return ERROR_SUCCESS;
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EMFILE:
    case ENFILE:
      return ERROR_TOO_MANY_OPEN_FILES;
    case EACCES:
    case EPERM:
    case EISDIR:
      return ERROR_ACCESS_DENIED;
    case EBADF:
      return ERROR_INVALID_HANDLE;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case EXDEV:
      return ERROR_NOT_SAME_DEVICE;
    case EROFS:
      return ERROR_WRITE_PROTECT;
    case ENXIO:
    case ENODEV:
      return ERROR_BAD_UNIT;
    case ESPIPE:
      return ERROR_SEEK;
    case EIO:
      if (direction == IoDirection::kWrite) return ERROR_WRITE_FAULT;
      if (direction == IoDirection::kRead) return ERROR_READ_FAULT;
      return ERROR_GEN_FAILURE;
    case EBUSY:
    case ETXTBSY:
      return ERROR_SHARING_VIOLATION;
    case ENOTSUP:
      return ERROR_NOT_SUPPORTED;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case EINVAL:
    case EFAULT:
      return ERROR_INVALID_PARAMETER;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return ERROR_DISK_FULL;
    case ENOSYS:
      return ERROR_CALL_NOT_IMPLEMENTED;
    case EILSEQ:
      return ERROR_INVALID_NAME;
    case ENOTEMPTY:
      return ERROR_DIR_NOT_EMPTY;
    case ENAMETOOLONG:
      return ERROR_FILENAME_EXCED_RANGE;
    case EOVERFLOW:
      return ERROR_FILE_TOO_LARGE;
    case EPIPE:
      return ERROR_NO_DATA;
    case ELOOP:
      return ERROR_CANT_RESOLVE_FILENAME;
    default:
      return ERROR_GEN_FAILURE;
  }
}

DWORD Win32ErrorForPath(int error, const std::string& posix_path) {
  if (error != ENOENT) return Win32ErrorFromErrno(error);
  const std::string::size_type slash = posix_path.find_last_of('/');
  if (slash == std::string::npos) return ERROR_FILE_NOT_FOUND;  // the current directory exists
  const std::string parent = slash == 0 ? "/" : posix_path.substr(0, slash);
  struct stat parent_status;
  if (stat(parent.c_str(), &parent_status) == 0 && S_ISDIR(parent_status.st_mode)) {
    return ERROR_FILE_NOT_FOUND;
  }
  return ERROR_PATH_NOT_FOUND;
}

void SetLastErrorFromErrno(int error, IoDirection direction) {
  SetLastError(Win32ErrorFromErrno(error, direction));
}

void SetLastErrorForPath(int error, const std::string& posix_path) {
  SetLastError(Win32ErrorForPath(error, posix_path));
}

}  // namespace platform
