// The screen as GDI sees it (platform-internal): its size and DPI, which the display
// backend sets when it starts, and the screen DC that GetDC(NULL) hands out.
//
// Headless and before any display says otherwise the screen is 1920 x 1080 at 96 DPI.
// The screen DC has no pixels of its own (windows are drawn through their window DCs):
// it answers GetDeviceCaps and makes compatible DCs and bitmaps, and drawing into it
// does nothing.
#pragma once

#include "platform/win32.h"

namespace platform::gdi {

struct ScreenInfo {
  int width = 1920;
  int height = 1080;
  int dpi = 96;
};

ScreenInfo GetScreenInfo();
void SetScreenInfo(const ScreenInfo& info);

// A new DC for the whole screen; ReleaseDC(NULL, dc) or DeleteDC releases it.
HDC ScreenDC();

}  // namespace platform::gdi
