// The window-class registry (platform-internal).
//
// Names compare without regard to case, as in Windows; a class can also be named by its
// atom (MAKEINTATOM). Classes are process-wide here (one module: the instance handle is
// recorded but does not split the name space).
//
// Built-in classes ("Button", "Static", "Edit", "ListBox", "ComboBox", "ScrollBar",
// "#32770" the dialog class, the common controls) register themselves on first use: the
// table in builtin_classes.cpp names each with the function that registers it (through
// RegisterClassExW with CS_GLOBALCLASS). FindClass calls that function the first time the
// name is asked for. A registrar may refuse (return false), e.g. a common control whose
// ICC_ bit InitCommonControlsEx has not named: the class is then not found.
#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::user {

struct WindowClass {
  std::u16string name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC procedure = nullptr;
  bool procedure_ansi = false;  // registered with RegisterClassA / RegisterClassExA
  int class_extra = 0;
  int window_extra = 0;
  HINSTANCE instance = nullptr;
  HICON icon = nullptr;
  HICON icon_small = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;  // a brush, or COLOR_xxx + 1
  LPCWSTR menu_name = nullptr;  // kept as given (an ordinal or a caller's string)
  std::vector<BYTE> class_bytes;
  bool registered = true;       // false once unregistered (windows may still use it)
};

// The class a name or atom names, registering a built-in class on first use; null when
// there is none (the caller sets ERROR_CANNOT_FIND_WND_CLASS or ERROR_CLASS_DOES_NOT_EXIST).
std::shared_ptr<WindowClass> FindClass(LPCWSTR name_or_atom);

// Registers; fails (null, ERROR_CLASS_ALREADY_EXISTS) when the name is taken.
std::shared_ptr<WindowClass> AddClass(WindowClass window_class);

// Removes a class; false when there is none (ERROR_CLASS_DOES_NOT_EXIST) or when windows
// of it still exist (ERROR_CLASS_HAS_WINDOWS).
bool RemoveClass(LPCWSTR name_or_atom);

struct BuiltinClass {
  const char16_t* name;
  bool (*register_class)();
};
// The built-in classes (builtin_classes.cpp): add a row for each class you implement.
std::span<const BuiltinClass> BuiltinClasses();

// Case-insensitive comparison of class names (ASCII letters fold).
bool SameClassName(std::u16string_view a, std::u16string_view b);

}  // namespace platform::user
