// Images of the image kinds (10-13): loaded from the program's resources as an icon or a
// bitmap and handed to the static or button that shows them.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/win32.h"

namespace runtime {

// Loads the image named `name` (IMAGE_ICON when the flags hold IMAGE_IS_ICON, else
// IMAGE_BITMAP) at size cx x cy (0 x 0: its own size) and sets it on the control with
// STM_SETIMAGE (kinds 10, 11) or BM_SETIMAGE (12, 13). The image it replaces is released
// by the same flags. A name that loads nothing is sent as 0 only when send_when_missing.
void set_control_image(HWND control, std::int32_t kind, std::uint32_t flags,
                       std::u16string_view name, SIZE size, bool send_when_missing);

}  // namespace runtime
