// Update regions and the paint order (platform-internal).
//
// A window's update region is kept as its bounding rectangle in client coordinates (a
// window asked to repaint two corners repaints the box around them: more pixels, the
// same picture). WM_PAINT goes to windows of the thread that have an update region or an
// internal paint request, parents before their children.
#pragma once

#include "platform/user/window.h"

namespace platform::user {

// Adds `client_rect` (client coordinates; null: the whole client area) to the update
// region. `erase` asks for WM_ERASEBKGND; `frame` for WM_NCPAINT; `children` does the
// same for every visible descendant. Windows that are hidden or inside a hidden parent
// collect nothing.
void Invalidate(HWND window, const RECT* client_rect, bool erase, bool frame, bool children);

// The whole window and its children, frame included: after it was shown, moved or sized.
void InvalidateWholeWindow(HWND window);

// The part of the parent that `child` covers, after it moved away or was hidden.
void InvalidateParentArea(const Window& child);

// Removes `client_rect` (null: everything) from the update region.
void Validate(Window& window, const RECT* client_rect);

// The next window of this thread that wants WM_PAINT (parents first), or null.
HWND NextWindowToPaint(HWND filter);

// Sends WM_PAINT to `window` if it needs painting, then to its children when
// `children`. Used by UpdateWindow and RDW_UPDATENOW.
void PaintNow(HWND window, bool children);

// Sends WM_ERASEBKGND now with a DC on the window's client area (GetUpdateRect(TRUE)).
void EraseNow(HWND window);

// The bounding box of a region (window_dc.cpp, through gdi); false for a bad region.
bool RegionBox(HRGN region, RECT* box);

}  // namespace platform::user
