// What the window system tells the display about top-level windows, and the
// transcript's window lines (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform::user {

// A top-level window became visible: the display shows it. The transcript gets its line
// (class, caption, style, rectangle, and every control with its id, class, text and
// rectangle in client coordinates) when the program next waits for input, so that the
// controls created after ShowWindow are in it too.
void DisplayWindowShown(HWND window);
void WritePendingWindowLines();
// Its title, place or style changed.
void DisplayWindowChanged(HWND window);
// It was hidden or is being destroyed.
void DisplayWindowHidden(HWND window);
void DisplayWindowActivated(HWND window);
// Pixels of it changed: `damaged` in window coordinates.
void DisplayWindowPainted(HWND window, const RECT& damaged);

}  // namespace platform::user
