// Following a press on a caption box (see caption_box_tracking.h).
#include "platform/user/caption_box_tracking.h"

#include "platform/user/press_loop.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

// Shows the box pushed or not.
void ShowPushed(HWND window, LRESULT hit, bool pushed) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return;
  const LRESULT shown = pushed ? hit : HTNOWHERE;
  if (w->pushed_caption_box != shown) {
    w->pushed_caption_box = shown;
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  }
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
  ShowPushed(window, hit, true);
  const bool released = FollowPress(window, {
      .moved = [&](POINT screen) {
        inside = Over(window, hit, screen);
        ShowPushed(window, hit, inside);
      },
      .released = [&](POINT screen) { inside = Over(window, hit, screen); },
      .own = nullptr,
  });
  if (!IsWindow(window)) return false;
  if (!had_capture && GetCapture() == window) ReleaseCapture();
  ShowPushed(window, hit, false);
  return released && inside;
}

}  // namespace platform::user
