// The painting DefWindowProcW does (platform-internal; drawn through gdi).
#pragma once

#include "platform/win32.h"

namespace platform::user {

// WM_ERASEBKGND's default: fills the DC's clip box with the class brush (a brush or
// COLOR_xxx + 1); false when the class has none.
bool EraseWithClassBrush(HWND window, HDC dc);

// WM_NCPAINT's default: the classic frame, caption (active or inactive), icon and close
// box into the window's pixels.
void PaintFrame(HWND window);

// WM_CTLCOLOR*'s default: sets the DC's text and background colours for the kind of
// control and returns the brush to fill with.
HBRUSH DefaultControlColors(HDC dc, UINT message);

}  // namespace platform::user
