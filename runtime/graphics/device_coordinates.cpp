#include "runtime/graphics/device_coordinates.h"

#include <cmath>

namespace runtime {
namespace {

// Sums of held values held again, so that repeated relative steps cannot overflow.
LONG Hold(long long value) {
  if (value > kFarthestPixel) return kFarthestPixel;
  if (value < -kFarthestPixel) return -kFarthestPixel;
  return static_cast<LONG>(value);
}

// One axis; `origin`, `scale`, `extent` (the visible size) and `offset` of that axis.
LONG AbsoluteAxis(double value, float origin, float scale, bool mirrored, LONG extent,
                  LONG offset) {
  LONG pixel = scale == 0.0f ? round_to_device(value)
                             : round_to_device((value - origin) * static_cast<double>(scale));
  if (mirrored) pixel = Hold(static_cast<long long>(extent) - pixel);
  return Hold(static_cast<long long>(pixel) + offset);
}

LONG RelativeAxis(double value, float scale, bool mirrored, LONG current) {
  LONG step = round_to_device(scale == 0.0f ? value : value * static_cast<double>(scale));
  if (mirrored) step = -step;
  return Hold(static_cast<long long>(current) + step);
}

}  // namespace

LONG round_to_device(double value) {
  if (std::isnan(value)) return 0;
  if (value > kFarthestPixel) return kFarthestPixel;
  if (value < -kFarthestPixel) return -kFarthestPixel;
  return static_cast<LONG>(std::nearbyint(value));  // the default mode: nearest, ties to even
}

POINT to_device(const DialogState& surface, double x, double y, bool relative) {
  const GraphicSurface& s = surface.graphic;
  const bool mirror_x = (surface.flags & MIRROR_X) != 0;
  const bool mirror_y = (surface.flags & MIRROR_Y) != 0;
  if (relative) {
    return {RelativeAxis(x, s.units_scale_x, mirror_x, s.position.x),
            RelativeAxis(y, s.units_scale_y, mirror_y, s.position.y)};
  }
  return {AbsoluteAxis(x, s.origin_x, s.units_scale_x, mirror_x, s.visible_size.cx, s.scroll.x),
          AbsoluteAxis(y, s.origin_y, s.units_scale_y, mirror_y, s.visible_size.cy, s.scroll.y)};
}

}  // namespace runtime
