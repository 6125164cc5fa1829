// Keys before the keymap is there: the first keys of a run (pressed while the X keymap
// still loads) read as on a US keyboard, from the key's position and the core modifier
// bits (Shift, Lock, Num Lock as Mod2).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/display/display_driver.h"

namespace platform::x11 {

std::vector<InputEvent> TranslateAsUsKeyboard(std::uint32_t x_keycode, std::uint16_t x_state,
                                              bool press);

}  // namespace platform::x11
