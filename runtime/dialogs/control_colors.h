// The dialog procedure's answer to WM_CTLCOLOR* messages: the colours set with
// set_window_colors, for the control itself or for the combo box that owns an edit
// field or a drop-down list.
#pragma once

#include "platform/win32.h"

namespace runtime {

// The brush to return (as the dialog procedure's result), 0 for Windows' default colours.
INT_PTR control_color_answer(UINT message, HDC hdc, HWND window);

}  // namespace runtime
