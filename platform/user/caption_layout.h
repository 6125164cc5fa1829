// Where the parts of a window's frame lie, in window coordinates (platform-internal).
// Hit testing (WM_NCHITTEST) and frame painting (WM_NCPAINT) both use it.
//
// Classic layout: the caption bar is 18 px high (15 for tool windows) inside the frame,
// with a 1 px line below it; the small icon (16 x 16) sits 2 px from its left; the close
// box (16 x 14, 14 x 12 for tool windows) sits 2 px from its right and top. A window with
// WS_MINIMIZEBOX or WS_MAXIMIZEBOX (not a tool window) shows both boxes, 16 x 14 side by
// side 2 px left of the close box, the one its style lacks greyed.
#pragma once

#include "platform/user/window.h"

namespace platform::user {

struct CaptionLayout {
  bool has_caption = false;
  RECT caption{};    // the bar
  RECT icon{};       // empty without WS_SYSMENU or for tool windows and dialog frames
  RECT close_box{};  // empty without WS_SYSMENU
  RECT min_box{};    // empty without WS_MINIMIZEBOX / WS_MAXIMIZEBOX
  RECT max_box{};
  RECT text{};       // where the title goes
  int frame = 0;     // the outer frame width
};

CaptionLayout LayoutCaption(const Window& window);

// WM_NCHITTEST's default answer for a point in screen coordinates.
LRESULT HitTest(const Window& window, POINT screen);

}  // namespace platform::user
