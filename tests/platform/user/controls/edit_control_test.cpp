// The edit control driven as a user drives it: keys and the selection they leave, typing,
// limits, numbers, passwords, multi-line lines and wrapping, the mouse, notifications.
#include <gtest/gtest.h>

#include "tests/platform/user/controls/list_edit_test_fixture.h"

namespace {

class EditTest : public ListEditTest {
 protected:
  HWND MakeEdit(DWORD style = ES_AUTOHSCROLL, const WCHAR* text = u"",
                RECT place = RECT{10, 10, 160, 31}) {
    return Make(u"Edit", style, place, text, 100, WS_EX_CLIENTEDGE);
  }
  static std::pair<int, int> Selection(HWND edit) {
    DWORD start = 0, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  static POINT PointOf(HWND edit, int pos) {
    LRESULT at = SendMessageW(edit, EM_POSFROMCHAR, static_cast<WPARAM>(pos), 0);
    return POINT{static_cast<SHORT>(LOWORD(at)), static_cast<SHORT>(HIWORD(at))};
  }
};

// An action: a key with the modifiers held, or characters typed.
struct Act {
  int vk = 0;
  std::vector<int> held;
  std::u16string chars;
};
Act K(int vk, std::vector<int> held = {}) { return Act{vk, std::move(held), u""}; }
Act T(std::u16string chars) { return Act{0, {}, std::move(chars)}; }

struct KeyRow {
  const char* name;
  std::u16string text;
  int anchor;
  int caret;
  std::vector<Act> acts;
  std::u16string expected_text;
  int sel_start;
  int sel_end;
};

TEST_F(EditTest, KeysMoveTheCaretAndSelection) {
  const int S = VK_SHIFT;
  const int C = VK_CONTROL;
  const KeyRow rows[] = {
      {"End", u"hello world", 0, 0, {K(VK_END)}, u"hello world", 11, 11},
      {"Home", u"hello world", 5, 5, {K(VK_HOME)}, u"hello world", 0, 0},
      {"Shift+Home", u"hello world", 11, 11, {K(VK_HOME, {S})}, u"hello world", 0, 11},
      {"Shift+Right twice", u"hello world", 0, 0, {K(VK_RIGHT, {S}), K(VK_RIGHT, {S})}, u"hello world", 0, 2},
      {"Shift+Left past anchor", u"hello world", 3, 4, {K(VK_LEFT, {S}), K(VK_LEFT, {S})}, u"hello world", 2, 3},
      {"Ctrl+Left", u"hello world", 11, 11, {K(VK_LEFT, {C})}, u"hello world", 6, 6},
      {"Ctrl+Right", u"hello world", 0, 0, {K(VK_RIGHT, {C})}, u"hello world", 6, 6},
      {"Ctrl+Shift+Right", u"hello world", 0, 0, {K(VK_RIGHT, {C, S})}, u"hello world", 0, 6},
      {"Left collapses", u"hello world", 2, 5, {K(VK_LEFT)}, u"hello world", 2, 2},
      {"Right collapses", u"hello world", 2, 5, {K(VK_RIGHT)}, u"hello world", 5, 5},
      {"Up is Left on one line", u"hello", 3, 3, {K(VK_UP)}, u"hello", 2, 2},
      {"Backspace", u"hello world", 5, 5, {T(u"\b")}, u"hell world", 4, 4},
      {"Backspace at start", u"abc", 0, 0, {T(u"\b")}, u"abc", 0, 0},
      {"Delete", u"hello world", 0, 0, {K(VK_DELETE)}, u"ello world", 0, 0},
      {"Delete selection", u"hello world", 5, 11, {K(VK_DELETE)}, u"hello", 5, 5},
      {"Typing replaces selection", u"hello world", 0, 5, {T(u"X")}, u"X world", 1, 1},
      {"Typing inserts", u"ac", 1, 1, {T(u"b")}, u"abc", 2, 2},
      {"Ctrl+A", u"hello world", 3, 3, {T(u"\x01")}, u"hello world", 0, 11},
      {"Ctrl+Backspace", u"hello world", 11, 11, {T(u"\x7f")}, u"hello ", 6, 6},
      {"Ctrl+Z undoes", u"abc", 3, 3, {T(u"d"), T(u"\x1a")}, u"abc", 3, 3},
      {"Enter ignored on one line", u"abc", 3, 3, {T(u"\r")}, u"abc", 3, 3},
  };
  for (const KeyRow& row : rows) {
    SCOPED_TRACE(row.name);
    HWND edit = MakeEdit(ES_AUTOHSCROLL, row.text.c_str());
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(row.anchor), row.caret);
    for (const Act& act : row.acts) {
      if (act.vk != 0) {
        for (int m : act.held) Hold(m, true);
        SendMessageW(edit, WM_KEYDOWN, static_cast<WPARAM>(act.vk), 1);
        for (int m : act.held) Hold(m, false);
      } else {
        Type(edit, act.chars);
      }
    }
    EXPECT_EQ(TextOf(edit), row.expected_text);
    EXPECT_EQ(Selection(edit), std::make_pair(row.sel_start, row.sel_end));
    DestroyWindow(edit);
  }
}

TEST_F(EditTest, SetSelAndGetSel) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, u"abcdef");
  SendMessageW(edit, EM_SETSEL, 4, 1);
  EXPECT_EQ(Selection(edit), std::make_pair(1, 4));
  EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(1, 4));
  SendMessageW(edit, EM_SETSEL, 0, -1);
  EXPECT_EQ(Selection(edit), std::make_pair(0, 6));
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);  // deselects, caret stays
  EXPECT_EQ(Selection(edit), std::make_pair(6, 6));
  SendMessageW(edit, EM_SETSEL, 2, 100);
  EXPECT_EQ(Selection(edit), std::make_pair(2, 6));
}

