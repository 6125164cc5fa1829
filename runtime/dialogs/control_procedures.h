// Window procedures the toolkit puts on controls: the tab control's, which keeps its
// pages in its display area, and the graphic control's, which keeps keystrokes for the
// graphic engine.
#pragma once

#include "platform/win32.h"

namespace runtime {

LRESULT tab_control_procedure(HWND tab, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT graphic_input_procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace runtime
