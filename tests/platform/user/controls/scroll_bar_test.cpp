// SCROLLBAR: SCROLLINFO clamping, the geometry against a slow reference, a notification
// for each part clicked, thumb dragging, auto-repeat, keys, and the scroll-bar calls.
#include <gtest/gtest.h>

#include <random>
#include <thread>

#include "platform/user/controls/scroll_bar_layout.h"
#include "tests/platform/user/controls/control_test_fixture.h"

namespace {

using platform::user::controls::ScrollValues;

SCROLLINFO Info(UINT mask, int min, int max, UINT page, int pos) {
  SCROLLINFO info{sizeof(SCROLLINFO), mask, min, max, page, pos, 0};
  return info;
}

struct ClampRow {
  int min, max;
  UINT page;
  int pos;
  UINT want_page;
  int want_pos;
};

TEST(ScrollValuesTest, PositionIsClampedToTheLastPage) {
  const ClampRow rows[] = {
      {0, 100, 0, 50, 0, 50},     {0, 100, 0, 150, 0, 100},  {0, 100, 10, 95, 10, 91},
      {0, 100, 10, -5, 10, 0},    {0, 100, 200, 50, 101, 0}, {-50, 50, 1, 60, 1, 50},
      {10, 10, 0, 99, 0, 10},     {0, 9, 10, 5, 10, 0},      {0, 9, 5, 9, 5, 5},
      {5, 1, 0, 3, 0, 5},  // a reversed range holds only its minimum
  };
  for (const ClampRow& row : rows) {
    ScrollValues v;
    ASSERT_TRUE(ApplyScrollInfo(v, Info(SIF_ALL, row.min, row.max, row.page, row.pos)));
    EXPECT_EQ(v.page, row.want_page) << row.min << ".." << row.max << " page " << row.page;
    EXPECT_EQ(v.pos, row.want_pos) << row.min << ".." << row.max << " page " << row.page;
  }
}

TEST(ScrollValuesTest, BadSizesAndMasksAreRefused) {
  ScrollValues v;
  SCROLLINFO info = Info(SIF_ALL, 0, 10, 0, 5);
  info.cbSize = 3;
  EXPECT_FALSE(ApplyScrollInfo(v, info));
  info.cbSize = sizeof info;
  info.fMask = 0x100;
  EXPECT_FALSE(ApplyScrollInfo(v, info));
  info.cbSize = sizeof info - sizeof(int);  // without nTrackPos
  info.fMask = SIF_ALL;
  EXPECT_TRUE(ApplyScrollInfo(v, info));
  EXPECT_EQ(v.pos, 5);
}

// The slow reference: the position whose thumb start lies nearest to `start`.
int NearestPos(const platform::user::controls::ScrollLayout& layout, const ScrollValues& v,
               const RECT& bar, int start) {
  int best = v.min;
  int best_distance = 1 << 30;
  for (int pos = v.min; pos <= platform::user::controls::MaxScrollPos(v); ++pos) {
    auto l = LayoutScrollBar(bar, layout.vertical, v, pos, true);
    int d = std::abs(l.thumb_start - start);
    if (d < best_distance) {
      best = pos;
      best_distance = d;
    }
  }
  return best;
}

TEST(ScrollLayoutTest, ThumbPlacesAndDragPositionsAgreeWithTheReference) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    ScrollValues v;
    v.min = static_cast<int>(random() % 50) - 25;
    v.max = v.min + static_cast<int>(random() % 300);
    v.page = random() % 3 == 0 ? 0 : static_cast<UINT>(random() % 60);
    SCROLLINFO info = Info(SIF_RANGE | SIF_PAGE, v.min, v.max, v.page, 0);
    ScrollValues applied;
    ApplyScrollInfo(applied, info);
    RECT bar{0, 0, 16, 40 + static_cast<LONG>(random() % 300)};
    auto layout = LayoutScrollBar(bar, true, applied, applied.min, true);
    if (layout.thumb_length == 0) continue;
    // Thumbs never leave the track and move forward with the position.
    int last = -1;
    for (int pos = applied.min; pos <= platform::user::controls::MaxScrollPos(applied); ++pos) {
      auto l = LayoutScrollBar(bar, true, applied, pos, true);
      ASSERT_GE(l.thumb_start, l.arrow);
      ASSERT_LE(l.thumb_start + l.thumb_length, l.length - l.arrow);
      ASSERT_GE(l.thumb_start, last);
      last = l.thumb_start;
    }
    for (int start = layout.arrow; start <= layout.arrow + layout.track_room(); ++start) {
      int got = PosFromThumb(layout, applied, start);
      int want = NearestPos(layout, applied, bar, start);
      auto got_layout = LayoutScrollBar(bar, true, applied, got, true);
      auto want_layout = LayoutScrollBar(bar, true, applied, want, true);
      // Ties may go either way: the thumb lands as near as the reference's.
      ASSERT_LE(std::abs(got_layout.thumb_start - start), std::abs(want_layout.thumb_start - start) + 1)
          << "round " << round << " start " << start;
    }
  }
}

