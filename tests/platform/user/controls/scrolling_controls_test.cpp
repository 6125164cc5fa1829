// Multi-line edits and list boxes with the window's own scroll bars: the bars follow the
// view, and scroll it when pressed (DefWindowProcW's tracking, the button's release
// posted before the press).
#include <gtest/gtest.h>

#include "tests/platform/user/controls/list_edit_test_fixture.h"

namespace {

class ScrollingControlsTest : public ListEditTest {
 protected:
  static SCROLLINFO Bar(HWND window, int bar) {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    EXPECT_TRUE(GetScrollInfo(window, bar, &info));
    return info;
  }
  // A press and release on the window's bar at `along` pixels from the bar's start.
  static void PressBar(HWND window, int bar, int along) {
    RECT client{};
    GetClientRect(window, &client);
    POINT p = bar == SB_VERT ? POINT{client.right + 8, along} : POINT{along, client.bottom + 8};
    POINT screen = p;
    ClientToScreen(window, &screen);
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
    LRESULT hit = SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
    ASSERT_EQ(hit, bar == SB_VERT ? HTVSCROLL : HTHSCROLL);
    SendMessageW(window, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(screen.x, screen.y));
  }
  static int FirstLine(HWND edit) { return static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0)); }

  static constexpr const WCHAR* kTenLines = u"l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6\r\nl7\r\nl8\r\nl9";
};

TEST_F(ScrollingControlsTest, MultilineEditBarFollowsTheLines) {
  // Three lines in view of ten.
  HWND edit = Make(u"Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, RECT{10, 10, 200, 10 + 4 + 3 * 13},
                   kTenLines, 100, WS_EX_CLIENTEDGE);
  SCROLLINFO info = Bar(edit, SB_VERT);
  EXPECT_EQ(info.nMin, 0);
  EXPECT_EQ(info.nMax, 9);
  EXPECT_EQ(info.nPage, 3u);
  EXPECT_EQ(info.nPos, 0);

  struct Step {
    const char* what;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    int first_line;
  } steps[] = {
      {"EM_LINESCROLL down 4", EM_LINESCROLL, 0, 4, 4},
      {"SB_LINEUP", WM_VSCROLL, SB_LINEUP, 0, 3},
      {"SB_PAGEDOWN", WM_VSCROLL, SB_PAGEDOWN, 0, 6},
      {"SB_TOP", WM_VSCROLL, SB_TOP, 0, 0},
      {"SB_BOTTOM", WM_VSCROLL, SB_BOTTOM, 0, 9},
  };
  for (const Step& step : steps) {
    SendMessageW(edit, step.message, step.wparam, step.lparam);
    EXPECT_EQ(FirstLine(edit), step.first_line) << step.what;
    EXPECT_EQ(Bar(edit, SB_VERT).nPos, std::min(step.first_line, 7)) << step.what;
  }
  // The caret stays in view: typing at the end brings the last line back.
  SendMessageW(edit, WM_VSCROLL, SB_TOP, 0);
  SendMessageW(edit, EM_SETSEL, 100, 100);
  Type(edit, u"!");
  EXPECT_EQ(FirstLine(edit), 7);
  EXPECT_EQ(Bar(edit, SB_VERT).nPos, 7);
  Type(edit, u"\r");
  EXPECT_EQ(Bar(edit, SB_VERT).nMax, 10);
}

TEST_F(ScrollingControlsTest, MultilineEditScrollsWhenItsBarIsPressed) {
  HWND edit = Make(u"Edit", ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL, RECT{10, 10, 200, 10 + 4 + 6 * 13},
                   kTenLines, 100, WS_EX_CLIENTEDGE);
  RECT client{};
  GetClientRect(edit, &client);
  PressBar(edit, SB_VERT, client.bottom - 4);  // the down arrow
  EXPECT_EQ(FirstLine(edit), 1);
  PressBar(edit, SB_VERT, client.bottom - 20);  // the track below the thumb: a page
  EXPECT_EQ(FirstLine(edit), 7);
  PressBar(edit, SB_VERT, 4);  // the up arrow
  EXPECT_EQ(FirstLine(edit), 6);
  EXPECT_EQ(Bar(edit, SB_VERT).nPos, 4);  // the last page starts at line 4
}

TEST_F(ScrollingControlsTest, FittingTextLeavesTheBarDisabledButShown) {
  HWND edit = Make(u"Edit", ES_MULTILINE | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL, RECT{10, 10, 200, 100},
                   u"short", 100, WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & WS_VSCROLL);
  EXPECT_TRUE(GetWindowLongW(edit, GWL_STYLE) & WS_HSCROLL);
  SendMessageW(edit, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(FirstLine(edit), 0);  // one line: nowhere to go
}

TEST_F(ScrollingControlsTest, MultilineEditScrollsSideways) {
  HWND edit = Make(u"Edit", ES_MULTILINE | ES_AUTOHSCROLL | WS_HSCROLL, RECT{10, 10, 110, 60},
                   u"a rather long line that runs far past the right edge\r\nshort", 100, WS_EX_CLIENTEDGE);
  SCROLLINFO info = Bar(edit, SB_HORZ);
  RECT format{};
  SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
  EXPECT_EQ(info.nPage, static_cast<UINT>(format.right - format.left));
  EXPECT_GT(info.nMax, static_cast<int>(info.nPage));
  EXPECT_EQ(info.nPos, 0);
  SendMessageW(edit, EM_LINESCROLL, 3, 0);  // three average characters
  info = Bar(edit, SB_HORZ);
  EXPECT_GT(info.nPos, 0);
  LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, 0, 0);
  EXPECT_EQ(static_cast<short>(LOWORD(at)), format.left - info.nPos);
  SendMessageW(edit, WM_HSCROLL, SB_LEFT, 0);
  EXPECT_EQ(Bar(edit, SB_HORZ).nPos, 0);
  SendMessageW(edit, WM_HSCROLL, SB_PAGERIGHT, 0);
  EXPECT_GT(Bar(edit, SB_HORZ).nPos, 0);
  // The End key brings the caret's far end into view and the bar with it.
  SendMessageW(edit, WM_HSCROLL, SB_LEFT, 0);
  Key(edit, VK_END);
  EXPECT_GT(Bar(edit, SB_HORZ).nPos, 0);
}

TEST_F(ScrollingControlsTest, ListBoxScrollsWhenItsBarIsPressed) {
  HWND list = Make(u"ListBox", WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, RECT{10, 10, 150, 10 + 4 + 5 * 13},
                   u"", 100, WS_EX_CLIENTEDGE);
  for (int i = 0; i < 20; ++i) {
    std::u16string item = u"item " + std::u16string(1, static_cast<char16_t>(u'a' + i));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SCROLLINFO info = Bar(list, SB_VERT);
  EXPECT_EQ(info.nMax, 19);
  EXPECT_EQ(info.nPage, 5u);
  RECT client{};
  GetClientRect(list, &client);
  PressBar(list, SB_VERT, client.bottom - 4);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(GetFocus(), list);
  PressBar(list, SB_VERT, client.bottom - 20);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 5);
  EXPECT_EQ(Bar(list, SB_VERT).nPos, 5);
  SendMessageW(list, LB_SETTOPINDEX, 15, 0);
  EXPECT_EQ(Bar(list, SB_VERT).nPos, 15);
  // Emptied, the bar goes (no LBS_DISABLENOSCROLL).
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
