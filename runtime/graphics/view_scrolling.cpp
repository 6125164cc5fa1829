#include "runtime/graphics/view_scrolling.h"

#include <algorithm>

#include "runtime/dialogs/graphic_engine_hooks.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/graphics/surface_core.h"

namespace runtime {
namespace {

constexpr int kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kThumbPosition = 4,
              kThumbTrack = 5, kTop = 6, kBottom = 7;

// The new offset on one axis, or -1 when the code moves nothing.
LONG NewOffset(int code, int thumb, LONG current, LONG line, LONG page, LONG last) {
  LONG next = current;
  switch (code) {
    case kLineUp: next = current - line; break;
    case kLineDown: next = current + line; break;
    case kPageUp: next = current - page; break;
    case kPageDown: next = current + page; break;
    case kThumbPosition:
    case kThumbTrack: next = thumb; break;
    case kTop: next = 0; break;
    case kBottom: next = last; break;
    default: return -1;
  }
  return std::clamp(next, LONG{0}, std::max(last, LONG{0}));
}

// The scroll bar that shows the view's position on one axis: the surface's own, or that
// of the graphic window around it.
HWND ViewBar(const DialogState& record, bool horizontal) {
  const int slot = horizontal ? 0 : 1;
  if (record.graphic.child_windows[slot] != nullptr) return record.graphic.child_windows[slot];
  const DialogState* window = find_record(record.parent);
  return window != nullptr ? window->graphic.child_windows[slot] : nullptr;
}

}  // namespace

void set_view_scrolling(bool on) {
  DrawingScope scope;
  if (!scope) return;
  if (on) {
    scope.surface()->flags |= GRAPHIC_ARROWS_SCROLL;
  } else {
    scope.surface()->flags &= ~GRAPHIC_ARROWS_SCROLL;
  }
}

bool graphic_engine_scroll(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  const bool horizontal = message == WM_HSCROLL;
  LONG offset = -1;
  HWND bar = reinterpret_cast<HWND>(lParam);
  take_graphic_lock();
  DialogState* record = find_record(control);
  if (record == nullptr || record->kind != kind::kGraphicControl ||
      (record->flags & GRAPHIC_ARROWS_SCROLL) == 0) {
    release_graphic_lock();
    return false;
  }
  GraphicSurface& s = record->graphic;
  const int code = LOWORD(wParam);
  const int thumb = HIWORD(wParam);
  if (horizontal) {
    offset = NewOffset(code, thumb, s.scroll.x, std::max(s.char_width, LONG{1}),
                       std::max(s.client_size.cx, LONG{1}), s.bitmap_size.cx - s.client_size.cx);
    if (offset >= 0) s.scroll.x = offset;
  } else {
    offset = NewOffset(code, thumb, s.scroll.y,
                       std::max(s.char_height + s.external_leading, LONG{1}),
                       std::max(s.client_size.cy, LONG{1}), s.bitmap_size.cy - s.client_size.cy);
    if (offset >= 0) s.scroll.y = offset;
  }
  if (bar == nullptr) bar = ViewBar(*record, horizontal);
  release_graphic_lock();

  if (offset < 0) return true;  // SB_ENDSCROLL and the like: nothing moves
  if (bar != nullptr) {
    SetScrollPos(bar, SB_CTL, offset, TRUE);
  } else if (GetWindowLongW(control, GWL_STYLE) & (horizontal ? WS_HSCROLL : WS_VSCROLL)) {
    SetScrollPos(control, horizontal ? SB_HORZ : SB_VERT, offset, TRUE);  // its own bars
  }
  InvalidateRect(control, nullptr, FALSE);
  UpdateWindow(control);
  return true;
}

void graphic_engine_message(HWND control, WPARAM, LPARAM) {
  take_graphic_lock();
  DialogState* record = find_record(control);
  if (record != nullptr && record->kind == kind::kGraphicControl &&
      (record->flags & REDRAW_PENDING) != 0) {
    refresh_surface(*record);
  }
  release_graphic_lock();
}

}  // namespace runtime
