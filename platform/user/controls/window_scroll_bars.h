// The scroll bars of windows with WS_HSCROLL / WS_VSCROLL (platform-internal): their
// values (range 0-100 until set, as in Windows) and their painting in the frame. Mouse
// tracking on them is not done yet: they show and keep positions only.
#pragma once

#include "platform/user/controls/scroll_bar_layout.h"

namespace platform::user::controls {

struct WindowScrollBar {
  ScrollValues values{0, 100, 0, 0};
  UINT disabled_arrows = 0;
};

// The bar's record (made on first use); null for a dead window or a bar other than
// SB_HORZ / SB_VERT.
WindowScrollBar* WindowBar(HWND window, int bar);

// Drops the window's records (DestroyWindow, as its handle dies).
void ForgetWindowBars(HWND window);

// Shows or hides the bar's style bit and re-lays the frame; false for a dead window.
bool ShowWindowBar(HWND window, int bar, bool show);

// Paints the window's bars into its window DC (called by the frame's painting).
void PaintWindowScrollBars(HWND window, HDC window_dc);

}  // namespace platform::user::controls
