// Where a key sits on a PC keyboard, from the Linux (evdev) key code the X server numbers
// it by (X key code - 8): its PC set-1 scan code (0x100 for the extended keys, those that
// send E0 first) and the US layout's virtual key there.
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace platform::x11 {

struct KeyPosition {
  UINT scan_code = 0;
  UINT virtual_key = 0;           // keypad keys: with Num Lock on
  UINT navigation_key = 0;        // keypad keys with Num Lock off (VK_HOME ...); 0 elsewhere
  bool types_characters = false;  // a key of the main block whose characters the layout gives
};

// The position of an evdev key code; null for keys a PC keyboard does not have.
const KeyPosition* KeyPositionOf(std::uint32_t evdev_code);

constexpr std::uint32_t kFirstX11KeyCode = 8;  // X key codes are evdev codes + 8

}  // namespace platform::x11
