// A golden picture of a panel in the classic look: a single-line edit with a selection, a
// multi-line edit, a list box with a selection and its scroll bar, the three combo-box
// kinds, and a drop-down list combo box dropped down (its pop-up list composed over the
// panel where the screen would show it).
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/gdi/png_writer.h"
#include "platform/user/window_table.h"
#include "tests/platform/gdi/golden.h"
#include "tests/platform/user/controls/list_edit_test_fixture.h"

namespace {

class ListEditGoldenTest : public ListEditTest {};

void Blit(std::vector<std::uint32_t>& to, int to_width, int to_height, HWND window, POINT at) {
  platform::user::Window* w = platform::user::FindWindowRecord(window);
  ASSERT_NE(w, nullptr);
  ASSERT_TRUE(w->bitmap);
  const platform::user::WindowBitmap& bitmap = *w->bitmap;
  for (int y = 0; y < bitmap.height; ++y) {
    for (int x = 0; x < bitmap.width; ++x) {
      int tx = at.x + x;
      int ty = at.y + y;
      if (tx < 0 || ty < 0 || tx >= to_width || ty >= to_height) continue;
      to[static_cast<std::size_t>(ty) * to_width + tx] = bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x];
    }
  }
}

TEST_F(ListEditGoldenTest, PanelOfListAndEditControls) {
  DestroyWindow(parent_);
  handler_ = [](HWND window, UINT message, WPARAM wparam, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_ERASEBKGND && GetParent(window) == nullptr) {
      RECT r{};
      GetClientRect(window, &r);
      FillRect(reinterpret_cast<HDC>(wparam), &r, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    return std::nullopt;
  };
  parent_ = Create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr, 0,
                   WS_EX_DLGMODALFRAME, RECT{100, 100, 446, 384}, u"List and edit controls");

  HWND single = Make(u"Edit", ES_AUTOHSCROLL | WS_TABSTOP, RECT{12, 12, 162, 33}, u"Selected words here", 10,
                     WS_EX_CLIENTEDGE);
  Make(u"Edit", ES_MULTILINE | ES_AUTOVSCROLL, RECT{12, 42, 162, 108},
       u"A multi-line edit wraps its words at the right edge.\r\nSecond paragraph.", 11,
       WS_EX_CLIENTEDGE);
  HWND list = Make(u"ListBox", WS_VSCROLL | LBS_NOTIFY, RECT{12, 118, 162, 218}, u"", 12,
                   WS_EX_CLIENTEDGE);
  for (const char16_t* item : {u"Lunes", u"Martes", u"Mi\u00e9rcoles", u"Jueves", u"Viernes",
                               u"S\u00e1bado", u"Domingo", u"Festivo", u"Otro"}) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
  SendMessageW(list, LB_SETCURSEL, 2, 0);

  const char16_t* colours[] = {u"Rojo", u"Verde", u"Azul", u"Amarillo", u"Negro"};
  HWND simple = Make(u"ComboBox", CBS_SIMPLE, RECT{178, 12, 328, 90}, u"", 20);
  HWND drop = Make(u"ComboBox", CBS_DROPDOWN | WS_VSCROLL, RECT{178, 98, 328, 200}, u"", 21);
  HWND drop_list = Make(u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{178, 128, 328, 230}, u"", 22);
  HWND dropped = Make(u"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL, RECT{178, 158, 328, 250}, u"", 23);
  for (HWND combo : {simple, drop, drop_list, dropped}) {
    for (const char16_t* c : colours) SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(c));
  }
  SendMessageW(simple, CB_SETCURSEL, 1, 0);
  SendMessageW(drop, CB_SETCURSEL, 2, 0);
  SendMessageW(drop_list, CB_SETCURSEL, 3, 0);
  SendMessageW(dropped, CB_SETCURSEL, 0, 0);
  SetFocus(single);
  SendMessageW(single, EM_SETSEL, 0, 8);
  SendMessageW(dropped, CB_SHOWDROPDOWN, TRUE, 0);
  SendMessageW(dropped, CB_SETCURSEL, 1, 0);
  Pump();

  RECT panel{};
  GetWindowRect(parent_, &panel);
  int width = panel.right - panel.left;
  int height = panel.bottom - panel.top;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, 0);
  Blit(pixels, width, height, parent_, POINT{0, 0});
  HWND popup = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND window, LPARAM found) -> BOOL {
    WCHAR name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::u16string_view(name) == u"ComboLBox" && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
    }
    return TRUE;
  }, reinterpret_cast<LPARAM>(&popup));
  ASSERT_NE(popup, nullptr);
  RECT popup_rect{};
  GetWindowRect(popup, &popup_rect);
  Blit(pixels, width, height, popup, POINT{popup_rect.left - panel.left, popup_rect.top - panel.top});

  platform::gdi::PixelSurface surface{pixels.data(), width, width, height};
  EXPECT_TRUE(platform::gdi::testing::MatchesGolden(surface, "list_edit_controls"));
  SendMessageW(dropped, CB_SHOWDROPDOWN, FALSE, 0);
}

}  // namespace
