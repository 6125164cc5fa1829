// A press on a caption box (platform-internal): DefWindowProcW's answer to
// WM_NCLBUTTONDOWN with HTCLOSE, HTMINBUTTON or HTMAXBUTTON.
//
// As in Windows, the box is pushed in while the button is held over it and springs back
// when the mouse leaves it; only a release over the box counts. The loop takes the
// thread's messages as the scroll-bar press does: mouse messages move the box, everything
// else is dispatched as usual. A press that no mouse button stands behind (a program
// sending WM_NCLBUTTONDOWN itself) counts as a whole click at once.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// True when the button came up over the box `hit`.
bool TrackCaptionBox(HWND window, LRESULT hit);

}  // namespace platform::user
