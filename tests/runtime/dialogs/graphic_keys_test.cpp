#include "runtime/dialogs/graphic_keys.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

LPARAM Key(unsigned scan, bool extended = false) {
  return static_cast<LPARAM>((scan << 16) | (extended ? 0x1000000 : 0) | 1);
}

TEST(GraphicKeysTest, SpecialKeysStayWithTheEngine) {
  struct Row {
    const char* what;
    LPARAM lParam;
    bool num_lock, shift, special;
  };
  const Row rows[] = {
      {"extended arrow", Key(0x4B, true), true, false, true},
      {"keypad Enter", Key(0x1C, true), false, false, false},
      {"keypad /", Key(0x35, true), false, false, false},
      {"extended 0x45", Key(0x45, true), false, false, false},
      {"F1", Key(0x3B), true, false, true},
      {"F10", Key(0x44), true, false, true},
      {"F11", Key(0x57), true, false, true},
      {"F12", Key(0x58), true, false, true},
      {"keypad -", Key(0x4A), false, false, false},
      {"keypad +", Key(0x4E), false, false, false},
      {"keypad 4 without NumLock", Key(0x4B), false, false, true},
      {"keypad 4 with NumLock: a digit", Key(0x4B), true, false, false},
      {"keypad 4 with NumLock and Shift", Key(0x4B), true, true, true},
      {"letter A", Key(0x1E), false, false, false},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(is_special_graphic_key(r.lParam, r.num_lock, r.shift), r.special) << r.what;
  }
  EXPECT_EQ(special_key_value(Key(0x4B, true)), 0x4B0000);
}

TEST(GraphicKeysTest, NavigationKeysScroll) {
  const std::pair<WPARAM, KeyScroll> rows[] = {
      {0x25, {0x114, 0}}, {0x27, {0x114, 1}}, {0x26, {0x115, 0}}, {0x28, {0x115, 1}},
      {0x21, {0x115, 2}}, {0x22, {0x115, 3}}, {0x24, {0x115, 6}}, {0x23, {0x115, 7}},
      {0x70, {0, 0}},
  };
  for (const auto& [key, scroll] : rows) {
    KeyScroll s = scroll_for_navigation_key(key);
    EXPECT_EQ(s.message, scroll.message) << key;
    EXPECT_EQ(s.code, scroll.code) << key;
  }
}

}  // namespace
}  // namespace runtime
