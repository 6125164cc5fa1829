// Focus and activation messages.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_fixture.h"

namespace {

using Lines = std::vector<std::string>;
const std::vector<UINT> kActivation = {WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS};

TEST_F(WindowTest, ShowingActivatesAndFocuses) {
  HWND a = Create();
  Name(a, "a");
  Take();
  ShowWindow(a, SW_SHOW);
  EXPECT_EQ(TakeNames(kActivation), (Lines{"WM_NCACTIVATE a", "WM_ACTIVATE a", "WM_SETFOCUS a"}));
  EXPECT_EQ(GetActiveWindow(), a);
  EXPECT_EQ(GetFocus(), a);
  EXPECT_EQ(GetForegroundWindow(), a);
}

TEST_F(WindowTest, ActivationMovesBetweenTopLevelWindows) {
  HWND a = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND b = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  Name(a, "a");
  Name(b, "b");
  Take();
  SetActiveWindow(a);
  EXPECT_EQ(TakeNames(kActivation),
            (Lines{"WM_NCACTIVATE b", "WM_ACTIVATE b", "WM_NCACTIVATE a", "WM_ACTIVATE a",
                   "WM_KILLFOCUS b", "WM_SETFOCUS a"}));
  EXPECT_EQ(GetTopWindow(nullptr), a);
}

TEST_F(WindowTest, FocusMovesWithKillBeforeSet) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND one = CreateChild(top, 1);
  HWND two = CreateChild(top, 2);
  Name(one, "one");
  Name(two, "two");
  SetFocus(one);
  Take();
  HWND previous = nullptr;
  handler_ = [&](HWND w, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_KILLFOCUS && w == one) previous = GetFocus();
    return std::nullopt;
  };
  EXPECT_EQ(SetFocus(two), one);
  EXPECT_EQ(TakeNames(kActivation), (Lines{"WM_KILLFOCUS one", "WM_SETFOCUS two"}));
  EXPECT_EQ(previous, one);  // still the focus while it is told it loses it
  EXPECT_EQ(GetFocus(), two);
}

TEST_F(WindowTest, DestroyingTheActiveWindowActivatesItsOwner) {
  HWND owner = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND popup = Create(WS_POPUP | WS_CAPTION | WS_VISIBLE, owner);
  EXPECT_EQ(GetActiveWindow(), popup);
  EXPECT_EQ(GetWindow(popup, GW_OWNER), owner);
  EXPECT_EQ(GetParent(popup), owner);
  DestroyWindow(popup);
  EXPECT_EQ(GetActiveWindow(), owner);
  EXPECT_EQ(GetFocus(), owner);
}

TEST_F(WindowTest, DisablingTakesTheFocusAndTheInput) {
  HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  HWND child = CreateChild(top, 1);
  SetFocus(child);
  Take();
  EXPECT_FALSE(EnableWindow(child, FALSE));  // was enabled
  EXPECT_FALSE(IsWindowEnabled(child));
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(Take({WM_ENABLE}).size(), 1u);
  EXPECT_EQ(SetFocus(child), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_TRUE(EnableWindow(child, TRUE));  // was disabled
}

TEST_F(WindowTest, CaptureChangesAreAnnounced) {
  HWND a = Create();
  HWND b = Create();
  Name(a, "a");
  SetCapture(a);
  EXPECT_EQ(GetCapture(), a);
  Take();
  EXPECT_EQ(SetCapture(b), a);
  EXPECT_EQ(TakeNames({WM_CAPTURECHANGED}), (Lines{"WM_CAPTURECHANGED a"}));
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
