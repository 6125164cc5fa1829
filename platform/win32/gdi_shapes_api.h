// gdi32 / user32: lines and filled figures, flood fill, mix modes, as the Windows headers declare them.
// Included by platform/win32.h.
#pragma once

extern "C" {

}  // extern "C"
