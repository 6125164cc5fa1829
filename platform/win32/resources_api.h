// gdi32 / user32: resources and icons, as the Windows headers declare them.
// Included by platform/win32.h.
#pragma once

extern "C" {

}  // extern "C"