class ScrollBarTest : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    // The parent moves the bar as Windows programs do.
    handler_ = [this](HWND, UINT message, WPARAM wparam, LPARAM lparam) -> std::optional<LRESULT> {
      if (message != WM_VSCROLL && message != WM_HSCROLL) return std::nullopt;
      HWND bar = reinterpret_cast<HWND>(lparam);
      int pos = GetScrollPos(bar, SB_CTL);
      switch (LOWORD(wparam)) {
        case SB_LINEUP: pos -= 1; break;
        case SB_LINEDOWN: pos += 1; break;
        case SB_PAGEUP: pos -= 10; break;
        case SB_PAGEDOWN: pos += 10; break;
        case SB_THUMBPOSITION: pos = HIWORD(wparam); break;
        default: return 0;
      }
      SetScrollPos(bar, SB_CTL, pos, TRUE);
      return 0;
    };
  }
  // A vertical bar 16 x 200 at (10, 10): arrows 16 long, track 168, range 0-100, page 10.
  HWND MakeBar(DWORD style = SBS_VERT) {
    HWND bar = Make(u"ScrollBar", u"", style, style & SBS_VERT ? RECT{10, 10, 26, 210} : RECT{10, 10, 210, 26});
    SCROLLINFO info = Info(SIF_ALL, 0, 100, 10, 0);
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    return bar;
  }
  // The codes the parent got from the bar, each with its position word.
  std::vector<std::pair<WORD, WORD>> Codes(HWND bar) {
    std::vector<std::pair<WORD, WORD>> codes;
    for (const SeenMessage& m : Take({WM_VSCROLL, WM_HSCROLL})) {
      if (reinterpret_cast<HWND>(m.lparam) == bar) codes.push_back({LOWORD(m.wparam), HIWORD(m.wparam)});
    }
    return codes;
  }
};

TEST_F(ScrollBarTest, EachPartClickedSendsItsCode) {
  struct Row {
    const char* part;
    int start_pos;
    int y;
    WORD code;
    int pos_after;
  } rows[] = {
      {"up arrow", 50, 5, SB_LINEUP, 49},
      {"down arrow", 50, 195, SB_LINEDOWN, 51},
      {"page above the thumb", 50, 30, SB_PAGEUP, 40},
      {"page below the thumb", 50, 180, SB_PAGEDOWN, 60},
  };
  for (const Row& row : rows) {
    HWND bar = MakeBar();
    SetScrollPos(bar, SB_CTL, row.start_pos, TRUE);
    Take();
    Down(bar, 8, row.y);
    EXPECT_EQ(GetCapture(), bar) << row.part;
    Up(bar, 8, row.y);
    auto codes = Codes(bar);
    ASSERT_EQ(codes.size(), 2u) << row.part;
    EXPECT_EQ(codes[0].first, row.code) << row.part;
    EXPECT_EQ(codes[1].first, SB_ENDSCROLL) << row.part;
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), row.pos_after) << row.part;
    EXPECT_EQ(GetCapture(), nullptr) << row.part;
    DestroyWindow(bar);
  }
}

