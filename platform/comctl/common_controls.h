// Which common-control window classes the program has registered (platform-internal).
//
// The common controls exist only after InitCommonControlsEx named their ICC_ class bits:
// it registers exactly the classes of those bits, and the built-in class table
// (platform/user/builtin_classes.cpp) asks here before it registers one on first use.
#pragma once

#include <span>

#include "platform/win32.h"

namespace platform {

// The ICC_ bits of every successful InitCommonControlsEx / InitCommonControls so far, ORed.
DWORD RegisteredCommonControlClasses();

// One common-control class: its name, the ICC_ bit that brings it and its registrar.
struct CommonControlClass {
  const char16_t* name;
  DWORD icc_bit;
  bool (*register_class)();
};
std::span<const CommonControlClass> CommonControlClasses();

// For tests: forgets the ICC_ bits and unregisters the common-control classes that have
// no windows left, as in a fresh process.
void ForgetCommonControlClasses();

}  // namespace platform
