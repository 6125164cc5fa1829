// Controls driven through the headless display's script, as a user at the keyboard and
// mouse: the keys go through the thread's queue, TranslateMessage and DispatchMessageW.
#include <gtest/gtest.h>

#include "tests/platform/user/controls/list_edit_test_fixture.h"

namespace {

class ScriptedControlsTest : public ListEditTest {
 protected:
  void RunUntilGone(HWND top) {
    MSG msg;
    for (int i = 0; i < 10000 && IsWindow(top); ++i) {
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Keeps the final state of the controls when the script closes the window.
  void KeepOnClose(HWND control, std::u16string* text, LRESULT* selection) {
    handler_ = [=, this](HWND window, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
      if (message == WM_CLOSE && window == parent_) {
        *text = TextOf(control);
        *selection = SendMessageW(control, CB_GETCURSEL, 0, 0);
      }
      return std::nullopt;
    };
  }
};

TEST_F(ScriptedControlsTest, TypingAndArrowsReachTheFocusedEdit) {
  UseScript("type hola mundo\nkey Left\nkey Left\ntype X\nclose\n");
  HWND edit = Make(u"Edit", ES_AUTOHSCROLL, RECT{10, 10, 200, 31}, u"", 100, WS_EX_CLIENTEDGE);
  SetFocus(edit);
  std::u16string text;
  LRESULT unused = 0;
  KeepOnClose(edit, &text, &unused);
  RunUntilGone(parent_);
  EXPECT_EQ(text, u"hola munXdo");
}

TEST_F(ScriptedControlsTest, ComboBoxDropsAndPicksWithKeys) {
  UseScript("key Down\nkey Down\nkey Up\nclose\n");
  HWND combo = Make(u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{10, 10, 150, 100}, u"", 200);
  for (const char16_t* item : {u"uno", u"dos", u"tres"}) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SetFocus(combo);
  Take();
  std::u16string text;
  LRESULT selection = 0;
  KeepOnClose(combo, &text, &selection);
  RunUntilGone(parent_);
  EXPECT_EQ(selection, 0);
  EXPECT_EQ(text, u"uno");  // Down (none to the first), Down, Up
  std::vector<WORD> codes = Notifications();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), CBN_SELCHANGE), 3);
}

}  // namespace
