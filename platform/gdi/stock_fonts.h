// The stock fonts, made by the text part of gdi (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform::gdi {

// The stock font of a GetStockObject index (SYSTEM_FONT, DEFAULT_GUI_FONT, ANSI_VAR_FONT,
// ANSI_FIXED_FONT, OEM_FIXED_FONT, SYSTEM_FIXED_FONT, DEVICE_DEFAULT_FONT), or null for
// any other index. New DCs start with StockFont(SYSTEM_FONT) selected.
HFONT StockFont(int index);

}  // namespace platform::gdi
