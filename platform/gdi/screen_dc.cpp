// The screen's size, DPI and DC, and GetDC / ReleaseDC for the NULL window.
//
// GetDC and ReleaseDC belong to the window system; until it takes them over they are
// defined here and answer only for the screen (a NULL window).
#include "platform/gdi/screen_dc.h"

#include <memory>
#include <mutex>

#include "platform/gdi/dc_selection.h"

namespace platform::gdi {
namespace {

std::mutex screen_mutex;
ScreenInfo screen;

}  // namespace

ScreenInfo GetScreenInfo() {
  std::lock_guard lock(screen_mutex);
  return screen;
}

void SetScreenInfo(const ScreenInfo& info) {
  std::lock_guard lock(screen_mutex);
  screen = info;
}

int ScreenDpi() { return GetScreenInfo().dpi; }

HDC ScreenDC() { return AddDc(std::make_unique<DeviceContext>(OBJ_DC)); }

}  // namespace platform::gdi

extern "C" {

HDC GetDC(HWND window) {
  if (window != nullptr) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return nullptr;
  }
  return platform::gdi::ScreenDC();
}

int ReleaseDC(HWND window, HDC dc) {
  platform::gdi::DeviceContext* context = platform::gdi::FindDc(dc);
  if (window != nullptr || context == nullptr || context->type() != OBJ_DC ||
      context->window != nullptr) {
    return 0;
  }
  platform::gdi::DestroyDc(*context);
  return 1;
}

}  // extern "C"
