// One-pixel ("cosmetic") lines, as GDI draws them (platform-internal).
//
// Pixels follow the grid-intersection diamond rule for integer end points: one pixel per
// column for lines flatter than 45 degrees, one per row for steeper ones, the minor
// coordinate rounded to the nearest pixel, and a line passing exactly half-way between
// two pixels lights the one with the smaller coordinate (the upper one of a vertical
// pair, the left one of a horizontal pair). The first pixel is drawn and the last is not:
// (0,0)-(10,0) draws x 0..9, and a line to its own start draws nothing.
//
// End points may lie anywhere in the 32-bit range: the pixels inside `bounds` are found
// directly, so a line running far outside costs only what it shows.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/raster/line_style.h"
#include "platform/win32.h"

namespace platform::gdi {

// How many pixels the whole line has (its length along the major axis).
std::uint64_t CosmeticLineLength(POINT from, POINT to);

void RasterCosmeticLine(POINT from, POINT to, const RECT& bounds, SpanSink& sink);

// A styled line: pixels of dashes go to `on`, pixels of gaps to `gaps` when given (an
// opaque background), and the style moves on by the line's length.
void RasterStyledLine(POINT from, POINT to, const RECT& bounds, LineStyle& style, SpanSink& on,
                      SpanSink* gaps);

}  // namespace platform::gdi