TEST_F(EditTest, TypingNotifiesUpdateThenChange) {
  HWND edit = MakeEdit();
  Type(edit, u"a");
  EXPECT_EQ(Notifications(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  SendMessageW(edit, EM_SETSEL, 0, 1);
  EXPECT_EQ(Notifications(), std::vector<WORD>{});
  SetWindowTextW(edit, u"set");
  EXPECT_EQ(Notifications(), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
  EXPECT_EQ(SendMessageW(edit, EM_GETMODIFY, 0, 0), FALSE);
  Type(edit, u"x");
  EXPECT_EQ(SendMessageW(edit, EM_GETMODIFY, 0, 0), TRUE);
}

TEST_F(EditTest, LimitStopsTypingWithMaxText) {
  HWND edit = MakeEdit();
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
  SendMessageW(edit, EM_LIMITTEXT, 5, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 5);
  Type(edit, u"abcdefg");
  EXPECT_EQ(TextOf(edit), u"abcde");
  std::vector<WORD> codes = Notifications();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_MAXTEXT), 2);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), EN_CHANGE), 5);
  // EM_REPLACESEL keeps to the limit too; WM_SETTEXT does not.
  SendMessageW(edit, EM_SETSEL, 0, 2);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"1234"));
  EXPECT_EQ(TextOf(edit), u"12cde");
  SetWindowTextW(edit, u"longer than five");
  EXPECT_EQ(TextOf(edit), u"longer than five");
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
}

TEST_F(EditTest, NumberStyleRefusesNonDigits) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL | ES_NUMBER);
  Type(edit, u"1a2-3 ");
  EXPECT_EQ(TextOf(edit), u"123");
}

TEST_F(EditTest, CaseStylesConvertTypedText) {
  HWND upper = MakeEdit(ES_AUTOHSCROLL | ES_UPPERCASE);
  Type(upper, u"abc\u00f1");
  EXPECT_EQ(TextOf(upper), u"ABC\u00d1");
  HWND lower = MakeEdit(ES_AUTOHSCROLL | ES_LOWERCASE);
  Type(lower, u"AbC");
  EXPECT_EQ(TextOf(lower), u"abc");
}

TEST_F(EditTest, ReadOnlyRefusesEditsAndAsksStaticColours) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL | ES_READONLY, u"fixed");
  Type(edit, u"x\b");
  SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(TextOf(edit), u"fixed");
  InvalidateRect(edit, nullptr, TRUE);
  Take();
  UpdateWindow(edit);
  auto asked = Take({WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT});
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].message, WM_CTLCOLORSTATIC);
  EXPECT_EQ(asked[0].lparam, reinterpret_cast<LPARAM>(edit));
  SendMessageW(edit, EM_SETREADONLY, FALSE, 0);
  EXPECT_FALSE(GetWindowLongW(edit, GWL_STYLE) & ES_READONLY);
  UpdateWindow(edit);
  asked = Take({WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT});
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].message, WM_CTLCOLOREDIT);
}

TEST_F(EditTest, PasswordShowsStarsButKeepsText) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL | ES_PASSWORD, u"mW1");
  EXPECT_EQ(TextOf(edit), u"mW1");
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), u'*');
  // Every shown character is the same '*': the caret positions are evenly spaced.
  int step = PointOf(edit, 1).x - PointOf(edit, 0).x;
  EXPECT_GT(step, 0);
  EXPECT_EQ(PointOf(edit, 3).x - PointOf(edit, 0).x, 3 * step);
  SendMessageW(edit, EM_SETPASSWORDCHAR, 0, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETPASSWORDCHAR, 0, 0), 0);
  EXPECT_NE(PointOf(edit, 1).x - PointOf(edit, 0).x, PointOf(edit, 2).x - PointOf(edit, 1).x);
}

