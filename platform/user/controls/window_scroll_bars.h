// The scroll bars of windows with WS_HSCROLL / WS_VSCROLL (platform-internal): their
// values (range 0-100 until set, as in Windows), their painting in the frame, and the
// state of a press on them (window_scroll_tracking.h) that the painting shows.
#pragma once

#include "platform/user/controls/scroll_bar_layout.h"

namespace platform::user::controls {

struct WindowScrollBar {
  ScrollValues values{0, 100, 0, 0};
  UINT disabled_arrows = 0;
  ScrollPart pressed = ScrollPart::kNone;  // drawn pressed while the mouse holds it
  bool dragging = false;                   // the thumb is dragged: it stands at track_pos
  int track_pos = 0;
};

// The bar's record (made on first use); null for a dead window or a bar other than
// SB_HORZ / SB_VERT.
WindowScrollBar* WindowBar(HWND window, int bar);

// Drops the window's records (DestroyWindow, as its handle dies).
void ForgetWindowBars(HWND window);

// Shows or hides the bar's style bit and re-lays the frame; false for a dead window.
bool ShowWindowBar(HWND window, int bar, bool show);

// Where the bar lies on the screen; false when the window has no such bar showing.
bool WindowBarOnScreen(HWND window, int bar, RECT* screen);

// The bar's layout on the screen, the thumb where it is drawn (at the track position
// while dragged).
ScrollLayout LayoutWindowBar(HWND window, int bar, const WindowScrollBar& record, const RECT& screen);

// Paints the window's bars into its window DC (called by the frame's painting).
void PaintWindowScrollBars(HWND window, HDC window_dc);

}  // namespace platform::user::controls
