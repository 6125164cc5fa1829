// Controls under test: a visible top-level parent (the recording test window of
// WindowTest) and helpers to make controls on it, drive them as a user would (mouse
// presses and keys as the messages input makes), and read the pixels they paint.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/png_writer.h"
#include "platform/user/window_table.h"
#include "tests/platform/user/window_test_fixture.h"

class ControlTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    parent_ = Create(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, nullptr, 0, 0,
                     RECT{40, 40, 440, 340}, u"Controls");
    ASSERT_NE(parent_, nullptr);
  }

  HWND Make(const WCHAR* class_name, const WCHAR* text, DWORD style, RECT place, int id = 100) {
    HWND control = CreateWindowExW(0, class_name, text, WS_CHILD | WS_VISIBLE | style, place.left,
                                   place.top, place.right - place.left, place.bottom - place.top,
                                   parent_, reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)),
                                   nullptr, nullptr);
    if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
  }

  // A press and release of the left button at client point (x, y) of `control`, as the
  // input queue delivers them, then everything they cause.
  void Down(HWND control, int x, int y) { Post(control, WM_LBUTTONDOWN, MK_LBUTTON, x, y); }
  void Move(HWND control, int x, int y) { Post(control, WM_MOUSEMOVE, MK_LBUTTON, x, y); }
  void Up(HWND control, int x, int y) { Post(control, WM_LBUTTONUP, 0, x, y); }
  void DoubleClick(HWND control, int x, int y) { Post(control, WM_LBUTTONDBLCLK, MK_LBUTTON, x, y); }
  void Click(HWND control, int x, int y) {
    Down(control, x, y);
    Up(control, x, y);
  }
  void Post(HWND control, UINT message, WPARAM keys, int x, int y) {
    // The capture takes mouse messages as input would route them.
    HWND target = GetCapture() != nullptr ? GetCapture() : control;
    if (target != control) {
      POINT p{x, y};
      MapWindowPoints(control, target, &p, 1);
      x = p.x;
      y = p.y;
    }
    PostMessageW(target, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
    Pump();
  }
  void Key(HWND control, UINT key, bool down) {
    PostMessageW(control, down ? WM_KEYDOWN : WM_KEYUP, key, down ? 1 : static_cast<LPARAM>(0xC0000001u));
    Pump();
  }

  // The WM_COMMAND notification codes the parent got from `control`, then forgotten.
  std::vector<WORD> Notifications(HWND control) {
    std::vector<WORD> codes;
    for (const SeenMessage& m : Take({WM_COMMAND})) {
      if (reinterpret_cast<HWND>(m.lparam) == control) codes.push_back(HIWORD(m.wparam));
    }
    return codes;
  }

  // The colour at a client point of a control, as painted.
  COLORREF Pixel(HWND control, int x, int y) {
    UpdateWindow(parent_);
    HDC dc = GetDC(control);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(control, dc);
    return c;
  }

  // Columns and rows of the control (or of `within` it) that hold `ink`, as a bounding
  // box (empty: none).
  RECT InkBox(HWND control, COLORREF ink, const RECT* within = nullptr) {
    return BoxOf(control, within, [ink](COLORREF c) { return c == ink; });
  }
  // The same for text: glyph edges are blended, so any dark pixel counts.
  RECT DarkBox(HWND control, const RECT* within = nullptr) {
    return BoxOf(control, within, [](COLORREF c) {
      return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
    });
  }
  template <class Wanted>
  RECT BoxOf(HWND control, const RECT* within, Wanted wanted) {
    UpdateWindow(parent_);
    RECT client;
    GetClientRect(control, &client);
    RECT area = within != nullptr ? *within : client;
    RECT box{client.right, client.bottom, -1, -1};
    HDC dc = GetDC(control);
    for (int y = area.top; y < area.bottom; ++y) {
      for (int x = area.left; x < area.right; ++x) {
        if (!wanted(GetPixel(dc, x, y))) continue;
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
    }
    ReleaseDC(control, dc);
    if (box.right < 0) return RECT{0, 0, 0, 0};
    return box;
  }

  // Writes the parent window's pixels to `path` (for looking at a failing test).
  void WritePicture(const char* path) {
    UpdateWindow(parent_);
    platform::user::Window* w = platform::user::FindWindowRecord(parent_);
    if (w == nullptr || !w->bitmap) return;
    platform::gdi::PixelSurface s;
    s.origin = w->bitmap->pixels.data();
    s.stride = s.width = w->bitmap->width;
    s.height = w->bitmap->height;
    platform::gdi::WritePng(s, path);
  }

  HWND parent_ = nullptr;
};
