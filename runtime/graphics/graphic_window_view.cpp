#include "runtime/graphics/graphic_window_view.h"

#include <algorithm>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/graphics/graphic_lock.h"
#include "runtime/graphics/graphic_window.h"
#include "runtime/graphics/surface_resize.h"
#include "runtime/graphics/view_layout.h"

namespace runtime {
namespace {

// Index of a bar in the surface's child_windows, as the scroll handling expects them.
constexpr int kHorizontalBar = 0, kVerticalBar = 1;

// A bar's range: the bitmap's extent, a page of what is shown, the view's offset.
void SetBar(HWND window, int bar, LONG extent, LONG page, LONG position) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMax = extent - 1;
  info.nPage = static_cast<UINT>(page);
  info.nPos = position;
  SetScrollInfo(window, bar, &info, TRUE);
}

// The view's fields for a new shown size, under the graphic lock (the drawing operations
// read them too): the offset kept inside the bitmap, and scrolling by keys while there are
// bars. Returns the offset.
POINT ApplyView(DialogState& record, SIZE shown, bool bars) {
  GraphicSurface& s = record.graphic;
  take_graphic_lock();
  s.client_size = shown;
  s.scroll.x = std::clamp<LONG>(s.scroll.x, 0, std::max<LONG>(s.bitmap_size.cx - shown.cx, 0));
  s.scroll.y = std::clamp<LONG>(s.scroll.y, 0, std::max<LONG>(s.bitmap_size.cy - shown.cy, 0));
  if (bars) {
    record.flags |= GRAPHIC_ARROWS_SCROLL;
  } else {
    record.flags &= ~GRAPHIC_ARROWS_SCROLL;
  }
  const POINT scroll = s.scroll;
  release_graphic_lock();
  return scroll;
}

struct BarPlace {
  int x, y, width, height;
};

// The bar at its place, made when missing, with the range of the bitmap and a page of
// what is shown.
void ShowBar(HWND frame, HWND& bar, bool horizontal, BarPlace place, LONG extent, LONG page,
             LONG position) {
  if (bar == nullptr) {
    bar = CreateWindowExW(0, u"SCROLLBAR", nullptr,
                          WS_CHILD | WS_VISIBLE | (horizontal ? SBS_HORZ : SBS_VERT), place.x,
                          place.y, place.width, place.height, frame, nullptr,
                          GetModuleHandleW(nullptr), nullptr);
    if (bar == nullptr) return;
  } else {
    SetWindowPos(bar, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetBar(bar, SB_CTL, extent, page, position);
}

void DropBar(HWND& bar) {
  if (bar != nullptr) DestroyWindow(bar);
  bar = nullptr;
}

}  // namespace

void lay_out_graphic_view(HWND window) {
  HWND surface = graphic_window_surface(window);
  DialogState* record = find_record(surface);
  if (record == nullptr) return;
  RECT client{};
  GetClientRect(window, &client);
  GraphicSurface& s = record->graphic;
  const bool stretched = (record->flags & GRAPHIC_STRETCHED) != 0;
  const ViewLayout layout = LayOutView(SIZE{client.right, client.bottom}, s.bitmap_size, stretched);

  const POINT scroll = ApplyView(*record, layout.shown, layout.horizontal_bar || layout.vertical_bar);

  SetWindowPos(surface, nullptr, 0, 0, layout.shown.cx, layout.shown.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  HWND* bars = s.child_windows;
  if (layout.horizontal_bar) {
    ShowBar(window, bars[kHorizontalBar], true,
            BarPlace{0, layout.shown.cy, layout.shown.cx, client.bottom - layout.shown.cy},
            s.bitmap_size.cx, layout.shown.cx, scroll.x);
  } else {
    DropBar(bars[kHorizontalBar]);
  }
  if (layout.vertical_bar) {
    ShowBar(window, bars[kVerticalBar], false,
            BarPlace{layout.shown.cx, 0, client.right - layout.shown.cx, layout.shown.cy},
            s.bitmap_size.cy, layout.shown.cy, scroll.y);
  } else {
    DropBar(bars[kVerticalBar]);
  }
  InvalidateRect(surface, nullptr, FALSE);
}

bool set_graphic_window_view(HWND window, int view_width, int view_height) {
  HWND surface = graphic_window_surface(window);
  if (surface == nullptr || !resize_surface_bitmap(surface, view_width, view_height)) return false;
  lay_out_graphic_view(window);
  return true;
}

}  // namespace runtime

namespace runtime {

bool set_graphic_window_stretched(HWND window, bool stretched) {
  DialogState* record = find_record(graphic_window_surface(window));
  if (record == nullptr) return false;
  take_graphic_lock();
  if (stretched) {
    record->flags |= GRAPHIC_STRETCHED;
  } else {
    record->flags &= ~GRAPHIC_STRETCHED;
  }
  release_graphic_lock();
  lay_out_graphic_view(window);
  UpdateWindow(record->hwnd);
  return true;
}

namespace {

bool IsPlainGraphicControl(const DialogState* record) {
  if (record == nullptr || record->kind != kind::kGraphicControl) return false;
  const DialogState* frame = find_record(record->parent);
  return frame == nullptr || (frame->flags & IS_GRAPHIC_WINDOW) == 0;
}

// Shows or hides the control's own bars for its client and bitmap sizes (never stretched:
// a stretched picture has no view to scroll).
void LayOutControlView(DialogState& record) {
  HWND control = record.hwnd;
  // The client area the control would have without bars.
  RECT client{};
  GetClientRect(control, &client);
  const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
  const SIZE bare{client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0),
                  client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0)};
  const ViewLayout layout = LayOutView(bare, record.graphic.bitmap_size, /*stretched=*/false);
  ShowScrollBar(control, SB_HORZ, layout.horizontal_bar);
  ShowScrollBar(control, SB_VERT, layout.vertical_bar);
  GetClientRect(control, &client);
  const SIZE shown{client.right, client.bottom};
  const POINT scroll = ApplyView(record, shown, layout.horizontal_bar || layout.vertical_bar);
  const SIZE bitmap = record.graphic.bitmap_size;
  if (layout.horizontal_bar) SetBar(control, SB_HORZ, bitmap.cx, shown.cx, scroll.x);
  if (layout.vertical_bar) SetBar(control, SB_VERT, bitmap.cy, shown.cy, scroll.y);
  InvalidateRect(control, nullptr, FALSE);
}

}  // namespace

bool set_graphic_control_view(HWND control, int view_width, int view_height) {
  DialogState* record = find_record(control);
  if (!IsPlainGraphicControl(record) || (record->flags & GRAPHIC_STRETCHED) != 0) return false;
  if (!resize_surface_bitmap(control, view_width, view_height)) return false;
  LayOutControlView(*record);
  return true;
}

}  // namespace runtime
