// How a graphic window, or a graphic control in a dialog, shows its surface's bitmap. In a
// graphic window the surface fills the client area, less a horizontal scroll bar along
// the bottom where the bitmap is wider than what is shown and a vertical one along the
// right where it is taller (view_layout.h). With bars, the view
// scrolls (GRAPHIC_ARROWS_SCROLL: the arrow, page and wheel keys and the bars move the
// pixel offset, see view_scrolling.h); without, the keys reach last_key. A surface with
// GRAPHIC_STRETCHED shows its whole bitmap scaled to the client area and has no bars.
#pragma once

#include "platform/win32.h"

namespace runtime {

// Lays the window's surface and bars out for its client size and bitmap size (on
// WM_SIZE, and after either changes).
void lay_out_graphic_view(HWND window);

// Gives the window's surface a bitmap of the view size, which may be larger than the
// window, keeping the picture; the window keeps its size. False, changing nothing, for a
// size below 1, a window that is no graphic window, or a bitmap that cannot be made.
bool set_graphic_window_view(HWND window, int view_width, int view_height);

// Turns the stretched picture (GRAPHIC_STRETCHED) of the window's surface on or off, lays
// the view out again and repaints it. False for a window that is no graphic window.
bool set_graphic_window_stretched(HWND window, bool stretched);

// A graphic control in a dialog with a view larger than the control: the control keeps
// its place and outer size, and shows its own scroll bars (WS_HSCROLL / WS_VSCROLL) for
// what does not fit; with them the view scrolls as a graphic window's does. A view that
// fits drops the bars. False, changing nothing, for a size below 1, a window that is no
// graphic control (a graphic window's surface included: set_graphic_window_view), a
// stretched surface, or a bitmap that cannot be made.
bool set_graphic_control_view(HWND control, int view_width, int view_height);

}  // namespace runtime
