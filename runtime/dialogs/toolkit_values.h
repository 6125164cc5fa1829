// The toolkit-wide values, one each per process and not locked: they are written only
// from dialog procedures, on the threads that own the dialogs.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

struct ToolkitValues {
  HWND active_dialog = nullptr;  // the dialog most recently activated
  std::int32_t live_dialogs = 0;  // dialogs between WM_INITDIALOG and WM_DESTROY
  HWND dropped_combo = nullptr;  // a combo box whose list is open
};

ToolkitValues& toolkit_values();

}  // namespace runtime
