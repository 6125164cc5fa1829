// Mouse and keyboard input: hit testing, double clicks, the close box, activation by
// click, key state, TranslateMessage and keyboard layouts.
#include <gtest/gtest.h>

#include "platform/display/keyboard_layout.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

TEST_F(WindowTest, HitTestingFindsTheFrameParts) {
  HWND top = Create(WS_OVERLAPPEDWINDOW, nullptr, 0, 0, RECT{100, 100, 300, 200});
  struct Row {
    POINT screen;
    LRESULT hit;
  };
  const Row rows[] = {
      {{150, 150}, HTCLIENT}, {{150, 110}, HTCAPTION}, {{290, 110}, HTCLOSE},
      {{110, 112}, HTSYSMENU}, {{101, 150}, HTLEFT},   {{298, 198}, HTBOTTOMRIGHT},
      {{150, 101}, HTTOP},     {{50, 50}, HTNOWHERE},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(SendMessageW(top, WM_NCHITTEST, 0, MAKELPARAM(row.screen.x, row.screen.y)), row.hit)
        << row.screen.x << "," << row.screen.y;
  }
}

TEST_F(WindowTest, ClickOnTheCloseBoxCloses) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Take();
  SendMessageW(top, WM_NCLBUTTONDOWN, HTCLOSE, 0);
  auto seen = Take({WM_SYSCOMMAND, WM_CLOSE});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].wparam, SC_CLOSE);
  EXPECT_FALSE(IsWindow(top));
}

TEST_F(WindowTest, SecondQuickClickIsADoubleClick) {
  UseScript("press child\npress child\n");
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = CreateChild(top, 3, RECT{10, 10, 60, 40});
  Take();
  Pump();
  std::vector<UINT> order;
  for (auto& m : Take({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK})) {
    EXPECT_EQ(m.window, child);
    EXPECT_EQ(m.lparam, MAKELPARAM(25, 15));  // the centre, in client coordinates
    order.push_back(m.message);
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(WindowTest, CaptureTakesTheMouseFromTheWindowUnderIt) {
  UseScript("press child\n");
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, RECT{0, 0, 200, 200});
  HWND child = CreateChild(top, 3, RECT{10, 10, 60, 40});
  HWND other = CreateChild(top, 4, RECT{100, 100, 150, 140});
  SetCapture(other);
  Take();
  Pump();
  auto downs = Take({WM_LBUTTONDOWN, WM_LBUTTONUP});
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].window, other);
  // The child's centre (35, 25 in top's client area) in other's client coordinates.
  POINT centre{35, 25};
  MapWindowPoints(top, other, &centre, 1);
  EXPECT_EQ(downs[0].lparam, MAKELPARAM(centre.x, centre.y));
  (void)child;
}

TEST_F(WindowTest, KeyStateFollowsTheMessagesTaken) {
  UseScript("type A\n");
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SHORT during = 0;
  handler_ = [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_KEYDOWN && w == 'A') during = GetKeyState(VK_SHIFT);
    return std::nullopt;
  };
  Pump();
  EXPECT_NE(during & 0x8000, 0);
  EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
  BYTE keys[256];
  ASSERT_TRUE(GetKeyboardState(keys));
  EXPECT_EQ(keys[VK_SHIFT] & 0x80, 0);
  (void)top;
}

TEST_F(WindowTest, TranslateMessageMakesCharacters) {
  HWND top = Create();
  struct Row {
    WPARAM vk;
    LPARAM lparam;
    UINT expected_message;
    WPARAM expected_char;
  };
  const Row rows[] = {
      {'Q', 0x00100001, WM_CHAR, 'q'},
      {VK_RETURN, 0x001C0001, WM_CHAR, '\r'},
      {0xE7, 0x00E90001, WM_CHAR, 0xE9},  // VK_PACKET carries its character
      {VK_LEFT, 0x014B0001, 0, 0},         // no character
  };
  for (const Row& row : rows) {
    MSG key{top, WM_KEYDOWN, row.vk, row.lparam, 0, {}};
    EXPECT_EQ(TranslateMessage(&key), row.expected_message != 0 ? TRUE : FALSE);
    MSG msg;
    if (row.expected_message == 0) {
      EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE));
      continue;
    }
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, row.expected_message);
    EXPECT_EQ(msg.wParam, row.expected_char);
  }
}

TEST(KeyboardLayout, DeadKeysCombine) {
  const platform::KeyboardLayout& intl = platform::KeyboardLayout::UnitedStatesInternational();
  EXPECT_TRUE(intl.IsDead(VK_OEM_7));
  EXPECT_FALSE(platform::KeyboardLayout::UnitedStates().IsDead(VK_OEM_7));
  EXPECT_EQ(intl.Combine(U'\'', U'e'), U'\u00e9');
  EXPECT_EQ(intl.Combine(U'~', U'n'), U'\u00f1');
  EXPECT_EQ(intl.Combine(U'\'', U' '), U'\'');
  EXPECT_FALSE(intl.Combine(U'\'', U'x').has_value());
  EXPECT_EQ(platform::KeyboardLayout::UnitedStates().Character('A', true, true), U'a');
  EXPECT_EQ(platform::KeyboardLayout::ScanCode(VK_DELETE), 0x153u);
  EXPECT_EQ(MapVirtualKeyW(VK_ESCAPE, MAPVK_VK_TO_VSC), 1u);
}

}  // namespace
