// Keys through an XKB keymap: the window system's key events for an X key code and the
// modifier state the X server reported with it.
//
// Virtual keys: keys named by their keysym (F1, Home, Shift, Caps Lock, the keypad as Num
// Lock makes it) get that key's; character keys follow the layout as Windows layouts do:
// letters by the letter they type, the digit row by position, the keys typing + , - . by
// that character, the others by their US position, never two keys with one virtual key.
// Scan codes come from the key's position. AltGr, as on Windows, is a left Ctrl and a
// right Alt together, so AltGr+2 on a Spanish keyboard is WM_KEYDOWN and types '@'.
//
// Characters: each press carries what it types. Dead keys and compose sequences go
// through the compose table when there is one: a dead key carries its accent (KeyText::
// kDeadKey), the press that completes the sequence its result, and a press that does not
// combine with a dead key types the accent and then its own character. Without a compose
// table a dead key types its accent at once.
#pragma once

#include <xkbcommon/xkbcommon-compose.h>
#include <xkbcommon/xkbcommon.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/display/display_driver.h"

namespace platform::x11 {

class XkbKeyTranslator {
 public:
  // Takes a reference to both; `compose` may be null.
  XkbKeyTranslator(xkb_keymap* keymap, xkb_compose_table* compose);
  ~XkbKeyTranslator();
  XkbKeyTranslator(const XkbKeyTranslator&) = delete;
  XkbKeyTranslator& operator=(const XkbKeyTranslator&) = delete;

  // `x_state` is the core event's state field: the modifier bits, the layout group in
  // bits 13-14. A release types nothing. A key that is not on a PC keyboard gives its
  // character alone (virtual key 0, `character`), or nothing when it types none.
  std::vector<InputEvent> Translate(xkb_keycode_t keycode, std::uint16_t x_state, bool press);

 private:
  struct KeyInfo {
    UINT virtual_key = 0;
    bool alt_gr = false;
  };
  using LayoutKeys = std::array<KeyInfo, 256>;
  LayoutKeys BuildLayoutKeys(xkb_layout_index_t layout) const;
  // What a press types, `keysym` being what the keymap gives it now.
  void TypedBy(xkb_keysym_t keysym, bool compose, InputEvent& press);

  xkb_keymap* keymap_;
  xkb_state* state_;
  xkb_compose_state* compose_ = nullptr;
  xkb_keysym_t sequence_start_ = XKB_KEY_NoSymbol;  // the first keysym of a sequence under way
  std::vector<LayoutKeys> layouts_;
  std::array<char32_t, 256> packet_characters_{};  // of keys down that are no PC key
};

}  // namespace platform::x11
