// The set-up of a graphic control (kind 14): its input procedure, its off-screen bitmap
// in a memory device context, the first font and colours, and its scale factors.
#pragma once

#include "platform/win32.h"

namespace runtime {

// units_extent: the control's width and height in dialog units, each plus 1, when its
// dialog is in unit mode; null in pixel mode.
void set_up_graphic_control(HWND control, const SIZE* units_extent);

}  // namespace runtime
