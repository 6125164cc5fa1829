// A window's own scroll bars (WS_VSCROLL / WS_HSCROLL) taking the mouse: hit testing, and
// DefWindowProcW following a press on them with WM_VSCROLL / WM_HSCROLL to the window,
// which moves the position itself as a program does. The mouse messages of the press are
// posted before it, as the queue would hold them.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/user/message_queue.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

class WindowScrollBarsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // A program's handler: line 1, page 10, the thumb's position taken when it settles.
    handler_ = [](HWND window, UINT message, WPARAM wparam, LPARAM) -> std::optional<LRESULT> {
      if (message != WM_VSCROLL && message != WM_HSCROLL) return std::nullopt;
      const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
      int pos = GetScrollPos(window, bar);
      switch (LOWORD(wparam)) {
        case SB_LINEUP: --pos; break;
        case SB_LINEDOWN: ++pos; break;
        case SB_PAGEUP: pos -= 10; break;
        case SB_PAGEDOWN: pos += 10; break;
        case SB_THUMBPOSITION: pos = HIWORD(wparam); break;
        default: break;
      }
      SetScrollPos(window, bar, pos, TRUE);
      return 0;
    };
    // Client area 200 x 200 at (100, 100) on the screen; the bars below and to its right.
    window_ = Create(WS_POPUP | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, nullptr, 0, 0,
                     RECT{100, 100, 316, 316});
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 100, 10, 0, 0};
    SetScrollInfo(window_, SB_VERT, &info, TRUE);
    SetScrollInfo(window_, SB_HORZ, &info, TRUE);
    Take();
  }

  void Post(UINT message, int screen_x, int screen_y) {
    POINT p{screen_x, screen_y};
    ScreenToClient(window_, &p);
    PostMessageW(window_, message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON,
                 MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
  }
  void Press(WPARAM hit, int screen_x, int screen_y) {
    SendMessageW(window_, WM_NCLBUTTONDOWN, hit, MAKELPARAM(screen_x, screen_y));
  }
  // The scroll codes and positions the window was sent.
  std::vector<std::pair<int, int>> Codes(UINT message = WM_VSCROLL) {
    std::vector<std::pair<int, int>> out;
    for (const SeenMessage& m : Take({message})) {
      EXPECT_EQ(m.lparam, 0);  // a window's own bar, not a control
      out.push_back({LOWORD(m.wparam), HIWORD(m.wparam)});
    }
    return out;
  }

  HWND window_ = nullptr;
};

TEST_F(WindowScrollBarsTest, HitTestingFindsTheBars) {
  EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(308, 150)), HTVSCROLL);
  EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(150, 308)), HTHSCROLL);
  EXPECT_EQ(SendMessageW(window_, WM_NCHITTEST, 0, MAKELPARAM(150, 150)), HTCLIENT);
}

TEST_F(WindowScrollBarsTest, ArrowsAndPagesSendTheirCodeThenTheEnd) {
  struct Row {
    const char* part;
    int start_pos, y;
    int code, pos_after;
  } rows[] = {
      {"up arrow", 50, 105, SB_LINEUP, 49},
      {"down arrow", 50, 295, SB_LINEDOWN, 51},
      {"page above the thumb", 50, 125, SB_PAGEUP, 40},
      {"page below the thumb", 50, 280, SB_PAGEDOWN, 60},
  };
  for (const Row& row : rows) {
    SetScrollPos(window_, SB_VERT, row.start_pos, TRUE);
    Take();
    Post(WM_LBUTTONUP, 308, row.y);
    Press(HTVSCROLL, 308, row.y);
    auto codes = Codes();
    ASSERT_EQ(codes.size(), 2u) << row.part;
    EXPECT_EQ(codes[0].first, row.code) << row.part;
    EXPECT_EQ(codes[1].first, SB_ENDSCROLL) << row.part;
    EXPECT_EQ(GetScrollPos(window_, SB_VERT), row.pos_after) << row.part;
    EXPECT_EQ(GetCapture(), nullptr) << row.part;
  }
}

