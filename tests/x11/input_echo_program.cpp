// A small Windows program, written only against platform/win32.h, that reports the input its
// window receives, one line per message, so the X tests can check what keys and buttons
// become:
//   key VK SCAN          WM_KEYDOWN: virtual-key code and scan code (bit 8: extended), hex
//   char U+XXXX shift=N caps=N  WM_CHAR: the character, whether GetKeyState saw Shift down
//                        and Caps Lock on
//   down X Y / up X Y    left button pressed / released, client coordinates
//   double X Y           WM_LBUTTONDBLCLK (the class asks for double clicks)
//   wheel DELTA          WM_MOUSEWHEEL
//   active N             WM_ACTIVATE's state (0 inactive, 1 active, 2 by a click)
// It ends when its window is closed.
#include <cstdio>

#include "platform/win32.h"

namespace {

LRESULT Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  const int x = static_cast<short>(LOWORD(lparam));
  const int y = static_cast<short>(HIWORD(lparam));
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      std::printf("key %02X %03X\n", static_cast<unsigned>(wparam),
                  static_cast<unsigned>((lparam >> 16) & 0x1FF));
      break;
    case WM_CHAR:
      std::printf("char U+%04X shift=%d caps=%d\n", static_cast<unsigned>(wparam),
                  (GetKeyState(VK_SHIFT) & 0x8000) != 0 ? 1 : 0, GetKeyState(VK_CAPITAL) & 1);
      return 0;
    case WM_LBUTTONDOWN:
      std::printf("down %d %d\n", x, y);
      return 0;
    case WM_LBUTTONUP:
      std::printf("up %d %d\n", x, y);
      return 0;
    case WM_LBUTTONDBLCLK:
      std::printf("double %d %d\n", x, y);
      return 0;
    case WM_MOUSEWHEEL:
      std::printf("wheel %d\n", GET_WHEEL_DELTA_WPARAM(wparam));
      return 0;
    case WM_ACTIVATE:
      std::printf("active %d\n", static_cast<int>(LOWORD(wparam)));
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  WNDCLASSW window_class{};
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = Procedure;
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = u"InputEcho";
  if (!RegisterClassW(&window_class)) return 100;
  HWND window = CreateWindowExW(0, u"InputEcho", u"Input echo", WS_OVERLAPPEDWINDOW,
                                CW_USEDEFAULT, CW_USEDEFAULT, 240, 120, nullptr, nullptr, nullptr,
                                nullptr);
  if (window == nullptr) return 101;
  ShowWindow(window, SW_SHOWDEFAULT);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
