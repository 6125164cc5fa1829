#include "platform/display/x11/us_fallback_keys.h"

#include "platform/display/keyboard_layout.h"
#include "platform/display/x11/key_positions.h"

namespace platform::x11 {
namespace {

// The core modifier bits as X servers commonly assign them.
constexpr std::uint16_t kShiftMask = 0x01;
constexpr std::uint16_t kLockMask = 0x02;
constexpr std::uint16_t kNumLockMask = 0x10;  // Mod2

}  // namespace

std::vector<InputEvent> TranslateAsUsKeyboard(std::uint32_t x_keycode, std::uint16_t x_state,
                                              bool press) {
  if (x_keycode < kFirstX11KeyCode) return {};
  const KeyPosition* position = KeyPositionOf(x_keycode - kFirstX11KeyCode);
  if (position == nullptr) return {};
  bool shift = (x_state & kShiftMask) != 0;
  bool numbers = (x_state & kNumLockMask) != 0 && !shift;  // Shift gives the keypad's arrows
  UINT vk =
      position->navigation_key != 0 && !numbers ? position->navigation_key : position->virtual_key;
  InputEvent event;
  event.kind = press ? InputKind::kKeyDown : InputKind::kKeyUp;
  event.virtual_key = vk;
  event.scan_code = position->scan_code;
  if (press) {
    event.key_text = KeyText::kGiven;
    char32_t c = KeyboardLayout::UnitedStates().Character(vk, shift, (x_state & kLockMask) != 0);
    if (c != 0 && c < 0x80) event.text += static_cast<char>(c);  // the US layout types ASCII
  }
  return {event};
}

}  // namespace platform::x11
