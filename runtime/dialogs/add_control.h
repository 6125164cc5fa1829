// add_control: one control put on a toolkit dialog, created as a child window of its own,
// given the dialog's font and registered with a record; and enable_control.
#pragma once

#include <cstdint>
#include <span>

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"
#include "runtime/text/dyn_string.h"

namespace runtime {

struct RoutineFrame;

// kind: a row of the control-class table (1-25), or 0 for a window of the class the
// caller names. The class name (slot 1) and the text (slot 0) are UTF-16 strings on the
// caller's work stack and are both popped; the class name counts for kinds 0 and 23, and
// the text of an image kind (10-13) names its image resource. In unit mode the rectangle
// is in dialog units. Initial items (byte strings) fill a list or combo box up to the
// first empty one. Returns the control's window, or 0 when nothing was created (a dialog
// without a record, a class that is not registered); no run-time error is raised.
HWND add_control(RoutineFrame& frame, std::int32_t kind, HWND dialog, std::int32_t id,
                 std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                 DWORD style, DWORD ex_style, DialogCallback callback,
                 std::span<const DynString> initial_items = {});

// EnableWindow of the control, or of the dialog itself for DIALOG_ITSELF.
BOOL enable_control(HWND dialog, std::int32_t id, BOOL enable);

}  // namespace runtime
