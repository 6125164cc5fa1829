// Graphic windows: top-level windows of the class "ZIRCOGRAPH" whose client area holds one
// drawing surface, a child STATIC registered as a graphic control (kind 14) with batched
// redraw. The program names a graphic window by its top-level handle; the drawing surface
// is its child (graphic_window_surface).
//
// The frame's record has kind 0 and the flags IS_GRAPHIC_WINDOW | WAS_SHOWN | USES_PIXELS;
// both records go when the window is destroyed (closed by the user, or DestroyWindow).
// Closing is refused while the frame's record holds CLOSE_DISABLED.
#pragma once

#include <string>
#include <string_view>

#include "platform/win32.h"

namespace runtime {

// The window style a graphic window made with style 0 gets: WS_POPUP | WS_CLIPSIBLINGS |
// WS_CLIPCHILDREN | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX, and WS_CAPTION with a caption.
inline constexpr DWORD kGraphicWindowStyle = 0x868A0000;

// Registers the class "ZIRCOGRAPH" the first time it is called in the process; later calls
// answer the remembered atom. 0 when registration fails (the next call tries again).
ATOM register_graphic_window_class();

// Makes a graphic window with a client area (and a drawing surface) of width x height
// pixels whose outer top-left corner is at (x, y) on the screen; CENTRE_DEFAULT
// (0x80000000) for x or y centres it in the work area. style 0 takes the default above;
// any other style is used as given (WS_VISIBLE aside: the window shows itself). The window
// is shown without activation, then brought to the foreground with the keyboard focus on
// its surface, which becomes the calling thread's current graphic target.
// 0 when a size is below 1 or the window, its surface or a record cannot be made
// (nothing is left behind).
HWND make_graphic_window(std::u16string_view caption, int x, int y, int width, int height,
                         DWORD style = 0, DWORD ex_style = 0);

// The drawing surface (kind 14 child) of a graphic window, or 0 for any other window.
HWND graphic_window_surface(HWND window);

// Caption (window text) of the window.
void set_graphic_window_caption(HWND window, std::u16string_view caption);
std::u16string graphic_window_caption(HWND window);

// Outer top-left corner on the screen; moving keeps the size. (0, 0) for no window.
POINT graphic_window_location(HWND window);
void set_graphic_window_location(HWND window, int x, int y);

// Client size of the window. Setting it sizes the frame with AdjustWindowRectEx and
// resizes the surface's bitmap to match, keeping the picture (see surface_resize.h); a
// surface with GRAPHIC_STRETCHED keeps its bitmap, shown scaled to the new size. A view
// larger than the window: graphic_window_view.h. Sizes below 1 change nothing.
SIZE graphic_window_size(HWND window);
void set_graphic_window_size(HWND window, int width, int height);

}  // namespace runtime
