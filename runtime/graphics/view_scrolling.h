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
// gets that bar's position updated; a graphic window keeps its horizontal bar in
// graphic.child_windows[0] and its vertical one in child_windows[1], and these follow key
// and wheel scrolling as well.
#pragma once

#include "platform/win32.h"

namespace runtime {

// Turns view scrolling of the current graphic target on or off.
void set_view_scrolling(bool on);

}  // namespace runtime
