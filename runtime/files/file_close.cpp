// Closing files. An entry is unlinked first, so a failing OS call can never leave a
// half-closed entry in the table; its memory is released whatever the calls answer.
#include "runtime/files/file_table.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/numbered_files.h"
#include "runtime/frame/runtime_lists.h"

namespace runtime {

namespace {

RuntimeErrorCode CloseUnlinkedEntry(FileEntry* entry) {
  RuntimeErrorCode first = 0;
  auto keep_first = [&first](RuntimeErrorCode code) {
    if (first == 0) first = code;
  };
  // An output file ends where the last write ended, even when it was longer before.
  if (entry->mode == file_mode::kOutput && entry->is_disk()) {
    keep_first(GuardedOsCall([&] { return SetEndOfFile(entry->handle); }).code);
  }
  // The socket kinds would need the socket library, which this program's build leaves
  // out: nothing is called for their handles.
  bool is_socket = (entry->mode & file_mode::kSockets) != 0;
  if (!is_socket && (entry->flags & entry_flag::kAttached) == 0) {
    keep_first(GuardedOsCall([&] { return CloseHandle(entry->handle); }).code);
  }
  ReleaseFileEntry(entry);
  return first;
}

// Start-up empties the table and restarts the numbering; files a previous run of the
// program left open in this process are closed, as its exit would have closed them.
void ResetFileTable() {
  while (FileEntry* entry = Files().UnlinkNewest()) CloseUnlinkedEntry(entry);
  ResetFileNumberCounter();
}

}  // namespace

void RegisterFileTableReset() { RegisterRuntimeListReset(&ResetFileTable); }

RuntimeErrorCode FileCloseCode(FileNumber number, std::uint8_t mode_mask) {
  FileTable& table = Files();
  FileEntry* entry = table.Find(number);
  if (entry == nullptr) return 0;
  if (mode_mask != 0 && (entry->mode & mode_mask) == 0) return error::kBadFileMode;
  if (!table.Unlink(entry)) return error::kStringSpaceCorrupt;
  return CloseUnlinkedEntry(entry);
}

void FileClose(RoutineFrame& frame, FileNumber number, std::uint8_t mode_mask) {
  if (RuntimeErrorCode code = FileCloseCode(number, mode_mask)) frame.errors.RaiseError(code);
}

void FileCloseAll(RoutineFrame& frame) {
  RuntimeErrorCode first = 0;
  while (FileEntry* entry = Files().UnlinkNewest()) {
    RuntimeErrorCode code = CloseUnlinkedEntry(entry);
    if (first == 0) first = code;
  }
  if (first != 0) frame.errors.RaiseError(first);
}

}  // namespace runtime
