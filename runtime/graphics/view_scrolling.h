// The view of a graphic control that is larger than its window: with GRAPHIC_ARROWS_SCROLL
// (0x80000) in its flags, WM_HSCROLL / WM_VSCROLL (from its scroll bars, the arrow and
// page keys, or the mouse wheel, all turned into these messages by the graphic input
// procedure) move the pixel offset `scroll` inside the bitmap, and the window shows the
// bitmap from there. Drawing follows the view: world coordinates are placed relative to
// the visible area (the pixel offset is part of to_device).
//
// The engine's own message 0x1403 (kGraphicEngineMessage) asks the control to paint what
// is pending now; wParam and lParam are reserved (0). A thread that draws on a surface it
// does not own can post it to have the owning thread repaint.
//
// Scroll bars: a WM_HSCROLL / WM_VSCROLL that comes from a scroll bar control (lParam)
// gets that bar's position updated. Key and wheel scrolling update the bars kept in
// graphic.child_windows[0] (horizontal) and [1] (vertical) of the control's record, or
// else of its parent's record (a graphic window's).
#pragma once

#include "platform/win32.h"

namespace runtime {

// Turns view scrolling of the current graphic target on or off.
void set_view_scrolling(bool on);

}  // namespace runtime
