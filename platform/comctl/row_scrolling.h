// Vertical scrolling by whole rows, shared by the list view and the tree view
// (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform::comctl {

// `wanted` held between the first row and the top row of the last full page.
int ClampTopRow(int wanted, int count, int visible);

// Brings the window's vertical bar in line with rows [top, top + visible) of `count`: the
// bar appears once the rows overflow and is left alone while it already says so.
void SyncRowScrollBar(HWND window, int count, int visible, int top);

// The top row a WM_VSCROLL code asks for (the thumb's from the bar's track position);
// `top` for codes that move nothing.
int TopRowForScrollCode(HWND window, WORD code, int top, int visible, int count);

}  // namespace platform::comctl
