// BUTTON driven as a user drives it: each row of the table in button.h, check-box cycles,
// radio groups, owner-draw, notifications and the pixels of the classic look.
#include <gtest/gtest.h>

#include "tests/platform/user/controls/control_test_fixture.h"

namespace {

class ButtonTest : public ControlTest {
 protected:
  HWND MakeButton(DWORD style, const WCHAR* text = u"&Button", RECT place = RECT{10, 10, 110, 35}, int id = 100) {
    return Make(u"Button", text, style, place, id);
  }
  UINT Check(HWND b) { return static_cast<UINT>(SendMessageW(b, BM_GETCHECK, 0, 0)); }
  UINT State(HWND b) { return static_cast<UINT>(SendMessageW(b, BM_GETSTATE, 0, 0)); }
};

struct CycleRow {
  DWORD style;
  std::vector<UINT> after_each_click;
};

TEST_F(ButtonTest, ClicksCycleTheCheckStateOfEachKind) {
  const CycleRow rows[] = {
      {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
      {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED}},
      {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED}},
      {BS_3STATE, {BST_UNCHECKED, BST_UNCHECKED}},
      {BS_AUTORADIOBUTTON, {BST_CHECKED, BST_CHECKED}},
      {BS_PUSHBUTTON, {BST_UNCHECKED}},
  };
  for (const CycleRow& row : rows) {
    HWND b = MakeButton(row.style);
    Take();
    for (std::size_t i = 0; i < row.after_each_click.size(); ++i) {
      Click(b, 20, 10);
      EXPECT_EQ(Check(b), row.after_each_click[i]) << "style " << row.style << " click " << i;
      EXPECT_EQ(Notifications(b), std::vector<WORD>{BN_CLICKED}) << "style " << row.style;
    }
    DestroyWindow(b);
  }
}

struct TrackRow {
  const char* name;
  std::vector<POINT> moves;  // while the button is held
  POINT release;
  bool clicked;
};

TEST_F(ButtonTest, ClickedOnlyWhenReleasedInside) {
  const TrackRow rows[] = {
      {"straight", {}, {20, 10}, true},
      {"out and up outside", {{200, 10}}, {200, 10}, false},
      {"out and back", {{200, 10}, {30, 12}}, {30, 12}, true},
      {"out below", {{20, 60}}, {20, 60}, false},
  };
  for (const TrackRow& row : rows) {
    HWND b = MakeButton(BS_PUSHBUTTON);
    Take();
    Down(b, 20, 10);
    EXPECT_EQ(GetCapture(), b) << row.name;
    EXPECT_EQ(GetFocus(), b) << row.name;
    EXPECT_TRUE(State(b) & BST_PUSHED) << row.name;
    for (POINT p : row.moves) {
      Move(b, p.x, p.y);
      RECT r;
      GetClientRect(b, &r);
      EXPECT_EQ((State(b) & BST_PUSHED) != 0, PtInRect(&r, p) != FALSE) << row.name;
    }
    Up(b, row.release.x, row.release.y);
    EXPECT_EQ(GetCapture(), nullptr) << row.name;
    EXPECT_FALSE(State(b) & BST_PUSHED) << row.name;
    EXPECT_EQ(Notifications(b).size(), row.clicked ? 1u : 0u) << row.name;
    DestroyWindow(b);
  }
}

TEST_F(ButtonTest, SpaceDownPushesAndSpaceUpClicks) {
  HWND b = MakeButton(BS_AUTOCHECKBOX);
  SetFocus(b);
  Take();
  Key(b, VK_SPACE, true);
  EXPECT_TRUE(State(b) & BST_PUSHED);
  EXPECT_TRUE(Notifications(b).empty());
  Key(b, VK_SPACE, false);
  EXPECT_FALSE(State(b) & BST_PUSHED);
  EXPECT_EQ(Check(b), BST_CHECKED);
  EXPECT_EQ(Notifications(b), std::vector<WORD>{BN_CLICKED});
}

TEST_F(ButtonTest, LosingFocusWhileSpaceIsDownCancelsTheClick) {
  HWND b = MakeButton(BS_PUSHBUTTON);
  HWND other = MakeButton(BS_PUSHBUTTON, u"Other", RECT{10, 50, 110, 75}, 101);
  SetFocus(b);
  Key(b, VK_SPACE, true);
  SetFocus(other);
  Take();
  Key(b, VK_SPACE, false);
  EXPECT_FALSE(State(b) & BST_PUSHED);
  EXPECT_TRUE(Notifications(b).empty());
}

