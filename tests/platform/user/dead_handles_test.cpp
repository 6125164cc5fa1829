// Every call given a destroyed window fails the same way: 0 / FALSE / NULL and
// ERROR_INVALID_WINDOW_HANDLE, without touching anything.
#include <gtest/gtest.h>

#include <functional>

#include "tests/platform/user/window_test_fixture.h"

namespace {

struct DeadRow {
  const char* name;
  std::function<LONG_PTR(HWND)> call;
};

TEST_F(WindowTest, DeadHandlesFailWithInvalidWindowHandle) {
  HWND dead = Create();
  DestroyWindow(dead);
  HWND made_up = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(0x12345678));
  RECT r;
  POINT p{};
  WCHAR text[8];
  PAINTSTRUCT paint;
  const DeadRow rows[] = {
      {"SendMessageW", [](HWND w) { return SendMessageW(w, WM_USER, 0, 0); }},
      {"PostMessageW", [](HWND w) { return PostMessageW(w, WM_USER, 0, 0); }},
      {"DestroyWindow", [](HWND w) { return DestroyWindow(w); }},
      {"ShowWindow", [](HWND w) { return ShowWindow(w, SW_SHOW); }},
      {"SetWindowPos", [](HWND w) { return SetWindowPos(w, nullptr, 0, 0, 1, 1, 0); }},
      {"MoveWindow", [](HWND w) { return MoveWindow(w, 0, 0, 1, 1, TRUE); }},
      {"GetWindowRect", [&](HWND w) { return GetWindowRect(w, &r); }},
      {"GetClientRect", [&](HWND w) { return GetClientRect(w, &r); }},
      {"ClientToScreen", [&](HWND w) { return ClientToScreen(w, &p); }},
      {"ScreenToClient", [&](HWND w) { return ScreenToClient(w, &p); }},
      {"MapWindowPoints", [&](HWND w) { return MapWindowPoints(w, nullptr, &p, 1); }},
      {"GetWindowLongPtrW", [](HWND w) { return GetWindowLongPtrW(w, GWLP_USERDATA); }},
      {"SetWindowLongPtrW", [](HWND w) { return SetWindowLongPtrW(w, GWLP_USERDATA, 1); }},
      {"GetWindowLongW", [](HWND w) { return static_cast<LONG_PTR>(GetWindowLongW(w, GWL_STYLE)); }},
      {"GetClassLongPtrW", [](HWND w) { return static_cast<LONG_PTR>(GetClassLongPtrW(w, GCL_STYLE)); }},
      {"SetWindowTextW", [](HWND w) { return SetWindowTextW(w, u"x"); }},
      {"GetWindowTextW", [&](HWND w) { return GetWindowTextW(w, text, 8); }},
      {"GetWindowTextLengthW", [](HWND w) { return GetWindowTextLengthW(w); }},
      {"GetParent", [](HWND w) { return reinterpret_cast<LONG_PTR>(GetParent(w)); }},
      {"GetWindow", [](HWND w) { return reinterpret_cast<LONG_PTR>(GetWindow(w, GW_CHILD)); }},
      {"GetAncestor", [](HWND w) { return reinterpret_cast<LONG_PTR>(GetAncestor(w, GA_ROOT)); }},
      {"GetDlgItem", [](HWND w) { return reinterpret_cast<LONG_PTR>(GetDlgItem(w, 1)); }},
      {"GetDlgCtrlID", [](HWND w) { return static_cast<LONG_PTR>(GetDlgCtrlID(w)); }},
      {"EnableWindow", [](HWND w) { return EnableWindow(w, FALSE); }},
      {"SetFocus", [](HWND w) { return reinterpret_cast<LONG_PTR>(SetFocus(w)); }},
      {"SetActiveWindow", [](HWND w) { return reinterpret_cast<LONG_PTR>(SetActiveWindow(w)); }},
      {"SetCapture", [](HWND w) { return reinterpret_cast<LONG_PTR>(SetCapture(w)); }},
      {"InvalidateRect", [](HWND w) { return InvalidateRect(w, nullptr, TRUE); }},
      {"ValidateRect", [](HWND w) { return ValidateRect(w, nullptr); }},
      {"UpdateWindow", [](HWND w) { return UpdateWindow(w); }},
      {"RedrawWindow", [](HWND w) { return RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE); }},
      {"GetUpdateRect", [&](HWND w) { return GetUpdateRect(w, &r, FALSE); }},
      {"BeginPaint", [&](HWND w) { return reinterpret_cast<LONG_PTR>(BeginPaint(w, &paint)); }},
      {"GetDC", [](HWND w) { return reinterpret_cast<LONG_PTR>(GetDC(w)); }},
      {"GetWindowDC", [](HWND w) { return reinterpret_cast<LONG_PTR>(GetWindowDC(w)); }},
      {"SetTimer", [](HWND w) { return static_cast<LONG_PTR>(SetTimer(w, 1, 10, nullptr)); }},
      {"KillTimer", [](HWND w) { return KillTimer(w, 1); }},
      {"CreateCaret", [](HWND w) { return CreateCaret(w, nullptr, 1, 10); }},
      {"SetParent", [](HWND w) { return reinterpret_cast<LONG_PTR>(SetParent(w, nullptr)); }},
      {"CreateWindowExW (parent)", [](HWND w) {
         return reinterpret_cast<LONG_PTR>(CreateWindowExW(0, WindowTest::kClass, u"", WS_CHILD, 0, 0, 1, 1, w,
                                                           nullptr, nullptr, nullptr));
       }},
      {"PeekMessageW (filter)", [](HWND w) {
         MSG msg;
         return static_cast<LONG_PTR>(PeekMessageW(&msg, w, 0, 0, PM_REMOVE));
       }},
  };
  for (HWND bad : {dead, made_up}) {
    for (const DeadRow& row : rows) {
      SetLastError(0);
      EXPECT_EQ(row.call(bad), 0) << row.name;
      EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE) << row.name;
    }
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(IsWindowVisible(bad));
    EXPECT_FALSE(IsWindowEnabled(bad));
  }
}

}  // namespace
