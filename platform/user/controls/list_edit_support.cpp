// Shared pieces of the edit, list-box and combo-box controls (see control_support.h).
#include "platform/user/controls/list_edit_support.h"

#include <algorithm>

#include "platform/user/default_painting.h"

namespace platform::user::controls {

bool RegisterListEditClass(const WCHAR* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style | CS_GLOBALCLASS;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = sizeof(LONG_PTR);
  wc.lpszClassName = name;
  return RegisterClassExW(&wc) != 0;
}

HWND NotifyTarget(HWND control) {
  return reinterpret_cast<HWND>(GetWindowLongPtrW(control, GWLP_HWNDPARENT));
}

bool Notify(HWND control, WORD code) {
  HWND target = NotifyTarget(control);
  if (target != nullptr) {
    auto id = static_cast<WORD>(GetWindowLongPtrW(control, GWLP_ID));
    SendMessageW(target, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control));
  }
  return IsWindow(control) != FALSE;
}

HBRUSH AskColors(HWND control, HDC dc, UINT message) {
  HWND target = NotifyTarget(control);
  LRESULT answer = 0;
  if (target != nullptr) {
    answer = SendMessageW(target, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  }
  if (answer != 0) return reinterpret_cast<HBRUSH>(answer);
  return platform::user::DefaultControlColors(dc, message);
}

HFONT FontOrDefault(HFONT font) {
  return font != nullptr ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

int LineHeightOf(HFONT font) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, FontOrDefault(font));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return metrics.tmHeight > 0 ? metrics.tmHeight : 13;
}

namespace {
// ASCII and Latin-1 letters fold to lower case (Ñ and ñ sort together).
char16_t Fold(char16_t c) {
  if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);
  return c;
}
}  // namespace

char16_t FoldCase(char16_t c) { return Fold(c); }
char16_t RaiseCase(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
  return c;
}

int CompareItemText(std::u16string_view a, std::u16string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    char16_t x = Fold(a[i]);
    char16_t y = Fold(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool StartsWithText(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() && CompareItemText(text.substr(0, prefix.size()), prefix) == 0;
}

bool KeyHeld(int virtual_key) { return (GetKeyState(virtual_key) & 0x8000) != 0; }

}  // namespace platform::user::controls
