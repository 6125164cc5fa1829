// Flood fill by scanlines (platform-internal).
//
// From a seed pixel the fill spreads to side neighbours (4-connected) while `Inside` says
// a pixel belongs: for FLOODFILLBORDER every colour but the border's, for FLOODFILLSURFACE
// only the surface colour. Each run of a row is found once, painted once and marked in a
// bitmap of the bounds, so the fill ends even when painting leaves the colours it tests
// unchanged, and the pixels are read before they are painted. The work list holds one
// entry per run still to look at: memory stays within a bit per pixel of the bounds plus
// the list.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

namespace platform::gdi {

// Reads pixel (x, y); false when it cannot be read (outside the surface or the clip),
// which stops the fill as a border does.
using PixelReader = std::function<bool(std::int32_t x, std::int32_t y, std::uint32_t* pixel)>;

enum class FloodKind : std::uint8_t { kBorder, kSurface };

// Fills from (x, y) within `bounds`; false (nothing painted) when the seed itself is not
// fillable.
bool RasterFloodFill(std::int32_t x, std::int32_t y, std::uint32_t colour, FloodKind kind,
                     const RECT& bounds, const PixelReader& read, SpanSink& sink);

}  // namespace platform::gdi
