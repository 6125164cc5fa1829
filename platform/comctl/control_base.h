// What every common control shares (platform-internal): its state object kept behind the
// window, class registration gated by the ICC_ bits, notifications to the parent, the
// control's font, and text handed out in wide or ANSI form.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/kernel/user_language.h"
#include "platform/win32.h"

namespace platform::comctl {

// A control's state lives in a C++ object whose holder sits in the window's first extra
// bytes. The procedure keeps a reference for the length of each message, so a handler
// that destroys its own window never runs on freed state.
template <class State>
LRESULT StatefulProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  using Holder = std::shared_ptr<State>;
  auto* holder = reinterpret_cast<Holder*>(GetWindowLongPtrW(window, 0));
  if (message == WM_NCCREATE && holder == nullptr) {
    holder = new Holder(std::make_shared<State>(window));
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(holder));
  }
  if (holder == nullptr) return DefWindowProcW(window, message, wparam, lparam);
  Holder keep = *holder;
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, 0, 0);
    delete holder;
    keep->OnDestroy();
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return keep->Handle(message, wparam, lparam);
}

// Registers a control class (CS_GLOBALCLASS, one pointer of window extra bytes) when the
// program has named `icc_bit` in InitCommonControlsEx; false otherwise.
bool RegisterControlClass(DWORD icc_bit, const WCHAR* name, WNDPROC procedure,
                          UINT style = CS_DBLCLKS);

// Sends WM_NOTIFY to the control's parent (or to `target` when given), filling the
// header's hwndFrom, idFrom and code.
LRESULT SendNotify(HWND control, UINT code, NMHDR* header, HWND target = nullptr);
// WM_COMMAND to the parent with the notification code.
void SendCommandNotify(HWND control, WORD code);

// The font a control draws with: the one WM_SETFONT gave, else the default GUI font.
HFONT ControlFont(HFONT given);

// Text in from the caller (wide or ANSI) and out into its buffer, truncated and always
// terminated; the result is the number of units written without the terminator.
std::u16string TextIn(const void* text, bool ansi);
int CopyTextOut(std::u16string_view text, void* buffer, int capacity, bool ansi);

// Pixel size of a text in a font.
SIZE TextSize(HDC dc, std::u16string_view text);

}  // namespace platform::comctl
