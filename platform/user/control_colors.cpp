#include "platform/user/control_colors.h"

#include "platform/user/default_painting.h"

namespace platform::user {

HBRUSH ControlColors(HWND control, HDC dc, UINT ctlcolor_message) {
  HWND parent = GetParent(control);
  if (parent != nullptr) {
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(
        parent, ctlcolor_message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    if (brush != nullptr) return brush;
  }
  return DefaultControlColors(dc, ctlcolor_message);
}

}  // namespace platform::user
