#include "platform/display/x11/x11_basic_keys.h"

#include <gtest/gtest.h>

namespace platform::x11 {
namespace {

TEST(X11BasicKeysTest, KeysymsToVirtualKeys) {
  struct Row {
    std::uint32_t keysym;
    UINT vk;
  };
  const Row rows[] = {
      {'a', 'A'},         {'Z', 'Z'},        {'7', '7'},          {0xff0d, VK_RETURN},
      {0xff09, VK_TAB},   {0xfe20, VK_TAB},  {0xff1b, VK_ESCAPE}, {0xff51, VK_LEFT},
      {0xff54, VK_DOWN},  {0xffbe, VK_F1},   {0xffc1, VK_F4},     {0xffc9, VK_F12},
      {0xffe1, VK_SHIFT}, {0xffe9, VK_MENU}, {0xffe3, VK_CONTROL}, {' ', VK_SPACE},
      {',', VK_OEM_COMMA}, {0xffb3, VK_NUMPAD0 + 3}, {0x1008ff11, 0}, {0xe9, 0},
  };
  for (const Row& row : rows) EXPECT_EQ(VirtualKeyOfKeysym(row.keysym), row.vk) << std::hex << row.keysym;
}

}  // namespace
}  // namespace platform::x11