TEST_F(EditTest, MultilineLinesAndQueries) {
  HWND edit = MakeEdit(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, u"one\r\ntwo\r\nthree",
                       RECT{10, 10, 200, 100});
  EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 2, 0), 10);
  EXPECT_EQ(SendMessageW(edit, EM_LINEINDEX, 3, 0), -1);
  EXPECT_EQ(SendMessageW(edit, EM_LINELENGTH, 10, 0), 5);
  EXPECT_EQ(SendMessageW(edit, EM_LINEFROMCHAR, 6, 0), 1);
  WCHAR line[16] = {10};
  EXPECT_EQ(SendMessageW(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(line)), 3);
  EXPECT_EQ(std::u16string(line, 3), u"two");
  // Enter breaks the line; Down keeps the column.
  SendMessageW(edit, EM_SETSEL, 1, 1);
  SendMessageW(edit, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Selection(edit), std::make_pair(6, 6));
  SendMessageW(edit, WM_KEYDOWN, VK_END, 0);
  Type(edit, u"\r");
  EXPECT_EQ(TextOf(edit), u"one\r\ntwo\r\n\r\nthree");
  EXPECT_EQ(SendMessageW(edit, EM_GETLINECOUNT, 0, 0), 4);
  EXPECT_EQ(Selection(edit), std::make_pair(10, 10));
  Type(edit, u"\b\b");
  EXPECT_EQ(TextOf(edit), u"one\r\ntw\r\nthree");
}

TEST_F(EditTest, MultilineWrapsWithoutAutoHScroll) {
  const std::u16string text = u"the quick brown fox jumps over the lazy dog";
  HWND wrapped = MakeEdit(ES_MULTILINE | ES_AUTOVSCROLL, text.c_str(), RECT{10, 10, 90, 200});
  LRESULT lines = SendMessageW(wrapped, EM_GETLINECOUNT, 0, 0);
  EXPECT_GT(lines, 2);
  std::u16string joined;
  for (int i = 0; i < lines; ++i) {
    WCHAR line[64] = {63};
    LRESULT n = SendMessageW(wrapped, EM_GETLINE, i, reinterpret_cast<LPARAM>(line));
    std::u16string piece(line, static_cast<std::size_t>(n));
    if (i + 1 < lines) {
      EXPECT_EQ(piece.back(), u' ') << i;  // breaks fall after spaces
    }
    joined += piece;
  }
  EXPECT_EQ(joined, text);
  HWND unwrapped = MakeEdit(ES_MULTILINE | ES_AUTOHSCROLL, text.c_str(), RECT{10, 10, 90, 200});
  EXPECT_EQ(SendMessageW(unwrapped, EM_GETLINECOUNT, 0, 0), 1);
}

TEST_F(EditTest, MultilineSelectsAndScrollsByLines) {
  HWND edit = MakeEdit(ES_MULTILINE | ES_AUTOVSCROLL, u"l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5\r\nl6\r\nl7",
                       RECT{10, 10, 200, 10 + 4 + 3 * 13});
  Key(edit, VK_DOWN, {VK_SHIFT});
  EXPECT_EQ(Selection(edit), std::make_pair(0, 4));
  Key(edit, VK_END, {VK_CONTROL});
  EXPECT_EQ(Selection(edit), std::make_pair(30, 30));
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 5);  // the caret's line in view
  EXPECT_EQ(SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 7);
  Key(edit, VK_PRIOR);
  EXPECT_EQ(SendMessageW(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 4);
  SendMessageW(edit, EM_LINESCROLL, 0, -10);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 3);
}

TEST_F(EditTest, MultilineSetTextReportsUpdateOnly) {
  HWND edit = MakeEdit(ES_MULTILINE, u"", RECT{10, 10, 200, 100});
  SetWindowTextW(edit, u"a\r\nb");
  EXPECT_EQ(Notifications(), std::vector<WORD>{EN_UPDATE});
}

