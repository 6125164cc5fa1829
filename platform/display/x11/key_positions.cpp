#include "platform/display/x11/key_positions.h"

#include <array>

namespace platform::x11 {
namespace {

struct Row {
  std::uint8_t evdev;
  UINT scan;
  UINT vk;
  UINT navigation = 0;
};

// Evdev numbers keys 1-88 by their set-1 scan codes; the rest are listed one by one.
// Windows reports Num Lock as extended and Pause as plain 0x45.
// clang-format off
constexpr Row kRows[] = {
    {1, 0x01, VK_ESCAPE}, {2, 0x02, '1'}, {3, 0x03, '2'}, {4, 0x04, '3'}, {5, 0x05, '4'},
    {6, 0x06, '5'}, {7, 0x07, '6'}, {8, 0x08, '7'}, {9, 0x09, '8'}, {10, 0x0A, '9'},
    {11, 0x0B, '0'}, {12, 0x0C, VK_OEM_MINUS}, {13, 0x0D, VK_OEM_PLUS}, {14, 0x0E, VK_BACK},
    {15, 0x0F, VK_TAB}, {16, 0x10, 'Q'}, {17, 0x11, 'W'}, {18, 0x12, 'E'}, {19, 0x13, 'R'},
    {20, 0x14, 'T'}, {21, 0x15, 'Y'}, {22, 0x16, 'U'}, {23, 0x17, 'I'}, {24, 0x18, 'O'},
    {25, 0x19, 'P'}, {26, 0x1A, VK_OEM_4}, {27, 0x1B, VK_OEM_6}, {28, 0x1C, VK_RETURN},
    {29, 0x1D, VK_CONTROL}, {30, 0x1E, 'A'}, {31, 0x1F, 'S'}, {32, 0x20, 'D'},
    {33, 0x21, 'F'}, {34, 0x22, 'G'}, {35, 0x23, 'H'}, {36, 0x24, 'J'}, {37, 0x25, 'K'},
    {38, 0x26, 'L'}, {39, 0x27, VK_OEM_1}, {40, 0x28, VK_OEM_7}, {41, 0x29, VK_OEM_3},
    {42, 0x2A, VK_SHIFT}, {43, 0x2B, VK_OEM_5}, {44, 0x2C, 'Z'}, {45, 0x2D, 'X'},
    {46, 0x2E, 'C'}, {47, 0x2F, 'V'}, {48, 0x30, 'B'}, {49, 0x31, 'N'}, {50, 0x32, 'M'},
    {51, 0x33, VK_OEM_COMMA}, {52, 0x34, VK_OEM_PERIOD}, {53, 0x35, VK_OEM_2},
    {54, 0x36, VK_SHIFT}, {55, 0x37, VK_MULTIPLY}, {56, 0x38, VK_MENU}, {57, 0x39, VK_SPACE},
    {58, 0x3A, VK_CAPITAL}, {59, 0x3B, VK_F1}, {60, 0x3C, VK_F2}, {61, 0x3D, VK_F3},
    {62, 0x3E, VK_F4}, {63, 0x3F, VK_F5}, {64, 0x40, VK_F6}, {65, 0x41, VK_F7},
    {66, 0x42, VK_F8}, {67, 0x43, VK_F9}, {68, 0x44, VK_F10}, {69, 0x145, VK_NUMLOCK},
    {70, 0x46, VK_SCROLL}, {71, 0x47, VK_NUMPAD7, VK_HOME}, {72, 0x48, VK_NUMPAD8, VK_UP},
    {73, 0x49, VK_NUMPAD9, VK_PRIOR}, {74, 0x4A, VK_SUBTRACT}, {75, 0x4B, VK_NUMPAD4, VK_LEFT},
    {76, 0x4C, VK_NUMPAD5, VK_CLEAR}, {77, 0x4D, VK_NUMPAD6, VK_RIGHT}, {78, 0x4E, VK_ADD},
    {79, 0x4F, VK_NUMPAD1, VK_END}, {80, 0x50, VK_NUMPAD2, VK_DOWN},
    {81, 0x51, VK_NUMPAD3, VK_NEXT}, {82, 0x52, VK_NUMPAD0, VK_INSERT},
    {83, 0x53, VK_DECIMAL, VK_DELETE}, {86, 0x56, VK_OEM_102}, {87, 0x57, VK_F11},
    {88, 0x58, VK_F12}, {96, 0x11C, VK_RETURN}, {97, 0x11D, VK_CONTROL},
    {98, 0x135, VK_DIVIDE}, {99, 0x137, VK_SNAPSHOT}, {100, 0x138, VK_MENU},
    {102, 0x147, VK_HOME}, {103, 0x148, VK_UP}, {104, 0x149, VK_PRIOR}, {105, 0x14B, VK_LEFT},
    {106, 0x14D, VK_RIGHT}, {107, 0x14F, VK_END}, {108, 0x150, VK_DOWN},
    {109, 0x151, VK_NEXT}, {110, 0x152, VK_INSERT}, {111, 0x153, VK_DELETE},
    {119, 0x45, VK_PAUSE}, {125, 0x15B, VK_LWIN}, {126, 0x15C, VK_RWIN},
    {127, 0x15D, VK_APPS},
    // F13-F24: most layouts give them multimedia keysyms, but a position is a position.
    {183, 0x64, VK_F13}, {184, 0x65, VK_F14}, {185, 0x66, VK_F15}, {186, 0x67, VK_F16},
    {187, 0x68, VK_F17}, {188, 0x69, VK_F18}, {189, 0x6A, VK_F19}, {190, 0x6B, VK_F20},
    {191, 0x6C, VK_F21}, {192, 0x6D, VK_F22}, {193, 0x6E, VK_F23}, {194, 0x76, VK_F24},
};
// clang-format on

// The main block's character keys: the digit row, the three letter rows, the key left of
// Z on 102-key keyboards, and the space bar.
bool TypesCharacters(std::uint8_t evdev) {
  return (evdev >= 2 && evdev <= 13) || (evdev >= 16 && evdev <= 27) ||
         (evdev >= 30 && evdev <= 41) || (evdev >= 43 && evdev <= 53) || evdev == 86 || evdev == 57;
}

constexpr std::size_t kTableSize = 256;

std::array<KeyPosition, kTableSize> BuildTable() {
  std::array<KeyPosition, kTableSize> table{};
  for (const Row& row : kRows) {
    table[row.evdev] = KeyPosition{row.scan, row.vk, row.navigation, TypesCharacters(row.evdev)};
  }
  return table;
}

}  // namespace

const KeyPosition* KeyPositionOf(std::uint32_t evdev_code) {
  static const std::array<KeyPosition, kTableSize> table = BuildTable();
  if (evdev_code >= kTableSize || table[evdev_code].virtual_key == 0) return nullptr;
  return &table[evdev_code];
}

}  // namespace platform::x11
