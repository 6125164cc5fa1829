#include "runtime/graphics/surface_painting.h"

#include <algorithm>

namespace runtime {

void paint_surface(const DialogState& record, HDC dc, const RECT& part) {
  const GraphicSurface& surface = record.graphic;
  if (surface.memory_dc == nullptr) return;
  if ((record.flags & GRAPHIC_STRETCHED) != 0) {
    // The whole picture is scaled; clipping to the invalid part keeps the rest untouched.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, surface.client_size.cx, surface.client_size.cy, surface.memory_dc, 0, 0,
               surface.bitmap_size.cx, surface.bitmap_size.cy, SRCCOPY);
    return;
  }
  BitBlt(dc, part.left, part.top, part.right - part.left, part.bottom - part.top,
         surface.memory_dc, part.left + surface.scroll.x, part.top + surface.scroll.y, SRCCOPY);
  // A window larger than the bitmap: the rest is the surface's background.
  const LONG right = surface.bitmap_size.cx - surface.scroll.x;
  const LONG bottom = surface.bitmap_size.cy - surface.scroll.y;
  HBRUSH brush = surface.default_brush != nullptr ? surface.default_brush
                                                  : GetSysColorBrush(COLOR_BTNFACE);
  if (part.right > right) {
    const RECT strip{std::max(part.left, right), part.top, part.right, part.bottom};
    FillRect(dc, &strip, brush);
  }
  if (part.bottom > bottom) {
    const RECT strip{part.left, std::max(part.top, bottom), std::min(part.right, right), part.bottom};
    FillRect(dc, &strip, brush);
  }
}

}  // namespace runtime
