#include "platform/display/x11/xkb_key_translator.h"

#include <xkbcommon/xkbcommon-keysyms.h>

#include <algorithm>
#include <utility>

#include "platform/display/utf8_append.h"
#include "platform/display/x11/key_positions.h"
#include "platform/display/x11/keysym_keys.h"

namespace platform::x11 {
namespace {

constexpr std::uint16_t kLayoutGroupShift = 13;

InputEvent KeyEvent(bool press, UINT virtual_key, UINT scan_code) {
  InputEvent e;
  e.kind = press ? InputKind::kKeyDown : InputKind::kKeyUp;
  e.virtual_key = virtual_key;
  e.scan_code = scan_code;
  return e;
}

xkb_keysym_t KeysymAtLevel(xkb_keymap* keymap, xkb_keycode_t key, xkb_layout_index_t layout,
                           xkb_level_index_t level) {
  const xkb_keysym_t* syms = nullptr;
  int count = xkb_keymap_key_get_syms_by_level(keymap, key, layout, level, &syms);
  return count > 0 ? syms[0] : XKB_KEY_NoSymbol;
}

// The virtual key a character gives its key wherever it sits (as on Windows layouts).
UINT VirtualKeyOfCharacter(xkb_keysym_t keysym) {
  switch (keysym) {
    case XKB_KEY_plus:
      return VK_OEM_PLUS;
    case XKB_KEY_comma:
      return VK_OEM_COMMA;
    case XKB_KEY_minus:
      return VK_OEM_MINUS;
    case XKB_KEY_period:
      return VK_OEM_PERIOD;
    default:
      break;
  }
  xkb_keysym_t lower = xkb_keysym_to_lower(keysym);
  if (lower >= XKB_KEY_a && lower <= XKB_KEY_z) return 'A' + (lower - XKB_KEY_a);
  return 0;
}

// Keys of the main block that type something other than letters and + , - . take the
// US key's virtual key at their place, or one of these when another key has that one.
constexpr UINT kSpareKeys[] = {VK_OEM_1,    VK_OEM_2,     VK_OEM_3,     VK_OEM_4,
                               VK_OEM_5,    VK_OEM_6,     VK_OEM_7,     VK_OEM_102,
                               VK_OEM_PLUS, VK_OEM_COMMA, VK_OEM_MINUS, VK_OEM_PERIOD};

}  // namespace

XkbKeyTranslator::XkbKeyTranslator(xkb_keymap* keymap, xkb_compose_table* compose)
    : keymap_(xkb_keymap_ref(keymap)), state_(xkb_state_new(keymap)) {
  if (compose != nullptr) compose_ = xkb_compose_state_new(compose, XKB_COMPOSE_STATE_NO_FLAGS);
  xkb_layout_index_t layouts = std::max<xkb_layout_index_t>(1, xkb_keymap_num_layouts(keymap));
  for (xkb_layout_index_t i = 0; i < layouts; ++i) layouts_.push_back(BuildLayoutKeys(i));
}

XkbKeyTranslator::~XkbKeyTranslator() {
  xkb_compose_state_unref(compose_);
  xkb_state_unref(state_);
  xkb_keymap_unref(keymap_);
}

XkbKeyTranslator::LayoutKeys XkbKeyTranslator::BuildLayoutKeys(xkb_layout_index_t layout) const {
  LayoutKeys keys{};
  std::array<bool, 256> taken{};
  xkb_keycode_t first = std::max<xkb_keycode_t>(xkb_keymap_min_keycode(keymap_), kFirstX11KeyCode);
  xkb_keycode_t last = std::min<xkb_keycode_t>(xkb_keymap_max_keycode(keymap_), 255);
  std::vector<xkb_keycode_t> placed_later;
  for (xkb_keycode_t key = first; key <= last; ++key) {
    const KeyPosition* position = KeyPositionOf(key - kFirstX11KeyCode);
    xkb_keysym_t base = KeysymAtLevel(keymap_, key, layout, 0);
    KeyInfo& info = keys[key];
    info.alt_gr = IsAltGrKeysym(base);
    if (UINT vk = VirtualKeyOfSpecialKeysym(base); vk != 0) {
      info.virtual_key = vk;
    } else if (position == nullptr) {
      continue;  // not a PC key: none
    } else if (!position->types_characters) {
      info.virtual_key = position->virtual_key;
    } else if (position->virtual_key >= '0' && position->virtual_key <= '9') {
      info.virtual_key = position->virtual_key;  // the digit row keeps its digits
    } else if (position->virtual_key == VK_SPACE) {
      info.virtual_key = VK_SPACE;
    } else {
      UINT vk = VirtualKeyOfCharacter(base);
      if (vk == 0 && KeysymAtLevel(keymap_, key, layout, 1) == XKB_KEY_plus) vk = VK_OEM_PLUS;
      if (vk != 0 && !taken[vk]) {
        info.virtual_key = vk;
        taken[vk] = true;
      } else {
        placed_later.push_back(key);
      }
    }
  }
  // Their places first, so that one moved key does not push the next off its place.
  std::vector<xkb_keycode_t> moved;
  for (xkb_keycode_t key : placed_later) {
    UINT vk = KeyPositionOf(key - kFirstX11KeyCode)->virtual_key;
    if (taken[vk]) {
      moved.push_back(key);
    } else {
      keys[key].virtual_key = vk;
      taken[vk] = true;
    }
  }
  for (xkb_keycode_t key : moved) {
    auto spare = std::find_if(std::begin(kSpareKeys), std::end(kSpareKeys),
                              [&](UINT candidate) { return !taken[candidate]; });
    if (spare == std::end(kSpareKeys)) break;
    keys[key].virtual_key = *spare;
    taken[*spare] = true;
  }
  return keys;
}

std::vector<InputEvent> XkbKeyTranslator::Translate(xkb_keycode_t keycode, std::uint16_t x_state,
                                                    bool press) {
  if (keycode < kFirstX11KeyCode || keycode > 255) return {};
  xkb_state_update_mask(state_, x_state & 0xFF, 0, 0, 0, 0, (x_state >> kLayoutGroupShift) & 3);
  xkb_layout_index_t layout = xkb_state_key_get_layout(state_, keycode);
  if (layout == XKB_LAYOUT_INVALID || layout >= layouts_.size()) layout = 0;
  const KeyInfo& info = layouts_[layout][keycode];
  const KeyPosition* position = KeyPositionOf(keycode - kFirstX11KeyCode);
  UINT scan = position != nullptr ? position->scan_code : 0;
  xkb_keysym_t keysym = xkb_state_key_get_one_sym(state_, keycode);

  UINT vk = info.virtual_key;
  if (IsKeypadKeysym(keysym) && VirtualKeyOfSpecialKeysym(keysym) != 0)
    vk = VirtualKeyOfSpecialKeysym(keysym);
  if (vk == 0) {
    // A key that is no PC key may still type (a spare key a tool maps for a moment to type
    // a character no key has): the character comes alone, as VK_PACKET does on Windows.
    // Its release comes with the same character, whatever the key means by then.
    char32_t c = press ? CharacterOfKeysym(keysym) : std::exchange(packet_characters_[keycode], 0);
    if (c == 0 || c > 0xFFFF) return {};
    if (press) packet_characters_[keycode] = c;
    InputEvent packet = KeyEvent(press, 0, 0);
    packet.character = c;
    return {packet};
  }
  if (info.alt_gr) {
    // Windows sends a left Ctrl with AltGr (before its press, after its release).
    InputEvent ctrl = KeyEvent(press, VK_CONTROL, 0x1D);
    InputEvent alt = KeyEvent(press, VK_MENU, scan != 0 ? scan : 0x138);
    if (press) return {ctrl, alt};
    return {alt, ctrl};
  }
  InputEvent event = KeyEvent(press, vk, scan);
  if (press) {
    bool chord =
        xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_CTRL, XKB_STATE_MODS_EFFECTIVE) > 0 ||
        xkb_state_mod_name_is_active(state_, XKB_MOD_NAME_ALT, XKB_STATE_MODS_EFFECTIVE) > 0;
    TypedBy(keysym, !chord, event);
  }
  return {event};
}

