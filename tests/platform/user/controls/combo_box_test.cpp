// The combo box driven as a user drives it: the drop-down list opened and closed every way
// with its notifications in order, selection by keys, the edit child, the colours asked of
// the parent for the edit and the list, CB_GETLBTEXT.
#include <gtest/gtest.h>

#include "tests/platform/user/controls/list_edit_test_fixture.h"

namespace {

class ComboBoxTest : public ListEditTest {
 public:
  HWND parent_window() const { return parent_; }

 protected:
  HWND MakeCombo(DWORD kind, std::vector<std::u16string> items = {u"uno", u"dos", u"tres", u"cuatro"},
                 DWORD extra = 0) {
    HWND combo = Make(u"ComboBox", kind | WS_VSCROLL | extra, RECT{10, 10, 150, 110}, u"", 200);
    for (const std::u16string& item : items) {
      SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    Take();
    return combo;
  }
  // The dropped list: the pop-up "ComboLBox" whose owner is the combo box.
  static HWND ListOf(HWND combo) {
    HWND found = nullptr;
    std::pair<HWND, HWND*> search(combo, &found);
    EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM param) -> BOOL {
      WCHAR name[32] = {};
      GetClassNameW(window, name, 32);
      auto* pair = reinterpret_cast<std::pair<HWND, HWND*>*>(param);
      if (std::u16string_view(name) == u"ComboLBox" &&
          reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_HWNDPARENT)) == pair->first) {
        *pair->second = window;
      }
      return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return found;
  }
  static POINT ItemPoint(HWND list, int index) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
    return POINT{r.left + 5, r.top + 2};
  }
  static LRESULT Sel(HWND combo) { return SendMessageW(combo, CB_GETCURSEL, 0, 0); }
};

TEST_F(ComboBoxTest, ListIsAPopUpOwnedByTheComboBox) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  HWND list = ListOf(combo);
  ASSERT_NE(list, nullptr);
  EXPECT_FALSE(GetWindowLongW(list, GWL_STYLE) & WS_CHILD);
  EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetWindowLongW(list, GWL_HWNDPARENT))), combo);
  EXPECT_FALSE(IsWindowVisible(list));
  RECT r{};
  GetWindowRect(combo, &r);
  EXPECT_EQ(r.bottom - r.top, 21);  // the closed height, whatever was asked
  RECT dropped{};
  SendMessageW(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  EXPECT_EQ(dropped.bottom - dropped.top, 100);
  DestroyWindow(combo);
  EXPECT_FALSE(IsWindow(list));
}

struct DropRow {
  const char* name;
  std::function<void(ComboBoxTest*, HWND combo, HWND list)> open;
  std::function<void(ComboBoxTest*, HWND combo, HWND list)> close;
  std::vector<WORD> notifications;
  LRESULT selected;
};

TEST_F(ComboBoxTest, DropDownOpensAndClosesEveryWay) {
  auto click_combo = [](ComboBoxTest*, HWND combo, HWND) { Click(combo, 20, 8); };
  auto f4 = [](ComboBoxTest*, HWND combo, HWND) { Key(combo, VK_F4); };
  auto alt_down = [](ComboBoxTest*, HWND combo, HWND) { Key(combo, VK_DOWN, {VK_MENU}); };
  auto show = [](ComboBoxTest*, HWND combo, HWND) { SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0); };
  auto pick_two = [](ComboBoxTest*, HWND, HWND list) {
    POINT p = ItemPoint(list, 2);
    Click(list, p.x, p.y);
  };
  auto pick_same = [](ComboBoxTest*, HWND, HWND list) {
    POINT p = ItemPoint(list, 0);
    Click(list, p.x, p.y);
  };
  auto click_outside = [](ComboBoxTest*, HWND, HWND list) { Click(list, -30, -40); };
  auto escape = [](ComboBoxTest*, HWND combo, HWND) { Key(combo, VK_ESCAPE); };
  auto enter = [](ComboBoxTest*, HWND combo, HWND) { Key(combo, VK_RETURN); };
  auto down_enter = [](ComboBoxTest*, HWND combo, HWND) {
    Key(combo, VK_DOWN);
    Key(combo, VK_RETURN);
  };
  auto focus_away = [](ComboBoxTest* test, HWND, HWND) { SetFocus(test->parent_window()); };
  const DropRow rows[] = {
      {"click, pick", click_combo, pick_two,
       {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}, 2},
      {"click, pick the same", click_combo, pick_same, {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}, 0},
      {"F4, Escape", f4, escape, {CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}, 0},
      {"Alt+Down, Enter", alt_down, enter, {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}, 0},
      {"F4, Down, Enter", f4, down_enter,
       {CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}, 1},
      {"click, click outside", click_combo, click_outside,
       {CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}, 0},
      {"shown, F4", show, f4, {CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP}, 0},
      {"F4, focus lost", f4, focus_away,
       {CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP, CBN_KILLFOCUS}, 0},
  };
  for (const DropRow& row : rows) {
    SCOPED_TRACE(row.name);
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    HWND list = ListOf(combo);
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    SetFocus(combo);
    Take();
    row.open(this, combo, list);
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    RECT combo_rect{}, list_rect{};
    GetWindowRect(combo, &combo_rect);
    GetWindowRect(list, &list_rect);
    EXPECT_EQ(list_rect.top, combo_rect.bottom);
    EXPECT_EQ(list_rect.left, combo_rect.left);
    row.close(this, combo, list);
    EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_NE(GetCapture(), list);
    EXPECT_EQ(Notifications(), row.notifications);
    EXPECT_EQ(Sel(combo), row.selected);
    DestroyWindow(combo);
  }
}

