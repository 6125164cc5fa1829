// Translation of Win32 error numbers into run-time error codes.
#pragma once

#include "platform/win32.h"
#include "runtime/frame/error_state.h"

namespace runtime {

RuntimeErrorCode MapOsError(DWORD win32_error);

}  // namespace runtime
