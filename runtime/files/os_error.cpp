#include "runtime/files/os_error.h"

namespace runtime {

RuntimeErrorCode MapOsError(DWORD e) {
  switch (e) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_NO_MORE_FILES:
      return error::kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
      return error::kPathNotFound;
    case ERROR_TOO_MANY_OPEN_FILES:
      return error::kTooManyFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_SHARING_BUFFER_EXCEEDED:
      return error::kPermissionDenied;
    case ERROR_INVALID_HANDLE:
      return error::kDeviceIoError;
    case ERROR_ARENA_TRASHED:
    case ERROR_INVALID_BLOCK:
    case ERROR_BAD_ENVIRONMENT:
      return error::kGlobalMemoryCorrupt;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return error::kOutOfMemory;
    case ERROR_BAD_FORMAT:
    case ERROR_INVALID_ACCESS:
    case ERROR_INVALID_DATA:
    case ERROR_BAD_COMMAND:
    case ERROR_BAD_LENGTH:
      return error::kInternalError;
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_UNIT:
      return error::kDeviceUnavailable;
    case ERROR_NOT_SAME_DEVICE:
      return 74;  // Rename across disks
    case ERROR_NOT_READY:
      return 71;  // Disk not ready
    case ERROR_CRC:
    case ERROR_SEEK:
    case ERROR_NOT_DOS_DISK:
    case ERROR_SECTOR_NOT_FOUND:
    case ERROR_OUT_OF_PAPER:
    case ERROR_WRITE_FAULT:
    case ERROR_READ_FAULT:
    case ERROR_GEN_FAILURE:
    case ERROR_WRONG_DISK:
    case 35:  // ERROR_FCB_UNAVAILABLE
      return 72;  // Disk media error
    case ERROR_HANDLE_EOF:
      return error::kInputPastEnd;
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_DISK_FULL:
      return error::kDiskFull;
    case ERROR_INVALID_PARAMETER:
      return error::kIllegalFunctionCall;
    default:
      return error::kPathFileAccessError;
  }
}

}  // namespace runtime
