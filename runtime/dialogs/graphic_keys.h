// How the graphic input procedure sorts keystrokes: which keys it keeps for the graphic
// engine (special keys, by scan code) and which go on to the control's own procedure.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace runtime {

// WM_KEYDOWN: true when the key is special (kept for the engine), false when the
// previous procedure gets it. lParam carries the scan code (bits 16-23) and the
// extended-key bit (24).
bool is_special_graphic_key(LPARAM lParam, bool num_lock_on, bool shift_down);

// The value `last_key` takes for a special key: its scan code in bits 16-23.
inline std::int32_t special_key_value(LPARAM lParam) {
  return static_cast<std::int32_t>(lParam & 0xFF0000);
}

// The scroll message and code a navigation key sends when arrow keys scroll the surface;
// message 0 for any other key.
struct KeyScroll {
  UINT message;
  WPARAM code;
};
KeyScroll scroll_for_navigation_key(WPARAM virtual_key);

}  // namespace runtime
