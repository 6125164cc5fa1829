// Per-thread last error and the process's error mode.
#include <atomic>

#include "platform/win32.h"

namespace {
thread_local DWORD last_error = 0;
std::atomic<UINT> error_mode{0};
}  // namespace

extern "C" {

void SetLastError(DWORD error) { last_error = error; }
DWORD GetLastError() { return last_error; }
UINT SetErrorMode(UINT mode) { return error_mode.exchange(mode); }

}  // extern "C"
