// Which common-control window classes the program has registered (platform-internal).
//
// The common controls exist only after InitCommonControlsEx named their ICC_ class bits;
// the window-class code asks here before it lets a dialog create one.
#pragma once

#include "platform/win32.h"

namespace platform {

// The ICC_ bits of every successful InitCommonControlsEx / InitCommonControls so far, ORed.
DWORD RegisteredCommonControlClasses();

}  // namespace platform
