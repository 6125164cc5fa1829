// Operations on paths rather than open files. Each takes its path from the caller's
// string slot 0 (UTF-16, see SlotToWide) and pops it.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/frame/routine_frame.h"

namespace runtime {

// The path's attribute bits. Anything that cannot be queried raises 53 (which is how a
// caller tests that a path exists); "*" or "?" raises 64 without touching the disk.
DWORD FileAttributesGet(RoutineFrame& frame);
// Sets read-only, hidden, system and archive (mask 0x27) from `attributes`.
void FileAttributesSet(RoutineFrame& frame, DWORD attributes);
// Deletes the plain files matching the pattern (a trailing ":" or "\" means every file
// there); hidden, system and directory entries are skipped. Stops at the first file that
// cannot be deleted; those deleted before it stay deleted. Nothing matching raises 53.
void FileDelete(RoutineFrame& frame);
// Free and total bytes of the volume holding the path; 0 when it cannot be asked.
long double DiskSpaceFree(RoutineFrame& frame);
long double DiskSpaceTotal(RoutineFrame& frame);

}  // namespace runtime