TEST_F(ButtonTest, BmClickClicksEnabledButtonsOnly) {
  HWND b = MakeButton(BS_AUTOCHECKBOX);
  Take();
  SendMessageW(b, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(b), BST_CHECKED);
  EXPECT_EQ(Notifications(b), std::vector<WORD>{BN_CLICKED});
  EXPECT_EQ(GetCapture(), nullptr);
  EnableWindow(b, FALSE);
  SendMessageW(b, BM_CLICK, 0, 0);
  EXPECT_EQ(Check(b), BST_CHECKED);
  EXPECT_TRUE(Notifications(b).empty());
}

TEST_F(ButtonTest, AutoRadioUnchecksOnlyItsOwnGroup) {
  HWND a1 = MakeButton(BS_AUTORADIOBUTTON | WS_GROUP, u"A1", RECT{10, 10, 110, 30}, 1);
  HWND a2 = MakeButton(BS_AUTORADIOBUTTON, u"A2", RECT{10, 30, 110, 50}, 2);
  HWND a3 = MakeButton(BS_AUTORADIOBUTTON, u"A3", RECT{10, 50, 110, 70}, 3);
  HWND b1 = MakeButton(BS_AUTORADIOBUTTON | WS_GROUP, u"B1", RECT{150, 10, 250, 30}, 4);
  HWND b2 = MakeButton(BS_AUTORADIOBUTTON, u"B2", RECT{150, 30, 250, 50}, 5);
  Click(b2, 5, 5);
  Click(a1, 5, 5);
  EXPECT_EQ(Check(a1), BST_CHECKED);
  Click(a3, 5, 5);
  EXPECT_EQ(Check(a1), BST_UNCHECKED);
  EXPECT_EQ(Check(a2), BST_UNCHECKED);
  EXPECT_EQ(Check(a3), BST_CHECKED);
  EXPECT_EQ(Check(b1), BST_UNCHECKED);
  EXPECT_EQ(Check(b2), BST_CHECKED);
  // The checked radio button is its group's tab stop.
  EXPECT_TRUE(GetWindowLongW(a3, GWL_STYLE) & WS_TABSTOP);
  EXPECT_FALSE(GetWindowLongW(a1, GWL_STYLE) & WS_TABSTOP);
}

TEST_F(ButtonTest, SetCheckKeepsToWhatTheKindHolds) {
  struct Row {
    DWORD style;
    UINT set;
    UINT got;
  } rows[] = {
      {BS_CHECKBOX, BST_INDETERMINATE, BST_CHECKED},
      {BS_3STATE, BST_INDETERMINATE, BST_INDETERMINATE},
      {BS_AUTO3STATE, 7, BST_INDETERMINATE},
      {BS_RADIOBUTTON, BST_CHECKED, BST_CHECKED},
      {BS_PUSHBUTTON, BST_CHECKED, BST_UNCHECKED},
      {BS_GROUPBOX, BST_CHECKED, BST_UNCHECKED},
  };
  for (const Row& row : rows) {
    HWND b = MakeButton(row.style);
    SendMessageW(b, BM_SETCHECK, row.set, 0);
    EXPECT_EQ(Check(b), row.got) << row.style;
    DestroyWindow(b);
  }
}

TEST_F(ButtonTest, DialogCodesTellTheKinds) {
  struct Row {
    DWORD style;
    LRESULT code;
  } rows[] = {
      {BS_PUSHBUTTON, DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON},
      {BS_DEFPUSHBUTTON, DLGC_BUTTON | DLGC_DEFPUSHBUTTON},
      {BS_CHECKBOX, DLGC_BUTTON},
      {BS_AUTO3STATE, DLGC_BUTTON},
      {BS_RADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_AUTORADIOBUTTON, DLGC_BUTTON | DLGC_RADIOBUTTON},
      {BS_GROUPBOX, DLGC_STATIC},
      {BS_OWNERDRAW, DLGC_BUTTON},
  };
  for (const Row& row : rows) {
    HWND b = MakeButton(row.style);
    EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), row.code) << row.style;
    DestroyWindow(b);
  }
}

