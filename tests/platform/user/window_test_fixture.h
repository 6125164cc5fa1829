// Windows under test: the headless display, a window class whose procedure records every
// message it gets (and lets a test answer some of them), and a clean-up that destroys
// what a test left and unregisters the class.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "tests/platform/headless_display_fixture.h"

struct SeenMessage {
  HWND window;
  UINT message;
  WPARAM wparam;
  LPARAM lparam;
};

inline const char* MessageName(UINT message) {
  switch (message) {
#define NAME(m) \
  case m:       \
    return #m;
    NAME(WM_CREATE) NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE)
    NAME(WM_SETFOCUS) NAME(WM_KILLFOCUS) NAME(WM_ENABLE) NAME(WM_SETTEXT) NAME(WM_GETTEXT)
    NAME(WM_GETTEXTLENGTH) NAME(WM_PAINT) NAME(WM_CLOSE) NAME(WM_QUIT) NAME(WM_ERASEBKGND)
    NAME(WM_SHOWWINDOW) NAME(WM_ACTIVATEAPP) NAME(WM_MOUSEACTIVATE) NAME(WM_GETMINMAXINFO)
    NAME(WM_WINDOWPOSCHANGING) NAME(WM_WINDOWPOSCHANGED) NAME(WM_STYLECHANGING)
    NAME(WM_STYLECHANGED) NAME(WM_NCCREATE) NAME(WM_NCDESTROY) NAME(WM_NCCALCSIZE)
    NAME(WM_NCHITTEST) NAME(WM_NCPAINT) NAME(WM_NCACTIVATE) NAME(WM_KEYDOWN) NAME(WM_KEYUP)
    NAME(WM_CHAR) NAME(WM_SYSKEYDOWN) NAME(WM_SYSKEYUP) NAME(WM_SYSCHAR) NAME(WM_DEADCHAR)
    NAME(WM_COMMAND) NAME(WM_SYSCOMMAND) NAME(WM_TIMER) NAME(WM_MOUSEMOVE) NAME(WM_LBUTTONDOWN)
    NAME(WM_LBUTTONUP) NAME(WM_LBUTTONDBLCLK) NAME(WM_PARENTNOTIFY) NAME(WM_CAPTURECHANGED)
    NAME(WM_NCLBUTTONDOWN) NAME(WM_NCLBUTTONUP) NAME(WM_MOUSEWHEEL) NAME(WM_SETCURSOR)
    NAME(WM_USER)
#undef NAME
    default:
      return "WM_?";
  }
}

class WindowTest : public HeadlessDisplayTest {
 protected:
  static constexpr const WCHAR* kClass = u"VestralinoTestWindow";
  // Answers a message instead of DefWindowProcW when it returns a value.
  using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  void SetUp() override {
    UseScript("");
    current() = this;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Procedure;
    wc.cbWndExtra = 32;
    wc.lpszClassName = kClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<LONG_PTR>(5 + 1));  // COLOR_WINDOW
    ASSERT_NE(RegisterClassExW(&wc), 0);
  }

  void TearDown() override {
    handler_ = nullptr;
    while (HWND top = GetTopWindow(nullptr)) {
      if (!DestroyWindow(top)) break;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    UnregisterClassW(kClass, nullptr);
    current() = nullptr;
    HeadlessDisplayTest::TearDown();
  }

  HWND Create(DWORD style = WS_OVERLAPPEDWINDOW, HWND parent = nullptr, int id = 0,
              DWORD ex_style = 0, RECT place = RECT{10, 20, 210, 170},
              const WCHAR* text = u"Test") {
    return CreateWindowExW(ex_style, kClass, text, style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(static_cast<LONG_PTR>(id)), nullptr, nullptr);
  }
  HWND CreateChild(HWND parent, int id, RECT place = RECT{5, 5, 55, 25},
                   DWORD style = WS_CHILD | WS_VISIBLE) {
    return Create(style, parent, id, 0, place, u"child");
  }

  // The messages seen since the last call, of the listed kinds only (all when empty).
  std::vector<SeenMessage> Take(const std::vector<UINT>& kinds = {}) {
    std::vector<SeenMessage> out;
    for (const SeenMessage& m : seen_) {
      if (kinds.empty() || std::find(kinds.begin(), kinds.end(), m.message) != kinds.end()) {
        out.push_back(m);
      }
    }
    seen_.clear();
    return out;
  }
  // "WM_CREATE a" lines: the message and the name given to the window that got it.
  std::vector<std::string> TakeNames(const std::vector<UINT>& kinds = {}) {
    std::vector<std::string> out;
    for (const SeenMessage& m : Take(kinds)) {
      std::string who = "?";
      for (auto& [window, name] : names_) {
        if (window == m.window) who = name;
      }
      out.push_back(std::string(MessageName(m.message)) + " " + who);
    }
    return out;
  }
  void Name(HWND window, const std::string& name) { names_.push_back({window, name}); }

  // Runs every message there is without waiting.
  void Pump() {
    MSG msg;
    for (int i = 0; i < 1000 && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }

  static WindowTest*& current() {
    static WindowTest* test = nullptr;
    return test;
  }

  Handler handler_;

 private:
  static LRESULT Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    WindowTest* test = current();
    if (test != nullptr) {
      test->seen_.push_back({window, message, wparam, lparam});
      if (test->handler_) {
        if (auto answer = test->handler_(window, message, wparam, lparam)) return *answer;
      }
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }

  std::vector<SeenMessage> seen_;
  std::vector<std::pair<HWND, std::string>> names_;
};
