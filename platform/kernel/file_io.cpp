// ReadFile, WriteFile and FlushFileBuffers on file handles (synchronous only).
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "platform/kernel/errno_map.h"
#include "platform/kernel/file_object.h"
#include "platform/win32.h"

namespace {

// Common refusals of the two transfer calls; null means the call may go ahead.
std::shared_ptr<platform::FileObject> TransferTarget(HANDLE file, const void* buffer, DWORD bytes,
                                                     LPOVERLAPPED overlapped) {
  std::shared_ptr<platform::FileObject> object = platform::FindFile(file);
  if (!object) return nullptr;
  // Overlapped transfers need events and completion, which no caller here uses.
  if (overlapped != nullptr || (buffer == nullptr && bytes != 0)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return object;
}

}  // namespace

extern "C" {

// A disk file is read until the count is met or its end is reached (reading at or past
// the end is success with fewer bytes); a pipe or terminal gives what one read returns.
BOOL ReadFile(HANDLE file, LPVOID buffer, DWORD to_read, LPDWORD read, LPOVERLAPPED overlapped) {
  if (read != nullptr) *read = 0;
  const auto object = TransferTarget(file, buffer, to_read, overlapped);
  if (!object) return FALSE;
  if (!object->CanRead()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const bool whole_count = object->regular();
  auto* bytes = static_cast<unsigned char*>(buffer);
  DWORD done = 0;
  while (done < to_read) {
    const ssize_t got = ::read(object->fd(), bytes + done, to_read - done);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      if (read != nullptr) *read = done;
      platform::SetLastErrorFromErrno(error, platform::IoDirection::kRead);
      return FALSE;
    }
    done += static_cast<DWORD>(got);
    if (got == 0 || !whole_count) break;
  }
  if (read != nullptr) *read = done;
  return TRUE;
}

// A write that stops short because the file cannot grow (disk full, quota, size limit)
// reports what reached the file: TRUE with the short count when some bytes did, so the
// caller sees a short write, or FALSE with ERROR_DISK_FULL when none did.
BOOL WriteFile(HANDLE file, LPCVOID buffer, DWORD to_write, LPDWORD written,
               LPOVERLAPPED overlapped) {
  if (written != nullptr) *written = 0;
  const auto object = TransferTarget(file, buffer, to_write, overlapped);
  if (!object) return FALSE;
  if (!object->CanWrite()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  const auto* bytes = static_cast<const unsigned char*>(buffer);
  DWORD done = 0;
  while (done < to_write) {
    const ssize_t put = ::write(object->fd(), bytes + done, to_write - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      if (written != nullptr) *written = done;
      const DWORD win32_error = platform::Win32ErrorFromErrno(error, platform::IoDirection::kWrite);
      if (win32_error == ERROR_DISK_FULL && done > 0) return TRUE;
      SetLastError(win32_error);
      return FALSE;
    }
    if (put == 0) break;  // nothing more will fit; report the short count
    done += static_cast<DWORD>(put);
  }
  if (written != nullptr) *written = done;
  return TRUE;
}

BOOL FlushFileBuffers(HANDLE file) {
  const auto object = platform::FindFile(file);
  if (!object) return FALSE;
  if (!object->CanWrite()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (fsync(object->fd()) != 0) {
    const int error = errno;
    // Pipes and terminals have nothing to sync; for them that is no failure.
    if (error == EINVAL && !object->regular()) return TRUE;
    platform::SetLastErrorFromErrno(error, platform::IoDirection::kWrite);
    return FALSE;
  }
  return TRUE;
}

}  // extern "C"
