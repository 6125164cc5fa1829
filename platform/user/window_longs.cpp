// GetWindowLong*/SetWindowLong* (W, A and the Ptr forms).
//
// Negative indexes name the window's fields (GWLP_WNDPROC, GWLP_HINSTANCE,
// GWLP_HWNDPARENT, GWLP_ID, GWLP_USERDATA, GWL_STYLE, GWL_EXSTYLE); indexes >= 0 are
// offsets into the cbWndExtra bytes (a dialog's DWLP_MSGRESULT, DWLP_DLGPROC and
// DWLP_USER among them). GWLP_WNDPROC answers with the procedure itself (no thunks):
// CallWindowProcW/A know which side a procedure is on and convert text when needed.
#include <unistd.h>

#include <cstring>

#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

using platform::user::FindWindowRecord;
using platform::user::LiveWindow;
using platform::user::Window;

template <class Value>
bool ExtraRange(const Window& w, int index) {
  if (index < 0 || static_cast<std::size_t>(index) + sizeof(Value) > w.extra.size()) {
    SetLastError(ERROR_INVALID_INDEX);
    return false;
  }
  return true;
}

template <class Value>
Value ReadExtra(HWND window, int index) {
  Window* w = LiveWindow(window);
  if (w == nullptr || !ExtraRange<Value>(*w, index)) return 0;
  Value value;
  std::memcpy(&value, w->extra.data() + index, sizeof value);
  return value;
}

template <class Value>
Value WriteExtra(HWND window, int index, Value value) {
  Window* w = LiveWindow(window);
  if (w == nullptr || !ExtraRange<Value>(*w, index)) return 0;
  Value old;
  std::memcpy(&old, w->extra.data() + index, sizeof old);
  std::memcpy(w->extra.data() + index, &value, sizeof value);
  return old;
}

LONG_PTR GetField(HWND window, int index) {
  if (index >= 0) return ReadExtra<LONG_PTR>(window, index);
  Window* w = LiveWindow(window);
  if (w == nullptr) return 0;
  switch (index) {
    case GWLP_WNDPROC:
      return reinterpret_cast<LONG_PTR>(w->procedure);
    case GWLP_HINSTANCE:
      return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
      return reinterpret_cast<LONG_PTR>(w->parent != nullptr ? w->parent : w->owner);
    case GWLP_ID:
      return w->id;
    case GWLP_USERDATA:
      return w->user_data;
    case GWL_STYLE:
      return static_cast<LONG_PTR>(static_cast<LONG>(w->style));
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(static_cast<LONG>(w->ex_style));
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

LONG_PTR ChangeStyle(HWND window, int index, DWORD value) {
  Window* w = FindWindowRecord(window);
  DWORD old = index == GWL_STYLE ? w->style : w->ex_style;
  STYLESTRUCT change{old, value};
  SendMessageW(window, WM_STYLECHANGING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&change));
  w = FindWindowRecord(window);
  if (w == nullptr) return 0;
  (index == GWL_STYLE ? w->style : w->ex_style) = change.styleNew;
  SendMessageW(window, WM_STYLECHANGED, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&change));
  return static_cast<LONG_PTR>(static_cast<LONG>(old));
}

LONG_PTR SetField(HWND window, int index, LONG_PTR value, bool ansi) {
  if (index >= 0) return WriteExtra<LONG_PTR>(window, index, value);
  Window* w = LiveWindow(window);
  if (w == nullptr) return 0;
  LONG_PTR old = 0;
  switch (index) {
    case GWLP_WNDPROC: {
      auto procedure = reinterpret_cast<WNDPROC>(value);
      if (procedure == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
      }
      old = reinterpret_cast<LONG_PTR>(w->procedure);
      w->procedure = procedure;
      w->procedure_ansi = ansi;
      if (ansi) platform::user::RememberAnsiProcedure(procedure);
      return old;
    }
    case GWLP_HINSTANCE:
      old = reinterpret_cast<LONG_PTR>(w->instance);
      w->instance = reinterpret_cast<HINSTANCE>(value);
      return old;
    case GWLP_HWNDPARENT: {
      old = reinterpret_cast<LONG_PTR>(w->parent != nullptr ? w->parent : w->owner);
      if (w->parent != nullptr) return old;  // children change parents with SetParent
      auto owner = reinterpret_cast<HWND>(value);
      if (owner != nullptr && (FindWindowRecord(owner) == nullptr || owner == window)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
      }
      w->owner = owner;
      return old;
    }
    case GWLP_ID:
      old = w->id;
      w->id = value;
      return old;
    case GWLP_USERDATA:
      old = w->user_data;
      w->user_data = value;
      return old;
    case GWL_STYLE:
    case GWL_EXSTYLE:
      return ChangeStyle(window, index, static_cast<DWORD>(value));
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

}  // namespace

extern "C" {

LONG_PTR GetWindowLongPtrW(HWND window, int index) { return GetField(window, index); }
LONG_PTR GetWindowLongPtrA(HWND window, int index) { return GetField(window, index); }

LONG_PTR SetWindowLongPtrW(HWND window, int index, LONG_PTR value) {
  return SetField(window, index, value, false);
}
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value) {
  return SetField(window, index, value, true);
}

LONG GetWindowLongW(HWND window, int index) {
  if (index >= 0) return ReadExtra<LONG>(window, index);
  return static_cast<LONG>(GetField(window, index));
}
LONG GetWindowLongA(HWND window, int index) { return GetWindowLongW(window, index); }

LONG SetWindowLongW(HWND window, int index, LONG value) {
  if (index >= 0) return WriteExtra<LONG>(window, index, value);
  return static_cast<LONG>(SetField(window, index, value, false));
}
LONG SetWindowLongA(HWND window, int index, LONG value) {
  if (index >= 0) return WriteExtra<LONG>(window, index, value);
  return static_cast<LONG>(SetField(window, index, value, true));
}

BOOL IsWindowUnicode(HWND window) {
  Window* w = LiveWindow(window);
  return w != nullptr && !w->procedure_ansi ? TRUE : FALSE;
}

DWORD GetWindowThreadProcessId(HWND window, LPDWORD process_id) {
  Window* w = LiveWindow(window);
  if (w == nullptr) return 0;
  if (process_id != nullptr) *process_id = static_cast<DWORD>(getpid());
  return w->thread_id;
}

}  // extern "C"
