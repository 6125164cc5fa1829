// Painting a list box and its scroll bar (platform-internal; see list_box_paint.cpp).
#pragma once

#include "platform/user/controls/list_box_state.h"

namespace platform::user::controls {

void PaintListBox(ListBoxState& state, HDC dc);
// The WS_VSCROLL bar in the non-client area (window coordinates), and its rectangle on the
// screen.
void PaintListScrollBar(ListBoxState& state);
RECT ListScrollBarOnScreen(HWND window);

}  // namespace platform::user::controls
