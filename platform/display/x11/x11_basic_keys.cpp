#include "platform/display/x11/x11_basic_keys.h"

#include <cstdlib>

namespace platform::x11 {
namespace {

struct KeysymKey {
  std::uint32_t keysym;
  UINT virtual_key;
};

// Keys whose keysym is not their character.
constexpr KeysymKey kSpecialKeys[] = {
    {0xff08, VK_BACK},   {0xff09, VK_TAB},     {0xfe20, VK_TAB},     {0xff0d, VK_RETURN},
    {0xff8d, VK_RETURN}, {0xff1b, VK_ESCAPE},  {0xffff, VK_DELETE},  {0xff50, VK_HOME},
    {0xff51, VK_LEFT},   {0xff52, VK_UP},      {0xff53, VK_RIGHT},   {0xff54, VK_DOWN},
    {0xff55, VK_PRIOR},  {0xff56, VK_NEXT},    {0xff57, VK_END},     {0xff63, VK_INSERT},
    {0xffe1, VK_SHIFT},  {0xffe2, VK_SHIFT},   {0xffe3, VK_CONTROL}, {0xffe4, VK_CONTROL},
    {0xffe9, VK_MENU},   {0xffea, VK_MENU},    {0xfe03, VK_MENU},    {0xffe5, VK_CAPITAL},
    {0x0020, VK_SPACE},  {0x003b, VK_OEM_1},   {0x003d, VK_OEM_PLUS}, {0x002c, VK_OEM_COMMA},
    {0x002d, VK_OEM_MINUS}, {0x002e, VK_OEM_PERIOD}, {0x002f, VK_OEM_2}, {0x0060, VK_OEM_3},
    {0x005b, VK_OEM_4},  {0x005c, VK_OEM_5},   {0x005d, VK_OEM_6},   {0x0027, VK_OEM_7},
    {0xff95, VK_HOME},   {0xff96, VK_LEFT},    {0xff97, VK_UP},      {0xff98, VK_RIGHT},
    {0xff99, VK_DOWN},   {0xff9c, VK_END},     {0xff9f, VK_DELETE},  {0xff9e, VK_INSERT},
};

constexpr std::uint16_t kShiftMask = XCB_MOD_MASK_SHIFT;

}  // namespace

UINT VirtualKeyOfKeysym(std::uint32_t keysym) {
  if (keysym >= 'a' && keysym <= 'z') return keysym - 'a' + 'A';
  if ((keysym >= 'A' && keysym <= 'Z') || (keysym >= '0' && keysym <= '9')) return keysym;
  if (keysym >= 0xffbe && keysym <= 0xffc9) return VK_F1 + (keysym - 0xffbe);  // F1..F12
  if (keysym >= 0xffb0 && keysym <= 0xffb9) return VK_NUMPAD0 + (keysym - 0xffb0);
  for (const KeysymKey& key : kSpecialKeys) {
    if (key.keysym == keysym) return key.virtual_key;
  }
  return 0;
}

BasicKeys::~BasicKeys() {
  if (requested_ && !collected_) xcb_discard_reply(connection_, cookie_.sequence);
}

void BasicKeys::Prepare() {
  if (requested_) return;
  requested_ = true;
  const xcb_setup_t* setup = xcb_get_setup(connection_);
  first_code_ = setup->min_keycode;
  cookie_ = xcb_get_keyboard_mapping(connection_, setup->min_keycode,
                                     setup->max_keycode - setup->min_keycode + 1);
}

void BasicKeys::Collect() {
  Prepare();
  collected_ = true;
  xcb_get_keyboard_mapping_reply_t* reply =
      xcb_get_keyboard_mapping_reply(connection_, cookie_, nullptr);
  if (reply == nullptr) return;
  per_code_ = reply->keysyms_per_keycode;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
  keysyms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply));
  std::free(reply);
}

std::uint32_t BasicKeys::Keysym(xcb_keycode_t code, int column) const {
  if (code < first_code_ || column >= per_code_) return 0;
  std::size_t at = static_cast<std::size_t>(code - first_code_) * per_code_ + column;
  return at < keysyms_.size() ? keysyms_[at] : 0;
}

bool BasicKeys::Translate(xcb_keycode_t code, std::uint16_t state, bool down, InputEvent* event) {
  if (!collected_) Collect();
  std::uint32_t plain = Keysym(code, 0);
  UINT vk = VirtualKeyOfKeysym(plain);
  if (vk == 0) return false;
  std::uint32_t typed = (state & kShiftMask) ? Keysym(code, 1) : plain;
  if (typed == 0) typed = plain;
  event->kind = down ? InputKind::kKeyDown : InputKind::kKeyUp;
  event->virtual_key = vk;
  event->scan_code = KeyboardLayout::ScanCode(vk);
  // Latin-1 keysyms are their characters; others carry theirs past 0x1000000.
  if ((typed >= 0x20 && typed < 0x7f) || (typed >= 0xa0 && typed <= 0xff)) {
    event->character = typed;
  } else if (typed > 0x1000000 && typed <= 0x110ffff) {
    event->character = typed - 0x1000000;
  } else {
    event->character = 0;
  }
  return true;
}

}  // namespace platform::x11
