#include "runtime/files/file_table.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/numbered_files.h"

namespace runtime {

namespace {

// Devices and sockets have nothing a flush could write out.
RuntimeErrorCode FlushNumber(FileNumber number) {
  FileEntry* entry = Files().Find(number);
  if (entry == nullptr) return 0;
  if ((entry->mode & (file_mode::kDevice | file_mode::kSockets)) != 0) return 0;
  return GuardedOsCall([&] { return FlushFileBuffers(entry->handle); }).code;
}

}  // namespace

void FileFlush(RoutineFrame& frame, FileNumber number) {
  if (RuntimeErrorCode code = FlushNumber(number)) frame.errors.RaiseError(code);
}

void FileFlushAll(RoutineFrame& frame) {
  RuntimeErrorCode first = 0;
  for (FileNumber number : Files().Numbers()) {
    RuntimeErrorCode code = FlushNumber(number);
    if (first == 0) first = code;
  }
  if (first != 0) frame.errors.RaiseError(first);
}

}  // namespace runtime
