#include "platform/display/keyboard_layout.h"

namespace platform {
namespace {

std::vector<KeyboardLayout::Entry> UsEntries(bool international) {
  std::vector<KeyboardLayout::Entry> e;
  for (char c = 'A'; c <= 'Z'; ++c) {
    e.push_back({static_cast<UINT>(c), static_cast<char32_t>(c - 'A' + 'a'), static_cast<char32_t>(c)});
  }
  const char* shifted_digits = ")!@#$%^&*(";
  for (int d = 0; d < 10; ++d) {
    e.push_back({static_cast<UINT>('0' + d), static_cast<char32_t>('0' + d),
                 static_cast<char32_t>(shifted_digits[d])});
  }
  e.push_back({VK_SPACE, U' ', U' '});
  e.push_back({VK_OEM_1, U';', U':'});
  e.push_back({VK_OEM_PLUS, U'=', U'+'});
  e.push_back({VK_OEM_COMMA, U',', U'<'});
  e.push_back({VK_OEM_MINUS, U'-', U'_'});
  e.push_back({VK_OEM_PERIOD, U'.', U'>'});
  e.push_back({VK_OEM_2, U'/', U'?'});
  e.push_back({VK_OEM_3, U'`', U'~', international});
  e.push_back({VK_OEM_4, U'[', U'{'});
  e.push_back({VK_OEM_5, U'\\', U'|'});
  e.push_back({VK_OEM_6, U']', U'}'});
  e.push_back({VK_OEM_7, U'\'', U'"', international});
  e.push_back({VK_RETURN, U'\r', U'\r'});
  e.push_back({VK_TAB, U'\t', U'\t'});
  e.push_back({VK_BACK, U'\b', U'\b'});
  e.push_back({VK_ESCAPE, U'\x1b', U'\x1b'});
  for (int d = 0; d < 10; ++d) {
    e.push_back({static_cast<UINT>(VK_NUMPAD0 + d), static_cast<char32_t>('0' + d),
                 static_cast<char32_t>('0' + d)});
  }
  e.push_back({VK_MULTIPLY, U'*', U'*'});
  e.push_back({VK_ADD, U'+', U'+'});
  e.push_back({VK_SUBTRACT, U'-', U'-'});
  e.push_back({VK_DECIMAL, U'.', U'.'});
  e.push_back({VK_DIVIDE, U'/', U'/'});
  return e;
}

std::vector<KeyboardLayout::Combination> InternationalCombinations() {
  std::vector<KeyboardLayout::Combination> c;
  auto add = [&](char32_t dead, const char32_t* bases, const char32_t* results) {
    for (int i = 0; bases[i] != 0; ++i) c.push_back({dead, bases[i], results[i]});
    c.push_back({dead, U' ', dead});
  };
  add(U'\'', U"aeiouyAEIOUYcC", U"áéíóúýÁÉÍÓÚÝçÇ");
  add(U'"', U"aeiouyAEIOU", U"äëïöüÿÄËÏÖÜ");
  add(U'`', U"aeiouAEIOU", U"àèìòùÀÈÌÒÙ");
  add(U'~', U"anoANO", U"ãñõÃÑÕ");
  return c;
}

bool IsLetterKey(UINT vk) { return vk >= 'A' && vk <= 'Z'; }

}  // namespace

const KeyboardLayout& KeyboardLayout::UnitedStates() {
  static const KeyboardLayout* layout = new KeyboardLayout(UsEntries(false), {});
  return *layout;
}

const KeyboardLayout& KeyboardLayout::UnitedStatesInternational() {
  static const KeyboardLayout* layout =
      new KeyboardLayout(UsEntries(true), InternationalCombinations());
  return *layout;
}

char32_t KeyboardLayout::Character(UINT virtual_key, bool shift, bool caps_lock) const {
  for (const Entry& e : entries_) {
    if (e.virtual_key != virtual_key) continue;
    bool upper = shift != (caps_lock && IsLetterKey(virtual_key));
    return upper ? e.shifted : e.plain;
  }
  return 0;
}

bool KeyboardLayout::IsDead(UINT virtual_key) const {
  for (const Entry& e : entries_) {
    if (e.virtual_key == virtual_key) return e.dead;
  }
  return false;
}

std::optional<char32_t> KeyboardLayout::Combine(char32_t dead, char32_t base) const {
  for (const Combination& c : combinations_) {
    if (c.dead == dead && c.base == base) return c.result;
  }
  return std::nullopt;
}

std::optional<KeyStroke> KeyboardLayout::KeyFor(char32_t character) const {
  for (const Entry& e : entries_) {
    if (e.dead) continue;
    if (e.plain == character) return KeyStroke{e.virtual_key, false};
    if (e.shifted == character) return KeyStroke{e.virtual_key, true};
  }
  return std::nullopt;
}

namespace {

struct ScanPair {
  UINT vk;
  UINT scan;
};

// PC set-1 scan codes of the US keyboard; 0x100 marks the extended (E0) keys.
constexpr ScanPair kScanCodes[] = {
    {VK_ESCAPE, 0x01}, {'1', 0x02}, {'2', 0x03}, {'3', 0x04}, {'4', 0x05}, {'5', 0x06},
    {'6', 0x07}, {'7', 0x08}, {'8', 0x09}, {'9', 0x0A}, {'0', 0x0B}, {VK_OEM_MINUS, 0x0C},
    {VK_OEM_PLUS, 0x0D}, {VK_BACK, 0x0E}, {VK_TAB, 0x0F}, {'Q', 0x10}, {'W', 0x11},
    {'E', 0x12}, {'R', 0x13}, {'T', 0x14}, {'Y', 0x15}, {'U', 0x16}, {'I', 0x17},
    {'O', 0x18}, {'P', 0x19}, {VK_OEM_4, 0x1A}, {VK_OEM_6, 0x1B}, {VK_RETURN, 0x1C},
    {VK_CONTROL, 0x1D}, {'A', 0x1E}, {'S', 0x1F}, {'D', 0x20}, {'F', 0x21}, {'G', 0x22},
    {'H', 0x23}, {'J', 0x24}, {'K', 0x25}, {'L', 0x26}, {VK_OEM_1, 0x27}, {VK_OEM_7, 0x28},
    {VK_OEM_3, 0x29}, {VK_SHIFT, 0x2A}, {VK_OEM_5, 0x2B}, {'Z', 0x2C}, {'X', 0x2D},
    {'C', 0x2E}, {'V', 0x2F}, {'B', 0x30}, {'N', 0x31}, {'M', 0x32}, {VK_OEM_COMMA, 0x33},
    {VK_OEM_PERIOD, 0x34}, {VK_OEM_2, 0x35}, {VK_MULTIPLY, 0x37}, {VK_MENU, 0x38},
    {VK_SPACE, 0x39}, {VK_CAPITAL, 0x3A}, {VK_F1, 0x3B}, {VK_F2, 0x3C}, {VK_F3, 0x3D},
    {VK_F4, 0x3E}, {VK_F5, 0x3F}, {VK_F6, 0x40}, {VK_F7, 0x41}, {VK_F8, 0x42},
    {VK_F9, 0x43}, {VK_F10, 0x44}, {VK_NUMLOCK, 0x45}, {VK_SCROLL, 0x46}, {VK_NUMPAD7, 0x47},
    {VK_NUMPAD8, 0x48}, {VK_NUMPAD9, 0x49}, {VK_SUBTRACT, 0x4A}, {VK_NUMPAD4, 0x4B},
    {VK_NUMPAD5, 0x4C}, {VK_NUMPAD6, 0x4D}, {VK_ADD, 0x4E}, {VK_NUMPAD1, 0x4F},
    {VK_NUMPAD2, 0x50}, {VK_NUMPAD3, 0x51}, {VK_NUMPAD0, 0x52}, {VK_DECIMAL, 0x53},
    {VK_F11, 0x57}, {VK_F12, 0x58}, {VK_HOME, 0x147}, {VK_UP, 0x148}, {VK_PRIOR, 0x149},
    {VK_LEFT, 0x14B}, {VK_RIGHT, 0x14D}, {VK_END, 0x14F}, {VK_DOWN, 0x150},
    {VK_NEXT, 0x151}, {VK_INSERT, 0x152}, {VK_DELETE, 0x153}, {VK_DIVIDE, 0x135},
    {VK_LWIN, 0x15B}, {VK_RWIN, 0x15C}, {VK_APPS, 0x15D}, {VK_F13, 0x64}, {VK_F14, 0x65},
    {VK_F15, 0x66}, {VK_F16, 0x67}, {VK_F17, 0x68}, {VK_F18, 0x69}, {VK_F19, 0x6A},
    {VK_F20, 0x6B}, {VK_F21, 0x6C}, {VK_F22, 0x6D}, {VK_F23, 0x6E}, {VK_F24, 0x76},
};

}  // namespace

UINT KeyboardLayout::ScanCode(UINT virtual_key) {
  for (const ScanPair& p : kScanCodes) {
    if (p.vk == virtual_key) return p.scan;
  }
  return 0;
}

UINT KeyboardLayout::VirtualKeyOfScanCode(UINT scan_code) {
  for (const ScanPair& p : kScanCodes) {
    if (p.scan == scan_code) return p.vk;
  }
  return 0;
}

}  // namespace platform
