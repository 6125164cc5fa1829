#include "runtime/frame/error_state.h"

#include "platform/win32.h"

namespace runtime {

void ErrorState::RaiseError(unsigned code) {
  // Every run-time error starts here: one place to break on.
  if (code == 0) code = error::kInternalError;
  code &= 0xFF;
  word_ = static_cast<std::uint16_t>((kRaisedFlags << 8) | code);
  // No routine carries statement positions, so the thread's error range is never filled.
  if (code >= error::kFirstFatal) ExitProcess(255);
}

void ErrorState::RaiseUserError(long long n) {
  RaiseError(n < 1 || n > 255 ? error::kIllegalFunctionCall : static_cast<unsigned>(n));
}

}  // namespace runtime
