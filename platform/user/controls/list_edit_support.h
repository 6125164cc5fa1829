// What the edit, list-box and combo-box controls share (platform-internal): their state
// kept behind the window's first extra slot, notifications to the parent, the colours
// asked of the parent, and the font a control draws with.
//
// A notification may destroy the control that sends it (the parent's procedure can do
// anything), and a control's state is freed on WM_NCDESTROY: code that notifies finds
// its state again with StateOf afterwards and stops when it is null.
#pragma once

#include <string_view>

#include "platform/win32.h"

namespace platform::user::controls {

// The state object a control keeps in window extra bytes 0..7 (cbWndExtra >= 8).
template <class State>
State* StateOf(HWND window) {
  return IsWindow(window) ? reinterpret_cast<State*>(GetWindowLongPtrW(window, 0)) : nullptr;
}
template <class State>
void AttachState(HWND window, State* state) {
  SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(state));
}
template <class State>
void FreeState(HWND window) {
  delete StateOf<State>(window);
  SetWindowLongPtrW(window, 0, 0);
}

// Registers a built-in control class (CS_GLOBALCLASS, one pointer of window extra bytes).
bool RegisterListEditClass(const WCHAR* name, WNDPROC procedure, UINT style);

// The window that gets a control's WM_COMMAND and WM_CTLCOLOR*: the parent of a child,
// the owner (GWLP_HWNDPARENT) of a pop-up.
HWND NotifyTarget(HWND control);

// WM_COMMAND(MAKEWPARAM(id, code), control) to the parent; false when the control is
// gone afterwards.
bool Notify(HWND control, WORD code);

// WM_CTLCOLOR<message> asked of the parent for `dc`; the default colours when the parent
// answers no brush.
HBRUSH AskColors(HWND control, HDC dc, UINT message);

// The font a control draws with: the one WM_SETFONT gave, else the system font.
HFONT FontOrDefault(HFONT font);

// The height of a text line in `font` (tmHeight), measured on a screen DC.
int LineHeightOf(HFONT font);

// Case-insensitive comparison of item texts, as lstrcmpiW orders them roughly: letters
// fold to one case, then code units compare.
int CompareItemText(std::u16string_view a, std::u16string_view b);
// Lower and upper case of ASCII and Latin-1 letters (ES_LOWERCASE, ES_UPPERCASE).
char16_t FoldCase(char16_t c);
char16_t RaiseCase(char16_t c);
// True when `text` starts with `prefix`, case-insensitively.
bool StartsWithText(std::u16string_view text, std::u16string_view prefix);

// Whether a key is held, by the thread's key state (GetKeyState).
bool KeyHeld(int virtual_key);

}  // namespace platform::user::controls
