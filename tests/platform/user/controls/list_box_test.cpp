// The list box driven as a user drives it: sorting, single, multiple and extended
// selection with their LBN_SELCHANGE counts, keys and letter jumps, the mouse, scrolling.
#include <gtest/gtest.h>

#include "tests/platform/user/controls/list_edit_test_fixture.h"

namespace {

class ListBoxTest : public ListEditTest {
 protected:
  HWND MakeList(DWORD style, std::vector<std::u16string> items = {},
                RECT place = RECT{10, 10, 130, 110}) {
    HWND list = Make(u"ListBox", style, place, u"", 100, WS_EX_CLIENTEDGE);
    for (const std::u16string& item : items) {
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    Take();
    return list;
  }
  static std::vector<std::u16string> Items(HWND list) {
    std::vector<std::u16string> out;
    LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
      WCHAR buffer[64] = {};
      SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
      out.emplace_back(buffer);
    }
    return out;
  }
  static std::vector<int> Selected(HWND list) {
    int buffer[64] = {};
    LRESULT n = SendMessageW(list, LB_GETSELITEMS, 64, reinterpret_cast<LPARAM>(buffer));
    return std::vector<int>(buffer, buffer + std::max<LRESULT>(0, n));
  }
  static POINT ItemPoint(HWND list, int index) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return POINT{r.left + 5, r.top + 2};
  }
  int SelChanges() {
    std::vector<WORD> codes = Notifications();
    return static_cast<int>(std::count(codes.begin(), codes.end(), LBN_SELCHANGE));
  }
};

TEST_F(ListBoxTest, SortedAddsFoldCase) {
  struct Row { DWORD style; std::vector<std::u16string> added; std::vector<std::u16string> shown; };
  const Row rows[] = {
      {LBS_SORT, {u"pear", u"Apple", u"banana", u"apple2", u"Cherry"},
       {u"Apple", u"apple2", u"banana", u"Cherry", u"pear"}},
      {LBS_SORT, {u"\u00d1u", u"Zeta", u"alfa", u"\u00f1a"}, {u"alfa", u"Zeta", u"\u00f1a", u"\u00d1u"}},
      {0, {u"pear", u"Apple", u"banana"}, {u"pear", u"Apple", u"banana"}},
  };
  for (const Row& row : rows) {
    HWND list = MakeList(row.style, row.added);
    EXPECT_EQ(Items(list), row.shown);
    DestroyWindow(list);
  }
}

TEST_F(ListBoxTest, InsertDeleteFindAndData) {
  HWND list = MakeList(LBS_SORT, {u"beta", u"alpha", u"gamma"});
  EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 1, reinterpret_cast<LPARAM>(u"zulu")), 1);
  EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"end")), 4);
  EXPECT_EQ(SendMessageW(list, LB_INSERTSTRING, 9, reinterpret_cast<LPARAM>(u"x")), LB_ERR);
  EXPECT_EQ(Items(list), (std::vector<std::u16string>{u"alpha", u"zulu", u"beta", u"gamma", u"end"}));
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"GA")), 3);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 3, reinterpret_cast<LPARAM>(u"a")), 0);  // wraps
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"BETA")), 2);
  EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"bet")), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_SETITEMDATA, 2, 77), TRUE);
  EXPECT_EQ(SendMessageW(list, LB_GETITEMDATA, 2, 0), 77);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 1, 0), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETTEXTLEN, 5, 0), LB_ERR);
  WCHAR buffer[8];
  EXPECT_EQ(SendMessageW(list, LB_GETTEXT, 5, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
  SendMessageW(list, LB_SETCURSEL, 3, 0);
  EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 1, 0), 4);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);  // the selection follows its item
  EXPECT_EQ(SendMessageW(list, LB_DELETESTRING, 2, 0), 3);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"E")), 2);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), LB_ERR);
  EXPECT_EQ(Notifications(), std::vector<WORD>{});  // programmatic changes notify nothing
}

TEST_F(ListBoxTest, SingleSelectionByKeys) {
  struct Row { const char* name; int start; std::vector<int> keys; int selected; int changes; };
  const Row rows[] = {
      {"Down from none", -1, {VK_DOWN}, 0, 1},
      {"Down", 0, {VK_DOWN, VK_DOWN}, 2, 2},
      {"Up at top", 0, {VK_UP}, 0, 0},
      {"End", 1, {VK_END}, 9, 1},
      {"Home", 5, {VK_HOME}, 0, 1},
      {"Page down", 0, {VK_NEXT}, 6, 1},
      {"Page up", 9, {VK_PRIOR}, 3, 1},
      {"Down at bottom", 9, {VK_DOWN}, 9, 0},
  };
  std::vector<std::u16string> items;
  for (int i = 0; i < 10; ++i) items.push_back(u"item " + std::u16string(1, static_cast<char16_t>(u'0' + i)));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HWND list = MakeList(LBS_NOTIFY, items, RECT{10, 10, 130, 10 + 4 + 7 * 13});
    if (row.start >= 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(row.start), 0);
    Take();
    for (int key : row.keys) SendMessageW(list, WM_KEYDOWN, static_cast<WPARAM>(key), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), row.selected);
    EXPECT_EQ(SelChanges(), row.changes);
    DestroyWindow(list);
  }
}

