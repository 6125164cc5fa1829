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

  take_graphic_lock();  // the view's fields are the drawing operations' as well
  s.client_size = layout.shown;
  s.scroll.x = std::clamp<LONG>(s.scroll.x, 0, std::max<LONG>(s.bitmap_size.cx - layout.shown.cx, 0));
  s.scroll.y = std::clamp<LONG>(s.scroll.y, 0, std::max<LONG>(s.bitmap_size.cy - layout.shown.cy, 0));
  if (layout.horizontal_bar || layout.vertical_bar) {
    record->flags |= GRAPHIC_ARROWS_SCROLL;
  } else {
    record->flags &= ~GRAPHIC_ARROWS_SCROLL;
  }
  const POINT scroll = s.scroll;
  release_graphic_lock();

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

}  // namespace runtime

namespace runtime {
namespace {

bool IsPlainGraphicControl(const DialogState* record) {
  if (record == nullptr || record->kind != kind::kGraphicControl) return false;
  const DialogState* frame = find_record(record->parent);
  return frame == nullptr || (frame->flags & IS_GRAPHIC_WINDOW) == 0;
}

}  // namespace

void lay_out_graphic_control_view(HWND control) {
  DialogState* record = find_record(control);
  if (!IsPlainGraphicControl(record)) return;
  GraphicSurface& s = record->graphic;
  // The client area the control would have without bars.
  RECT client{};
  GetClientRect(control, &client);
  const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
  const SIZE bare{client.right + ((style & WS_VSCROLL) ? GetSystemMetrics(SM_CXVSCROLL) : 0),
                  client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0)};
  const bool stretched = (record->flags & GRAPHIC_STRETCHED) != 0;
  const ViewLayout layout = LayOutView(bare, s.bitmap_size, stretched);
  ShowScrollBar(control, SB_HORZ, layout.horizontal_bar);
  ShowScrollBar(control, SB_VERT, layout.vertical_bar);
  GetClientRect(control, &client);

  take_graphic_lock();
  s.client_size = SIZE{client.right, client.bottom};
  s.scroll.x = std::clamp<LONG>(s.scroll.x, 0, std::max<LONG>(s.bitmap_size.cx - client.right, 0));
  s.scroll.y = std::clamp<LONG>(s.scroll.y, 0, std::max<LONG>(s.bitmap_size.cy - client.bottom, 0));
  if (layout.horizontal_bar || layout.vertical_bar) {
    record->flags |= GRAPHIC_ARROWS_SCROLL;
  } else {
    record->flags &= ~GRAPHIC_ARROWS_SCROLL;
  }
  const POINT scroll = s.scroll;
  const SIZE bitmap = s.bitmap_size;
  release_graphic_lock();

  if (layout.horizontal_bar) SetBar(control, SB_HORZ, bitmap.cx, client.right, scroll.x);
  if (layout.vertical_bar) SetBar(control, SB_VERT, bitmap.cy, client.bottom, scroll.y);
  InvalidateRect(control, nullptr, FALSE);
}

bool set_graphic_control_view(HWND control, int view_width, int view_height) {
  const DialogState* record = find_record(control);
  if (!IsPlainGraphicControl(record) || (record->flags & GRAPHIC_STRETCHED) != 0) return false;
  if (!resize_surface_bitmap(control, view_width, view_height)) return false;
  lay_out_graphic_control_view(control);
  return true;
}

}  // namespace runtime
