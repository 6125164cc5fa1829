#include "runtime/graphics/redraw_policy.h"

#include <algorithm>

namespace runtime {
namespace {

RECT Normalised(RECT r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

bool IsEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

// Pending rectangle and the new one together (an empty one adds nothing).
RECT Merged(const RECT& pending, const RECT& added) {
  if (IsEmpty(added)) return pending;
  if (IsEmpty(pending)) return added;
  return {std::min(pending.left, added.left), std::min(pending.top, added.top),
          std::max(pending.right, added.right), std::max(pending.bottom, added.bottom)};
}

}  // namespace

void mark_dirty(DialogState& surface, RECT touched, DirtyMode mode) {
  GraphicSurface& s = surface.graphic;
  RECT r = Normalised(touched);
  if (mode == DirtyMode::kPenWidth) {
    const LONG margin = std::max(s.pen_width, 0) / 2 + 1;
    r = {r.left - margin, r.top - margin, r.right + margin, r.bottom + margin};
  }
  r = {std::max(r.left, LONG{0}), std::max(r.top, LONG{0}), std::min(r.right, s.bitmap_size.cx),
       std::min(r.bottom, s.bitmap_size.cy)};
  s.pending_redraw = Merged(s.pending_redraw, r);
  surface.flags |= REDRAW_PENDING;

  if ((surface.flags & REDRAW_DEFERRED) != 0) return;
  if ((surface.flags & REDRAW_BATCHED) != 0) {
    ++s.pending_count;
    if (s.pending_count < kBatchedOperations && (surface.flags & REDRAW_NOW) == 0) return;
  }
  refresh_surface(surface);
}

void refresh_surface(DialogState& surface) {
  GraphicSurface& s = surface.graphic;
  const bool whole = (surface.flags & GRAPHIC_STRETCHED) != 0;
  // The window shows the bitmap from the pixel offset on: window = bitmap - offset.
  RECT shown = s.pending_redraw;
  OffsetRect(&shown, -s.scroll.x, -s.scroll.y);
  InvalidateRect(surface.hwnd, whole ? nullptr : &shown, FALSE);
  s.pending_redraw = RECT{};
  UpdateWindow(surface.hwnd);
  surface.flags &= ~(REDRAW_PENDING | REDRAW_NOW);
  s.pending_count = 0;
}

}  // namespace runtime
