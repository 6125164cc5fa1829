// Window rectangles kept consistent (platform-internal).
#pragma once

#include "platform/user/window.h"

namespace platform::user {

// Sends WM_NCCALCSIZE for the window's current window rectangle and takes the answer as
// its client rectangle. False when the window died meanwhile.
bool RecalculateClient(HWND window);

// Moves the window rectangle (screen coordinates) without messages: children follow,
// the client rectangle keeps its frame widths, the bitmap of a top-level is resized.
void PlaceWindowRect(Window& window, const RECT& screen_rect);

// A rectangle in the coordinates of the window's parent's client area (screen for a
// top-level window), as WINDOWPOS and WM_NCCALCSIZE carry it.
RECT ParentRelative(const Window& window, const RECT& screen_rect);

// Makes the top-level bitmap match the window rectangle.
void SizeBitmap(Window& window);

}  // namespace platform::user
