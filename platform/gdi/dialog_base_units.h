// Dialog base units of a font, for the dialog manager (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform::gdi {

// The base units of `font` as Windows computes them for dialogs: cx is the average width
// of "A"-"Z" and "a"-"z" rounded as (sum / 26 + 1) / 2, cy the font's tmHeight. A null or
// dead handle means the stock SYSTEM_FONT (the font of a dialog without DS_SETFONT).
SIZE FontDialogBaseUnits(HFONT font);

}  // namespace platform::gdi
