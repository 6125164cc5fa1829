// Activation and focus, shared by ShowWindow, SetWindowPos, DestroyWindow and input
// (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform::user {

// Makes `top` (a top-level window, or null) the active window of the thread:
// WM_NCACTIVATE(FALSE) and WM_ACTIVATE(WA_INACTIVE) to the old one, then WM_NCACTIVATE
// (TRUE) and WM_ACTIVATE(how) to the new one, whose default handling sets the focus.
// When the thread had no active window, or is left with none, its top-level windows get
// WM_ACTIVATEAPP (TRUE before the new window hears of it, FALSE after the old one did).
void ActivateWindow(HWND top, WORD how);

// `leaving` stops being eligible (hidden or being destroyed): when it holds the activation,
// the activation goes to its owner when that is visible and enabled, else to the topmost
// other visible top-level window of the thread, else nowhere. The focus and capture leave
// it and its descendants.
void WindowLeaving(HWND leaving);

}  // namespace platform::user
