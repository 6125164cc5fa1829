// The file pointer, the end of file, the size and the type of a file handle.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <limits>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/file_object.h"
#include "platform/win32.h"

namespace {

// A low part equal to the failure value is ambiguous; Windows callers then look at
// GetLastError, which must say success.
DWORD ReportLowPart(std::uint64_t value, LPDWORD high) {
  if (high != nullptr) *high = static_cast<DWORD>(value >> 32);
  const auto low = static_cast<DWORD>(value);
  if (low == 0xFFFFFFFF) SetLastError(ERROR_SUCCESS);
  return low;
}

}  // namespace

extern "C" {

// Without a high part the distance is a signed 32-bit value and the result must fit in
// 32 bits; with one, both are 64-bit. A position before the start is refused with
// ERROR_NEGATIVE_SEEK and leaves the pointer where it was.
DWORD SetFilePointer(HANDLE file, LONG distance, PLONG distance_high, DWORD method) {
  const auto object = platform::FindFile(file);
  if (!object) return INVALID_SET_FILE_POINTER;
  std::int64_t move = distance;
  if (distance_high != nullptr) {
    move = static_cast<std::int64_t>((static_cast<std::uint64_t>(*distance_high) << 32) |
                                     static_cast<DWORD>(distance));
  }
  std::int64_t origin = 0;
  if (method == FILE_CURRENT) {
    const off_t current = lseek(object->fd(), 0, SEEK_CUR);
    if (current < 0) {
      platform::SetLastErrorFromErrno(errno);
      return INVALID_SET_FILE_POINTER;
    }
    origin = current;
  } else if (method == FILE_END) {
    struct stat status;
    if (fstat(object->fd(), &status) != 0) {
      platform::SetLastErrorFromErrno(errno);
      return INVALID_SET_FILE_POINTER;
    }
    origin = status.st_size;
  } else if (method != FILE_BEGIN) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  std::int64_t target;
  if (__builtin_add_overflow(origin, move, &target)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (target < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return INVALID_SET_FILE_POINTER;
  }
  if (distance_high == nullptr && target > std::numeric_limits<DWORD>::max()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (lseek(object->fd(), target, SEEK_SET) < 0) {
    platform::SetLastErrorFromErrno(errno);
    return INVALID_SET_FILE_POINTER;
  }
  return ReportLowPart(static_cast<std::uint64_t>(target),
                       reinterpret_cast<LPDWORD>(distance_high));
}

BOOL SetEndOfFile(HANDLE file) {
  const auto object = platform::FindFile(file);
  if (!object) return FALSE;
  if (!object->CanWrite()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const off_t position = lseek(object->fd(), 0, SEEK_CUR);
  if (position < 0 || ftruncate(object->fd(), position) != 0) {
    platform::SetLastErrorFromErrno(errno, platform::IoDirection::kWrite);
    return FALSE;
  }
  return TRUE;
}

DWORD GetFileSize(HANDLE file, LPDWORD size_high) {
  const auto object = platform::FindFile(file);
  if (!object) return INVALID_FILE_SIZE;
  struct stat status;
  if (fstat(object->fd(), &status) != 0) {
    platform::SetLastErrorFromErrno(errno);
    return INVALID_FILE_SIZE;
  }
  const std::uint64_t size =
      S_ISREG(status.st_mode) ? static_cast<std::uint64_t>(status.st_size) : 0;
  return ReportLowPart(size, size_high);
}

DWORD GetFileType(HANDLE file) {
  const auto object = platform::FindFile(file);
  if (!object) return FILE_TYPE_UNKNOWN;
  struct stat status;
  if (fstat(object->fd(), &status) != 0) {
    platform::SetLastErrorFromErrno(errno);
    return FILE_TYPE_UNKNOWN;
  }
  if (S_ISCHR(status.st_mode)) return FILE_TYPE_CHAR;
  if (S_ISFIFO(status.st_mode) || S_ISSOCK(status.st_mode)) return FILE_TYPE_PIPE;
  return FILE_TYPE_DISK;
}

}  // extern "C"
