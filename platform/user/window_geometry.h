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

// Makes the top-level bitmap match the window rectangle (at most kMostBitmapSide pixels a
// side: what lies beyond is never drawn).
void SizeBitmap(Window& window);
constexpr int kMostBitmapSide = 4096;

// Positions and sizes as the window system keeps them: coordinates within +-32767 and
// sizes within 0..32767, so that no sum overflows whatever a caller passes.
int ClampCoordinate(int value);
int ClampSize(int value);

}  // namespace platform::user
