// The inside of polygons, by the alternate or the winding rule (platform-internal).
//
// Pixel (x, y) is inside when the point (x, y) is: vertices sit on pixel positions, as the
// outline pen draws them, and a point on a left or top edge is in while one on a right or
// bottom edge is out, so polygons sharing an edge never paint a pixel twice and a square
// from (0, 0) to (10, 10) fills pixels 0..9. Each edge's crossing with a row is computed
// exactly (no accumulated error) and only the rows inside the bounds are visited.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

namespace platform::gdi {

enum class FillRule : std::uint8_t { kAlternate, kWinding };

// Fills `polygon_count` polygons, closed implicitly, `counts[i]` points each, one after
// another in `points`.
void RasterPolygons(const POINT* points, const int* counts, int polygon_count, FillRule rule,
                    const RECT& bounds, SpanSink& sink);

}  // namespace platform::gdi
