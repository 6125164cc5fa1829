// The caption's minimize and maximize boxes, and WM_ACTIVATEAPP when the program gains or
// loses the activation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/display/display_session.h"
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

// Held down, a box is sunken with its glyph moved one pixel: the close box and the
// maximize box, one window each, in one picture.
TEST_F(WindowTest, AHeldCaptionBoxLooksPushedIn) {
  const int width = 220, height = 60;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0xD4D0C8);
  int top = 0;
  for (LRESULT box : {HTCLOSE, HTMAXBUTTON}) {
    HWND window = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, RECT{10, 10, 230, 40}, u"Held");
    SetActiveWindow(window);
    platform::user::Window* w = platform::user::FindWindowRecord(window);
    ASSERT_NE(w, nullptr);
    w->pushed_caption_box = box;
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    ASSERT_TRUE(w->bitmap);
    for (int y = 0; y < w->bitmap->height && top + y < height; ++y) {
      for (int x = 0; x < w->bitmap->width && x < width; ++x) {
        pixels[static_cast<std::size_t>(top + y) * width + x] =
            w->bitmap->pixels[static_cast<std::size_t>(y) * w->bitmap->width + x];
      }
    }
    top += 30;
    DestroyWindow(window);
  }
  platform::gdi::PixelSurface surface{pixels.data(), width, width, height};
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, "caption_boxes_held"));
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

// A display that hands out mouse events at screen points, telling the test which caption
// box was shown pushed when each event was asked for.
class MouseDisplay : public platform::DisplayDriver {
 public:
  MouseDisplay(std::vector<std::pair<platform::InputKind, POINT>> events, HWND watched,
               std::vector<LRESULT>* pushed)
      : events_(std::move(events)), watched_(watched), pushed_(pushed) {}
  platform::DisplayKind kind() const override { return platform::DisplayKind::kHeadless; }
  int RunMessageBox(const platform::MessageBoxRequest&) override { return 0; }
  bool PollInput(platform::InputEvent* event) override {
    if (next_ == events_.size()) return false;
    const platform::user::Window* w = platform::user::FindWindowRecord(watched_);
    pushed_->push_back(w != nullptr ? w->pushed_caption_box : -1);
    *event = platform::InputEvent{};
    event->kind = events_[next_].first;
    event->point = events_[next_++].second;
    return true;
  }
  void WaitForInput(DWORD) override {}

 private:
  std::vector<std::pair<platform::InputKind, POINT>> events_;
  std::size_t next_ = 0;
  HWND watched_;
  std::vector<LRESULT>* pushed_;
};

// A caption box is pushed while held over it and acts only on a release over it.
TEST_F(WindowTest, CaptionBoxesActOnReleaseOverThem) {
  using platform::InputKind;
  constexpr POINT kClose{385, 112}, kMax{368, 112}, kAway{250, 200};
  struct Row {
    const char* what;
    std::vector<std::pair<InputKind, POINT>> events;
    std::vector<LRESULT> pushed;  // as each event after the press was asked for
    bool closed, zoomed;
  } rows[] = {
      {"close: press and release",
       {{InputKind::kMouseDown, kClose}, {InputKind::kMouseUp, kClose}}, {HTCLOSE}, true, false},
      {"close: dragged off before the release",
       {{InputKind::kMouseDown, kClose}, {InputKind::kMouseMove, kAway}, {InputKind::kMouseUp, kAway}},
       {HTCLOSE, HTNOWHERE}, false, false},
      {"close: off and back on",
       {{InputKind::kMouseDown, kClose}, {InputKind::kMouseMove, kAway},
        {InputKind::kMouseMove, kClose}, {InputKind::kMouseUp, kClose}},
       {HTCLOSE, HTNOWHERE, HTCLOSE}, true, false},
      {"maximize",
       {{InputKind::kMouseDown, kMax}, {InputKind::kMouseUp, kMax}}, {HTMAXBUTTON}, false, true},
      {"press on maximize, release on close",
       {{InputKind::kMouseDown, kMax}, {InputKind::kMouseMove, kClose}, {InputKind::kMouseUp, kClose}},
       {HTMAXBUTTON, HTNOWHERE}, false, false},
  };
  for (const Row& row : rows) {
    HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, RECT{100, 100, 400, 300});
    SetActiveWindow(top);
    std::vector<LRESULT> pushed;
    platform::UseDisplayDriver(std::make_unique<MouseDisplay>(row.events, top, &pushed));
    Pump();
    pushed.erase(pushed.begin());  // asked for the press itself, before any box was held
    pushed.resize(std::min(pushed.size(), row.pushed.size()));
    EXPECT_EQ(pushed, row.pushed) << row.what;
    EXPECT_EQ(!IsWindow(top), row.closed) << row.what;
    EXPECT_EQ(IsWindow(top) && IsZoomed(top), row.zoomed) << row.what;
    if (platform::user::Window* w = platform::user::FindWindowRecord(top)) {
      EXPECT_EQ(w->pushed_caption_box, HTNOWHERE) << row.what;  // let go afterwards
    }
    if (IsWindow(top)) DestroyWindow(top);
  }
}

}  // namespace
