#include "platform/gdi/raster/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/raster/convex_rows.h"
#include "platform/gdi/raster/cosmetic_line.h"
#include "platform/gdi/raster/int_math.h"
#include "platform/gdi/raster/sector_clip.h"
#include "platform/gdi/raster/span_collector.h"
#include "platform/gdi/raster/wide_line.h"

namespace platform::gdi {

namespace {

class NullSink : public SpanSink {
 public:
  void Span(std::int32_t, std::int32_t, std::int32_t) override {}
};
NullSink null_sink;

SpanSink& OrNull(SpanSink* sink) { return sink != nullptr ? *sink : null_sink; }

// GDI accepts boxes given corner to corner in either order.
RECT Normalized(RECT box) {
  if (box.left > box.right) std::swap(box.left, box.right);
  if (box.top > box.bottom) std::swap(box.top, box.bottom);
  return box;
}

bool HasNoPixels(const RECT& box) { return box.left >= box.right || box.top >= box.bottom; }

// Without a pen GDI fills one pixel less on the right and at the bottom.
RECT PenlessBox(RECT box) {
  box.right = static_cast<LONG>(std::max<std::int64_t>(box.left, std::int64_t{box.right} - 1));
  box.bottom = static_cast<LONG>(std::max<std::int64_t>(box.top, std::int64_t{box.bottom} - 1));
  return box;
}

HalfBox Half(const RECT& box) {
  return {2 * std::int64_t{box.left}, 2 * std::int64_t{box.top}, 2 * std::int64_t{box.right},
          2 * std::int64_t{box.bottom}};
}

HalfBox Grow(const HalfBox& b, std::int64_t d) {
  return {b.left - d, b.top - d, b.right + d, b.bottom + d};
}

// The path a wide pen is centred on: through the centres of the box's edge pixels, moved
// inwards by half the width less half a pixel for PS_INSIDEFRAME (never past the middle).
HalfBox PenPath(const RECT& box, const OutlinePen& pen) {
  HalfBox path = Grow(Half(box), -1);
  if (pen.kind == OutlinePen::Kind::kWide && pen.inside_frame) {
    std::int64_t in = pen.width - 1;
    std::int64_t mid_x = path.left + (path.right - path.left) / 2;
    std::int64_t mid_y = path.top + (path.bottom - path.top) / 2;
    path.left = std::min(path.left + in, mid_x);
    path.right = std::max(path.right - in, mid_x);
    path.top = std::min(path.top + in, mid_y);
    path.bottom = std::max(path.bottom - in, mid_y);
  }
  return path;
}

bool Styled(const OutlinePen& pen) {
  return pen.kind == OutlinePen::Kind::kCosmetic && !LineStyle::ForPenStyle(pen.style).solid();
}

// The one-pixel outline of a polyline, closed or not, dashes to `on` and gaps to `gaps`.
void StrokeCosmetic(const POINT* points, int count, bool closed, LineStyle& style,
                    const RECT& bounds, SpanSink& on, SpanSink* gaps) {
  int segments = closed ? count : count - 1;
  for (int i = 0; i < segments; ++i) {
    POINT a = points[i], b = points[(i + 1) % count];
    if (style.solid()) {
      RasterCosmeticLine(a, b, bounds, on);
    } else {
      RasterStyledLine(a, b, bounds, style, on, gaps);
    }
  }
}

void StrokeWide(const POINT* points, int count, bool closed, int width, const RECT& bounds,
                SpanSink& sink) {
  if (count == 1) RasterCapsule(points[0], points[0], width, bounds, sink);
  int segments = closed ? count : count - 1;
  for (int i = 0; i < segments; ++i) {
    RasterCapsule(points[i], points[(i + 1) % count], width, bounds, sink);
  }
}

// Where the radial through `direction` (from the centre) meets the pen path ellipse, as
// the pixel whose centre is nearest, kept inside the box.
POINT PointOnPath(const HalfBox& path, HalfPoint direction, const RECT& box) {
  double cx = (path.left + path.right) / 2.0, cy = (path.top + path.bottom) / 2.0;
  double a = (path.right - path.left) / 2.0, b = (path.bottom - path.top) / 2.0;
  double dx = static_cast<double>(direction.x), dy = static_cast<double>(direction.y);
  if (dx == 0 && dy == 0) dx = 1;
  double qx = cx, qy = cy;
  if (a > 0 && b > 0) {
    double t = 1 / std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
    qx += dx * t;
    qy += dy * t;
  } else if (a > 0) {
    qx += dx > 0 ? a : dx < 0 ? -a : 0;
  } else if (b > 0) {
    qy += dy > 0 ? b : dy < 0 ? -b : 0;
  }
  auto pixel = [](double half, LONG lo, LONG hi) {
    double v = std::floor((half - 1) / 2 + 0.5);
    return static_cast<LONG>(std::clamp(v, static_cast<double>(lo), static_cast<double>(std::max(lo, hi - 1))));
  };
  return {pixel(qx, box.left, box.right), pixel(qy, box.top, box.bottom)};
}

HalfPoint PixelCentre(POINT p) { return {2 * std::int64_t{p.x} + 1, 2 * std::int64_t{p.y} + 1}; }

// A plain one-pixel frame needs no row geometry: the top and bottom rows, the two side
// pixels of every row between them, and the inside of those rows.
void EmitFrameAndInside(const RECT& box, const RECT& bounds, SpanSink* outline,
                        SpanSink* interior) {
  const LONG top = std::max(box.top, bounds.top);
  const LONG bottom = std::min(box.bottom, bounds.bottom);
  const LONG x0 = std::max(box.left, bounds.left);
  const LONG x1 = std::min(box.right, bounds.right);
  if (top >= bottom || x0 >= x1) return;
  const LONG last_column = box.right - 1;
  const LONG inside0 = std::max<LONG>(box.left + 1, bounds.left);
  const LONG inside1 = std::min<LONG>(last_column, bounds.right);
  const bool left_seen = box.left >= bounds.left;
  const bool right_seen = last_column != box.left && last_column < bounds.right;
  for (LONG y = top; y < bottom; ++y) {
    if (y == box.top || y == box.bottom - 1) {
      if (outline != nullptr) outline->Span(y, x0, x1);
      continue;
    }
    if (outline != nullptr) {
      if (left_seen) outline->Pixel(box.left, y);
      if (right_seen) outline->Pixel(last_column, y);
    }
    if (interior != nullptr && inside0 < inside1) interior->Span(y, inside0, inside1);
  }
}

}  // namespace

void RasterRectangle(RECT box, const OutlinePen& pen, const RECT& bounds, const FigureSinks& out) {
  box = Normalized(box);
  if (pen.kind == OutlinePen::Kind::kNone) {
    box = PenlessBox(box);
    if (out.interior != nullptr) EmitRows(RoundRectRows(Half(box), 0, 0, true), bounds, *out.interior);
    return;
  }
  if (HasNoPixels(box)) return;
  if (pen.kind == OutlinePen::Kind::kWide) {
    HalfBox path = PenPath(box, pen);
    std::int64_t w = pen.width;
    EmitRing(RoundRectRows(Grow(path, w), 2 * w, 2 * w, true), RoundRectRows(Grow(path, -w), 0, 0, false),
             bounds, OrNull(out.outline));
    if (out.interior != nullptr) EmitRows(RoundRectRows(Grow(path, -w), 0, 0, false), bounds, *out.interior);
    return;
  }
  if (Styled(pen)) {
    LONG right = box.right - 1, bottom = box.bottom - 1;
    const POINT corners[4] = {{box.left, box.top}, {right, box.top}, {right, bottom}, {box.left, bottom}};
    SpanCollector on(bounds), gaps(bounds);
    LineStyle style = LineStyle::ForPenStyle(pen.style);
    StrokeCosmetic(corners, 4, true, style, bounds, on, &gaps);
    on.Finish();
    gaps.Finish();
    on.EmitTo(OrNull(out.outline));
    if (out.gaps != nullptr) gaps.EmitTo(*out.gaps);
    if (out.interior != nullptr) {
      RECT inner{box.left + 1, box.top + 1, right, bottom};
      if (!HasNoPixels(inner)) EmitRows(RoundRectRows(Half(inner), 0, 0, true), bounds, *out.interior);
    }
    return;
  }
  EmitFrameAndInside(box, bounds, out.outline, out.interior);
}

void RasterRoundRect(RECT box, int corner_width, int corner_height, const OutlinePen& pen,
                     const RECT& bounds, const FigureSinks& out) {
  box = Normalized(box);
  // Corners as large as the box make an ellipse. With a thin pen or none the ellipse's own
  // rows give the same pixels, twice as fast; a wide pen's inner edge differs.
  if (pen.kind != OutlinePen::Kind::kWide && std::llabs(corner_width) >= std::int64_t{box.right} - box.left &&
      std::llabs(corner_height) >= std::int64_t{box.bottom} - box.top) {
    RasterEllipse(box, pen, bounds, out);
    return;
  }
  std::int64_t cw = 2 * std::llabs(corner_width), ch = 2 * std::llabs(corner_height);
  if (pen.kind == OutlinePen::Kind::kNone) {
    box = PenlessBox(box);
    if (out.interior != nullptr) EmitRows(RoundRectRows(Half(box), cw, ch, true), bounds, *out.interior);
    return;
  }
  if (HasNoPixels(box)) return;
  if (pen.kind == OutlinePen::Kind::kWide) {
    HalfBox path = PenPath(box, pen);
    std::int64_t w = pen.width;
    RoundRectRows inner(Grow(path, -w), std::max<std::int64_t>(cw - 2 - 2 * w, 0),
                        std::max<std::int64_t>(ch - 2 - 2 * w, 0), false);
    EmitRing(RoundRectRows(Grow(path, w), cw - 2 + 2 * w, ch - 2 + 2 * w, true), inner, bounds,
             OrNull(out.outline));
    if (out.interior != nullptr) EmitRows(inner, bounds, *out.interior);
    return;
  }
  EmitOutlineAndInterior(RoundRectRows(Half(box), cw, ch, true), bounds, OrNull(out.outline), out.interior);
}

void RasterEllipse(RECT box, const OutlinePen& pen, const RECT& bounds, const FigureSinks& out) {
  box = Normalized(box);
  if (pen.kind == OutlinePen::Kind::kNone) {
    box = PenlessBox(box);
    if (out.interior != nullptr) EmitRows(EllipseRows(Half(box), true), bounds, *out.interior);
    return;
  }
  if (HasNoPixels(box)) return;
  if (pen.kind == OutlinePen::Kind::kWide) {
    HalfBox path = PenPath(box, pen);
    EllipseRows inner(Grow(path, -pen.width), false);
    EmitRing(EllipseRows(Grow(path, pen.width), true), inner, bounds, OrNull(out.outline));
    if (out.interior != nullptr) EmitRows(inner, bounds, *out.interior);
    return;
  }
  EmitOutlineAndInterior(EllipseRows(Half(box), true), bounds, OrNull(out.outline), out.interior);
}

void RasterArcFigure(ArcKind kind, RECT box, POINT start, POINT end, bool clockwise,
                     const OutlinePen& pen, const RECT& bounds, const FigureSinks& out) {
  box = Normalized(box);
  if (HasNoPixels(box)) return;
  if (clockwise) std::swap(start, end);
  const HalfPoint centre{std::int64_t{box.left} + box.right, std::int64_t{box.top} + box.bottom};
  const HalfPoint start_dir{2 * std::int64_t{start.x} - centre.x, 2 * std::int64_t{start.y} - centre.y};
  const HalfPoint end_dir{2 * std::int64_t{end.x} - centre.x, 2 * std::int64_t{end.y} - centre.y};
  const HalfBox path = PenPath(box, pen);
  const POINT start_pixel = PointOnPath(path, start_dir, box);
  const POINT end_pixel = PointOnPath(path, end_dir, box);
  const POINT centre_pixel{static_cast<LONG>(FloorDiv(centre.x, 2)), static_cast<LONG>(FloorDiv(centre.y, 2))};

  auto clip_to_part = [&](SectorClipSink& clip) {
    if (kind == ArcKind::kChord) {
      clip.SetChordSide(PixelCentre(start_pixel), PixelCentre(end_pixel));
    } else {
      clip.SetSlice(centre, start_dir, end_dir);
    }
  };

  SpanCollector outline(bounds);
  if (pen.kind == OutlinePen::Kind::kCosmetic) {
    SectorClipSink clip(outline);
    clip_to_part(clip);
    EmitOutlineAndInterior(EllipseRows(Half(box), true), bounds, clip, nullptr);
    if (kind == ArcKind::kPie) {
      RasterCosmeticLine(centre_pixel, start_pixel, bounds, outline);
      RasterCosmeticLine(centre_pixel, end_pixel, bounds, outline);
    } else if (kind == ArcKind::kChord) {
      RasterCosmeticLine(start_pixel, end_pixel, bounds, outline);
    }
    outline.Pixel(start_pixel.x, start_pixel.y);
    outline.Pixel(end_pixel.x, end_pixel.y);
  } else if (pen.kind == OutlinePen::Kind::kWide) {
    SectorClipSink clip(outline);
    clip_to_part(clip);
    EmitRing(EllipseRows(Grow(path, pen.width), true), EllipseRows(Grow(path, -pen.width), false),
             bounds, clip);
    if (kind == ArcKind::kPie) {
      RasterCapsule(centre_pixel, start_pixel, pen.width, bounds, outline);
      RasterCapsule(centre_pixel, end_pixel, pen.width, bounds, outline);
    } else {
      RasterCapsule(start_pixel, kind == ArcKind::kChord ? end_pixel : start_pixel, pen.width, bounds, outline);
      RasterCapsule(end_pixel, end_pixel, pen.width, bounds, outline);
    }
  }
  outline.Finish();

  if (kind != ArcKind::kArc && out.interior != nullptr) {
    SubtractSink minus_outline(outline, *out.interior);
    SectorClipSink clip(minus_outline);
    clip_to_part(clip);
    if (pen.kind == OutlinePen::Kind::kNone) {
      EmitRows(EllipseRows(Half(PenlessBox(box)), true), bounds, clip);
    } else if (pen.kind == OutlinePen::Kind::kWide) {
      EmitRows(EllipseRows(Grow(path, -pen.width), false), bounds, clip);
    } else {
      EmitOutlineAndInterior(EllipseRows(Half(box), true), bounds, null_sink, &clip);
    }
  }
  if (pen.kind != OutlinePen::Kind::kNone && out.outline != nullptr) outline.EmitTo(*out.outline);
}

void RasterPolygonFigure(const POINT* points, const int* counts, int polygon_count, FillRule rule,
                         const OutlinePen& pen, const RECT& bounds, const FigureSinks& out) {
  SpanCollector on(bounds), gaps(bounds);
  LineStyle style = LineStyle::ForPenStyle(pen.kind == OutlinePen::Kind::kCosmetic ? pen.style : 0);
  const POINT* polygon = points;
  for (int p = 0; p < polygon_count && pen.kind != OutlinePen::Kind::kNone; ++p) {
    if (counts[p] >= 2) {
      if (pen.kind == OutlinePen::Kind::kWide) {
        StrokeWide(polygon, counts[p], true, pen.width, bounds, on);
      } else {
        StrokeCosmetic(polygon, counts[p], true, style, bounds, on, &gaps);
      }
    }
    polygon += std::max(counts[p], 0);
  }
  on.Finish();
  gaps.Finish();
  if (out.interior != nullptr) {
    SubtractSink minus_gaps(gaps, *out.interior);
    SubtractSink minus_outline(on, out.gaps != nullptr ? static_cast<SpanSink&>(minus_gaps) : *out.interior);
    RasterPolygons(points, counts, polygon_count, rule, bounds, minus_outline);
  }
  if (out.outline != nullptr) on.EmitTo(*out.outline);
  if (out.gaps != nullptr) gaps.EmitTo(*out.gaps);
}

void RasterPolyline(const POINT* points, int count, const OutlinePen& pen, LineStyle& style,
                    const RECT& bounds, SpanSink& on, SpanSink* gaps) {
  if (points == nullptr || count < 2 || pen.kind == OutlinePen::Kind::kNone) return;
  if (pen.kind == OutlinePen::Kind::kCosmetic) {
    StrokeCosmetic(points, count, false, style, bounds, on, gaps);
    return;
  }
  SpanCollector wide(bounds);
  StrokeWide(points, count, false, pen.width, bounds, wide);
  wide.Finish();
  wide.EmitTo(on);
}

}  // namespace platform::gdi
