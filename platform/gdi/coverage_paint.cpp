// PaintCoverage: antialiased glyphs blended into a DC. The glyph's box is cut by each
// rectangle of the DC's clip in surface coordinates (the same clip PaintSpan uses, so
// the clip, the visible region and the surface bounds hold for text too) and blended
// straight into the surface. A monochrome or palette surface (which has no colours to
// blend into) gets the pixels at least half covered, painted as spans.
#include <algorithm>

#include "platform/gdi/device_context.h"
#include "platform/gdi/painter.h"

namespace platform::gdi {
namespace {

constexpr int kCopyPen = 13;  // R2_COPYPEN: text ignores SetROP2

std::uint32_t Blend(std::uint32_t destination, std::uint32_t source, std::uint32_t alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t d = (destination >> shift) & 0xFF;
    const std::uint32_t s = (source >> shift) & 0xFF;
    out |= ((d * (255 - alpha) + s * alpha + 127) / 255) << shift;
  }
  return out;
}

void PaintMonochrome(Painter& painter, std::int64_t x, std::int64_t y, const CoverageMask& mask,
                     const RECT& box, std::uint32_t pixel) {
  const Fill fill = SolidFill(pixel);
  for (std::int64_t row = box.top; row < box.bottom; ++row) {
    const std::uint8_t* values = mask.values + (row - y) * mask.width;
    for (std::int64_t col = box.left; col < box.right;) {
      if (values[col - x] < 128) {
        ++col;
        continue;
      }
      std::int64_t end = col + 1;
      while (end < box.right && values[end - x] >= 128) ++end;
      painter.Span(static_cast<std::int32_t>(row), static_cast<std::int32_t>(col),
                   static_cast<std::int32_t>(end), fill);
      col = end;
    }
  }
}

}  // namespace

void PaintCoverage(DeviceContext& dc, std::int32_t x, std::int32_t y, const CoverageMask& mask,
                   std::uint32_t pixel, const RECT* bounds) {
  if (mask.values == nullptr || mask.width <= 0 || mask.height <= 0) return;
  // The mask's box in DC coordinates, cut to `bounds`.
  std::int64_t left = x, top = y;
  std::int64_t right = left + mask.width, bottom = top + mask.height;
  if (bounds != nullptr) {
    left = std::max<std::int64_t>(left, bounds->left);
    top = std::max<std::int64_t>(top, bounds->top);
    right = std::min<std::int64_t>(right, bounds->right);
    bottom = std::min<std::int64_t>(bottom, bounds->bottom);
  }
  if (left >= right || top >= bottom) return;
  Painter painter(dc, kCopyPen);
  if (!painter.ok()) return;
  if (!StoresEveryColor(dc)) {  // a monochrome or palette surface: no blending
    PaintMonochrome(painter, x, y, mask,
                    RECT{static_cast<LONG>(left), static_cast<LONG>(top),
                         static_cast<LONG>(right), static_cast<LONG>(bottom)},
                    pixel);
    return;
  }
  const POINT offset = painter.offset();
  const PixelSurface& surface = painter.surface();
  for (const RECT& clip : painter.clip()) {
    // Clip rectangles do not overlap, so no pixel is blended twice.
    const std::int64_t sx0 = std::max<std::int64_t>(left + offset.x, clip.left);
    const std::int64_t sx1 = std::min<std::int64_t>(right + offset.x, clip.right);
    const std::int64_t sy0 = std::max<std::int64_t>(top + offset.y, clip.top);
    const std::int64_t sy1 = std::min<std::int64_t>(bottom + offset.y, clip.bottom);
    for (std::int64_t sy = sy0; sy < sy1; ++sy) {
      std::uint32_t* row = surface.Row(static_cast<std::int32_t>(sy));
      const std::uint8_t* values = mask.values + (sy - offset.y - y) * mask.width;
      const std::int64_t first = x + offset.x;  // surface column of values[0]
      for (std::int64_t sx = sx0; sx < sx1; ++sx) {
        const std::uint32_t alpha = values[sx - first];
        if (alpha == 0) continue;
        row[sx] = alpha == 255 ? pixel : Blend(row[sx], pixel, alpha);
      }
    }
  }
}

}  // namespace platform::gdi
