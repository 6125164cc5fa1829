// RegisterClass*, UnregisterClass*, GetClassInfo*, GetClassLong*, GetClassName*.
#include <algorithm>
#include <cstring>

#include "platform/user/window.h"
#include "platform/user/window_class.h"
#include "platform/user/window_procedures.h"
#include "platform/user/window_table.h"

namespace {

using platform::user::WindowClass;

// Windows refuses negative extra byte counts and caps them at 40 kB.
constexpr int kMostExtraBytes = 40 * 1024;

template <class Class>
ATOM Register(const Class& wc, bool ansi, std::u16string name, HICON icon_small) {
  if (wc.lpszClassName == nullptr || name.empty() || wc.cbClsExtra < 0 || wc.cbWndExtra < 0 ||
      wc.cbClsExtra > kMostExtraBytes || wc.cbWndExtra > kMostExtraBytes ||
      wc.lpfnWndProc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  WindowClass c;
  c.name = std::move(name);
  c.style = wc.style;
  c.procedure = wc.lpfnWndProc;
  c.procedure_ansi = ansi;
  c.class_extra = wc.cbClsExtra;
  c.window_extra = wc.cbWndExtra;
  c.instance = wc.hInstance;
  c.icon = wc.hIcon;
  c.icon_small = icon_small;
  c.cursor = wc.hCursor;
  c.background = wc.hbrBackground;
  c.class_bytes.assign(static_cast<std::size_t>(wc.cbClsExtra), 0);
  if (ansi) platform::user::RememberAnsiProcedure(wc.lpfnWndProc);
  auto added = platform::user::AddClass(std::move(c));
  return added ? added->atom : 0;
}

std::u16string NameOf(LPCWSTR name) {
  if (name == nullptr) return {};
  if (IS_INTRESOURCE(name)) return {};
  return name;
}

std::u16string NameOf(LPCSTR name) {
  if (name == nullptr || IS_INTRESOURCE(name)) return {};
  return platform::user::WideFromAnsi(name);
}

// The wide form of an ANSI class name or atom, kept alive in `storage`.
LPCWSTR WideName(LPCSTR name, std::u16string& storage) {
  if (name == nullptr) return nullptr;
  if (IS_INTRESOURCE(name)) return reinterpret_cast<LPCWSTR>(name);
  storage = platform::user::WideFromAnsi(name);
  return storage.c_str();
}

platform::user::Window* WindowOf(HWND window) { return platform::user::LiveWindow(window); }

}  // namespace

extern "C" {

ATOM RegisterClassExW(const WNDCLASSEXW* wc) {
  if (wc == nullptr || wc->cbSize != sizeof(WNDCLASSEXW)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Register(*wc, false, NameOf(wc->lpszClassName), wc->hIconSm);
}

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
  if (wc == nullptr || wc->cbSize != sizeof(WNDCLASSEXA)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Register(*wc, true, NameOf(wc->lpszClassName), wc->hIconSm);
}

ATOM RegisterClassW(const WNDCLASSW* wc) {
  if (wc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Register(*wc, false, NameOf(wc->lpszClassName), nullptr);
}

ATOM RegisterClassA(const WNDCLASSA* wc) {
  if (wc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Register(*wc, true, NameOf(wc->lpszClassName), nullptr);
}

BOOL UnregisterClassW(LPCWSTR class_name, HINSTANCE /*instance*/) {
  return platform::user::RemoveClass(class_name) ? TRUE : FALSE;
}

BOOL UnregisterClassA(LPCSTR class_name, HINSTANCE instance) {
  std::u16string storage;
  return UnregisterClassW(WideName(class_name, storage), instance);
}

BOOL GetClassInfoExW(HINSTANCE /*instance*/, LPCWSTR class_name, WNDCLASSEXW* wc) {
  if (wc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto c = platform::user::FindClass(class_name);
  if (!c) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  wc->style = c->style;
  wc->lpfnWndProc = c->procedure;
  wc->cbClsExtra = c->class_extra;
  wc->cbWndExtra = c->window_extra;
  wc->hInstance = c->instance;
  wc->hIcon = c->icon;
  wc->hCursor = c->cursor;
  wc->hbrBackground = c->background;
  wc->lpszMenuName = c->menu_name;
  wc->lpszClassName = class_name;
  wc->hIconSm = c->icon_small;
  return c->atom;  // Windows answers with the class atom
}

BOOL GetClassInfoW(HINSTANCE instance, LPCWSTR class_name, WNDCLASSW* wc) {
  if (wc == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  WNDCLASSEXW ex{};
  ex.cbSize = sizeof ex;
  BOOL found = GetClassInfoExW(instance, class_name, &ex);
  if (!found) return FALSE;
  wc->style = ex.style;
  wc->lpfnWndProc = ex.lpfnWndProc;
  wc->cbClsExtra = ex.cbClsExtra;
  wc->cbWndExtra = ex.cbWndExtra;
  wc->hInstance = ex.hInstance;
  wc->hIcon = ex.hIcon;
  wc->hCursor = ex.hCursor;
  wc->hbrBackground = ex.hbrBackground;
  wc->lpszMenuName = ex.lpszMenuName;
  wc->lpszClassName = ex.lpszClassName;
  return found;
}

ULONG_PTR GetClassLongPtrW(HWND window, int index) {
  platform::user::Window* w = WindowOf(window);
  if (w == nullptr) return 0;
  const WindowClass& c = *w->window_class;
  if (index >= 0) {
    if (static_cast<std::size_t>(index) + sizeof(ULONG_PTR) > c.class_bytes.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    ULONG_PTR value;
    std::memcpy(&value, c.class_bytes.data() + index, sizeof value);
    return value;
  }
  switch (index) {
    case GCLP_MENUNAME:
      return reinterpret_cast<ULONG_PTR>(c.menu_name);
    case GCLP_HBRBACKGROUND:
      return reinterpret_cast<ULONG_PTR>(c.background);
    case GCLP_HCURSOR:
      return reinterpret_cast<ULONG_PTR>(c.cursor);
    case GCLP_HICON:
      return reinterpret_cast<ULONG_PTR>(c.icon);
    case GCLP_HICONSM:
      return reinterpret_cast<ULONG_PTR>(c.icon_small);
    case GCLP_HMODULE:
      return reinterpret_cast<ULONG_PTR>(c.instance);
    case GCL_CBWNDEXTRA:
      return static_cast<ULONG_PTR>(c.window_extra);
    case GCL_CBCLSEXTRA:
      return static_cast<ULONG_PTR>(c.class_extra);
    case GCLP_WNDPROC:
      return reinterpret_cast<ULONG_PTR>(c.procedure);
    case GCL_STYLE:
      return c.style;
    case GCW_ATOM:
      return c.atom;
    default:
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
  }
}

DWORD GetClassLongW(HWND window, int index) {
  if (index >= 0) {
    platform::user::Window* w = WindowOf(window);
    if (w == nullptr) return 0;
    const auto& bytes = w->window_class->class_bytes;
    if (static_cast<std::size_t>(index) + sizeof(DWORD) > bytes.size()) {
      SetLastError(ERROR_INVALID_INDEX);
      return 0;
    }
    DWORD value;
    std::memcpy(&value, bytes.data() + index, sizeof value);
    return value;
  }
  return static_cast<DWORD>(GetClassLongPtrW(window, index));
}

int GetClassNameW(HWND window, LPWSTR name, int capacity) {
  platform::user::Window* w = WindowOf(window);
  if (w == nullptr) return 0;
  if (name == nullptr || capacity <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  const std::u16string& n = w->window_class ? w->window_class->name : std::u16string();
  std::size_t count = std::min<std::size_t>(n.size(), static_cast<std::size_t>(capacity) - 1);
  std::copy_n(n.data(), count, name);
  name[count] = 0;
  return static_cast<int>(count);
}

int GetClassNameA(HWND window, LPSTR name, int capacity) {
  platform::user::Window* w = WindowOf(window);
  if (w == nullptr) return 0;
  if (name == nullptr || capacity <= 0) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::string n = platform::user::AnsiFromWide(
      w->window_class ? w->window_class->name.c_str() : u"");
  std::size_t count = std::min<std::size_t>(n.size(), static_cast<std::size_t>(capacity) - 1);
  std::memcpy(name, n.data(), count);
  name[count] = '\0';
  return static_cast<int>(count);
}

}  // extern "C"