TEST_F(ComboBoxTest, ArrowsChangeTheSelectionWhenClosed) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST);
  struct Row { int key; LRESULT selected; std::vector<WORD> notifications; };
  const Row rows[] = {
      {VK_DOWN, 0, {CBN_SELCHANGE}}, {VK_DOWN, 1, {CBN_SELCHANGE}}, {VK_END, 3, {CBN_SELCHANGE}},
      {VK_DOWN, 3, {}}, {VK_UP, 2, {CBN_SELCHANGE}}, {VK_HOME, 0, {CBN_SELCHANGE}},
  };
  for (const Row& row : rows) {
    Key(combo, row.key);
    EXPECT_EQ(Sel(combo), row.selected);
    EXPECT_EQ(Notifications(), row.notifications);
  }
  EXPECT_EQ(TextOf(combo), u"uno");
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
  SendMessageW(combo, WM_CHAR, u'c', 0);
  EXPECT_EQ(Sel(combo), 3);
}

TEST_F(ComboBoxTest, ItemsAndErrors) {
  HWND combo = MakeCombo(CBS_DROPDOWNLIST | CBS_SORT, {u"uno", u"dos", u"Tres"});
  WCHAR text[16] = {};
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 2, reinterpret_cast<LPARAM>(text)), 3);
  EXPECT_EQ(std::u16string(text), u"uno");
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXTLEN, 1, 0), 4);
  EXPECT_EQ(SendMessageW(combo, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 7, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(combo, CB_SETCURSEL, 1, 0), 1);
  EXPECT_EQ(TextOf(combo), u"Tres");
  EXPECT_EQ(SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"TRES")), 1);
  EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(u"u")), 2);
  EXPECT_EQ(Sel(combo), 2);
  SendMessageW(combo, CB_SETITEMDATA, 2, 99);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMDATA, 2, 0), 99);
  EXPECT_EQ(SendMessageW(combo, CB_DELETESTRING, 0, 0), 2);
  EXPECT_EQ(Sel(combo), 1);
  EXPECT_EQ(SendMessageW(combo, CB_LIMITTEXT, 5, 0), CB_ERR);  // no edit
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 15);
  EXPECT_EQ(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0), 13);
  EXPECT_EQ(SendMessageW(combo, CB_SETDROPPEDWIDTH, 200, 0), 200);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDWIDTH, 0, 0), 200);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(Sel(combo), CB_ERR);
  EXPECT_EQ(Notifications(), std::vector<WORD>{});
}

