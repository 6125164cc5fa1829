// The guarded OS calls made on an open entry's handle, each answering 0 or the run-time
// code of the failure (judged by the last error, as GuardedOsCall does).
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/files/file_entry.h"

namespace runtime {

// Moves the file pointer; *new_offset (when given) receives the resulting 64-bit offset.
RuntimeErrorCode SeekEntry(FileEntry& entry, std::int64_t offset, DWORD method,
                           std::int64_t* new_offset = nullptr);
// *moved receives the byte count the OS reports (0 on failure).
RuntimeErrorCode ReadEntry(FileEntry& entry, void* target, DWORD bytes, DWORD* moved);
RuntimeErrorCode WriteEntry(FileEntry& entry, const void* source, DWORD bytes, DWORD* moved);

}  // namespace runtime
