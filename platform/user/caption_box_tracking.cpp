// Following a press on a caption box (see caption_box_tracking.h).
#include "platform/user/caption_box_tracking.h"

#include "platform/user/window_table.h"

namespace platform::user {
namespace {

bool IsMouseMessage(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// Shows the box pushed or not; false once the window is gone.
bool ShowPushed(HWND window, LRESULT hit, bool pushed) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return false;
  const LRESULT shown = pushed ? hit : HTNOWHERE;
  if (w->pushed_caption_box != shown) {
    w->pushed_caption_box = shown;
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  }
  return true;
}

bool Over(HWND window, LRESULT hit, POINT screen) {
  return SendMessageW(window, WM_NCHITTEST, 0,
                      MAKELPARAM(static_cast<WORD>(screen.x), static_cast<WORD>(screen.y))) == hit;
}

}  // namespace

bool TrackCaptionBox(HWND window, LRESULT hit) {
  if (!(GetKeyState(VK_LBUTTON) & 0x8000)) return true;
  const bool had_capture = GetCapture() == window;
  if (!had_capture) SetCapture(window);
  bool inside = true;
  bool released = false;
  ShowPushed(window, hit, true);
  while (IsWindow(window) && GetCapture() == window) {
    MSG msg;
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!(GetKeyState(VK_LBUTTON) & 0x8000)) break;  // released where we could not see
      WaitMessage();
      continue;
    }
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the program's own loop
      break;
    }
    if (!IsMouseMessage(msg.message)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      continue;
    }
    if (msg.hwnd != window) continue;
    POINT screen{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
    if (msg.message < WM_NCMOUSEMOVE || msg.message > WM_NCMBUTTONDBLCLK) ClientToScreen(window, &screen);
    inside = Over(window, hit, screen);
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
      released = true;
      break;
    }
    if (!ShowPushed(window, hit, inside)) return false;
  }
  if (!IsWindow(window)) return false;
  if (!had_capture && GetCapture() == window) ReleaseCapture();
  ShowPushed(window, hit, false);
  return released && inside;
}

}  // namespace platform::user
