// A small Windows program, written only against platform/win32.h: it registers a class,
// creates a window with a child, pumps with PeekMessageW and quits when the window is
// closed. No start-up call of the platform's: an ordinary main.
//
// Output: "clicked N" for each click on the child, "typed TEXT" at the end, and the exit
// code is the number of clicks.
#include <cstdio>
#include <string>

#include "platform/win32.h"

namespace {

int clicks = 0;
std::string typed;
HWND child = nullptr;

LRESULT ChildProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_LBUTTONUP) {
    std::printf("clicked %d\n", ++clicks);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

LRESULT MainProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CREATE:
      child = CreateWindowExW(0, u"PlainChild", u"Hello", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24,
                              window, reinterpret_cast<HMENU>(100), nullptr, nullptr);
      return child != nullptr ? 0 : -1;
    case WM_CHAR:
      if (wparam < 0x80) typed += static_cast<char>(wparam);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(clicks);
      return 0;
    default:
      return DefWindowProcW(window, message, wparam, lparam);
  }
}

}  // namespace

int main() {
  WNDCLASSEXW main_class{};
  main_class.cbSize = sizeof main_class;
  main_class.lpfnWndProc = MainProcedure;
  main_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main_class.lpszClassName = u"PlainMain";
  WNDCLASSW child_class{};
  child_class.lpfnWndProc = ChildProcedure;
  child_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  child_class.lpszClassName = u"PlainChild";
  if (!RegisterClassExW(&main_class) || !RegisterClassW(&child_class)) return 100;

  HWND window = CreateWindowExW(0, u"PlainMain", u"Plain", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 240, 120, nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return 101;
  ShowWindow(window, SW_SHOWDEFAULT);
  UpdateWindow(window);
  SetFocus(window);

  MSG msg;
  for (;;) {
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) break;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    } else {
      Sleep(1);
    }
  }
  std::printf("typed %s\n", typed.c_str());
  return static_cast<int>(msg.wParam);
}
