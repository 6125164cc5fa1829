// The run-time layer's general message box.
#pragma once

#include "platform/win32.h"

namespace runtime {

struct RoutineFrame;

// Caption used when the caller's caption is empty.
inline constexpr WCHAR kDefaultMessageBoxCaption[] = u"Vestralino";

// Shows a message box with no owner and returns the button id (0 when the platform
// could not show it; no run-time error is raised either way).
//
// The caller leaves the text and the caption on its string work stack, both already
// converted with SlotToWide: the text in slot 1, the caption on top in slot 0, the order
// in which the arguments are evaluated. Both slots are consumed. `style` goes to
// MessageBoxW unchanged.
int ShowMessageBox(RoutineFrame& frame, UINT style);

}  // namespace runtime