TEST_F(ButtonTest, SetStyleMovesTheDefaultFrame) {
  HWND b = MakeButton(BS_PUSHBUTTON | BS_NOTIFY);
  EXPECT_NE(Pixel(b, 0, 0), RGB(0, 0, 0));
  SendMessageW(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_EQ(SendMessageW(b, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
  EXPECT_TRUE(GetWindowLongW(b, GWL_STYLE) & BS_NOTIFY);  // only the kind changes
  EXPECT_EQ(Pixel(b, 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(Pixel(b, 50, 0), RGB(0, 0, 0));
  SendMessageW(b, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_NE(Pixel(b, 50, 0), RGB(0, 0, 0));
}

TEST_F(ButtonTest, OwnerDrawTellsTheParentWhatChanged) {
  std::vector<DRAWITEMSTRUCT> items;
  handler_ = [&](HWND, UINT message, WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
    if (message != WM_DRAWITEM) return std::nullopt;
    items.push_back(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
    return TRUE;
  };
  HWND b = MakeButton(BS_OWNERDRAW, u"Owner", RECT{10, 10, 90, 40}, 77);
  UpdateWindow(parent_);
  ASSERT_FALSE(items.empty());
  const DRAWITEMSTRUCT& first = items.back();
  EXPECT_EQ(first.CtlType, ODT_BUTTON);
  EXPECT_EQ(first.CtlID, 77u);
  EXPECT_EQ(first.itemAction, ODA_DRAWENTIRE);
  EXPECT_EQ(first.itemState, 0u);
  EXPECT_EQ(first.hwndItem, b);
  EXPECT_NE(first.hDC, nullptr);
  EXPECT_EQ(first.rcItem.right, 80);
  EXPECT_EQ(first.rcItem.bottom, 30);
  items.clear();
  Down(b, 5, 5);
  // Focus first (ODA_FOCUS), then the press (ODA_SELECT).
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].itemAction, ODA_FOCUS);
  EXPECT_EQ(items[0].itemState, ODS_FOCUS);
  EXPECT_EQ(items[1].itemAction, ODA_SELECT);
  EXPECT_EQ(items[1].itemState, ODS_SELECTED | ODS_FOCUS);
  items.clear();
  Up(b, 5, 5);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].itemAction, ODA_SELECT);
  EXPECT_EQ(items[0].itemState, ODS_FOCUS);
  items.clear();
  EnableWindow(b, FALSE);
  ASSERT_FALSE(items.empty());
  EXPECT_TRUE(items.back().itemState & ODS_DISABLED);
}

TEST_F(ButtonTest, NotifyStyleReportsFocusAndDoubleClicks) {
  HWND plain = MakeButton(BS_PUSHBUTTON, u"Plain", RECT{10, 50, 110, 75}, 101);
  HWND b = MakeButton(BS_PUSHBUTTON | BS_NOTIFY);
  HWND radio = MakeButton(BS_RADIOBUTTON, u"Radio", RECT{10, 90, 110, 110}, 102);
  Take();
  SetFocus(b);
  SetFocus(plain);
  EXPECT_EQ(Notifications(b), (std::vector<WORD>{BN_SETFOCUS, BN_KILLFOCUS}));
  EXPECT_TRUE(Notifications(plain).empty());
  DoubleClick(radio, 5, 5);
  EXPECT_EQ(Notifications(radio), std::vector<WORD>{BN_DOUBLECLICKED});
  // A plain push button takes a double click as a second press.
  DoubleClick(plain, 5, 5);
  Up(plain, 5, 5);
  EXPECT_EQ(Notifications(plain), std::vector<WORD>{BN_CLICKED});
}

TEST_F(ButtonTest, SetImageAnswersThePreviousImage) {
  HWND b = MakeButton(BS_PUSHBUTTON | BS_BITMAP);
  std::uint32_t bits[4] = {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000};
  HBITMAP red = CreateBitmap(2, 2, 1, 32, bits);
  EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(red)), 0);
  EXPECT_EQ(SendMessageW(b, BM_GETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
  EXPECT_EQ(SendMessageW(b, BM_GETIMAGE, IMAGE_ICON, 0), 0);
  EXPECT_EQ(Pixel(b, 50, 12), RGB(255, 0, 0));  // drawn in the middle of the face
  EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(red));
  EXPECT_EQ(SendMessageW(b, BM_SETIMAGE, 99, 0), 0);
  DeleteObject(red);
}

TEST_F(ButtonTest, ColoursAreAskedWithTheMessageOfTheKind) {
  struct Row {
    DWORD style;
    UINT message;
  } rows[] = {{BS_PUSHBUTTON, WM_CTLCOLORBTN}, {BS_AUTOCHECKBOX, WM_CTLCOLORSTATIC},
              {BS_AUTORADIOBUTTON, WM_CTLCOLORSTATIC}, {BS_GROUPBOX, WM_CTLCOLORSTATIC}};
  for (const Row& row : rows) {
    HWND b = MakeButton(row.style);
    Take();
    InvalidateRect(b, nullptr, TRUE);
    UpdateWindow(b);
    auto asked = Take({row.message});
    ASSERT_EQ(asked.size(), 1u) << row.style;
    EXPECT_EQ(reinterpret_cast<HWND>(asked[0].lparam), b);
    DestroyWindow(b);
  }
}

TEST_F(ButtonTest, ParentBrushPaintsCheckBoxBackground) {
  HBRUSH yellow = CreateSolidBrush(RGB(255, 255, 0));
  handler_ = [&](HWND, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_CTLCOLORSTATIC) return reinterpret_cast<LRESULT>(yellow);
    return std::nullopt;
  };
  HWND b = MakeButton(BS_AUTOCHECKBOX, u"", RECT{10, 10, 110, 30});
  EXPECT_EQ(Pixel(b, 90, 2), RGB(255, 255, 0));
  DestroyWindow(b);
  handler_ = nullptr;
  DeleteObject(yellow);
}

TEST_F(ButtonTest, DisabledTextIsEmbossed) {
  HWND b = MakeButton(BS_PUSHBUTTON, u"WWW");
  EnableWindow(b, FALSE);
  const RECT face{4, 4, 96, 21};  // inside the edges, which have the same colours
  RECT grey = InkBox(b, GetSysColor(COLOR_GRAYTEXT), &face);
  RECT light = InkBox(b, GetSysColor(COLOR_3DHILIGHT), &face);
  EXPECT_GT(grey.right - grey.left, 10);
  EXPECT_EQ(InkBox(b, GetSysColor(COLOR_BTNTEXT), &face).right, 0);  // no black ink left
  // The light copy shows one pixel right and below the grey one.
  EXPECT_EQ(light.right, grey.right + 1);
  EXPECT_EQ(light.bottom, std::max(grey.bottom + 1, light.bottom));
}

TEST_F(ButtonTest, FocusRectangleIsDottedInsideThePushButtonFace) {
  HWND b = MakeButton(BS_PUSHBUTTON, u"");
  SetFocus(b);
  // Dots alternate along the top of the rectangle 3 pixels inside the edge.
  COLORREF a = Pixel(b, 3, 3);
  COLORREF c = Pixel(b, 4, 3);
  EXPECT_NE(a, c);
  EXPECT_EQ(Pixel(b, 5, 3), a);
  SetFocus(parent_);
  EXPECT_EQ(Pixel(b, 3, 3), Pixel(b, 4, 3));
}

TEST_F(ButtonTest, FocusRectangleOfACheckBoxSurroundsItsText) {
  HWND b = MakeButton(BS_AUTOCHECKBOX, u"Text", RECT{10, 10, 200, 30});
  const RECT beside_the_box{14, 0, 190, 20};
  RECT text = DarkBox(b, &beside_the_box);
  SetFocus(b);
  // The focus dots invert the face.
  RECT with_focus = InkBox(b, GetSysColor(COLOR_3DFACE) ^ 0xFFFFFF, &beside_the_box);
  // The dotted rectangle lies just outside the text, right of the box.
  EXPECT_LT(with_focus.left, text.left);
  EXPECT_GT(with_focus.left, 13);
  EXPECT_GT(with_focus.right, text.right);
  EXPECT_LT(with_focus.right, 120);
}

TEST_F(ButtonTest, LeftTextPutsTheBoxOnTheRight) {
  HWND right = MakeButton(BS_AUTOCHECKBOX | BS_LEFTTEXT, u"", RECT{10, 10, 110, 30});
  RECT box = InkBox(right, GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_GE(box.left, 100 - 13);
  HWND left = MakeButton(BS_AUTOCHECKBOX, u"", RECT{10, 40, 110, 60}, 101);
  box = InkBox(left, GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_LT(box.right, 14);
}

TEST_F(ButtonTest, GroupBoxLetsClicksThrough) {
  HWND g = MakeButton(BS_GROUPBOX, u"Group", RECT{5, 5, 200, 150});
  EXPECT_EQ(SendMessageW(g, WM_NCHITTEST, 0, MAKELPARAM(100, 100)), HTTRANSPARENT);
}

TEST_F(ButtonTest, ScriptedPressClicksTheButton) {
  UseScript("press &Aceptar\n");
  HWND b = MakeButton(BS_DEFPUSHBUTTON, u"&Aceptar");
  SetActiveWindow(parent_);
  Take();
  MSG msg;
  for (int i = 0; i < 20 && Notifications(b).empty(); ++i) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      for (const SeenMessage& m : Take({WM_COMMAND})) {
        if (reinterpret_cast<HWND>(m.lparam) == b) {
          EXPECT_EQ(HIWORD(m.wparam), BN_CLICKED);
          return;
        }
      }
    }
  }
  ADD_FAILURE() << "the scripted press never clicked the button";
}

TEST_F(ButtonTest, MessagesToADestroyedButtonGoNowhere) {
  HWND b = MakeButton(BS_AUTOCHECKBOX);
  DestroyWindow(b);
  SetLastError(0);
  EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(ButtonTest, AClickHandlerThatDestroysTheButtonIsSafe) {
  HWND b = MakeButton(BS_AUTOCHECKBOX);
  handler_ = [&](HWND, UINT message, WPARAM, LPARAM lparam) -> std::optional<LRESULT> {
    if (message == WM_COMMAND) DestroyWindow(reinterpret_cast<HWND>(lparam));
    return std::nullopt;
  };
  Click(b, 5, 5);
  EXPECT_FALSE(IsWindow(b));
  EXPECT_EQ(GetCapture(), nullptr);
}

}  // namespace
