#include "runtime/graphics/surface_resize.h"

#include <algorithm>
#include <cmath>

#include "runtime/dialogs/dialog_state.h"
#include "runtime/dialogs/graphic_engine_hooks.h"
#include "runtime/dialogs/record_list.h"
#include "runtime/graphics/graphic_lock.h"

namespace runtime {
namespace {

// The surface's background colour's brush (a transparent background has none: the
// system's button face then).
HBRUSH BackgroundBrush(const DialogState& record) {
  return record.graphic.default_brush != nullptr ? record.graphic.default_brush
                                                 : GetSysColorBrush(COLOR_BTNFACE);
}

// The new bitmap holding the old picture over the background; null when it cannot be made.
HBITMAP RepaintedBitmap(const DialogState& record, int width, int height) {
  const GraphicSurface& surface = record.graphic;
  HBITMAP bitmap = CreateCompatibleBitmap(surface.memory_dc, width, height);
  if (bitmap == nullptr) return nullptr;
  HDC scratch = CreateCompatibleDC(surface.memory_dc);
  if (scratch == nullptr) {
    DeleteObject(bitmap);
    return nullptr;
  }
  HGDIOBJ previous = SelectObject(scratch, bitmap);
  const RECT all{0, 0, width, height};
  FillRect(scratch, &all, BackgroundBrush(record));
  BitBlt(scratch, 0, 0, std::min<LONG>(width, surface.bitmap_size.cx),
         std::min<LONG>(height, surface.bitmap_size.cy), surface.memory_dc, 0, 0, SRCCOPY);
  SelectObject(scratch, previous);
  DeleteDC(scratch);
  return bitmap;
}

// The window shows the new size: a graphic window's frame is sized so that its client
// area fits (its WM_SIZE then fits the surface), a graphic control itself.
void SizeWindow(const DialogState& record, int width, int height) {
  const DialogState* frame = find_record(record.parent);
  HWND window = record.hwnd;
  if (frame != nullptr && (frame->flags & IS_GRAPHIC_WINDOW) != 0) window = frame->hwnd;
  RECT outer{}, client{};
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  RECT wanted{0, 0, width, height};
  if (window != record.hwnd) {
    AdjustWindowRectEx(&wanted, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  } else {  // a control: its own border, if any, stays around the picture
    wanted.right += (outer.right - outer.left) - client.right;
    wanted.bottom += (outer.bottom - outer.top) - client.bottom;
  }
  SetWindowPos(window, nullptr, 0, 0, wanted.right - wanted.left, wanted.bottom - wanted.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

bool resize_surface(HWND surface, int width, int height) {
  if (!resize_surface_bitmap(surface, width, height)) return false;
  // A control sized to show its whole picture needs no bars for a larger view.
  if (GetWindowLongW(surface, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) ShowScrollBar(surface, SB_BOTH, FALSE);
  SizeWindow(*find_record(surface), width, height);
  return true;
}

bool resize_surface_bitmap(HWND surface, int width, int height) {
  if (width < 1 || height < 1) return false;
  DialogState* record = find_record(surface);
  if (record == nullptr || record->kind != kind::kGraphicControl ||
      record->graphic.memory_dc == nullptr) {
    return false;
  }
  // The bitmap is exchanged under the graphic lock; the window is sized after it, since
  // sizing sends messages that may draw.
  take_graphic_lock();
  HBITMAP bitmap = RepaintedBitmap(*record, width, height);
  if (bitmap != nullptr) {
    GraphicSurface& state = record->graphic;
    DeleteObject(SelectObject(state.memory_dc, bitmap));
    const SIZE size{width, height};
    state.bitmap_size = state.visible_size = state.client_size = size;
    state.scroll.x = std::min<LONG>(state.scroll.x, width - 1);
    state.scroll.y = std::min<LONG>(state.scroll.y, height - 1);
    state.pending_redraw.right = std::min<LONG>(state.pending_redraw.right, width);
    state.pending_redraw.bottom = std::min<LONG>(state.pending_redraw.bottom, height);
  }
  release_graphic_lock();
  if (bitmap == nullptr) return false;
  InvalidateRect(surface, nullptr, FALSE);
  return true;
}

// The toolkit hands graphic controls' size changes here with their numbers unconverted:
// in a dialog laid out in units they are units, turned into pixels with the control's
// own scale factors.
void graphic_engine_resize(HWND control, int width, int height) {
  const DialogState* record = find_record(control);
  if (record == nullptr) return;
  if ((record->flags & USES_DIALOG_UNITS) != 0 && record->graphic.units_scale_x > 0 &&
      record->graphic.units_scale_y > 0) {
    width = static_cast<int>(std::lround(width * record->graphic.units_scale_x));
    height = static_cast<int>(std::lround(height * record->graphic.units_scale_y));
  }
  resize_surface(control, width, height);
}

}  // namespace runtime
