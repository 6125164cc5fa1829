#include "runtime/files/file_attributes.h"
#include "runtime/files/guarded_os_call.h"
#include "runtime/files/wide_path.h"

namespace runtime {

namespace {
constexpr std::uint32_t kMaxPathUnits = 255;
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                      FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
}  // namespace

// Called directly, not guarded: any failure means the same thing to the caller.
DWORD FileAttributesGet(RoutineFrame& frame) {
  WidePath path = WidePath::Pop(frame.strings, kMaxPathUnits);
  if (path.HasWildcard()) {
    frame.errors.RaiseError(error::kBadFileName);
    return 0;
  }
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    frame.errors.RaiseError(error::kFileNotFound);
    return 0;
  }
  return attributes;
}

void FileAttributesSet(RoutineFrame& frame, DWORD attributes) {
  WidePath path = WidePath::Pop(frame.strings, kMaxPathUnits);
  if (path.HasWildcard()) return frame.errors.RaiseError(error::kBadFileName);
  auto outcome = GuardedOsCall(
      [&] { return SetFileAttributesW(path.c_str(), attributes & kSettableAttributes); });
  if (!outcome.ok()) frame.errors.RaiseError(outcome.code);
}

}  // namespace runtime
