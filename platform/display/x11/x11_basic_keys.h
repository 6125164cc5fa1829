// Keys from the X server's plain keyboard mapping, as on a US keyboard (platform-internal).
//
// The small translation the display uses until the full keyboard (xkbcommon: layouts,
// dead keys, compose) takes over: each key code's first keysyms give the virtual key,
// the PC scan code and the character. The mapping is asked for after the first frame and
// taken when the first key arrives.
#pragma once

#include <xcb/xcb.h>

#include <cstdint>
#include <vector>

#include "platform/display/display_driver.h"

namespace platform::x11 {

// The virtual key of an X keysym; 0 for keys the program has no use for.
UINT VirtualKeyOfKeysym(std::uint32_t keysym);

class BasicKeys {
 public:
  explicit BasicKeys(xcb_connection_t* connection) : connection_(connection) {}
  BasicKeys(const BasicKeys&) = delete;
  BasicKeys& operator=(const BasicKeys&) = delete;
  ~BasicKeys();

  // Sends the mapping request; its reply is read when a key first needs it.
  void Prepare();
  // A key press or release (`state`: the event's modifier mask) as input; false for a
  // key without a virtual key.
  bool Translate(xcb_keycode_t code, std::uint16_t state, bool down, InputEvent* event);
  const KeyboardLayout& Layout() const { return KeyboardLayout::UnitedStates(); }

 private:
  void Collect();
  std::uint32_t Keysym(xcb_keycode_t code, int column) const;

  xcb_connection_t* connection_;
  bool requested_ = false;
  bool collected_ = false;
  xcb_get_keyboard_mapping_cookie_t cookie_{};
  xcb_keycode_t first_code_ = 0;
  int per_code_ = 0;
  std::vector<std::uint32_t> keysyms_;
};

}  // namespace platform::x11
