// BeginPaint, EndPaint and the painting DefWindowProcW does. Device contexts come with
// the graphics layer; until then painting validates without drawing.
#include "platform/user/default_painting.h"
#include "platform/user/painting_state.h"
#include "platform/user/window_table.h"

namespace platform::user {

void EraseNow(HWND window) {
  if (Window* w = FindWindowRecord(window)) w->erase_pending = false;
}

bool RegionBox(HRGN /*region*/, RECT* /*box*/) { return false; }

bool EraseWithClassBrush(HWND /*window*/, HDC /*dc*/) { return false; }

void PaintFrame(HWND window) {
  if (Window* w = FindWindowRecord(window)) w->frame_dirty = false;
}

HBRUSH DefaultControlColors(HDC /*dc*/, UINT /*message*/) { return nullptr; }

}  // namespace platform::user

extern "C" {

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr || paint == nullptr) return nullptr;
  *paint = PAINTSTRUCT{};
  if (w->frame_dirty) {
    w->frame_dirty = false;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    w = FindWindowRecord(window);
    if (w == nullptr) return nullptr;
  }
  paint->rcPaint = w->has_update ? w->update_rect : RECT{0, 0, 0, 0};
  bool erase = w->erase_pending;
  Validate(*w, nullptr);
  paint->fErase = erase ? TRUE : FALSE;
  w->in_paint = true;
  return nullptr;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* /*paint*/) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr) return FALSE;
  w->in_paint = false;
  return TRUE;
}

}  // extern "C"