TEST_F(ListBoxTest, LetterJumpsToTheNextItemStartingWithIt) {
  HWND list = MakeList(LBS_NOTIFY, {u"alpha", u"beta", u"Bravo", u"charlie"});
  struct Row { char16_t letter; int selected; };
  const Row rows[] = {{u'b', 1}, {u'B', 2}, {u'b', 1}, {u'c', 3}, {u'z', 3}, {u'a', 0}};
  for (const Row& row : rows) {
    SendMessageW(list, WM_CHAR, row.letter, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), row.selected) << static_cast<char>(row.letter);
  }
  EXPECT_EQ(SelChanges(), 5);
}

TEST_F(ListBoxTest, SingleSelectionByMouse) {
  HWND list = MakeList(LBS_NOTIFY, {u"a", u"b", u"c", u"d"});
  POINT p = ItemPoint(list, 2);
  Click(list, p.x, p.y);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 2);
  std::vector<WORD> codes = Notifications();
  EXPECT_EQ(codes, (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE}));
  // A drag follows the mouse, one notification per new item.
  POINT a = ItemPoint(list, 0);
  POINT d = ItemPoint(list, 3);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(a.x, a.y));
  SendMessageW(list, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(d.x, d.y));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(d.x, d.y));
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
  EXPECT_EQ(SelChanges(), 2);
  EXPECT_EQ(GetCapture(), nullptr);
  Click(list, d.x, d.y, {}, true);
  codes = Notifications();
  EXPECT_NE(std::find(codes.begin(), codes.end(), LBN_DBLCLK), codes.end());
}

TEST_F(ListBoxTest, MultipleSelectionToggles) {
  HWND list = MakeList(LBS_NOTIFY | LBS_MULTIPLESEL, {u"a", u"b", u"c", u"d"});
  POINT b = ItemPoint(list, 1);
  POINT d = ItemPoint(list, 3);
  Click(list, b.x, b.y);
  Click(list, d.x, d.y);
  EXPECT_EQ(Selected(list), (std::vector<int>{1, 3}));
  Click(list, b.x, b.y);
  EXPECT_EQ(Selected(list), (std::vector<int>{3}));
  EXPECT_EQ(SelChanges(), 3);
  // Arrows move the caret only; Space toggles the caret item.
  SendMessageW(list, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(SelChanges(), 0);
  SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(Selected(list), (std::vector<int>{0, 3}));
  EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), 2);
  EXPECT_EQ(SelChanges(), 1);
  SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 2));
  EXPECT_EQ(Selected(list), (std::vector<int>{0, 1, 2, 3}));
  SendMessageW(list, LB_SETSEL, FALSE, -1);
  EXPECT_EQ(Selected(list), std::vector<int>{});
  EXPECT_EQ(SendMessageW(list, LB_SETSEL, TRUE, 2), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETSEL, 2, 0), 1);
  EXPECT_EQ(SendMessageW(list, LB_GETSEL, 1, 0), 0);
  EXPECT_EQ(SendMessageW(list, LB_SETCURSEL, 1, 0), LB_ERR);  // single selection only
}

