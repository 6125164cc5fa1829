// The caret on a window's pixels (platform-internal): inverted in place while it is shown,
// taken off while anything paints the window, put back afterwards.
#pragma once

#include "platform/win32.h"

namespace platform::user {

// Before painting `window`: takes the caret off if it is drawn in the same top-level.
void HideCaretPixels(HWND window);
// After painting: draws it again if it should be visible.
void ShowCaretPixels(HWND window);

}  // namespace platform::user