TEST_F(EditTest, AutoHScrollKeepsTheCaretVisible) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, u"", RECT{10, 10, 70, 31});
  const std::u16string typed = u"a fairly long line of text that overflows";
  Type(edit, typed);
  EXPECT_GT(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);  // first visible character
  std::vector<WORD> codes = Notifications();
  EXPECT_NE(std::find(codes.begin(), codes.end(), EN_HSCROLL), codes.end());
  RECT client{};
  GetClientRect(edit, &client);
  LONG caret_x = PointOf(edit, static_cast<int>(typed.size())).x;
  EXPECT_GE(caret_x, 0);
  EXPECT_LE(caret_x, client.right);
  SendMessageW(edit, WM_KEYDOWN, VK_HOME, 0);
  EXPECT_EQ(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(EditTest, WithoutAutoHScrollTypingStopsAtTheEdge) {
  HWND edit = MakeEdit(0, u"", RECT{10, 10, 70, 31});
  Type(edit, u"a fairly long line of text that overflows");
  std::u16string text = TextOf(edit);
  EXPECT_LT(text.size(), 20u);
  EXPECT_GT(text.size(), 3u);
  std::vector<WORD> codes = Notifications();
  EXPECT_NE(std::find(codes.begin(), codes.end(), EN_MAXTEXT), codes.end());
}

TEST_F(EditTest, MouseSelects) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, u"hello world");
  POINT p3 = PointOf(edit, 3);
  POINT p7 = PointOf(edit, 7);
  Click(edit, p3.x, p3.y + 2);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(Selection(edit), std::make_pair(3, 3));
  Click(edit, p7.x, p7.y + 2, {VK_SHIFT});
  EXPECT_EQ(Selection(edit), std::make_pair(3, 7));
  // Drag: the capture follows the button.
  POINT p1 = PointOf(edit, 1);
  SendMessageW(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p1.x, p1.y + 2));
  EXPECT_EQ(GetCapture(), edit);
  SendMessageW(edit, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p7.x, p7.y + 2));
  SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(p7.x, p7.y + 2));
  EXPECT_EQ(GetCapture(), nullptr);
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 1u);
  EXPECT_EQ(end, 7u);
  // A double click selects the word.
  POINT p8 = PointOf(edit, 8);
  SendMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(p8.x + 1, p8.y + 2));
  SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(p8.x + 1, p8.y + 2));
  EXPECT_EQ(Selection(edit), std::make_pair(6, 11));
}

TEST_F(EditTest, FocusShowsTheCaretAtTheLineHeight) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, u"abc");
  SetFocus(edit);
  EXPECT_EQ(Notifications(), std::vector<WORD>{EN_SETFOCUS});
  SendMessageW(edit, EM_SETSEL, 2, 2);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  POINT caret{};
  GetCaretPos(&caret);
  EXPECT_EQ(caret.x, PointOf(edit, 2).x);
  SetFocus(parent_);
  EXPECT_EQ(Notifications(), std::vector<WORD>{EN_KILLFOCUS});
}

TEST_F(EditTest, DialogCodes) {
  HWND single = MakeEdit();
  EXPECT_EQ(SendMessageW(single, WM_GETDLGCODE, 0, 0),
            DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS);
  HWND multi = MakeEdit(ES_MULTILINE, u"", RECT{10, 40, 200, 100});
  EXPECT_EQ(SendMessageW(multi, WM_GETDLGCODE, 0, 0),
            DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | DLGC_WANTALLKEYS);
  MSG enter{multi, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
  EXPECT_FALSE(SendMessageW(multi, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
               DLGC_WANTALLKEYS);
  HWND wants_return = MakeEdit(ES_MULTILINE | ES_WANTRETURN, u"", RECT{10, 40, 200, 100});
  EXPECT_TRUE(SendMessageW(wants_return, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
              DLGC_WANTALLKEYS);
}

TEST_F(EditTest, UndoAndMargins) {
  HWND edit = MakeEdit(ES_AUTOHSCROLL, u"abc");
  EXPECT_EQ(SendMessageW(edit, EM_CANUNDO, 0, 0), FALSE);
  SendMessageW(edit, EM_SETSEL, 0, 3);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(u"xyz!"));
  EXPECT_EQ(SendMessageW(edit, EM_UNDO, 0, 0), TRUE);
  EXPECT_EQ(TextOf(edit), u"abc");
  SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(5, 7));
  EXPECT_EQ(SendMessageW(edit, EM_GETMARGINS, 0, 0), MAKELRESULT(5, 7));
  EXPECT_EQ(PointOf(edit, 0).x, 5);
}

TEST_F(EditTest, DestroyedByItsOwnNotification) {
  HWND edit = MakeEdit();
  handler_ = [&](HWND, UINT message, WPARAM wparam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_COMMAND && HIWORD(wparam) == EN_UPDATE) DestroyWindow(edit);
    return std::nullopt;
  };
  Type(edit, u"ab");
  EXPECT_FALSE(IsWindow(edit));
}

}  // namespace
