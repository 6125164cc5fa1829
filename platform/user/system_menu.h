// What the window system asks of a window's system menu (platform-internal).
#pragma once

#include "platform/win32.h"

namespace platform::user {

// True when the window's copy of the system menu has its Close item (SC_CLOSE) greyed or
// disabled: the close box is drawn greyed and close requests through it are ignored.
bool SystemCloseDisabled(HWND window);

}  // namespace platform::user
