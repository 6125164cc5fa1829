// The golden picture of a panel with one of each button and static kind and both scroll
// bars, a focused check box and disabled controls among them, as the headless display
// holds its pixels.
#include <gtest/gtest.h>

#include "platform/gdi/pixel_surface.h"
#include "platform/user/window_table.h"
#include "tests/platform/gdi/golden.h"
#include "tests/platform/headless_display_fixture.h"

namespace {

class ControlsGoldenTest : public HeadlessDisplayTest {
 protected:
  static constexpr const WCHAR* kPanel = u"VestralinoControlsPanel";
  void SetUp() override {
    UseScript("");
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = kPanel;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(COLOR_3DFACE + 1));
    ASSERT_NE(RegisterClassExW(&wc), 0);
  }
  void TearDown() override {
    if (panel_ != nullptr) DestroyWindow(panel_);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    UnregisterClassW(kPanel, nullptr);
    HeadlessDisplayTest::TearDown();
  }
  HWND Add(const WCHAR* cls, const WCHAR* text, DWORD style, int x, int y, int w, int h, int id = 0) {
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, panel_,
                             reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)), nullptr, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return c;
  }
  HWND panel_ = nullptr;
};

TEST_F(ControlsGoldenTest, PanelOfStandardControls) {
  panel_ = CreateWindowExW(WS_EX_DLGMODALFRAME, kPanel, u"Standard controls",
                           WS_POPUP | WS_CAPTION | WS_SYSMENU, 60, 60, 432, 330, nullptr, nullptr,
                           nullptr, nullptr);
  ASSERT_NE(panel_, nullptr);

  Add(u"Button", u"Buttons", BS_GROUPBOX, 8, 6, 200, 228);
  Add(u"Button", u"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 18, 24, 80, 23, IDOK);
  Add(u"Button", u"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 110, 24, 80, 23, IDCANCEL);
  HWND check = Add(u"Button", u"&Check box", BS_AUTOCHECKBOX | WS_TABSTOP, 18, 56, 120, 17, 10);
  HWND three = Add(u"Button", u"&Three states", BS_AUTO3STATE | WS_TABSTOP, 18, 76, 120, 17, 11);
  HWND one = Add(u"Button", u"Radio &one", BS_AUTORADIOBUTTON | WS_GROUP, 18, 96, 120, 17, 12);
  Add(u"Button", u"Radio &two", BS_AUTORADIOBUTTON, 18, 116, 120, 17, 13);
  HWND off = Add(u"Button", u"Disabled", BS_AUTOCHECKBOX | WS_DISABLED | WS_GROUP, 18, 136, 120, 17, 14);
  Add(u"Button", u"Push-like", BS_AUTOCHECKBOX | BS_PUSHLIKE, 18, 160, 80, 23, 15);
  Add(u"Button", u"Disabled", BS_PUSHBUTTON | WS_DISABLED, 110, 160, 80, 23, 16);
  Add(u"Button", u"Flat", BS_PUSHBUTTON | BS_FLAT, 18, 194, 80, 23, 17);
  Add(u"Button", u"Left text", BS_AUTOCHECKBOX | BS_LEFTTEXT, 110, 197, 80, 17, 18);
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(three, BM_SETCHECK, BST_INDETERMINATE, 0);
  SendMessageW(one, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(off, BM_SETCHECK, BST_CHECKED, 0);
  SendMessageW(GetDlgItem(panel_, 15), BM_SETCHECK, BST_CHECKED, 0);

  Add(u"Button", u"Statics", BS_GROUPBOX, 216, 6, 200, 228);
  Add(u"Static", u"Left text", SS_LEFT, 226, 24, 180, 14);
  Add(u"Static", u"Centred text", SS_CENTER, 226, 40, 180, 14);
  Add(u"Static", u"Right text", SS_RIGHT, 226, 56, 180, 14);
  Add(u"Static", u"&Prefixed, and a long line cut short", SS_LEFT | SS_ENDELLIPSIS, 226, 72, 180, 14);
  Add(u"Static", u"Disabled text", SS_LEFT | WS_DISABLED, 226, 88, 180, 14);
  Add(u"Static", u"", SS_ETCHEDHORZ, 226, 108, 180, 2);
  Add(u"Static", u"", SS_BLACKRECT, 226, 118, 20, 20);
  Add(u"Static", u"", SS_GRAYRECT, 252, 118, 20, 20);
  Add(u"Static", u"", SS_WHITERECT, 278, 118, 20, 20);
  Add(u"Static", u"", SS_BLACKFRAME, 304, 118, 20, 20);
  Add(u"Static", u"", SS_GRAYFRAME, 330, 118, 20, 20);
  Add(u"Static", u"", SS_ETCHEDFRAME, 356, 118, 20, 20);
  Add(u"Static", u"", SS_ETCHEDVERT, 386, 118, 2, 20);
  Add(u"Static", u"Sunken", SS_LEFT | SS_SUNKEN, 226, 148, 100, 16);
  HWND icon = Add(u"Static", u"", SS_ICON, 350, 148, 32, 32);
  SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconW(nullptr, IDI_INFORMATION)), 0);
  Add(u"ScrollBar", u"", SBS_SIZEGRIP, 390, 200, 16, 16);

  HWND horizontal = Add(u"ScrollBar", u"", SBS_HORZ, 8, 246, 380, 16);
  HWND vertical = Add(u"ScrollBar", u"", SBS_VERT, 398, 242, 16, 56);
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 100, 20, 30, 0};
  SetScrollInfo(horizontal, SB_CTL, &info, FALSE);
  info.nPos = 80;
  SetScrollInfo(vertical, SB_CTL, &info, FALSE);
  Add(u"ScrollBar", u"", SBS_HORZ | WS_DISABLED, 8, 270, 380, 16);

  ShowWindow(panel_, SW_SHOW);
  SetFocus(check);
  UpdateWindow(panel_);

  platform::user::Window* w = platform::user::FindWindowRecord(panel_);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->bitmap);
  platform::gdi::PixelSurface surface;
  surface.origin = w->bitmap->pixels.data();
  surface.stride = w->bitmap->width;
  surface.width = w->bitmap->width;
  surface.height = w->bitmap->height;
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, "standard_controls"));
}

}  // namespace
