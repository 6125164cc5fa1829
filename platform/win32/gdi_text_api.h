// gdi32 / user32: fonts, text metrics and text output, as the Windows headers declare them.
// Included by platform/win32.h.
#pragma once

extern "C" {

}  // extern "C"