TEST_F(WindowScrollBarsTest, DraggingTheThumbTracksThenSettles) {
  // Track 168 px (200 less two 16 px arrows); the thumb 168 * 10 / 101 = 16 px at the top.
  std::vector<int> track_seen;
  auto program = handler_;
  handler_ = [&](HWND window, UINT message, WPARAM wparam, LPARAM lparam) -> std::optional<LRESULT> {
    if (message == WM_VSCROLL && LOWORD(wparam) == SB_THUMBTRACK) {
      SCROLLINFO info{sizeof info, SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(window, SB_VERT, &info);
      EXPECT_EQ(info.nPos, 0);  // the bar waits for the window
      track_seen.push_back(info.nTrackPos);
    }
    return program(window, message, wparam, lparam);
  };
  Post(WM_MOUSEMOVE, 308, 124 + 76);  // half of the 152 px of room: position 46
  Post(WM_MOUSEMOVE, 308, 124 + 76);  // no move, no message
  Post(WM_MOUSEMOVE, 308, 900);       // past the end: the last position
  Post(WM_LBUTTONUP, 308, 900);
  Press(HTVSCROLL, 308, 124);
  auto codes = Codes();
  ASSERT_EQ(codes.size(), 4u);
  EXPECT_EQ(codes[0], std::make_pair(static_cast<int>(SB_THUMBTRACK), 46));
  EXPECT_EQ(codes[1], std::make_pair(static_cast<int>(SB_THUMBTRACK), 91));
  EXPECT_EQ(codes[2], std::make_pair(static_cast<int>(SB_THUMBPOSITION), 91));
  EXPECT_EQ(codes[3].first, SB_ENDSCROLL);
  EXPECT_EQ(track_seen, (std::vector<int>{46, 91}));
  EXPECT_EQ(GetScrollPos(window_, SB_VERT), 91);
}

TEST_F(WindowScrollBarsTest, HorizontalBarSendsWmHscroll) {
  Post(WM_LBUTTONUP, 295, 308);
  Press(HTHSCROLL, 295, 308);
  auto codes = Codes(WM_HSCROLL);
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].first, SB_LINERIGHT);
  EXPECT_EQ(GetScrollPos(window_, SB_HORZ), 1);
  EXPECT_TRUE(Codes(WM_VSCROLL).empty());
}

TEST_F(WindowScrollBarsTest, HeldArrowRepeatsUntilReleased) {
  UseScript("wait 2000\n");  // a used-up script would close the idle window
  platform::user::CurrentQueue().key_state[VK_LBUTTON] |= 0x80;
  // A timer procedure lets the button go after 420 ms: the first repeat at 300 ms, then
  // every 50 ms.
  SetTimer(window_, 7, 420, [](HWND window, UINT, UINT_PTR id, DWORD) {
    KillTimer(window, id);
    PostMessageW(window, WM_LBUTTONUP, 0, 0);
  });
  Press(HTVSCROLL, 308, 295);
  platform::user::CurrentQueue().key_state[VK_LBUTTON] &= 0x7F;
  auto codes = Codes();
  ASSERT_GE(codes.size(), 3u);  // the press, at least one repeat, the end
  for (std::size_t i = 0; i + 1 < codes.size(); ++i) EXPECT_EQ(codes[i].first, SB_LINEDOWN);
  EXPECT_EQ(codes.back().first, SB_ENDSCROLL);
}

TEST_F(WindowScrollBarsTest, PressesThatCannotScrollDoNothing) {
  struct Row {
    const char* why;
    std::function<void()> prepare;
  } rows[] = {
      {"disabled arrows", [&] { EnableScrollBar(window_, SB_VERT, ESB_DISABLE_BOTH); }},
      {"nothing to scroll", [&] {
         SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 5, 10, 0, 0};
         SetScrollInfo(window_, SB_VERT, &info, TRUE);
       }},
      {"a disabled window", [&] { EnableWindow(window_, FALSE); }},
  };
  for (const Row& row : rows) {
    row.prepare();
    Take();
    Post(WM_LBUTTONUP, 308, 295);
    Press(HTVSCROLL, 308, 295);
    EXPECT_TRUE(Codes().empty()) << row.why;
    Pump();
  }
}

TEST_F(WindowScrollBarsTest, WindowDestroyedByItsScrollHandlerEndsTheTracking) {
  handler_ = [](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_VSCROLL) DestroyWindow(window);
    return std::nullopt;
  };
  Post(WM_LBUTTONUP, 308, 295);
  Press(HTVSCROLL, 308, 295);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
