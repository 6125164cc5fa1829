// The one dialog procedure of every toolkit dialog: it turns messages into calls of the
// program's callbacks (the control's, a menu item's, a toolbar button's, then the
// dialog's) and supplies the toolkit's own answers when they leave a message alone.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

INT_PTR dialog_procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// A callback's non-zero answer r: left in DWLP_MSGRESULT unless something already is,
// and returned.
INT_PTR handled(HWND dialog, std::int32_t r);

}  // namespace runtime
