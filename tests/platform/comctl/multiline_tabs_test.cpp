// Tab controls with TCS_MULTILINE: the tabs wrap into rows, the selected tab's row next to
// the panel, and the display area below all of them.
#include <gtest/gtest.h>

#include "tests/platform/comctl/comctl_test_fixture.h"

namespace {

class MultilineTabsTest : public CommonControlTest {
 protected:
  void SetUp() override {
    CommonControlTest::SetUp();
    Init(ICC_TAB_CLASSES);
    Parent();
  }
  HWND Tabs(DWORD style, int count) {
    HWND tabs = Control(WC_TABCONTROLW, parent_, 5, RECT{10, 10, 210, 150}, style);
    for (int i = 0; i < count; ++i) {
      std::u16string text = u"Pesta\u00f1a " + std::u16string(1, static_cast<char16_t>(u'1' + i));
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text.data();
      SendMessageW(tabs, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    return tabs;
  }
  static RECT ItemRect(HWND tabs, int index) {
    RECT r{};
    EXPECT_TRUE(SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r)));
    return r;
  }
};

TEST_F(MultilineTabsTest, TabsWrapIntoRowsWithTheSelectedRowNextToThePanel) {
  HWND single = Tabs(0, 6);
  EXPECT_EQ(SendMessageW(single, TCM_GETROWCOUNT, 0, 0), 1);
  HWND tabs = Tabs(TCS_MULTILINE, 6);
  const int rows = static_cast<int>(SendMessageW(tabs, TCM_GETROWCOUNT, 0, 0));
  ASSERT_GE(rows, 2);
  // Every tab inside the width; the rows stretched to it.
  RECT client{};
  GetClientRect(tabs, &client);
  int widest_right = 0;
  for (int i = 0; i < 6; ++i) {
    RECT r = ItemRect(tabs, i);
    EXPECT_LE(r.right, client.right - 2) << i;
    widest_right = std::max<int>(widest_right, r.right);
  }
  EXPECT_EQ(widest_right, client.right - 2);
  // Tab 0 is selected: its row is the bottom one.
  const RECT first = ItemRect(tabs, 0);
  const RECT last = ItemRect(tabs, 5);
  EXPECT_GT(first.top, last.top);
  // Selecting the last tab brings its row down.
  SendMessageW(tabs, TCM_SETCURSEL, 5, 0);
  EXPECT_GT(ItemRect(tabs, 5).top, ItemRect(tabs, 0).top);
  // The display area starts below every row.
  RECT area = client;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  RECT one_row = client;
  SendMessageW(single, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&one_row));
  EXPECT_EQ(area.top - one_row.top, (rows - 1) * (first.bottom - first.top));
  // A click finds tabs in either row.
  TCHITTESTINFO hit{};
  hit.pt = POINT{(first.left + first.right) / 2, (ItemRect(tabs, 0).top + ItemRect(tabs, 0).bottom) / 2};
  EXPECT_EQ(SendMessageW(tabs, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
}

TEST_F(MultilineTabsTest, RaggedRightRowsKeepTheirWidths) {
  HWND tabs = Tabs(TCS_MULTILINE | TCS_RAGGEDRIGHT, 6);
  HWND plain = Tabs(0, 6);
  for (int i = 0; i < 6; ++i) {
    RECT ragged = ItemRect(tabs, i);
    RECT natural = ItemRect(plain, i);
    EXPECT_EQ(ragged.right - ragged.left, natural.right - natural.left) << i;
  }
}

}  // namespace
