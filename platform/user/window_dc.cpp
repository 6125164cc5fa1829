// Device contexts of windows: GetDC, GetWindowDC, ReleaseDC, BeginPaint, EndPaint,
// WindowFromDC, and the default erasing and control colours.
//
// A window DC draws into its top-level window's bitmap (through gdi's MakeSurfaceDC).
// What it may touch: the window (GetWindowDC) or its client area (GetDC, BeginPaint),
// inside every ancestor's client area, less the children when the window has
// WS_CLIPCHILDREN and less the siblings above it when it has WS_CLIPSIBLINGS; BeginPaint
// also keeps to the update region. When a DC is given back, the display hears which part
// of the window changed.
#include <algorithm>

#include "platform/display/display_session.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/dc_selection.h"
#include "platform/gdi/region.h"
#include "platform/gdi/screen_dc.h"
#include "platform/user/caret_drawing.h"
#include "platform/user/default_painting.h"
#include "platform/user/display_link.h"
#include "platform/user/painting_state.h"
#include "platform/user/window_class.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

using gdi::RectList;

RECT Offset(RECT r, LONG dx, LONG dy) {
  return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

gdi::PixelSurface SurfaceOf(HWND top) {
  Window* w = FindWindowRecord(top);
  if (w == nullptr || !w->bitmap || w->bitmap->pixels.empty()) return {};
  gdi::PixelSurface s;
  s.origin = w->bitmap->pixels.data();
  s.stride = w->bitmap->width;
  s.width = w->bitmap->width;
  s.height = w->bitmap->height;
  return s;
}

// The part of the top-level bitmap (window coordinates of `top`) the DC may paint.
RectList VisibleArea(const Window& w, const Window& top, bool whole_window) {
  POINT o{top.window_rect.left, top.window_rect.top};
  RECT start = whole_window ? w.window_rect : w.client_rect;
  RectList area = gdi::RectsOf(Offset(start, -o.x, -o.y));
  // Inside every ancestor's client area; siblings above clipped when asked.
  const Window* child = &w;
  for (Window* up = FindWindowRecord(w.parent); up != nullptr; up = FindWindowRecord(up->parent)) {
    area = gdi::CombineRects(area, gdi::RectsOf(Offset(up->client_rect, -o.x, -o.y)), RGN_AND);
    if (child->style & WS_CLIPSIBLINGS) {
      for (HWND sibling : up->children) {
        if (sibling == child->handle) break;  // only those above it
        Window* s = FindWindowRecord(sibling);
        if (s != nullptr && s->visible()) {
          area = gdi::CombineRects(area, gdi::RectsOf(Offset(s->window_rect, -o.x, -o.y)), RGN_DIFF);
        }
      }
    }
    child = up;
  }
  if (w.style & WS_CLIPCHILDREN) {
    for (HWND kid : w.children) {
      Window* k = FindWindowRecord(kid);
      if (k != nullptr && k->visible()) {
        area = gdi::CombineRects(area, gdi::RectsOf(Offset(k->window_rect, -o.x, -o.y)), RGN_DIFF);
      }
    }
  }
  return area;
}

HDC MakeWindowDc(HWND window, bool whole_window) {
  Window* w = FindWindowRecord(window);
  HWND top_handle = RootOf(window);
  Window* top = FindWindowRecord(top_handle);
  if (w == nullptr || top == nullptr) return nullptr;
  RECT origin = whole_window ? w->window_rect : w->client_rect;
  POINT offset{origin.left - top->window_rect.left, origin.top - top->window_rect.top};
  HDC dc = gdi::MakeSurfaceDC([top_handle] { return SurfaceOf(top_handle); }, offset,
                              RECT{0, 0, 0, 0}, window);
  gdi::DeviceContext* context = gdi::FindDc(dc);
  if (context == nullptr) return nullptr;
  // Hidden windows paint nothing.
  bool shown = true;
  for (Window* up = w; up != nullptr; up = FindWindowRecord(up->parent)) shown = shown && up->visible();
  context->visible.rects = shown ? VisibleArea(*w, *top, whole_window) : RectList{};
  context->ClipChanged();
  return dc;
}

// Tells the display that the part of `window` a DC could touch has changed.
void ReportDamage(HWND window, const gdi::DeviceContext& dc) {
  HWND top = RootOf(window);
  if (top == nullptr || dc.visible.rects.empty()) return;
  RECT box = gdi::BoundingBox(dc.visible.rects);
  DisplayWindowPainted(top, box);
}

}  // namespace

void EraseNow(HWND window) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr) return;
  w->erase_pending = false;
  HDC dc = GetDC(window);
  if (dc == nullptr) return;
  if (!SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0)) {
    if (Window* again = FindWindowRecord(window)) again->erase_pending = true;
  }
  ReleaseDC(window, dc);
}

bool RegionBox(HRGN region, RECT* box) { return GetRgnBox(region, box) > NULLREGION; }

