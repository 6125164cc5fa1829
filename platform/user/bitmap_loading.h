// LoadImageW of IMAGE_BITMAP (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform {

// A bitmap from an RT_BITMAP resource of the instance or, with LR_LOADFROMFILE, a .bmp
// file: a DIB section of the image's own format with LR_CREATEDIBSECTION, else a
// compatible bitmap (monochrome for 1-bpp images and LR_MONOCHROME). cx, cy = 0 keep the
// image's size; others stretch it (nearest pixel, as StretchBlt's COLORONCOLOR).
// LR_LOADMAP3DCOLORS and LR_LOADTRANSPARENT change the colour table of images that have
// one. Null with the last error set for anything missing or malformed.
HBITMAP LoadBitmapImage(HINSTANCE instance, LPCWSTR name, int cx, int cy, UINT flags);

}  // namespace platform
