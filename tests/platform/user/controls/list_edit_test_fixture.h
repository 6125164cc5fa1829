// Controls under test: a visible parent window (recording every message, WM_COMMAND
// notifications among them) with the dialog font, and input as a user gives it: keys as
// WM_KEYDOWN / WM_CHAR with modifier keys held in the thread's key state, clicks as
// WM_LBUTTONDOWN / WM_LBUTTONUP.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/user/message_queue.h"
#include "tests/platform/user/window_test_fixture.h"

class ListEditTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    parent_ = Create(WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, nullptr, 0, WS_EX_DLGMODALFRAME,
                     RECT{40, 40, 440, 340}, u"Controls");
    LOGFONTW font{};
    font.lfHeight = -11;
    const char16_t face[] = u"MS Sans Serif";
    std::copy(std::begin(face), std::end(face), font.lfFaceName);
    font_ = CreateFontIndirectW(&font);
  }
  void TearDown() override {
    for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU}) Hold(vk, false);
    WindowTest::TearDown();
    DeleteObject(font_);
  }

  HWND Make(const WCHAR* class_name, DWORD style, RECT place, const WCHAR* text = u"",
            int id = 100, DWORD ex_style = 0) {
    HWND control = CreateWindowExW(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | style,
                                   place.left, place.top, place.right - place.left,
                                   place.bottom - place.top, parent_,
                                   reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)), nullptr,
                                   nullptr);
    if (control != nullptr) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    Take();
    return control;
  }

  static void Hold(int vk, bool down) {
    BYTE& state = platform::user::CurrentQueue().key_state[vk];
    state = static_cast<BYTE>(down ? (state | 0x80) : (state & ~0x80));
  }
  // A key press with modifiers ("shift", "ctrl", "alt") held around it.
  static void Key(HWND control, int vk, std::initializer_list<int> held = {}) {
    for (int m : held) Hold(m, true);
    bool alt = std::find(held.begin(), held.end(), VK_MENU) != held.end();
    SendMessageW(control, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, static_cast<WPARAM>(vk),
                 alt ? (1 << 29) | 1 : 1);
    SendMessageW(control, alt ? WM_SYSKEYUP : WM_KEYUP, static_cast<WPARAM>(vk), 0xC0000001);
    for (int m : held) Hold(m, false);
  }
  static void Type(HWND control, std::u16string_view text) {
    for (char16_t c : text) SendMessageW(control, WM_CHAR, c, 1);
  }
  static void Click(HWND control, int x, int y, std::initializer_list<int> held = {},
                    bool twice = false) {
    for (int m : held) Hold(m, true);
    WPARAM keys = MK_LBUTTON;
    SendMessageW(control, WM_LBUTTONDOWN, keys, MAKELPARAM(x, y));
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    if (twice) {
      SendMessageW(control, WM_LBUTTONDBLCLK, keys, MAKELPARAM(x, y));
      SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    for (int m : held) Hold(m, false);
  }

  // The notification codes the parent got through WM_COMMAND since the last call.
  std::vector<WORD> Notifications() {
    std::vector<WORD> codes;
    for (const SeenMessage& m : Take({WM_COMMAND})) codes.push_back(HIWORD(m.wparam));
    return codes;
  }

  static std::u16string TextOf(HWND window) {
    WCHAR buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
  }

  HWND parent_ = nullptr;
  HFONT font_ = nullptr;
};
