// World coordinates to device pixels of a surface's bitmap.
//
// A surface's world is set by its origin (origin_x, origin_y), its scale (units_scale_x,
// units_scale_y: pixels per world unit, 0 meaning world units are pixels) and the mirror
// bits of its flags (MIRROR_X, MIRROR_Y). Device pixels count from the bitmap's top-left
// corner; the pixel offset (`scroll`, the visible area's origin) is added last.
#pragma once

#include "platform/win32.h"
#include "runtime/dialogs/dialog_state.h"

namespace runtime {

// Absolute: px = round((x - origin x) * scale x), or round(x) when the scale is 0; with
// MIRROR_X px = visible width - px (world x = origin lands on the right edge, so a box
// from it reaches the last column); then the pixel offset x is added. The same for y.
// Relative: a step from the current position, round(x * scale x) (round(x) when the
// scale is 0), negated with the mirror bit.
// Rounding is to the nearest integer, ties to even. Results beyond +/-2^27 pixels (also
// sums of relative steps) are held there: far outside any bitmap, but safe for the
// arithmetic that follows.
POINT to_device(const DialogState& surface, double x, double y, bool relative);

// Rounding of one device coordinate as to_device does it (nearest, ties to even, held
// inside +/-2^27); NaN gives 0.
LONG round_to_device(double value);

inline constexpr LONG kFarthestPixel = 1 << 27;

}  // namespace runtime