TEST_F(ScrollBarTest, HorizontalBarsSendWmHscroll) {
  HWND bar = MakeBar(SBS_HORZ);
  Take();
  Click(bar, 195, 8);
  auto seen = Take({WM_HSCROLL, WM_VSCROLL});
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_HSCROLL));
  EXPECT_EQ(LOWORD(seen[0].wparam), SB_LINERIGHT);
  EXPECT_EQ(seen[0].lparam, reinterpret_cast<LPARAM>(bar));
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenSettles) {
  HWND bar = MakeBar();
  // Page 10 of 101: the thumb is 168 * 10 / 101 = 16 long at the top of the track.
  Take();
  Down(bar, 8, 20);
  EXPECT_TRUE(Codes(bar).empty());
  Move(bar, 8, 20 + 76);  // half of the 152 pixels of room: position 46
  auto codes = Codes(bar);
  ASSERT_EQ(codes.size(), 1u);
  EXPECT_EQ(codes[0].first, SB_THUMBTRACK);
  EXPECT_EQ(codes[0].second, 46);
  SCROLLINFO info = Info(SIF_POS | SIF_TRACKPOS, 0, 0, 0, 0);
  GetScrollInfo(bar, SB_CTL, &info);
  EXPECT_EQ(info.nPos, 0);        // the bar waits for its parent
  EXPECT_EQ(info.nTrackPos, 46);
  Move(bar, 8, 20 + 76);          // no move, no message
  EXPECT_TRUE(Codes(bar).empty());
  Move(bar, 8, 500);              // past the end: the last position
  codes = Codes(bar);
  ASSERT_EQ(codes.size(), 1u);
  EXPECT_EQ(codes[0].second, 91);
  Up(bar, 8, 500);
  codes = Codes(bar);
  ASSERT_EQ(codes.size(), 2u);
  EXPECT_EQ(codes[0].first, SB_THUMBPOSITION);
  EXPECT_EQ(codes[0].second, 91);
  EXPECT_EQ(codes[1].first, SB_ENDSCROLL);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 91);
}

TEST_F(ScrollBarTest, HeldArrowRepeats) {
  HWND bar = MakeBar();
  Take();
  Down(bar, 8, 195);
  // Waits without polling (a script used up closes a program that keeps polling idly).
  for (int i = 0; i < 3; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(i == 0 ? 350 : 70));
    Pump();
  }
  Up(bar, 8, 195);
  auto codes = Codes(bar);
  ASSERT_GE(codes.size(), 3u);  // the press, at least one repeat, the end
  for (std::size_t i = 0; i + 1 < codes.size(); ++i) EXPECT_EQ(codes[i].first, SB_LINEDOWN);
  EXPECT_EQ(codes.back().first, SB_ENDSCROLL);
}

TEST_F(ScrollBarTest, KeysScrollWhenFocused) {
  struct Row {
    UINT key;
    WORD code;
  } rows[] = {{VK_UP, SB_LINEUP}, {VK_LEFT, SB_LINEUP}, {VK_DOWN, SB_LINEDOWN},
              {VK_RIGHT, SB_LINEDOWN}, {VK_PRIOR, SB_PAGEUP}, {VK_NEXT, SB_PAGEDOWN},
              {VK_HOME, SB_TOP}, {VK_END, SB_BOTTOM}};
  HWND bar = MakeBar(SBS_VERT | WS_TABSTOP);
  SetFocus(bar);
  EXPECT_EQ(SendMessageW(bar, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS);
  for (const Row& row : rows) {
    Take();
    Key(bar, row.key, true);
    Key(bar, row.key, false);
    auto codes = Codes(bar);
    ASSERT_EQ(codes.size(), 2u) << row.key;
    EXPECT_EQ(codes[0].first, row.code) << row.key;
    EXPECT_EQ(codes[1].first, SB_ENDSCROLL) << row.key;
  }
}

TEST_F(ScrollBarTest, DisabledArrowsIgnoreClicks) {
  HWND bar = MakeBar();
  EXPECT_TRUE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_UP));
  EXPECT_FALSE(EnableScrollBar(bar, SB_CTL, ESB_DISABLE_UP));  // already so
  Take();
  Click(bar, 8, 5);
  EXPECT_TRUE(Codes(bar).empty());
  Click(bar, 8, 195);
  EXPECT_EQ(Codes(bar).size(), 2u);
}

