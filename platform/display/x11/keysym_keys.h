// What X keysyms mean to the window system: the virtual key of the keys named by their
// keysym (function, editing, modifier and keypad keys), the characters keys type, and the
// accents of dead keys.
#pragma once

#include <xkbcommon/xkbcommon.h>

#include "platform/win32.h"

namespace platform::x11 {

// The virtual key of a key that is not a character key (F1, Home, Shift_L, KP_7, ...);
// 0 for the others, whose virtual key follows the layout.
UINT VirtualKeyOfSpecialKeysym(xkb_keysym_t keysym);

// Keypad keysyms change with Num Lock (KP_7 / KP_Home), and so does their virtual key.
bool IsKeypadKeysym(xkb_keysym_t keysym);

// The AltGr key of layouts that have one (it shifts to the third level).
bool IsAltGrKeysym(xkb_keysym_t keysym);

// The character a key with this keysym types, as WM_CHAR gives it (Return '\r',
// BackSpace '\b', Tab and Shift+Tab '\t'); 0 for none (Delete, arrows, dead keys).
char32_t CharacterOfKeysym(xkb_keysym_t keysym);

// The accent a dead key shows (dead_acute: U+00B4); 0 when the keysym is not a dead key.
char32_t DeadKeyAccent(xkb_keysym_t keysym);

}  // namespace platform::x11
