// PaintCoverage: antialiased glyphs blended into a DC. Each pixel is read and written
// through ReadPixel / PaintSpan, so the DC's clip, visible region and surface bounds
// apply exactly as they do to every other primitive; runs of full coverage go out as
// one span.
#include <algorithm>

#include "platform/gdi/device_context.h"

namespace platform::gdi {
namespace {

constexpr int kCopyPen = 13;  // R2_COPYPEN

std::uint32_t Blend(std::uint32_t destination, std::uint32_t source, std::uint32_t alpha) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const std::uint32_t d = (destination >> shift) & 0xFF;
    const std::uint32_t s = (source >> shift) & 0xFF;
    out |= ((d * (255 - alpha) + s * alpha + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

void PaintCoverage(DeviceContext& dc, std::int32_t x, std::int32_t y, const CoverageMask& mask,
                   std::uint32_t pixel, const RECT* bounds) {
  if (mask.values == nullptr || mask.width <= 0 || mask.height <= 0) return;
  std::int32_t col0 = 0, col1 = mask.width, row0 = 0, row1 = mask.height;
  if (bounds != nullptr) {
    col0 = std::max<std::int64_t>(0, static_cast<std::int64_t>(bounds->left) - x);
    col1 = std::min<std::int64_t>(mask.width, static_cast<std::int64_t>(bounds->right) - x);
    row0 = std::max<std::int64_t>(0, static_cast<std::int64_t>(bounds->top) - y);
    row1 = std::min<std::int64_t>(mask.height, static_cast<std::int64_t>(bounds->bottom) - y);
  }
  const int saved_rop2 = dc.state.rop2;
  dc.state.rop2 = kCopyPen;
  for (std::int32_t row = row0; row < row1; ++row) {
    const std::uint8_t* values = mask.values + static_cast<std::size_t>(row) * mask.width;
    for (std::int32_t col = col0; col < col1;) {
      const std::uint8_t alpha = values[col];
      if (alpha == 0) {
        ++col;
      } else if (alpha == 255) {
        std::int32_t end = col + 1;
        while (end < col1 && values[end] == 255) ++end;
        PaintSpan(dc, y + row, x + col, x + end, SolidFill(pixel));
        col = end;
      } else {
        std::uint32_t destination = 0;
        if (ReadPixel(dc, x + col, y + row, &destination)) {
          PaintSpan(dc, y + row, x + col, x + col + 1,
                    SolidFill(Blend(destination, pixel, alpha)));
        }
        ++col;
      }
    }
  }
  dc.state.rop2 = saved_rop2;
}

}  // namespace platform::gdi
