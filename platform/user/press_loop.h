// The loop that follows a mouse press on something a window draws itself (its scroll
// bars, its caption boxes) until the left button comes up, as Windows does inside
// DefWindowProcW (platform-internal).
//
// The loop takes the thread's messages: the window's mouse messages go to `moved` and
// `released` (in screen coordinates), `own` may take others (a repeat timer) by
// answering true, and everything else is dispatched as usual. It ends on the release, on
// a lost capture, when the window goes, on WM_QUIT (posted again for the program's own
// loop), or when nothing is queued and the left button is no longer down.
#pragma once

#include <functional>

#include "platform/win32.h"

namespace platform::user {

struct PressSteps {
  std::function<void(POINT screen)> moved;
  std::function<void(POINT screen)> released;
  std::function<bool(const MSG& msg)> own;  // may be empty
};

// True when the release was seen. The caller sets and releases the capture.
bool FollowPress(HWND window, const PressSteps& steps);

}  // namespace platform::user
