// Drawing a scroll bar in the classic style (platform-internal): DrawFrameControl arrows,
// the thumb as a raised button, the track in `track` (the 50 % checker of COLOR_3DHILIGHT
// and COLOR_3DFACE by default); the part held down is drawn pressed (arrows flat, page
// areas inverted).
#pragma once

#include "platform/user/controls/scroll_bar_layout.h"

namespace platform::user::controls {

struct ScrollLook {
  UINT disabled_arrows = 0;  // ESB_DISABLE_LTUP / ESB_DISABLE_RTDN
  bool enabled = true;       // the whole bar
  ScrollPart pressed = ScrollPart::kNone;
  HBRUSH track = nullptr;    // null: the classic checker
};

void PaintScrollBar(HDC dc, const ScrollLayout& layout, const ScrollLook& look);

// The classic track: a 50 % checker of COLOR_3DHILIGHT and COLOR_3DFACE (made once).
HBRUSH CheckerTrackBrush();

}  // namespace platform::user::controls