TEST_F(ScrollBarTest, DisableNoScrollDisablesAnUnscrollableBar) {
  HWND bar = MakeBar();
  SCROLLINFO info = Info(SIF_ALL | SIF_DISABLENOSCROLL, 0, 9, 10, 0);
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  Take();
  Click(bar, 8, 195);
  EXPECT_TRUE(Codes(bar).empty());
  info = Info(SIF_RANGE | SIF_DISABLENOSCROLL, 0, 100, 0, 0);
  SetScrollInfo(bar, SB_CTL, &info, TRUE);
  Click(bar, 8, 195);
  EXPECT_EQ(Codes(bar).size(), 2u);
}

TEST_F(ScrollBarTest, MessagesAndCallsAgree) {
  HWND bar = Make(u"ScrollBar", u"", SBS_HORZ, RECT{10, 10, 210, 26});
  int min = -1, max = -1;
  EXPECT_TRUE(GetScrollRange(bar, SB_CTL, &min, &max));
  EXPECT_EQ(min, 0);  // a control's range starts empty
  EXPECT_EQ(max, 0);
  EXPECT_TRUE(SetScrollRange(bar, SB_CTL, 10, 20, TRUE));
  EXPECT_EQ(SendMessageW(bar, SBM_SETPOS, 15, TRUE), 10);
  EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 15);
  EXPECT_EQ(SetScrollPos(bar, SB_CTL, 99, TRUE), 15);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 20);
  EXPECT_EQ(SendMessageW(bar, SBM_SETRANGE, 0, 5), 20);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 5);
  SendMessageW(bar, SBM_GETRANGE, reinterpret_cast<WPARAM>(&min), reinterpret_cast<LPARAM>(&max));
  EXPECT_EQ(min, 0);
  EXPECT_EQ(max, 5);
  SetLastError(0);
  EXPECT_FALSE(SetScrollRange(bar, SB_CTL, -2000000000, 2000000000, TRUE));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_SCROLLBAR_RANGE);
  EXPECT_EQ(SetScrollInfo(bar, SB_CTL, nullptr, TRUE), 0);
  EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, nullptr));
  SCROLLINFO none = Info(0, 0, 0, 0, 0);
  EXPECT_FALSE(GetScrollInfo(bar, SB_CTL, &none));
  DestroyWindow(bar);
  SetLastError(0);
  EXPECT_EQ(GetScrollPos(bar, SB_CTL), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(ScrollBarTest, WindowBarsKeepTheirValuesAndShowThemselves) {
  HWND w = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, nullptr, 0, 0, RECT{20, 20, 220, 220});
  SCROLLINFO info = Info(SIF_ALL, 0, 0, 0, 0);
  SetLastError(0);
  EXPECT_FALSE(GetScrollInfo(w, SB_VERT, &info));
  EXPECT_EQ(GetLastError(), ERROR_NO_SCROLLBARS);
  RECT before;
  GetClientRect(w, &before);
  info = Info(SIF_ALL, 0, 50, 10, 45);
  EXPECT_EQ(SetScrollInfo(w, SB_VERT, &info, TRUE), 41);
  EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_VSCROLL);
  RECT after;
  GetClientRect(w, &after);
  EXPECT_EQ(after.right, before.right - GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(GetScrollPos(w, SB_VERT), 41);
  // A range with nowhere to go hides the bar, unless it is to be disabled instead.
  info = Info(SIF_RANGE, 0, 0, 0, 0);
  SetScrollInfo(w, SB_VERT, &info, TRUE);
  EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & WS_VSCROLL);
  info = Info(SIF_RANGE | SIF_DISABLENOSCROLL, 0, 0, 0, 0);
  SetScrollInfo(w, SB_HORZ, &info, TRUE);
  EXPECT_TRUE(GetWindowLongW(w, GWL_STYLE) & WS_HSCROLL);
  EXPECT_TRUE(ShowScrollBar(w, SB_BOTH, FALSE));
  EXPECT_FALSE(GetWindowLongW(w, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL));
  EXPECT_FALSE(ShowScrollBar(w, 7, TRUE));
}

}  // namespace
