// Carets for the edit controls. One caret per thread. It is drawn (its pixels inverted)
// while it is shown, without blinking: captures and tests see one stable picture.
// CreateCaret leaves it hidden; ShowCaret and HideCaret nest, as in Windows.
#include <algorithm>

#include "platform/user/caret_drawing.h"
#include "platform/user/display_link.h"
#include "platform/user/message_queue.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

// Inverts the caret's rectangle on its top-level window's pixels.
void InvertCaret(const Caret& caret) {
  Window* w = FindWindowRecord(caret.window);
  Window* top = FindWindowRecord(RootOf(caret.window));
  if (w == nullptr || top == nullptr || !top->bitmap) return;
  RECT r{w->client_rect.left + caret.position.x, w->client_rect.top + caret.position.y,
         w->client_rect.left + caret.position.x + caret.width,
         w->client_rect.top + caret.position.y + caret.height};
  r.left = std::max(r.left, w->client_rect.left);
  r.top = std::max(r.top, w->client_rect.top);
  r.right = std::min(r.right, w->client_rect.right);
  r.bottom = std::min(r.bottom, w->client_rect.bottom);
  RECT in_top{r.left - top->window_rect.left, r.top - top->window_rect.top,
              r.right - top->window_rect.left, r.bottom - top->window_rect.top};
  WindowBitmap& bitmap = *top->bitmap;
  for (LONG y = std::max<LONG>(in_top.top, 0); y < std::min<LONG>(in_top.bottom, bitmap.height); ++y) {
    for (LONG x = std::max<LONG>(in_top.left, 0); x < std::min<LONG>(in_top.right, bitmap.width); ++x) {
      bitmap.pixels[static_cast<std::size_t>(y) * bitmap.width + x] ^= 0x00FFFFFF;
    }
  }
  DisplayWindowPainted(top->handle, in_top);
}

bool ShouldShow(const Caret& caret) {
  return caret.window != nullptr && caret.hide_count == 0 && IsWindowVisible(caret.window);
}

}  // namespace

void HideCaretPixels(HWND window) {
  Caret& caret = CurrentQueue().caret;
  if (!caret.drawn || RootOf(window) != RootOf(caret.window)) return;
  InvertCaret(caret);
  caret.drawn = false;
}

void ShowCaretPixels(HWND window) {
  Caret& caret = CurrentQueue().caret;
  if (caret.drawn || !ShouldShow(caret)) return;
  if (window != nullptr && RootOf(window) != RootOf(caret.window)) return;
  InvertCaret(caret);
  caret.drawn = true;
}

}  // namespace platform::user

extern "C" {

BOOL CreateCaret(HWND window, HBITMAP /*bitmap: a solid caret is drawn*/, int width, int height) {
  using namespace platform::user;
  if (LiveWindow(window) == nullptr) return FALSE;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window != nullptr) HideCaretPixels(queue.caret.window);
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
  HideCaretPixels(queue.caret.window);
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
  HideCaretPixels(queue.caret.window);
  queue.caret.position = POINT{x, y};
  ShowCaretPixels(queue.caret.window);
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
  ShowCaretPixels(queue.caret.window);
  return TRUE;
}

BOOL HideCaret(HWND window) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  if (queue.caret.window == nullptr || (window != nullptr && window != queue.caret.window)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  HideCaretPixels(queue.caret.window);
  ++queue.caret.hide_count;
  return TRUE;
}

UINT GetCaretBlinkTime() { return 530; }

}  // extern "C"
