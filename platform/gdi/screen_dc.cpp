// The screen's size, DPI and DC. GetDC(NULL) and ReleaseDC belong to the window system
// (platform/user/window_dc.cpp), which hands out ScreenDC() for the NULL window.
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
