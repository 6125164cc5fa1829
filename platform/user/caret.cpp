// Carets for the edit controls. One caret per thread. It is drawn (inverted) while it is
// shown and its window has the focus, without blinking: captures and tests see one stable
// picture. CreateCaret leaves it hidden, ShowCaret and HideCaret nest, as in Windows.
#include "platform/user/message_queue.h"
#include "platform/user/window_table.h"

extern "C" {

BOOL CreateCaret(HWND window, HBITMAP /*bitmap: a solid caret is drawn*/, int width, int height) {
  using namespace platform::user;
  if (LiveWindow(window) == nullptr) return FALSE;
  MessageQueue& queue = CurrentQueue();
  queue.caret = Caret{};
  queue.caret.window = window;
  queue.caret.width = width > 0 ? width : GetSystemMetrics(SM_CXBORDER);
  queue.caret.height = height > 0 ? height : GetSystemMetrics(SM_CYBORDER);
  return TRUE;
}

BOOL DestroyCaret() {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window == nullptr) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  queue.caret = Caret{};
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window == nullptr) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  queue.caret.position = POINT{x, y};
  return TRUE;
}

BOOL GetCaretPos(LPPOINT point) {
  using namespace platform::user;
  if (point == nullptr) return FALSE;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window == nullptr) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  *point = queue.caret.position;
  return TRUE;
}

BOOL ShowCaret(HWND window) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window == nullptr || (window != nullptr && window != queue.caret.window)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  if (queue.caret.hide_count > 0) --queue.caret.hide_count;
  return TRUE;
}

BOOL HideCaret(HWND window) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window == nullptr || (window != nullptr && window != queue.caret.window)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  ++queue.caret.hide_count;
  return TRUE;
}

UINT GetCaretBlinkTime() { return 530; }

}  // extern "C"
