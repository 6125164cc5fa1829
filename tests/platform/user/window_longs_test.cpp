// Window longs: fields, extra bytes (a dialog's DWLP_ slots) and style changes.
#include <gtest/gtest.h>

#include "tests/platform/user/window_test_fixture.h"

namespace {

TEST_F(WindowTest, FieldsReadAndWrite) {
  HWND owner = Create();
  HWND top = Create(WS_POPUP, owner, 0);
  HWND child = CreateChild(top, 12);
  EXPECT_EQ(GetWindowLongPtrW(child, GWLP_ID), 12);
  EXPECT_EQ(SetWindowLongPtrW(child, GWLP_ID, 13), 12);
  EXPECT_EQ(GetDlgItem(top, 13), child);
  EXPECT_EQ(GetWindowLongPtrW(child, GWLP_HWNDPARENT), reinterpret_cast<LONG_PTR>(top));
  EXPECT_EQ(GetWindowLongPtrW(top, GWLP_HWNDPARENT), reinterpret_cast<LONG_PTR>(owner));
  SetWindowLongPtrW(top, GWLP_HWNDPARENT, 0);
  EXPECT_EQ(GetWindow(top, GW_OWNER), nullptr);
  EXPECT_EQ(SetWindowLongPtrW(top, GWLP_USERDATA, 99), 0);
  EXPECT_EQ(GetWindowLongPtrW(top, GWLP_USERDATA), 99);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrW(top, -77), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
}

TEST_F(WindowTest, ExtraBytesHoldDialogSlots) {
  HWND top = Create();  // the test class has 32 extra bytes
  EXPECT_EQ(SetWindowLongPtrW(top, DWLP_MSGRESULT, 5), 0);
  EXPECT_EQ(SetWindowLongPtrW(top, DWLP_USER, -1), 0);
  EXPECT_EQ(GetWindowLongPtrW(top, DWLP_MSGRESULT), 5);
  EXPECT_EQ(GetWindowLongPtrW(top, DWLP_USER), -1);
  EXPECT_EQ(GetWindowLongW(top, 28), 0);
  SetLastError(0);
  EXPECT_EQ(GetWindowLongPtrW(top, 25), 0);  // 25 + 8 > 32
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
  EXPECT_EQ(SetWindowLongW(top, 29, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_INDEX);
  EXPECT_EQ(GetClassLongPtrW(top, GCL_CBWNDEXTRA), 32u);
}

TEST_F(WindowTest, StyleChangesAreAnnouncedAndMayBeAdjusted) {
  HWND top = Create(WS_POPUP);
  Take();
  handler_ = [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_STYLECHANGING) reinterpret_cast<STYLESTRUCT*>(l)->styleNew |= WS_BORDER;
    return std::nullopt;
  };
  EXPECT_EQ(static_cast<DWORD>(SetWindowLongW(top, GWL_STYLE, WS_POPUP | WS_DISABLED)), WS_POPUP);
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(top, GWL_STYLE)), WS_POPUP | WS_DISABLED | WS_BORDER);
  auto seen = Take({WM_STYLECHANGING, WM_STYLECHANGED});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].wparam, static_cast<WPARAM>(GWL_STYLE));
  EXPECT_FALSE(IsWindowEnabled(top));
}

}  // namespace
