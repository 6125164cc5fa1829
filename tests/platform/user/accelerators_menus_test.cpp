// Accelerator tables and menus: creation, copies, translation rows, dead handles.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_fixture.h"

namespace {

using AcceleratorTest = WindowTest;

TEST_F(AcceleratorTest, KeysTranslateToCommandsByTheirModifiers) {
  ACCEL entries[] = {
      {FVIRTKEY | FCONTROL, 'S', 101},
      {FVIRTKEY, VK_F5, 102},
      {FVIRTKEY | FALT, 'X', 103},
      {0, 'q', 104},
  };
  HACCEL table = CreateAcceleratorTableW(entries, 4);
  ASSERT_NE(table, nullptr);
  HWND window = Create();
  struct Row {
    UINT message;
    WPARAM key;
    LPARAM lparam;
    int command;  // 0: not translated
  } rows[] = {
      {WM_KEYDOWN, VK_F5, 1, 102},
      {WM_KEYDOWN, 'S', 1, 0},  // Ctrl is up
      {WM_SYSKEYDOWN, 'X', 1 | (1 << 29), 103},
      {WM_KEYDOWN, 'X', 1, 0},
      {WM_CHAR, 'q', 1, 104},
      {WM_CHAR, 'Q', 1, 0},
      {WM_KEYUP, VK_F5, 1, 0},
  };
  for (const Row& row : rows) {
    Take();
    MSG msg{window, row.message, row.key, row.lparam, 0, {0, 0}};
    int translated = TranslateAcceleratorW(window, table, &msg);
    auto commands = Take({WM_COMMAND});
    EXPECT_EQ(translated, row.command != 0 ? 1 : 0) << row.key;
    if (row.command != 0) {
      ASSERT_EQ(commands.size(), 1u);
      EXPECT_EQ(commands[0].wparam, MAKEWPARAM(static_cast<WORD>(row.command), 1));
    } else {
      EXPECT_TRUE(commands.empty());
    }
  }
  ACCEL copy[4];
  EXPECT_EQ(CopyAcceleratorTableW(table, nullptr, 0), 4);
  EXPECT_EQ(CopyAcceleratorTableW(table, copy, 2), 2);
  EXPECT_EQ(copy[1].cmd, 102);
  EXPECT_TRUE(DestroyAcceleratorTable(table));
  SetLastError(0);
  EXPECT_FALSE(DestroyAcceleratorTable(table));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_ACCEL_HANDLE);
  MSG msg{window, WM_KEYDOWN, VK_F5, 1, 0, {0, 0}};
  EXPECT_EQ(TranslateAcceleratorW(window, table, &msg), 0);
  EXPECT_EQ(CopyAcceleratorTableW(table, nullptr, 0), 0);
  EXPECT_EQ(CreateAcceleratorTableW(entries, 0), nullptr);
  EXPECT_EQ(CreateAcceleratorTableW(nullptr, 3), nullptr);
}

TEST_F(AcceleratorTest, MenusHoldTheirItemsAndWindowsTheirMenus) {
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  ASSERT_TRUE(AppendMenuW(file, MF_STRING, 10, u"&Open"));
  ASSERT_TRUE(AppendMenuW(file, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenuW(file, MF_STRING | MF_GRAYED, 11, u"E&xit"));
  ASSERT_TRUE(AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), u"&File"));
  EXPECT_EQ(GetMenuItemCount(file), 3);
  EXPECT_EQ(GetSubMenu(bar, 0), file);
  EXPECT_EQ(GetMenuItemID(file, 2), 11u);
  EXPECT_EQ(GetMenuState(file, 11, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);

  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA | MIIM_STATE;
  info.dwItemData = 0xFEED;
  info.fState = MFS_CHECKED;
  EXPECT_TRUE(SetMenuItemInfoW(bar, 10, FALSE, &info));  // found in the submenu
  WCHAR text[8];
  MENUITEMINFOW got{};
  got.cbSize = sizeof got;
  got.fMask = MIIM_DATA | MIIM_STATE | MIIM_STRING | MIIM_ID;
  got.dwTypeData = text;
  got.cch = 8;
  ASSERT_TRUE(GetMenuItemInfoW(file, 0, TRUE, &got));
  EXPECT_EQ(got.dwItemData, 0xFEEDu);
  EXPECT_EQ(got.fState, MFS_CHECKED);
  EXPECT_EQ(got.wID, 10u);
  EXPECT_EQ(std::u16string(text), u"&Open");
  EXPECT_EQ(got.cch, 5u);
  got.cbSize = 3;
  EXPECT_FALSE(GetMenuItemInfoW(file, 0, TRUE, &got));
  got.cbSize = sizeof got;
  EXPECT_FALSE(GetMenuItemInfoW(file, 99, TRUE, &got));

  HWND window = Create();
  EXPECT_EQ(GetMenu(window), nullptr);
  EXPECT_TRUE(SetMenu(window, bar));
  EXPECT_EQ(GetMenu(window), bar);
  HWND child = CreateChild(window, 5);
  EXPECT_FALSE(SetMenu(child, bar));
  HMENU system = GetSystemMenu(window, FALSE);
  ASSERT_NE(system, nullptr);
  EXPECT_EQ(GetSystemMenu(window, FALSE), system);
  EXPECT_EQ(EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);

  EXPECT_TRUE(DestroyMenu(bar));
  EXPECT_FALSE(IsMenu(file));  // submenus go with their menu
  SetLastError(0);
  EXPECT_FALSE(DestroyMenu(bar));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MENU_HANDLE);
  EXPECT_EQ(GetMenuItemCount(bar), -1);
  EXPECT_EQ(GetMenu(window), nullptr);  // its menu is gone
}

}  // namespace
