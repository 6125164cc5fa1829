// Memory bitmaps (kind 26): drawing surfaces with no window. Each is a memory device
// context made compatible with the screen holding a compatible bitmap; its record is kept
// under the bitmap's handle (in place of a window handle) with parent 0, so the bitmap's
// handle is what a program passes wherever a surface is named.
//
// A new bitmap is set up like a graphic control: filled with the default background
// brush, with the first surface font selected (TA_UPDATECP), the default text and
// background colours and an opaque background. Making one does not move the current
// graphic target, except that a thread without a target takes the new bitmap as its
// target (as with graphic controls): to draw into a bitmap, make it the target.
#pragma once

#include "platform/win32.h"

namespace runtime {

// A bitmap of width x height pixels, or 0 when a size is below 1, too large to be made,
// or a device context, the bitmap or its record cannot be made (nothing is left behind).
HBITMAP make_bitmap(int width, int height);

// A bitmap holding the picture of a Windows BMP file (read by LoadImageW with
// LR_LOADFROMFILE: 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down), of the
// picture's size. 0 when the file is missing, truncated or malformed, or the bitmap
// cannot be made.
HBITMAP load_bitmap(LPCWSTR path);

// Ends the bitmap: its device context, bitmap and record are released; a thread whose
// current target it was has none afterwards. False when the handle names no memory
// bitmap (never made, already ended, or another kind of surface).
bool end_bitmap(HBITMAP bitmap);

// The bitmap's size in pixels; (0, 0) when the handle names no memory bitmap.
SIZE bitmap_size(HBITMAP bitmap);

}  // namespace runtime
