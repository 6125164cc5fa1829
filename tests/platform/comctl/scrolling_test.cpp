// List views and tree views with more rows than they show: the wheel, the window's bar
// and the keys move the rows in view, and hit testing follows.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform/comctl/comctl_test_fixture.h"

namespace {

class ScrollingCommonControlsTest : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    Init(ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES);
    Parent(RECT{100, 100, 500, 500});
  }
  static void Wheel(HWND window, int notches) {
    SendMessageW(window, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(notches * WHEEL_DELTA)), 0);
  }
  static int BarPos(HWND window) {
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    return GetScrollInfo(window, SB_VERT, &info) ? info.nPos : -1;
  }
};

TEST_F(ScrollingCommonControlsTest, ListViewRowsScroll) {
  HWND list = Control(WC_LISTVIEWW, parent_, 10, RECT{10, 10, 300, 150}, LVS_REPORT | LVS_SINGLESEL);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 200;
  column.pszText = const_cast<WCHAR*>(u"D\u00eda");
  SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  for (int i = 0; i < 40; ++i) {
    std::u16string text = u"fila " + std::u16string(1, static_cast<char16_t>(u'A' + i % 26));
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = text.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  }
  const int page = static_cast<int>(SendMessageW(list, LVM_GETCOUNTPERPAGE, 0, 0));
  ASSERT_GT(page, 2);
  ASSERT_LT(page, 40);
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);

  struct Step {
    const char* what;
    std::function<void()> act;
    int top;
  } steps[] = {
      {"wheel down a notch", [&] { Wheel(list, -1); }, 3},
      {"wheel up two", [&] { Wheel(list, 2); }, 0},
      {"line up at the top", [&] { SendMessageW(list, WM_VSCROLL, SB_LINEUP, 0); }, 0},
      {"line down", [&] { SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0); }, 1},
      {"page up past the top", [&] { SendMessageW(list, WM_VSCROLL, SB_PAGEUP, 0); }, 0},
      {"page down", [&] { SendMessageW(list, WM_VSCROLL, SB_PAGEDOWN, 0); }, page},
      {"bottom", [&] { SendMessageW(list, WM_VSCROLL, SB_BOTTOM, 0); }, 40 - page},
      {"Home selects the first row into view", [&] { SendMessageW(list, WM_KEYDOWN, VK_HOME, 0); }, 0},
      {"LVM_ENSUREVISIBLE 30", [&] { SendMessageW(list, LVM_ENSUREVISIBLE, 30, FALSE); }, 30 - page + 1},
      {"LVM_SCROLL up a pixel: a whole row", [&] { SendMessageW(list, LVM_SCROLL, 0, -1); }, 30 - page},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), step.top) << step.what;
    EXPECT_EQ(BarPos(list), step.top) << step.what;
  }
  // The row under a point is counted from the top row in view.
  RECT first{};
  SendMessageW(list, LVM_GETITEMRECT, 30 - page, reinterpret_cast<LPARAM>(&first));
  LVHITTESTINFO hit{};
  hit.pt = POINT{5, first.top + 2};
  EXPECT_EQ(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 30 - page);
  // Emptied, it comes back to the top and the bar goes.
  SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
  EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 0);
  EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ScrollingCommonControlsTest, TreeViewRowsScroll) {
  HWND tree = Control(WC_TREEVIEWW, parent_, 11, RECT{10, 10, 200, 110}, TVS_HASBUTTONS | TVS_HASLINES);
  auto insert = [&](HTREEITEM parent, const char16_t* text) {
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<WCHAR*>(text);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
  };
  HTREEITEM root = insert(TVI_ROOT, u"2026");
  HTREEITEM last = nullptr;
  for (int i = 0; i < 30; ++i) last = insert(root, u"d\u00eda");
  const int page = static_cast<int>(SendMessageW(tree, TVM_GETVISIBLECOUNT, 0, 0));
  ASSERT_GT(page, 2);
  EXPECT_FALSE(GetWindowLongW(tree, GWL_STYLE) & WS_VSCROLL);  // one row until expanded
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
  EXPECT_TRUE(GetWindowLongW(tree, GWL_STYLE) & WS_VSCROLL);
  Wheel(tree, -1);
  EXPECT_EQ(BarPos(tree), 3);
  HTREEITEM fourth = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
  EXPECT_NE(fourth, root);
  TVHITTESTINFO hit{};
  hit.pt = POINT{60, 2};
  EXPECT_EQ(SendMessageW(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), reinterpret_cast<LRESULT>(fourth));
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(last));
  EXPECT_EQ(BarPos(tree), 31 - page);
  SendMessageW(tree, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(BarPos(tree), 0);
  // Collapsed again there is nothing to scroll.
  SendMessageW(tree, TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(root));
  EXPECT_FALSE(GetWindowLongW(tree, GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
