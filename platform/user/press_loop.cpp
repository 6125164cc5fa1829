#include "platform/user/press_loop.h"

namespace platform::user {
namespace {

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

bool IsNonClient(UINT message) { return message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK; }

}  // namespace

bool FollowPress(HWND window, const PressSteps& steps) {
  while (IsWindow(window) && GetCapture() == window) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!(GetKeyState(VK_LBUTTON) & 0x8000)) return false;  // released where we could not see
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the program's own loop
      return false;
    }
    if (IsMouseMessage(msg.message)) {
      if (msg.hwnd != window) continue;
      POINT screen{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      if (!IsNonClient(msg.message)) ClientToScreen(window, &screen);
      if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
        steps.released(screen);
        return true;
      }
      if (msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) steps.moved(screen);
      continue;
    }
    if (steps.own && steps.own(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return false;
}

}  // namespace platform::user
