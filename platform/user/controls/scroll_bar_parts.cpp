// A control's own vertical scroll bar (see scroll_bar_parts.h).
#include "platform/user/controls/scroll_bar_parts.h"

#include <algorithm>
#include <cstdint>

namespace platform::user::controls {
namespace {

constexpr int kMinThumb = 8;

int ArrowHeight(const RECT& bar) {
  int width = bar.right - bar.left;
  return std::min<int>(width, (bar.bottom - bar.top) / 2);
}

}  // namespace

VerticalBarLayout LayoutVerticalBar(const RECT& bar, const ScrollRange& range) {
  VerticalBarLayout layout;
  int arrow = ArrowHeight(bar);
  layout.up = RECT{bar.left, bar.top, bar.right, bar.top + arrow};
  layout.down = RECT{bar.left, bar.bottom - arrow, bar.right, bar.bottom};
  layout.track = RECT{bar.left, layout.up.bottom, bar.right, layout.down.top};
  int track = layout.track.bottom - layout.track.top;
  if (!range.enabled() || track < kMinThumb) return layout;
  int span = range.max - range.min + 1;
  int thumb = std::max(kMinThumb, static_cast<int>(static_cast<long long>(track) * range.page / span));
  int travel = track - thumb;
  int steps = std::max(1, range.last_pos() - range.min);
  long long along = static_cast<long long>(travel) * (std::clamp(range.pos, range.min, range.last_pos()) - range.min);
  int top = layout.track.top + static_cast<int>((2 * along + steps) / (2 * steps));  // rounded
  layout.thumb = RECT{bar.left, top, bar.right, top + thumb};
  return layout;
}

void PaintVerticalBar(HDC dc, const RECT& bar, const ScrollRange& range) {
  VerticalBarLayout layout = LayoutVerticalBar(bar, range);
  UINT inactive = range.enabled() ? 0 : DFCS_INACTIVE;
  RECT up = layout.up;
  RECT down = layout.down;
  DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | inactive);
  DrawFrameControl(dc, &down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive);

  // The track: a checker of highlight and scroll-bar colour, fixed to the window.
  COLORREF light = GetSysColor(COLOR_3DHILIGHT);
  COLORREF face = GetSysColor(COLOR_SCROLLBAR);
  if (light == face) face = GetSysColor(COLOR_BTNFACE);
  std::uint32_t pixels[64];
  auto pixel = [](COLORREF c) {
    return static_cast<std::uint32_t>(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
  };
  for (int i = 0; i < 64; ++i) pixels[i] = ((i / 8 + i % 8) % 2 == 0) ? pixel(light) : pixel(face);
  HBITMAP pattern = CreateBitmap(8, 8, 1, 32, pixels);
  HBRUSH track = CreatePatternBrush(pattern);
  FillRect(dc, &layout.track, track);
  DeleteObject(track);
  DeleteObject(pattern);

  if (layout.thumb.bottom > layout.thumb.top) {
    RECT thumb = layout.thumb;
    DrawEdge(dc, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
  }
}

ScrollPart HitVerticalBar(const RECT& bar, const ScrollRange& range, POINT point) {
  if (!PtInRect(&bar, point) || !range.enabled()) return ScrollPart::kNone;
  VerticalBarLayout layout = LayoutVerticalBar(bar, range);
  if (PtInRect(&layout.up, point)) return ScrollPart::kLineUp;
  if (PtInRect(&layout.down, point)) return ScrollPart::kLineDown;
  if (PtInRect(&layout.thumb, point)) return ScrollPart::kThumb;
  return point.y < layout.thumb.top ? ScrollPart::kPageUp : ScrollPart::kPageDown;
}

int PositionFromThumbTop(const RECT& bar, const ScrollRange& range, int thumb_top) {
  VerticalBarLayout layout = LayoutVerticalBar(bar, range);
  int travel = (layout.track.bottom - layout.track.top) - (layout.thumb.bottom - layout.thumb.top);
  if (travel <= 0) return range.min;
  int steps = range.last_pos() - range.min;
  int offset = std::clamp(thumb_top - static_cast<int>(layout.track.top), 0, travel);
  // Several positions to a pixel: the first position whose thumb starts there; fewer: the
  // nearest position.
  long long position = 0;
  if (steps > travel) {
    long long numerator = std::max(0LL, (2LL * offset - 1) * steps);
    position = (numerator + 2LL * travel - 1) / (2LL * travel);
  } else {
    position = (2LL * offset * steps + travel) / (2LL * travel);
  }
  return range.min + static_cast<int>(position);
}

}  // namespace platform::user::controls
