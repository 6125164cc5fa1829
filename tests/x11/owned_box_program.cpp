// A small Windows program, written only against platform/win32.h, that shows a message box
// owned by its main window: the X tests read the owner link back from the box's X window.
// Output: "answer N" (the box's result); the exit code is 0 when the box ran.
#include <cstdio>

#include "platform/win32.h"

namespace {

LRESULT MainProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int main() {
  WNDCLASSW main_class{};
  main_class.lpfnWndProc = MainProcedure;
  main_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  main_class.lpszClassName = u"OwnerMain";
  if (!RegisterClassW(&main_class)) return 100;
  HWND window = CreateWindowExW(0, u"OwnerMain", u"Owner", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                CW_USEDEFAULT, 240, 120, nullptr, nullptr, nullptr, nullptr);
  if (window == nullptr) return 101;
  ShowWindow(window, SW_SHOWDEFAULT);
  UpdateWindow(window);
  const int answer = MessageBoxW(window, u"Owned?", u"Owned box", MB_OKCANCEL);
  std::printf("answer %d\n", answer);
  DestroyWindow(window);
  return answer != 0 ? 0 : 1;
}
