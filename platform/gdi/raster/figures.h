// GDI's figures as outline and interior spans (platform-internal).
//
// Every figure comes out as two disjoint sets of spans: the outline, drawn with the pen,
// and the interior, painted with the brush. Nothing is sent twice, so mix modes such as
// R2_XORPEN change each pixel once. The rules are GDI's:
// - Boxes are right/bottom exclusive: Rectangle(0, 0, 10, 10) with a one-pixel pen frames
//   pixels 0..9 and fills 1..8; without a pen (`OutlinePen::kNone`) it fills 0..8, one
//   pixel smaller, and so do the ellipse, round rectangle, pie and chord.
// - A one-pixel outline is the ring of the figure's own pixels that touch its outside.
//   Wider pens are centred on the path through those pixels with round joins and ends;
//   with PS_INSIDEFRAME the path moves inwards so the whole outline stays in the box.
// - Arcs run counter-clockwise (on the screen) from the start radial to the end radial,
//   or clockwise when asked; equal radials make a whole ellipse.
// - Dashed and dotted pens apply to one-pixel outlines of rectangles, polygons and lines;
//   the curved outlines of ellipses, arcs and round rectangles are drawn solid with them.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/raster/line_style.h"
#include "platform/gdi/raster/polygon_fill.h"
#include "platform/win32.h"

namespace platform::gdi {

struct OutlinePen {
  enum class Kind : std::uint8_t { kNone, kCosmetic, kWide };
  Kind kind = Kind::kCosmetic;
  int width = 1;             // kWide: > 1
  bool inside_frame = false;
  unsigned style = 0;        // PS_ style of a cosmetic pen (dashes)
};

struct FigureSinks {
  SpanSink* outline = nullptr;   // pen pixels; null draws none
  SpanSink* gaps = nullptr;      // gaps of a styled pen (opaque background), may be null
  SpanSink* interior = nullptr;  // brush pixels; null for a hollow brush
};

enum class ArcKind : std::uint8_t { kArc, kPie, kChord };

void RasterRectangle(RECT box, const OutlinePen& pen, const RECT& bounds, const FigureSinks& out);
void RasterRoundRect(RECT box, int corner_width, int corner_height, const OutlinePen& pen,
                     const RECT& bounds, const FigureSinks& out);
void RasterEllipse(RECT box, const OutlinePen& pen, const RECT& bounds, const FigureSinks& out);
// Arc draws no interior. `start` and `end` are the radial points; `clockwise` is
// AD_CLOCKWISE.
void RasterArcFigure(ArcKind kind, RECT box, POINT start, POINT end, bool clockwise,
                     const OutlinePen& pen, const RECT& bounds, const FigureSinks& out);
void RasterPolygonFigure(const POINT* points, const int* counts, int polygon_count, FillRule rule,
                         const OutlinePen& pen, const RECT& bounds, const FigureSinks& out);

// An open polyline with the pen; a cosmetic style carries on from `style` and is left
// where the last segment ended. Segments are sent one after another, so a cosmetic
// polyline crossing itself paints the crossing twice, as LineTo calls would.
void RasterPolyline(const POINT* points, int count, const OutlinePen& pen, LineStyle& style,
                    const RECT& bounds, SpanSink& on, SpanSink* gaps);

}  // namespace platform::gdi
