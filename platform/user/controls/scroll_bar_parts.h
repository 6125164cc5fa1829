// A vertical scroll bar drawn and hit-tested inside a control's own code (platform-
// internal): the list box's WS_VSCROLL bar, in its non-client area, until the window core
// draws non-client scroll bars itself.
//
// Classic look: arrow buttons (DrawFrameControl DFC_SCROLL), a track in a 50% pattern of
// COLOR_3DHILIGHT and COLOR_SCROLLBAR, a raised thumb sized to the page; without a range
// to scroll (LBS_DISABLENOSCROLL) the arrows are inactive and there is no thumb.
#pragma once

#include "platform/win32.h"

namespace platform::user::controls {

struct ScrollRange {
  int min = 0;
  int max = 0;   // the last position of the content (count - 1)
  int page = 1;  // positions visible at once
  int pos = 0;   // the first visible position
  bool enabled() const { return max - min + 1 > page; }
  int last_pos() const { return max - page + 1 > min ? max - page + 1 : min; }
};

enum class ScrollPart { kNone, kLineUp, kPageUp, kThumb, kPageDown, kLineDown };

struct VerticalBarLayout {
  RECT up{};
  RECT down{};
  RECT track{};  // between the arrows
  RECT thumb{};  // empty when the range cannot scroll
};

VerticalBarLayout LayoutVerticalBar(const RECT& bar, const ScrollRange& range);
void PaintVerticalBar(HDC dc, const RECT& bar, const ScrollRange& range);
ScrollPart HitVerticalBar(const RECT& bar, const ScrollRange& range, POINT point);
// The position whose thumb would start at `thumb_top` (dragging the thumb).
int PositionFromThumbTop(const RECT& bar, const ScrollRange& range, int thumb_top);

}  // namespace platform::user::controls