bool EraseWithClassBrush(HWND window, HDC dc) {
  Window* w = FindWindowRecord(window);
  if (w == nullptr || !w->window_class || w->window_class->background == nullptr) return false;
  HBRUSH brush = w->window_class->background;
  auto value = reinterpret_cast<ULONG_PTR>(brush);
  // COLOR_xxx + 1 stands for that system colour's brush.
  if (value <= COLOR_GRADIENTINACTIVECAPTION + 1) brush = GetSysColorBrush(static_cast<int>(value - 1));
  RECT box;
  if (GetClipBox(dc, &box) == ERROR) return false;
  FillRect(dc, &box, brush);
  return true;
}

HBRUSH DefaultControlColors(HDC dc, UINT message) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return GetSysColorBrush(COLOR_WINDOW);
    case WM_CTLCOLORSCROLLBAR:
      SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      return GetSysColorBrush(COLOR_SCROLLBAR);
    default:  // dialogs, message boxes, buttons, statics
      SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
      return GetSysColorBrush(COLOR_BTNFACE);
  }
}

}  // namespace platform::user

namespace {

// The screen's size and resolution are the display's: it is chosen before the first
// screen DC measures anything (a dialog's font is made at the screen's DPI).
HDC DisplayScreenDc() {
  platform::CurrentDisplay();
  return platform::gdi::ScreenDC();
}

}  // namespace

extern "C" {

HDC GetDC(HWND window) {
  using namespace platform::user;
  if (window == nullptr) return DisplayScreenDc();
  if (LiveWindow(window) == nullptr) return nullptr;
  HideCaretPixels(window);
  return MakeWindowDc(window, false);
}

HDC GetWindowDC(HWND window) {
  using namespace platform::user;
  if (window == nullptr) return DisplayScreenDc();
  if (LiveWindow(window) == nullptr) return nullptr;
  HideCaretPixels(window);
  return MakeWindowDc(window, true);
}

int ReleaseDC(HWND window, HDC dc) {
  using namespace platform::user;
  platform::gdi::DeviceContext* context = platform::gdi::FindDc(dc);
  if (context == nullptr || context->type() != OBJ_DC || context->window != window) return 0;
  if (window != nullptr) {
    ReportDamage(window, *context);
    ShowCaretPixels(window);
  }
  platform::gdi::DestroyDc(*context);
  return 1;
}

HWND WindowFromDC(HDC dc) {
  platform::gdi::DeviceContext* context = platform::gdi::FindDc(dc);
  return context != nullptr ? context->window : nullptr;
}

HDC BeginPaint(HWND window, LPPAINTSTRUCT paint) {
  using namespace platform::user;
  Window* w = LiveWindow(window);
  if (w == nullptr) return nullptr;
  if (paint == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  *paint = PAINTSTRUCT{};
  HideCaretPixels(window);
  if (w->frame_dirty) {
    w->frame_dirty = false;
    SendMessageW(window, WM_NCPAINT, 1, 0);
    w = FindWindowRecord(window);
    if (w == nullptr) return nullptr;
  }
  RECT update = w->has_update ? w->update_rect : RECT{0, 0, 0, 0};
  bool erase = w->erase_pending;
  Validate(*w, nullptr);
  HDC dc = MakeWindowDc(window, false);
  if (dc == nullptr) return nullptr;
  if (platform::gdi::DeviceContext* context = platform::gdi::FindDc(dc)) {
    // Only the update region may be painted.
    RECT in_surface = update;
    in_surface.left += context->surface_offset.x;
    in_surface.right += context->surface_offset.x;
    in_surface.top += context->surface_offset.y;
    in_surface.bottom += context->surface_offset.y;
    context->visible.rects = platform::gdi::CombineRects(
        context->visible.rects, platform::gdi::RectsOf(in_surface), RGN_AND);
    context->ClipChanged();
  }
  w->in_paint = true;
  paint->hdc = dc;
  paint->rcPaint = update;
  paint->fErase = TRUE;
  if (erase) {
    // fErase tells the procedure whether it must still erase.
    paint->fErase = SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0) ? FALSE : TRUE;
  } else {
    paint->fErase = FALSE;
  }
  return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  using namespace platform::user;
  Window* w = FindWindowRecord(window);
  if (w != nullptr) w->in_paint = false;
  if (paint != nullptr && paint->hdc != nullptr) ReleaseDC(window, paint->hdc);
  return TRUE;
}

BOOL InvalidateRgn(HWND window, HRGN region, BOOL erase) {
  RECT box;
  if (region != nullptr && platform::user::RegionBox(region, &box)) {
    return InvalidateRect(window, &box, erase);
  }
  return InvalidateRect(window, nullptr, erase);
}

BOOL ValidateRgn(HWND window, HRGN region) {
  RECT box;
  if (region != nullptr && platform::user::RegionBox(region, &box)) return ValidateRect(window, &box);
  return ValidateRect(window, nullptr);
}

}  // extern "C"
