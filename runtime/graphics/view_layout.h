// How much of a surface's bitmap a window of a given client size shows, and which scroll
// bars it needs for the rest: a horizontal bar along the bottom where the bitmap is wider
// than what is shown, a vertical one along the right where it is taller; one bar takes
// room from the other direction, which may then need its own. A stretched surface shows
// its whole bitmap scaled and has no bars.
#pragma once

#include <algorithm>

#include "platform/win32.h"

namespace runtime {

struct ViewLayout {
  SIZE shown;  // the part of the client area that shows the bitmap
  bool horizontal_bar = false;
  bool vertical_bar = false;
};

inline ViewLayout LayOutView(SIZE client, SIZE bitmap, bool stretched) {
  ViewLayout layout{client};
  if (stretched) return layout;
  const LONG bar_height = GetSystemMetrics(SM_CYHSCROLL);
  const LONG bar_width = GetSystemMetrics(SM_CXVSCROLL);
  bool& horizontal = layout.horizontal_bar;
  bool& vertical = layout.vertical_bar;
  horizontal = bitmap.cx > client.cx;
  vertical = bitmap.cy > client.cy;
  if (horizontal && !vertical) vertical = bitmap.cy > client.cy - bar_height;
  if (vertical && !horizontal) horizontal = bitmap.cx > client.cx - bar_width;
  if (vertical) layout.shown.cx = std::max<LONG>(client.cx - bar_width, 0);
  if (horizontal) layout.shown.cy = std::max<LONG>(client.cy - bar_height, 0);
  return layout;
}

}  // namespace runtime
