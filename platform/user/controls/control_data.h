// The state a standard control keeps per window (platform-internal).
//
// Each control class reserves sizeof(void*) bytes of window extra memory; offset 0 holds a
// pointer to the control's state, made at WM_NCCREATE and freed at WM_NCDESTROY. Code
// that sends a message (notifications, WM_CTLCOLOR*, WM_DRAWITEM) may see the control
// destroyed by the answer, so it looks the state up again afterwards instead of keeping
// the pointer across the call.
#pragma once

#include "platform/win32.h"

namespace platform::user::controls {

inline constexpr int kControlExtraBytes = sizeof(void*);

template <class State>
State* StateOf(HWND control) {
  if (!IsWindow(control)) return nullptr;
  return reinterpret_cast<State*>(GetWindowLongPtrW(control, 0));
}

template <class State>
State* AttachState(HWND control) {
  auto* state = new State();
  SetWindowLongPtrW(control, 0, reinterpret_cast<LONG_PTR>(state));
  return state;
}

template <class State>
void DetachState(HWND control) {
  delete StateOf<State>(control);
  SetWindowLongPtrW(control, 0, 0);
}

// Registers a built-in control class: global, double clicks, the arrow cursor, no
// background brush (each control paints its whole face), the state pointer's bytes.
bool RegisterControlClass(LPCWSTR name, WNDPROC procedure, UINT extra_style = 0);

}  // namespace platform::user::controls
