// Painting many spans into one DC (platform-internal).
//
// A Painter looks up the DC's surface and its clip in surface coordinates once, then
// paints spans; PaintSpan is a Painter used for one span. Primitives that paint many spans
// (FillRect, blits, figures) hold one Painter for the whole call.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gdi/device_context.h"

namespace platform::gdi {

class Painter {
 public:
  // `rop2` is the mix mode to paint with: the DC's own for pens and filled figures,
  // R2_COPYPEN for FillRect and friends, which ignore SetROP2 as in GDI.
  Painter(DeviceContext& dc, int rop2);

  // False when the DC has no pixels (a destroyed window, a deleted bitmap).
  bool ok() const { return !surface_.empty(); }
  const PixelSurface& surface() const { return surface_; }
  // The visible part of the surface, in surface coordinates.
  const std::vector<RECT>& clip() const { return *clip_; }
  POINT offset() const { return dc_.surface_offset; }
  DeviceContext& dc() const { return dc_; }

  // Paints row y, [x0, x1) in DC coordinates.
  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1, const Fill& fill);
  // Paints [left, right) x [top, bottom) in DC coordinates: FillRect's path, which fills
  // whole blocks of rows at once when it can.
  void Area(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
            const Fill& fill);
  // Whether the pixel at (x, y) in DC coordinates may be touched.
  bool Visible(std::int32_t x, std::int32_t y) const;

 private:
  // Paints the visible parts of row `sy`, [sx0, sx1) in surface coordinates.
  void ClippedRuns(std::uint32_t* row, std::int64_t sy, std::int64_t sx0, std::int64_t sx1,
                   std::int32_t dc_y, const Fill& fill);
  void PaintRun(std::uint32_t* row, std::int32_t sx0, std::int32_t sx1, std::int32_t dc_y,
                const Fill& fill) const;

  DeviceContext& dc_;
  int rop2_;
  PixelSurface surface_;
  const std::vector<RECT>* clip_;
  std::size_t last_clip_ = 0;  // the clip rectangle the last span was painted in
};

// The DC's clip in surface coordinates for a surface of that size (cached in the DC).
const std::vector<RECT>& DeviceClip(DeviceContext& dc, const PixelSurface& surface);

// The colour `dc`'s surface stores for `pixel`: black or white on a monochrome device
// bitmap, the nearest colour-table entry on a DIB section of up to 8 bpp, else itself.
std::uint32_t StoredPixel(const DeviceContext& dc, std::uint32_t pixel);
bool StoresEveryColor(const DeviceContext& dc);
// A Fill with every colour as StoredPixel makes it.
Fill StoredFill(const DeviceContext& dc, const Fill& fill);

}  // namespace platform::gdi
