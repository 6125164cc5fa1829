// gdi32 / user32: device contexts, objects, bitmaps, regions, blits, pixels, system colours, 3-D edges, as the Windows headers declare them.
// Included by platform/win32.h.
#pragma once

extern "C" {

}  // extern "C"
