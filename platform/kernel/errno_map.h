// The one table that turns a POSIX errno into the Win32 error number a Windows call
// would have left in GetLastError. Every kernel call of the stand-in reports through it,
// so the run-time layer's own error translation sees Windows' numbers only.
#pragma once

#include <string>

#include "platform/win32.h"

namespace platform {

// EIO means a read fault or a write fault depending on what the call was doing.
enum class IoDirection { kNone, kRead, kWrite };

DWORD Win32ErrorFromErrno(int error, IoDirection direction = IoDirection::kNone);

// Windows tells a missing file (2) from a missing directory on the way to it (3);
// ENOENT alone cannot, so this looks at the parent of posix_path.
DWORD Win32ErrorForPath(int error, const std::string& posix_path);

// SetLastError(Win32ErrorFromErrno(error, direction)).
void SetLastErrorFromErrno(int error, IoDirection direction = IoDirection::kNone);
void SetLastErrorForPath(int error, const std::string& posix_path);

}  // namespace platform