void XkbKeyTranslator::TypedBy(xkb_keysym_t keysym, bool compose, InputEvent& press) {
  press.key_text = KeyText::kGiven;
  char32_t accent = DeadKeyAccent(keysym);
  if (compose_ == nullptr || !compose) {
    // No sequences: a dead key types its accent.
    if (char32_t c = accent != 0 ? accent : CharacterOfKeysym(keysym)) AppendUtf8(press.text, c);
    return;
  }
  xkb_compose_status before = xkb_compose_state_get_status(compose_);
  bool sequence_under_way = before == XKB_COMPOSE_COMPOSING;
  if (xkb_compose_state_feed(compose_, keysym) == XKB_COMPOSE_FEED_IGNORED) return;  // a modifier
  switch (xkb_compose_state_get_status(compose_)) {
    case XKB_COMPOSE_NOTHING:
      if (char32_t c = CharacterOfKeysym(keysym)) AppendUtf8(press.text, c);
      return;
    case XKB_COMPOSE_COMPOSING:
      if (!sequence_under_way) sequence_start_ = keysym;
      if (accent != 0) {
        press.key_text = KeyText::kDeadKey;
        press.character = accent;
      }
      return;  // Multi_key and the keys inside a sequence type nothing yet
    case XKB_COMPOSE_COMPOSED: {
      char utf8[64];
      int length = xkb_compose_state_get_utf8(compose_, utf8, sizeof utf8);
      if (length > 0 && static_cast<std::size_t>(length) < sizeof utf8) {
        press.text.assign(utf8, static_cast<std::size_t>(length));
      } else if (char32_t c = CharacterOfKeysym(xkb_compose_state_get_one_sym(compose_))) {
        AppendUtf8(press.text, c);
      }
      xkb_compose_state_reset(compose_);
      return;
    }
    case XKB_COMPOSE_CANCELLED:
      // A dead key that does not combine types its accent, then the key its character.
      if (char32_t start = DeadKeyAccent(sequence_start_)) AppendUtf8(press.text, start);
      if (char32_t c = CharacterOfKeysym(keysym)) AppendUtf8(press.text, c);
      xkb_compose_state_reset(compose_);
      return;
  }
}

}  // namespace platform::x11
