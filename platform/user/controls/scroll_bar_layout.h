// A scroll bar's numbers and geometry, shared by the SCROLLBAR control and the window
// bars of WS_HSCROLL / WS_VSCROLL (platform-internal; pure functions, no windows).
//
// Positions run from nMin to MaxScrollPos = nMax - max(nPage, 1) + 1 (never below nMin).
// Along the bar: an arrow button at each end (square, or half the length each when the
// bar is short), the track between them, and in the track the thumb, whose length is the
// page's share of the range (square when nPage is 0, never under kMinThumb) and whose
// place is the position's share of the room left; no thumb when the bar cannot scroll or
// the track has no room for one.
#pragma once

#include "platform/win32.h"

namespace platform::user::controls {

struct ScrollValues {
  int min = 0;
  int max = 0;
  UINT page = 0;
  int pos = 0;
};

int MaxScrollPos(const ScrollValues& v);
int ClampScrollPos(const ScrollValues& v, int pos);
// Whether there is anywhere to scroll to (the range is larger than one page).
bool CanScroll(const ScrollValues& v);

// Applies the parts of `info` its fMask names (the page cut to the range, the position
// clamped); false when cbSize or fMask are not valid.
bool ApplyScrollInfo(ScrollValues& v, const SCROLLINFO& info);

enum class ScrollPart { kNone, kArrowBefore, kPageBefore, kThumb, kPageAfter, kArrowAfter };

struct ScrollLayout {
  bool vertical = false;
  RECT bar{};           // the whole bar
  int length = 0;       // along the bar
  int arrow = 0;        // each arrow button's length
  int thumb_start = 0;  // from the bar's start
  int thumb_length = 0; // 0: no thumb
  int track_room() const { return length - 2 * arrow - thumb_length; }
};

inline constexpr int kMinThumb = 8;

// The layout with the thumb standing for `pos`.
ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollValues& v, int pos,
                             bool enabled);

// The rectangle of a part of the bar.
RECT ScrollPartRect(const ScrollLayout& layout, ScrollPart part);
ScrollPart HitScrollPart(const ScrollLayout& layout, POINT point);

// The position whose thumb starts at `thumb_start` (from the bar's start), rounded to the
// nearest and clamped.
int PosFromThumb(const ScrollLayout& layout, const ScrollValues& v, int thumb_start);

}  // namespace platform::user::controls
