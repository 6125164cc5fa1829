// A named key as the display reports it: the key-down and key-up events, with the
// modifiers pressed around it (Shift+Tab, Alt+Down, Alt+F4, shifted letters), that typing
// it on a keyboard of `layout` gives. Characters no key of the layout types arrive alone
// (virtual key 0, which the window system turns into VK_PACKET).
#pragma once

#include <vector>

#include "platform/display/display_driver.h"
#include "platform/display/message_box_model.h"

namespace platform {

std::vector<InputEvent> KeyStrokes(const BoxKey& key, const KeyboardLayout& layout);

}  // namespace platform
