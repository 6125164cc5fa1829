// Resizing a windowed drawing surface (a graphic control, or the surface of a graphic
// window): a new bitmap of the new size, filled with the surface's background brush, the
// old picture copied to its top-left corner, then the window sized to show it. The
// visible area follows the bitmap. Memory bitmaps keep their size: their handle is their
// name, so a different size is a new bitmap (make_bitmap, copy_bitmap).
#pragma once

#include "platform/win32.h"

namespace runtime {

// False, changing nothing, for a size below 1, a window that is no windowed surface, or a
// bitmap that cannot be made.
bool resize_surface(HWND surface, int width, int height);

// The bitmap part alone: the window keeps its size (a graphic window's view).
bool resize_surface_bitmap(HWND surface, int width, int height);

}  // namespace runtime
