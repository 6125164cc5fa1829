// A press on a window's own scroll bar (platform-internal): DefWindowProcW's answer to
// WM_NCLBUTTONDOWN with HTHSCROLL / HTVSCROLL.
//
// As in Windows, the press is followed in a loop of its own until the button comes up:
// the window is told what the user does with WM_HSCROLL / WM_VSCROLL (lParam 0) and sets
// the position itself.
//
//   press on            | sends at once          | while held                   | on release
//   an arrow            | SB_LINEUP / DOWN       | again after 300 ms, every    | SB_ENDSCROLL
//   the track           | SB_PAGEUP / DOWN       |  50 ms, while over the part  |
//   the thumb           | nothing                | SB_THUMBTRACK(pos) per move  | SB_THUMBPOSITION,
//                       |                        |                              | SB_ENDSCROLL
//
// The loop takes the thread's messages: mouse messages steer the bar, everything else is
// dispatched as usual. It ends on the button's release, on a lost capture, or when nothing
// is queued and the left button is no longer down.
#pragma once

#include "platform/win32.h"

namespace platform::user::controls {

// `bar`: SB_HORZ or SB_VERT; `screen`: where the button went down.
void TrackWindowScrollBar(HWND window, int bar, POINT screen);

}  // namespace platform::user::controls
