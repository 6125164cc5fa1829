// Window text: SetWindowText*, GetWindowText*, GetWindowTextLength*, and the dialog item
// forms, all through WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH so that controls and
// subclasses see them.
#include <cstdio>
#include <string>

#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

using platform::user::LiveWindow;

int CheckedCapacity(int capacity) { return capacity < 0 ? 0 : capacity; }

}  // namespace

extern "C" {

BOOL SetWindowTextW(HWND window, LPCWSTR text) {
  if (LiveWindow(window) == nullptr) return FALSE;
  return SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

BOOL SetWindowTextA(HWND window, LPCSTR text) {
  if (LiveWindow(window) == nullptr) return FALSE;
  return SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0 ? TRUE : FALSE;
}

int GetWindowTextW(HWND window, LPWSTR text, int capacity) {
  if (text != nullptr && capacity > 0) text[0] = 0;
  if (LiveWindow(window) == nullptr) return 0;
  if (text == nullptr || capacity <= 0) return 0;
  return static_cast<int>(SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(capacity),
                                       reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextA(HWND window, LPSTR text, int capacity) {
  if (text != nullptr && capacity > 0) text[0] = '\0';
  if (LiveWindow(window) == nullptr) return 0;
  if (text == nullptr || capacity <= 0) return 0;
  return static_cast<int>(SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(capacity),
                                       reinterpret_cast<LPARAM>(text)));
}

int GetWindowTextLengthW(HWND window) {
  if (LiveWindow(window) == nullptr) return 0;
  return static_cast<int>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
}

int GetWindowTextLengthA(HWND window) {
  if (LiveWindow(window) == nullptr) return 0;
  return static_cast<int>(SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetDlgItemTextW(HWND dialog, int id, LPCWSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item != nullptr ? SetWindowTextW(item, text) : FALSE;
}

BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text) {
  HWND item = GetDlgItem(dialog, id);
  return item != nullptr ? SetWindowTextA(item, text) : FALSE;
}

UINT GetDlgItemTextW(HWND dialog, int id, LPWSTR text, int capacity) {
  if (text != nullptr && capacity > 0) text[0] = 0;
  HWND item = GetDlgItem(dialog, id);
  return item != nullptr ? static_cast<UINT>(GetWindowTextW(item, text, CheckedCapacity(capacity)))
                         : 0;
}

UINT GetDlgItemTextA(HWND dialog, int id, LPSTR text, int capacity) {
  if (text != nullptr && capacity > 0) text[0] = '\0';
  HWND item = GetDlgItem(dialog, id);
  return item != nullptr ? static_cast<UINT>(GetWindowTextA(item, text, CheckedCapacity(capacity)))
                         : 0;
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL is_signed) {
  char digits[16];
  if (is_signed) {
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(value));
  } else {
    std::snprintf(digits, sizeof digits, "%u", value);
  }
  return SetDlgItemTextA(dialog, id, digits);
}

// Leading and trailing blanks are allowed, a sign only when signed; anything else, or a
// value out of range, is not translated (0, *translated = FALSE).
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL is_signed) {
  if (translated != nullptr) *translated = FALSE;
  HWND item = GetDlgItem(dialog, id);
  if (item == nullptr) return 0;
  WCHAR text[64];
  int n = GetWindowTextW(item, text, 64);
  int i = 0;
  while (i < n && text[i] == u' ') ++i;
  bool negative = false;
  if (i < n && (text[i] == u'-' || text[i] == u'+')) {
    if (!is_signed && text[i] == u'-') return 0;
    negative = text[i] == u'-';
    ++i;
  }
  unsigned long long value = 0;
  int digits = 0;
  while (i < n && text[i] >= u'0' && text[i] <= u'9') {
    value = value * 10 + static_cast<unsigned>(text[i] - u'0');
    if (value > 0xFFFFFFFFull) return 0;
    ++i;
    ++digits;
  }
  while (i < n && text[i] == u' ') ++i;
  if (digits == 0 || i != n) return 0;
  if (is_signed) {
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return 0;
    if (translated != nullptr) *translated = TRUE;
    long long v = negative ? -static_cast<long long>(value) : static_cast<long long>(value);
    return static_cast<UINT>(static_cast<int>(v));
  }
  if (translated != nullptr) *translated = TRUE;
  return static_cast<UINT>(value);
}

}  // extern "C"