TEST_F(ComboBoxTest, DropDownHasAnEditChild) {
  HWND combo = MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
  HWND edit = GetDlgItem(combo, 1001);
  ASSERT_NE(edit, nullptr);
  WCHAR name[16] = {};
  GetClassNameW(edit, name, 16);
  EXPECT_EQ(std::u16string(name), u"Edit");
  SendMessageW(combo, CB_SETCURSEL, 2, 0);
  EXPECT_EQ(TextOf(edit), u"tres");
  EXPECT_EQ(TextOf(combo), u"tres");
  EXPECT_EQ(SendMessageW(combo, CB_GETEDITSEL, 0, 0), MAKELRESULT(0, 4));
  EXPECT_EQ(Notifications(), std::vector<WORD>{});
  SetFocus(combo);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Notifications(), std::vector<WORD>{CBN_SETFOCUS});
  SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(4, 4));
  Type(edit, u"x");
  EXPECT_EQ(TextOf(combo), u"tresx");
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_EDITUPDATE, CBN_EDITCHANGE}));
  // Keys in the edit reach the combo box: F4 drops, Down selects, Enter closes.
  Key(edit, VK_F4);
  Key(edit, VK_DOWN);
  Key(edit, VK_RETURN);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{CBN_DROPDOWN, CBN_SELCHANGE, CBN_SELENDOK, CBN_CLOSEUP}));
  EXPECT_EQ(TextOf(combo), u"cuatro");
  SendMessageW(combo, CB_LIMITTEXT, 6, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 6);
}

TEST_F(ComboBoxTest, SimpleComboShowsItsListAlways) {
  HWND combo = MakeCombo(CBS_SIMPLE);
  HWND edit = GetDlgItem(combo, 1001);
  ASSERT_NE(edit, nullptr);
  HWND list = GetWindow(edit, GW_HWNDNEXT);
  ASSERT_NE(list, nullptr);
  EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_CHILD);
  EXPECT_TRUE(IsWindowVisible(list));
  RECT r{};
  GetWindowRect(combo, &r);
  EXPECT_EQ(r.bottom - r.top, 100);
  POINT p = ItemPoint(list, 1);
  Click(list, p.x, p.y);
  EXPECT_EQ(Sel(combo), 1);
  EXPECT_EQ(TextOf(edit), u"dos");
  EXPECT_EQ(Notifications(), std::vector<WORD>{CBN_SELCHANGE});
  Key(combo, VK_F4);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), FALSE);
}

TEST_F(ComboBoxTest, ColoursOfTheEditAndListAreAskedOfTheParent) {
  HWND combo = MakeCombo(CBS_DROPDOWN);
  HWND edit = GetDlgItem(combo, 1001);
  HWND list = ListOf(combo);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  bool edit_asked = false;
  bool list_asked = false;
  for (const SeenMessage& m : Take({WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX})) {
    EXPECT_EQ(m.window, parent_);
    auto from = reinterpret_cast<HWND>(m.lparam);
    if (m.message == WM_CTLCOLOREDIT && from == edit) edit_asked = true;
    if (m.message == WM_CTLCOLORLISTBOX && from == list) list_asked = true;
    // The toolkit finds the combo box from the child as Windows lets it.
    if (from == edit || from == list) {
      EXPECT_EQ(reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetWindowLongW(from, GWL_HWNDPARENT))), combo);
    }
  }
  EXPECT_TRUE(edit_asked);
  EXPECT_TRUE(list_asked);
  // The parent's answer is what the list paints with.
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  handler_ = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_CTLCOLORLISTBOX) return reinterpret_cast<LRESULT>(red);
    return std::nullopt;
  };
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  InvalidateRect(list, nullptr, TRUE);
  UpdateWindow(list);
  HDC dc = GetDC(list);
  EXPECT_EQ(GetPixel(dc, 3, 3), RGB(255, 0, 0));
  ReleaseDC(list, dc);
  handler_ = nullptr;
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
  DeleteObject(red);
}

}  // namespace

namespace {

TEST_F(ComboBoxTest, DroppedListScrollsByItsBarAndStaysDown) {
  std::vector<std::u16string> many;
  for (int i = 0; i < 20; ++i) many.push_back(u"item " + std::u16string(1, static_cast<char16_t>(u'a' + i)));
  HWND combo = MakeCombo(CBS_DROPDOWNLIST, many);
  HWND list = ListOf(combo);
  SetFocus(combo);
  SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
  ASSERT_EQ(GetCapture(), list);
  ASSERT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL);
  // A press on the down arrow, as the captured list receives it: in client coordinates.
  RECT client{};
  GetClientRect(list, &client);
  POINT arrow{client.right + 8, client.bottom - 4};
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(static_cast<WORD>(arrow.x), static_cast<WORD>(arrow.y)));
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(arrow.x), static_cast<WORD>(arrow.y)));
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0), TRUE);
  EXPECT_EQ(GetCapture(), list);
  SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
