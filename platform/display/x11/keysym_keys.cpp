#include "platform/display/x11/keysym_keys.h"

#include <xkbcommon/xkbcommon-keysyms.h>

namespace platform::x11 {
namespace {

struct KeysymKey {
  xkb_keysym_t keysym;
  UINT vk;
};

// clang-format off
constexpr KeysymKey kKeysymKeys[] = {
    {XKB_KEY_BackSpace, VK_BACK}, {XKB_KEY_Tab, VK_TAB}, {XKB_KEY_ISO_Left_Tab, VK_TAB},
    {XKB_KEY_Return, VK_RETURN}, {XKB_KEY_Pause, VK_PAUSE}, {XKB_KEY_Break, VK_PAUSE},
    {XKB_KEY_Scroll_Lock, VK_SCROLL}, {XKB_KEY_Sys_Req, VK_SNAPSHOT},
    {XKB_KEY_Print, VK_SNAPSHOT}, {XKB_KEY_Escape, VK_ESCAPE}, {XKB_KEY_Delete, VK_DELETE},
    {XKB_KEY_Home, VK_HOME}, {XKB_KEY_Left, VK_LEFT}, {XKB_KEY_Up, VK_UP},
    {XKB_KEY_Right, VK_RIGHT}, {XKB_KEY_Down, VK_DOWN}, {XKB_KEY_Prior, VK_PRIOR},
    {XKB_KEY_Next, VK_NEXT}, {XKB_KEY_End, VK_END}, {XKB_KEY_Begin, VK_CLEAR},
    {XKB_KEY_Insert, VK_INSERT}, {XKB_KEY_Menu, VK_APPS}, {XKB_KEY_Num_Lock, VK_NUMLOCK},
    {XKB_KEY_Caps_Lock, VK_CAPITAL}, {XKB_KEY_Shift_L, VK_SHIFT}, {XKB_KEY_Shift_R, VK_SHIFT},
    {XKB_KEY_Control_L, VK_CONTROL}, {XKB_KEY_Control_R, VK_CONTROL},
    {XKB_KEY_Alt_L, VK_MENU}, {XKB_KEY_Alt_R, VK_MENU}, {XKB_KEY_Meta_L, VK_MENU},
    {XKB_KEY_Meta_R, VK_MENU}, {XKB_KEY_ISO_Level3_Shift, VK_MENU},
    {XKB_KEY_Mode_switch, VK_MENU}, {XKB_KEY_Super_L, VK_LWIN}, {XKB_KEY_Super_R, VK_RWIN},
    {XKB_KEY_KP_Enter, VK_RETURN}, {XKB_KEY_KP_Home, VK_HOME}, {XKB_KEY_KP_Left, VK_LEFT},
    {XKB_KEY_KP_Up, VK_UP}, {XKB_KEY_KP_Right, VK_RIGHT}, {XKB_KEY_KP_Down, VK_DOWN},
    {XKB_KEY_KP_Prior, VK_PRIOR}, {XKB_KEY_KP_Next, VK_NEXT}, {XKB_KEY_KP_End, VK_END},
    {XKB_KEY_KP_Begin, VK_CLEAR}, {XKB_KEY_KP_Insert, VK_INSERT},
    {XKB_KEY_KP_Delete, VK_DELETE}, {XKB_KEY_KP_Multiply, VK_MULTIPLY},
    {XKB_KEY_KP_Add, VK_ADD}, {XKB_KEY_KP_Subtract, VK_SUBTRACT},
    {XKB_KEY_KP_Decimal, VK_DECIMAL}, {XKB_KEY_KP_Separator, VK_DECIMAL},
    {XKB_KEY_KP_Divide, VK_DIVIDE},
};
// clang-format on

struct DeadAccent {
  xkb_keysym_t keysym;
  char32_t accent;
};

// The spacing form of each accent, as a dead key shows it while it waits.
// clang-format off
constexpr DeadAccent kDeadAccents[] = {
    {XKB_KEY_dead_grave, U'`'},          {XKB_KEY_dead_acute, U'\u00B4'},
    {XKB_KEY_dead_circumflex, U'^'},     {XKB_KEY_dead_tilde, U'~'},
    {XKB_KEY_dead_macron, U'\u00AF'},    {XKB_KEY_dead_breve, U'\u02D8'},
    {XKB_KEY_dead_abovedot, U'\u02D9'},  {XKB_KEY_dead_diaeresis, U'\u00A8'},
    {XKB_KEY_dead_abovering, U'\u02DA'}, {XKB_KEY_dead_doubleacute, U'\u02DD'},
    {XKB_KEY_dead_caron, U'\u02C7'},     {XKB_KEY_dead_cedilla, U'\u00B8'},
    {XKB_KEY_dead_ogonek, U'\u02DB'},    {XKB_KEY_dead_iota, U'\u037A'},
};
// clang-format on

}  // namespace

UINT VirtualKeyOfSpecialKeysym(xkb_keysym_t keysym) {
  if (keysym >= XKB_KEY_F1 && keysym <= XKB_KEY_F24) return VK_F1 + (keysym - XKB_KEY_F1);
  if (keysym >= XKB_KEY_KP_0 && keysym <= XKB_KEY_KP_9) return VK_NUMPAD0 + (keysym - XKB_KEY_KP_0);
  for (const KeysymKey& k : kKeysymKeys) {
    if (k.keysym == keysym) return k.vk;
  }
  return 0;
}

bool IsKeypadKeysym(xkb_keysym_t keysym) {
  return keysym >= XKB_KEY_KP_Space && keysym <= XKB_KEY_KP_Equal;
}

bool IsAltGrKeysym(xkb_keysym_t keysym) {
  return keysym == XKB_KEY_ISO_Level3_Shift || keysym == XKB_KEY_Mode_switch;
}

char32_t CharacterOfKeysym(xkb_keysym_t keysym) {
  if (keysym == XKB_KEY_ISO_Left_Tab) return U'\t';
  if (keysym == XKB_KEY_Delete || keysym == XKB_KEY_KP_Delete) return 0;
  if (DeadKeyAccent(keysym) != 0) return 0;
  char32_t c = xkb_keysym_to_utf32(keysym);
  // Of the control characters, keys type only these.
  if (c < 0x20 && c != U'\b' && c != U'\t' && c != U'\r' && c != U'\x1b') return 0;
  if (c == 0x7F) return 0;
  return c;
}

char32_t DeadKeyAccent(xkb_keysym_t keysym) {
  for (const DeadAccent& d : kDeadAccents) {
    if (d.keysym == keysym) return d.accent;
  }
  return 0;
}

}  // namespace platform::x11