TEST_F(ListBoxTest, ExtendedSelectionRows) {
  struct Step { int item; std::vector<int> held; };
  struct Row { const char* name; std::vector<Step> clicks; std::vector<int> selected; int changes; };
  const int S = VK_SHIFT;
  const int C = VK_CONTROL;
  const Row rows[] = {
      {"click", {{2, {}}}, {2}, 1},
      {"click then another", {{2, {}}, {4, {}}}, {4}, 2},
      {"shift range", {{1, {}}, {4, {S}}}, {1, 2, 3, 4}, 2},
      {"shift range upward", {{4, {}}, {2, {S}}}, {2, 3, 4}, 2},
      {"ctrl adds", {{1, {}}, {3, {C}}}, {1, 3}, 2},
      {"ctrl removes", {{1, {}}, {3, {C}}, {1, {C}}}, {3}, 3},
      {"same click again", {{2, {}}, {2, {}}}, {2}, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    HWND list = MakeList(LBS_NOTIFY | LBS_EXTENDEDSEL, {u"a", u"b", u"c", u"d", u"e", u"f"});
    for (const Step& step : row.clicks) {
      POINT p = ItemPoint(list, step.item);
      for (int m : step.held) Hold(m, true);
      Click(list, p.x, p.y);
      for (int m : step.held) Hold(m, false);
    }
    EXPECT_EQ(Selected(list), row.selected);
    EXPECT_EQ(SelChanges(), row.changes);
    DestroyWindow(list);
  }
}

TEST_F(ListBoxTest, ExtendedSelectionKeys) {
  HWND list = MakeList(LBS_NOTIFY | LBS_EXTENDEDSEL, {u"a", u"b", u"c", u"d", u"e"});
  Key(list, VK_DOWN);
  EXPECT_EQ(Selected(list), std::vector<int>{1});
  Key(list, VK_DOWN, {VK_SHIFT});
  Key(list, VK_DOWN, {VK_SHIFT});
  EXPECT_EQ(Selected(list), (std::vector<int>{1, 2, 3}));
  Key(list, VK_HOME, {VK_CONTROL});  // the caret alone
  EXPECT_EQ(Selected(list), (std::vector<int>{1, 2, 3}));
  Key(list, VK_SPACE, {VK_CONTROL});
  EXPECT_EQ(Selected(list), (std::vector<int>{0, 1, 2, 3}));
  Key(list, VK_END);
  EXPECT_EQ(Selected(list), std::vector<int>{4});
  EXPECT_EQ(SelChanges(), 5);
}

TEST_F(ListBoxTest, ScrollingKeepsTheSelectionInViewAndTheBarShowsWhenNeeded) {
  HWND list = MakeList(LBS_NOTIFY | WS_VSCROLL, {u"0", u"1", u"2"}, RECT{10, 10, 130, 10 + 4 + 5 * 13});
  EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);  // nothing to scroll yet
  for (const char16_t* item : {u"3", u"4", u"5", u"6", u"7", u"8", u"9"}) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
  RECT client{};
  GetClientRect(list, &client);
  EXPECT_EQ(client.bottom % 13, 0);  // integral height
  EXPECT_EQ(client.bottom / 13, 5);
  SendMessageW(list, LB_SETCURSEL, 8, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 4);
  SendMessageW(list, LB_SETTOPINDEX, 0, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  SendMessageW(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 3);
  SendMessageW(list, LB_SETTOPINDEX, 9, 0);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 5);  // no further than the last page
  // The item under a point, and outside the items.
  EXPECT_EQ(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 14)), MAKELRESULT(6, 0));
  SendMessageW(list, LB_SETTOPINDEX, 0, 0);
  // Clicks on the bar's arrows scroll by a line.
  RECT window{};
  GetWindowRect(list, &window);
  POINT down_arrow{window.right - 4, window.bottom - 6};
  SendMessageW(list, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(down_arrow.x, down_arrow.y));
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
  while (SendMessageW(list, LB_GETCOUNT, 0, 0) > 3) SendMessageW(list, LB_DELETESTRING, 0, 0);
  EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ListBoxTest, ItemGeometry) {
  HWND list = MakeList(0, {u"a", u"b"});
  EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 13);
  RECT r{};
  EXPECT_NE(SendMessageW(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r)), LB_ERR);
  EXPECT_EQ(r.top, 13);
  EXPECT_EQ(r.bottom, 26);
  EXPECT_EQ(SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&r)), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(20, 0)), 0);
  EXPECT_EQ(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 20);
  EXPECT_EQ(SendMessageW(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(300, 0)), LB_ERR);
  EXPECT_EQ(SendMessageW(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 70)), MAKELRESULT(1, 1));
  EXPECT_EQ(SendMessageW(list, LB_GETSELCOUNT, 0, 0), LB_ERR);
  EXPECT_EQ(SendMessageW(list, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
}

TEST_F(ListBoxTest, ColoursAndOwnerDrawAreAskedOfTheParent) {
  HWND list = MakeList(0, {u"a"});
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  auto asked = Take({WM_CTLCOLORLISTBOX});
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].lparam, reinterpret_cast<LPARAM>(list));

  handler_ = [](HWND, UINT message, WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
    if (message == WM_MEASUREITEM) {
      reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight = 18;
      return TRUE;
    }
    return std::nullopt;
  };
  HWND drawn = CreateWindowExW(0, u"ListBox", u"", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 150, 10, 100, 100,
                               parent_, reinterpret_cast<HMENU>(7), nullptr, nullptr);
  EXPECT_EQ(Take({WM_MEASUREITEM}).size(), 1u);
  EXPECT_EQ(SendMessageW(drawn, LB_GETITEMHEIGHT, 0, 0), 18);
  SendMessageW(drawn, LB_ADDSTRING, 0, 1234);
  EXPECT_EQ(SendMessageW(drawn, LB_GETITEMDATA, 0, 0), 1234);
  UpdateWindow(drawn);
  auto draws = Take({WM_DRAWITEM});
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].wparam, 7u);
}

}  // namespace
