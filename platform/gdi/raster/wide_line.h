// Lines of geometric pens wider than one pixel (platform-internal).
//
// A wide segment is the set of pixels whose position lies within half the pen width of
// the segment: a rectangle with round caps (a capsule), GDI's look for pens made by
// CreatePen. Pixels are sampled at their integer positions (where cosmetic lines put
// them) and the shape is half-open, so an even width of 2n covers exactly 2n rows of a
// horizontal line and an odd width 2n+1 centres on it. Consecutive capsules of a
// polyline overlap in a disc at each vertex, which makes the round joins.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

namespace platform::gdi {

// Rows of the capsule around from-to, one span per row, only inside `bounds`.
void RasterCapsule(POINT from, POINT to, int width, const RECT& bounds, SpanSink& sink);

}  // namespace platform::gdi
