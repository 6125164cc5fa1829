// The caption's minimize and maximize boxes, and WM_ACTIVATEAPP when the program gains or
// loses the activation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gdi/pixel_surface.h"
#include "platform/user/window_table.h"
#include "tests/platform/gdi/golden.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

TEST_F(WindowTest, MinimizeAndMaximizeBoxesAreHitAndUsed) {
  // 300 wide at x = 100: sizing frame 4, close box 16 wide 2 px in (x 378..393), the
  // maximize box 2 px left of it (360..375), the minimize box beside it (344..359).
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, RECT{100, 100, 400, 300});
  struct Row {
    int x;
    LRESULT hit;
  } rows[] = {{385, HTCLOSE}, {368, HTMAXBUTTON}, {350, HTMINBUTTON}, {340, HTCAPTION}};
  for (const Row& row : rows) {
    EXPECT_EQ(SendMessageW(top, WM_NCHITTEST, 0, MAKELPARAM(row.x, 112)), row.hit) << row.x;
  }
  SendMessageW(top, WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(368, 112));
  EXPECT_TRUE(IsZoomed(top));
  // Maximized, the box restores.
  RECT r{};
  GetWindowRect(top, &r);
  POINT restore{r.right - 4 - 2 - 16 - 2 - 8, r.top + 4 + 8};
  EXPECT_EQ(SendMessageW(top, WM_NCHITTEST, 0, MAKELPARAM(restore.x, restore.y)), HTMAXBUTTON);
  SendMessageW(top, WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(restore.x, restore.y));
  EXPECT_FALSE(IsZoomed(top));
  SendMessageW(top, WM_NCLBUTTONDOWN, HTMINBUTTON, MAKELPARAM(350, 112));
  EXPECT_TRUE(IsIconic(top));
}

TEST_F(WindowTest, AGreyedBoxDoesNothing) {
  HWND top = Create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, nullptr, 0, 0,
                    RECT{100, 100, 400, 300});
  EXPECT_EQ(SendMessageW(top, WM_NCHITTEST, 0, MAKELPARAM(368, 110)), HTMAXBUTTON);  // shown, greyed
  SendMessageW(top, WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(368, 110));
  EXPECT_FALSE(IsZoomed(top));
  HWND plain = Create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr, 0, 0, RECT{100, 100, 400, 300});
  EXPECT_EQ(SendMessageW(plain, WM_NCHITTEST, 0, MAKELPARAM(368, 110)), HTCAPTION);  // no boxes at all
}

// An active overlapped window and an inactive one with only the minimize box, side by side
// in one picture.
TEST_F(WindowTest, CaptionBoxesLookClassic) {
  HWND both = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, RECT{10, 10, 230, 60}, u"Vestralino");
  HWND one = Create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, nullptr, 0, 0,
                    RECT{10, 70, 230, 120}, u"Minimize only");
  SetActiveWindow(both);
  UpdateWindow(both);
  UpdateWindow(one);
  const int width = 220, height = 110;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xD4D0C8);
  for (auto [window, top] : {std::pair{both, 0}, std::pair{one, 60}}) {
    platform::user::Window* w = platform::user::FindWindowRecord(window);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->bitmap);
    for (int y = 0; y < w->bitmap->height && top + y < height; ++y) {
      for (int x = 0; x < w->bitmap->width && x < width; ++x) {
        pixels[static_cast<std::size_t>(top + y) * width + x] =
            w->bitmap->pixels[static_cast<std::size_t>(y) * w->bitmap->width + x];
      }
    }
  }
  platform::gdi::PixelSurface surface{pixels.data(), width, width, height};
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, "caption_boxes"));
}

TEST_F(WindowTest, ActivateAppGoesToEveryTopLevelWindowWhenTheProgramGainsOrLosesIt) {
  HWND a = Create(WS_OVERLAPPEDWINDOW);
  HWND b = Create(WS_OVERLAPPEDWINDOW);
  Name(a, "a");
  Name(b, "b");
  Take();
  SetActiveWindow(a);
  auto seen = TakeNames({WM_ACTIVATEAPP, WM_NCACTIVATE});
  std::sort(seen.begin(), seen.begin() + 2);  // both hear it, before a is told
  EXPECT_EQ(seen, (std::vector<std::string>{"WM_ACTIVATEAPP a", "WM_ACTIVATEAPP b", "WM_NCACTIVATE a"}));
  SetActiveWindow(b);  // within the program: no WM_ACTIVATEAPP
  EXPECT_TRUE(Take({WM_ACTIVATEAPP}).empty());
  SetActiveWindow(nullptr);
  auto lost = Take({WM_ACTIVATEAPP, WM_ACTIVATE});
  ASSERT_EQ(lost.size(), 3u);
  EXPECT_EQ(lost[0].message, static_cast<UINT>(WM_ACTIVATE));
  EXPECT_EQ(lost[1].message, static_cast<UINT>(WM_ACTIVATEAPP));
  EXPECT_EQ(lost[1].wparam, static_cast<WPARAM>(FALSE));
}

}  // namespace
