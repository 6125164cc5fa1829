// Timers and painting: WM_TIMER when due, TIMERPROC, the update region and WM_PAINT.
#include <gtest/gtest.h>

#include <chrono>

#include "tests/platform/user/window_test_fixture.h"

namespace {

int timer_calls = 0;
void CountTimer(HWND, UINT, UINT_PTR, DWORD) { ++timer_calls; }

TEST_F(WindowTest, TimersFireWhenDueAndStopWhenKilled) {
  HWND top = Create();
  ASSERT_NE(SetTimer(top, 5, 20, nullptr), 0u);
  Take();
  auto start = std::chrono::steady_clock::now();
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(15));
  EXPECT_EQ(msg.message, WM_TIMER);
  EXPECT_EQ(msg.wParam, 5u);
  DispatchMessageW(&msg);
  EXPECT_EQ(Take({WM_TIMER}).size(), 1u);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE));  // not due again yet
  EXPECT_TRUE(KillTimer(top, 5));
  EXPECT_FALSE(KillTimer(top, 5));
}

TEST_F(WindowTest, ThreadTimerCallsItsProcedure) {
  timer_calls = 0;
  UINT_PTR id = SetTimer(nullptr, 0, 10, CountTimer);
  ASSERT_NE(id, 0u);
  MSG msg;
  ASSERT_TRUE(GetMessageW(&msg, nullptr, WM_TIMER, WM_TIMER));
  DispatchMessageW(&msg);
  EXPECT_EQ(timer_calls, 1);
  KillTimer(nullptr, id);
  DispatchMessageW(&msg);  // killed: the procedure is not called any more
  EXPECT_EQ(timer_calls, 1);
}

TEST_F(WindowTest, InvalidationGivesOnePaintThatValidates) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  Take();
  RECT a{1, 1, 5, 5}, b{10, 10, 20, 20};
  InvalidateRect(top, &a, FALSE);
  InvalidateRect(top, &b, TRUE);
  RECT update;
  EXPECT_TRUE(GetUpdateRect(top, &update, FALSE));
  EXPECT_EQ(update.left, 1);
  EXPECT_EQ(update.right, 20);
  PAINTSTRUCT paint{};
  handler_ = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_PAINT) return std::nullopt;
    BeginPaint(w, &paint);
    EndPaint(w, &paint);
    return 0;
  };
  Pump();
  auto seen = Take({WM_PAINT, WM_ERASEBKGND});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].message, WM_PAINT);
  EXPECT_EQ(seen[1].message, WM_ERASEBKGND);
  EXPECT_EQ(paint.rcPaint.right, 20);
  EXPECT_FALSE(paint.fErase);  // the class brush erased it
  EXPECT_FALSE(GetUpdateRect(top, &update, FALSE));
  Pump();
  EXPECT_TRUE(Take({WM_PAINT}).empty());
}

TEST_F(WindowTest, ParentsPaintBeforeChildrenAndHiddenWindowsNever) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = CreateChild(top, 1);
  HWND hidden = CreateChild(top, 2, RECT{30, 30, 40, 40}, WS_CHILD);
  Name(top, "top");
  Name(child, "child");
  Name(hidden, "hidden");
  Take();
  InvalidateRect(hidden, nullptr, TRUE);
  Pump();
  EXPECT_EQ(TakeNames({WM_PAINT}), (std::vector<std::string>{"WM_PAINT top", "WM_PAINT child"}));
}

TEST_F(WindowTest, UpdateWindowPaintsAtOnceAndRedrawWindowHonoursFlags) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Pump();
  Take();
  InvalidateRect(top, nullptr, TRUE);
  UpdateWindow(top);
  EXPECT_EQ(Take({WM_PAINT}).size(), 1u);
  RedrawWindow(top, nullptr, nullptr, RDW_INTERNALPAINT | RDW_UPDATENOW);
  EXPECT_EQ(Take({WM_PAINT}).size(), 1u);
  RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  auto seen = Take({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND});
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[1].message, WM_NCPAINT);
}

TEST_F(WindowTest, ErasingFillsWithTheClassBrush) {
  HWND top = Create(WS_POPUP | WS_VISIBLE, nullptr, 0, 0, RECT{0, 0, 8, 8});
  Pump();
  HDC dc = GetDC(top);
  EXPECT_EQ(GetPixel(dc, 3, 3), GetSysColor(COLOR_WINDOW));
  ReleaseDC(top, dc);
  EXPECT_EQ(WindowFromDC(dc), nullptr);  // given back
}

}  // namespace

namespace {

// A parent painting its whole client area red: with WS_CLIPCHILDREN its child keeps its
// pixels; without, the parent paints over the child, which is then asked to paint again
// (this child does not draw: it stays red).
TEST_F(WindowTest, ClipChildrenKeepsChildPixels) {
  for (DWORD clip : {DWORD{WS_CLIPCHILDREN}, DWORD{0}}) {
    HWND top = Create(WS_POPUP | WS_VISIBLE | clip, nullptr, 0, 0, RECT{0, 0, 40, 40});
    HWND child = CreateChild(top, 1, RECT{10, 10, 20, 20});
    int child_paints = 0;
    handler_ = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (m != WM_PAINT) return std::nullopt;
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(w, &paint);
      if (w == top) {
        HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        RECT all{0, 0, 40, 40};
        FillRect(dc, &all, red);
        DeleteObject(red);
      } else {
        ++child_paints;
      }
      EndPaint(w, &paint);
      return 0;
    };
    Pump();
    child_paints = 0;
    InvalidateRect(top, nullptr, FALSE);
    Pump();
    HDC dc = GetDC(top);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
    // The parent's DC may not touch a clipped-out child at all.
    EXPECT_EQ(GetPixel(dc, 15, 15), clip ? CLR_INVALID : RGB(255, 0, 0));
    ReleaseDC(top, dc);
    HDC child_dc = GetDC(child);
    EXPECT_EQ(GetPixel(child_dc, 5, 5), clip ? GetSysColor(COLOR_WINDOW) : RGB(255, 0, 0));
    ReleaseDC(child, child_dc);
    EXPECT_EQ(child_paints, clip ? 0 : 1);  // painted over: asked to paint again
    handler_ = nullptr;
    DestroyWindow(top);
  }
}

}  // namespace
