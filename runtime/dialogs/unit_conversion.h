// Dialog units and pixels of a live dialog, and pixels against hundredths of a
// millimetre at the screen's resolution.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

// The window's dialog: its own record or the first IS_DIALOG record up through `parent`;
// 0 for a window without a record or without such a dialog.
HWND dialog_of(HWND window);

// (0, 0) without a dialog or when MapDialogRect fails.
POINT units_to_pixels(HWND window, std::int32_t x, std::int32_t y);
POINT pixels_to_units(HWND window, std::int32_t x, std::int32_t y);

// Horizontal (LOGPIXELSX) or vertical (LOGPIXELSY) resolution of the screen; 96 without a
// screen DC.
std::uint32_t screen_dpi(bool vertical);

}  // namespace runtime
