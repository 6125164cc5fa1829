// The colours a control paints with (platform-internal, for the controls).
//
// A control asks its parent with WM_CTLCOLORBTN / STATIC / EDIT / LISTBOX / SCROLLBAR
// (wParam its DC, lParam itself); the parent (a dialog procedure, the dialog manager,
// DefWindowProcW) sets the DC's text and background colours and answers with the brush
// to fill with. A parent that answers 0 gets the default of DefWindowProcW.
#pragma once

#include "platform/win32.h"

namespace platform::user {

HBRUSH ControlColors(HWND control, HDC dc, UINT ctlcolor_message);

}  // namespace platform::user
