// A keyboard layout: which character a virtual key gives with the shift state, and the
// dead keys that combine with the next character. The display's backend gives the layout
// (KeyboardLayout::UnitedStates() by default); TranslateMessage uses it.
#pragma once

#include <optional>
#include <vector>

#include "platform/win32.h"

namespace platform {

struct KeyStroke {
  UINT virtual_key = 0;
  bool shift = false;
};

class KeyboardLayout {
 public:
  struct Entry {
    UINT virtual_key;
    char32_t plain;
    char32_t shifted;
    bool dead = false;  // the key is a dead key (both shift states)
  };
  struct Combination {
    char32_t dead;
    char32_t base;
    char32_t result;
  };

  KeyboardLayout(std::vector<Entry> entries, std::vector<Combination> combinations)
      : entries_(std::move(entries)), combinations_(std::move(combinations)) {}

  static const KeyboardLayout& UnitedStates();
  // US International: ' " ` ~ are dead keys (followed by a space they give themselves).
  static const KeyboardLayout& UnitedStatesInternational();

  // The character of a key with Shift / Caps Lock as given; 0 for none.
  char32_t Character(UINT virtual_key, bool shift, bool caps_lock) const;
  bool IsDead(UINT virtual_key) const;
  // What a dead key followed by `base` gives; nothing when they do not combine.
  std::optional<char32_t> Combine(char32_t dead, char32_t base) const;
  // The key that types `character`, if the layout has one.
  std::optional<KeyStroke> KeyFor(char32_t character) const;

  // The PC (set 1) scan code of a virtual key; 0 when unknown. Extended keys have 0x100.
  static UINT ScanCode(UINT virtual_key);
  static UINT VirtualKeyOfScanCode(UINT scan_code);

 private:
  std::vector<Entry> entries_;
  std::vector<Combination> combinations_;
};

}  // namespace platform
