// The one way the file services and the clock functions call the operating system.
//
// Every guarded call is serialised by the process-wide OS-call lock, runs with the
// critical-error boxes off (SetErrorMode 0x8001) and the last error cleared, and cannot
// disturb the caller's floating-point state. The call succeeded when the last error is
// still 0 afterwards, whatever the function returned.
#pragma once

#include <type_traits>
#include <utility>

#include "platform/win32.h"
#include "runtime/files/os_error.h"
#include "runtime/files/float_control_guard.h"
#include "runtime/frame/spin_lock.h"

namespace runtime {

template <class R>
struct OsCallOutcome {
  R result{};
  DWORD last_error = 0;
  RuntimeErrorCode code = 0;  // MapOsError(last_error) when the call failed
  bool ok() const { return last_error == 0; }
};

template <>
struct OsCallOutcome<void> {
  DWORD last_error = 0;
  RuntimeErrorCode code = 0;
  bool ok() const { return last_error == 0; }
};

SpinLock& OsCallLock();

template <class Call>
auto GuardedOsCall(Call&& call) -> OsCallOutcome<std::invoke_result_t<Call>> {
  using R = std::invoke_result_t<Call>;
  OsCallOutcome<R> outcome;
  SpinLock& lock = OsCallLock();
  lock.lock();
  UINT previous_mode;
  {
    FloatControlGuard float_state;
    previous_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    SetLastError(0);
    if constexpr (std::is_void_v<R>) {
      std::forward<Call>(call)();
    } else {
      outcome.result = std::forward<Call>(call)();
    }
  }
  outcome.last_error = GetLastError();
  SetErrorMode(previous_mode);
  lock.unlock();
  if (outcome.last_error != 0) outcome.code = MapOsError(outcome.last_error);
  return outcome;
}

}  // namespace runtime
