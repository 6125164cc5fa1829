// InitCommonControlsEx and InitCommonControls.
#include "platform/comctl/common_controls.h"

#include <atomic>

namespace platform {
namespace {
std::atomic<DWORD> registered_classes{0};
}  // namespace

DWORD RegisteredCommonControlClasses() {
  return registered_classes.load();
}

}  // namespace platform

extern "C" {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init) {
  if (init == nullptr || init->dwSize != sizeof(INITCOMMONCONTROLSEX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  platform::registered_classes.fetch_or(init->dwICC);
  return TRUE;
}

void InitCommonControls() {
  platform::registered_classes.fetch_or(ICC_WIN95_CLASSES);
}

}  // extern "C"
