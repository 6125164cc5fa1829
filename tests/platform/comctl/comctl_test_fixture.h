// Common controls under test: a fresh set of registered classes per test, a parent window
// that records the notifications its controls send (copied when they arrive), and the
// pixels of a top-level window for golden pictures.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/comctl/common_controls.h"
#include "platform/gdi/pixel_surface.h"
#include "platform/user/window.h"
#include "platform/user/window_table.h"
#include "tests/platform/user/window_test_fixture.h"

struct SeenNotice {
  UINT code = 0;
  UINT_PTR id = 0;
  SYSTEMTIME date{};  // DTN_DATETIMECHANGE
  int item = 0;       // LVN_ITEMCHANGED: iItem; TVN_SELCHANGED: the new item's lParam
  UINT new_state = 0;
};

class CommonControlTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    platform::ForgetCommonControlClasses();
    handler_ = [this](HWND window, UINT message, WPARAM wparam,
                      LPARAM lparam) -> std::optional<LRESULT> {
      if (message == WM_ERASEBKGND && window == parent_) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wparam), &client, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
      }
      if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<const NMHDR*>(lparam);
        SeenNotice notice{header->code, header->idFrom};
        if (header->code == DTN_DATETIMECHANGE) {
          notice.date = reinterpret_cast<const NMDATETIMECHANGE*>(lparam)->st;
        } else if (header->code == LVN_ITEMCHANGED) {
          notice.item = reinterpret_cast<const NMLISTVIEW*>(lparam)->iItem;
          notice.new_state = reinterpret_cast<const NMLISTVIEW*>(lparam)->uNewState;
        } else if (header->code == TVN_SELCHANGEDW) {
          notice.item = static_cast<int>(reinterpret_cast<const NMTREEVIEWW*>(lparam)->itemNew.lParam);
        }
        notices_.push_back(notice);
        if (header->code == TCN_SELCHANGING && refuse_tab_change_) return 1;
        return 0;
      }
      if (message == WM_COMMAND) commands_.push_back(LOWORD(wparam));
      return std::nullopt;
    };
  }
  void TearDown() override {
    WindowTest::TearDown();
    platform::ForgetCommonControlClasses();
  }

  void Init(DWORD bits) {
    INITCOMMONCONTROLSEX init{sizeof init, bits};
    ASSERT_TRUE(InitCommonControlsEx(&init));
  }

  // A visible top-level parent with the button-face background of a dialog.
  HWND Parent(RECT place = RECT{100, 100, 420, 300}, const WCHAR* caption = u"Vestralino") {
    parent_ = Create(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, nullptr, 0,
                     WS_EX_DLGMODALFRAME, place, caption);
    InvalidateRect(parent_, nullptr, TRUE);
    return parent_;
  }

  HWND Control(const WCHAR* class_name, HWND parent, int id, RECT place, DWORD style = 0,
               DWORD ex_style = 0, const WCHAR* text = nullptr) {
    return CreateWindowExW(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style,
                           place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)), nullptr, nullptr);
  }

  std::vector<UINT> Codes() const {
    std::vector<UINT> codes;
    for (const SeenNotice& n : notices_) codes.push_back(n.code);
    return codes;
  }

  // The pixels of a top-level window (frame included) after it has painted.
  static platform::gdi::PixelSurface Pixels(HWND top) {
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    platform::user::Window* record = platform::user::FindWindowRecord(top);
    platform::gdi::PixelSurface surface;
    if (record == nullptr || !record->bitmap) return surface;
    surface.origin = record->bitmap->pixels.data();
    surface.stride = record->bitmap->width;
    surface.width = record->bitmap->width;
    surface.height = record->bitmap->height;
    return surface;
  }

  std::vector<SeenNotice> notices_;
  std::vector<WORD> commands_;
  bool refuse_tab_change_ = false;
  HWND parent_ = nullptr;
};
