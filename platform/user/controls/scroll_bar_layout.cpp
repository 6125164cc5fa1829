// A scroll bar's numbers and geometry (see scroll_bar_layout.h).
#include "platform/user/controls/scroll_bar_layout.h"

#include <algorithm>
#include <cstdint>

namespace platform::user::controls {

int MaxScrollPos(const ScrollValues& v) {
  const std::int64_t page = std::max<UINT>(v.page, 1);
  const std::int64_t most = static_cast<std::int64_t>(v.max) - page + 1;
  return static_cast<int>(std::max<std::int64_t>(v.min, most));
}

int ClampScrollPos(const ScrollValues& v, int pos) {
  return std::clamp(pos, v.min, MaxScrollPos(v));
}

bool CanScroll(const ScrollValues& v) { return MaxScrollPos(v) > v.min; }

bool ApplyScrollInfo(ScrollValues& v, const SCROLLINFO& info) {
  if (info.cbSize != sizeof(SCROLLINFO) && info.cbSize != sizeof(SCROLLINFO) - sizeof(int)) {
    return false;
  }
  if (info.fMask & ~(SIF_ALL | SIF_DISABLENOSCROLL)) return false;
  if (info.fMask & SIF_RANGE) {
    v.min = info.nMin;
    v.max = std::max(info.nMin, info.nMax);
  }
  if (info.fMask & SIF_PAGE) v.page = info.nPage;
  // The page is at most the whole range.
  const std::int64_t range = static_cast<std::int64_t>(v.max) - v.min + 1;
  if (static_cast<std::int64_t>(v.page) > range) v.page = static_cast<UINT>(range);
  if (info.fMask & SIF_POS) v.pos = info.nPos;
  v.pos = ClampScrollPos(v, v.pos);
  return true;
}

ScrollLayout LayoutScrollBar(const RECT& bar, bool vertical, const ScrollValues& v, int pos,
                             bool enabled) {
  ScrollLayout layout;
  layout.vertical = vertical;
  layout.bar = bar;
  const int length = vertical ? bar.bottom - bar.top : bar.right - bar.left;
  const int thickness = vertical ? bar.right - bar.left : bar.bottom - bar.top;
  layout.length = std::max(length, 0);
  layout.arrow = std::max(0, std::min(thickness, layout.length / 2));
  const int track = layout.length - 2 * layout.arrow;
  if (!enabled || !CanScroll(v) || track < kMinThumb) return layout;
  const std::int64_t range = static_cast<std::int64_t>(v.max) - v.min + 1;
  std::int64_t thumb = v.page == 0 ? thickness : track * static_cast<std::int64_t>(v.page) / range;
  thumb = std::clamp<std::int64_t>(thumb, kMinThumb, track);
  layout.thumb_length = static_cast<int>(thumb);
  const std::int64_t span = static_cast<std::int64_t>(MaxScrollPos(v)) - v.min;
  const std::int64_t at = static_cast<std::int64_t>(ClampScrollPos(v, pos)) - v.min;
  layout.thumb_start = layout.arrow + static_cast<int>(layout.track_room() * at / span);
  return layout;
}

RECT ScrollPartRect(const ScrollLayout& layout, ScrollPart part) {
  int from = 0;
  int to = 0;
  const int thumb_end = layout.thumb_start + layout.thumb_length;
  const bool thumb = layout.thumb_length > 0;
  // Without a thumb the whole track is one "page before" area.
  switch (part) {
    case ScrollPart::kArrowBefore: from = 0; to = layout.arrow; break;
    case ScrollPart::kPageBefore: from = layout.arrow; to = thumb ? layout.thumb_start : layout.length - layout.arrow; break;
    case ScrollPart::kThumb: from = layout.thumb_start; to = thumb_end; break;
    case ScrollPart::kPageAfter: from = thumb ? thumb_end : 0; to = thumb ? layout.length - layout.arrow : 0; break;
    case ScrollPart::kArrowAfter: from = layout.length - layout.arrow; to = layout.length; break;
    case ScrollPart::kNone: break;
  }
  RECT r = layout.bar;
  if (layout.vertical) {
    r.top = layout.bar.top + from;
    r.bottom = layout.bar.top + to;
  } else {
    r.left = layout.bar.left + from;
    r.right = layout.bar.left + to;
  }
  return r;
}

ScrollPart HitScrollPart(const ScrollLayout& layout, POINT point) {
  if (!PtInRect(&layout.bar, point)) return ScrollPart::kNone;
  const int along = layout.vertical ? point.y - layout.bar.top : point.x - layout.bar.left;
  if (along < layout.arrow) return ScrollPart::kArrowBefore;
  if (along >= layout.length - layout.arrow) return ScrollPart::kArrowAfter;
  if (layout.thumb_length == 0) return ScrollPart::kNone;
  if (along < layout.thumb_start) return ScrollPart::kPageBefore;
  if (along < layout.thumb_start + layout.thumb_length) return ScrollPart::kThumb;
  return ScrollPart::kPageAfter;
}

int PosFromThumb(const ScrollLayout& layout, const ScrollValues& v, int thumb_start) {
  const int room = layout.track_room();
  if (room <= 0) return v.min;
  const std::int64_t offset = std::clamp(thumb_start - layout.arrow, 0, room);
  const std::int64_t span = static_cast<std::int64_t>(MaxScrollPos(v)) - v.min;
  return ClampScrollPos(v, static_cast<int>(v.min + (offset * span + room / 2) / room));
}

}  // namespace platform::user::controls
