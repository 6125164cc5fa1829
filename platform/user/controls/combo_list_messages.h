// Messages between a combo box and its list (platform-internal, private to these two
// classes): the list reports picks and outside clicks, the combo box starts the list's
// mouse tracking when it drops it down.
#pragma once

#include "platform/win32.h"

namespace platform::user::controls {

// List -> combo box: item wParam was chosen with the mouse (lParam TRUE: a double click).
constexpr UINT kComboListPicked = WM_USER + 0x0F01;
// List -> combo box: a click outside the dropped list.
constexpr UINT kComboListCancel = WM_USER + 0x0F02;
// Combo box -> list: take the capture and follow the mouse (wParam TRUE: the button that
// opened the list is still down).
constexpr UINT kComboListTrack = WM_USER + 0x0F03;

}  // namespace platform::user::controls
