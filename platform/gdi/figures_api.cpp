// Rectangle, RoundRect, Ellipse, Arc, Pie, Chord, Polygon and PolyPolygon: outlines with
// the selected pen, interiors with the selected brush, both in the DC's mix mode; and
// the arc direction they follow.
#include <cstdint>

#include "platform/gdi/raster/figures.h"
#include "platform/gdi/shape_painting.h"

using namespace platform::gdi;

namespace {

bool Clockwise(const DeviceContext& dc) { return dc.state.arc_direction == AD_CLOCKWISE; }

BOOL DrawArcFigure(HDC dc, ArcKind kind, int left, int top, int right, int bottom, int x_start,
                   int y_start, int x_end, int y_end) {
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  RasterArcFigure(kind, {left, top, right, bottom}, {x_start, y_start}, {x_end, y_end},
                  Clockwise(painting.dc()), painting.pen(), painting.bounds(),
                  painting.Sinks(kind != ArcKind::kArc));
  return TRUE;
}

// Checks the handle, the arrays and the counts of a polygon call (each polygon needs two
// points or more) before anything is drawn.
bool ValidPolygons(HDC dc, const POINT* points, const INT* counts, int polygon_count) {
  if (FindDc(dc) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  bool valid = points != nullptr && counts != nullptr && polygon_count >= 1;
  std::int64_t total = 0;
  for (int i = 0; valid && i < polygon_count; ++i) {
    valid = counts[i] >= 2;
    total += counts[i];
  }
  if (!valid || total > INT32_MAX) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

}  // namespace

extern "C" {

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  RasterRectangle({left, top, right, bottom}, painting.pen(), painting.bounds(), painting.Sinks(true));
  return TRUE;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int corner_width,
               int corner_height) {
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  RasterRoundRect({left, top, right, bottom}, corner_width, corner_height, painting.pen(),
                  painting.bounds(), painting.Sinks(true));
  return TRUE;
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom) {
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  RasterEllipse({left, top, right, bottom}, painting.pen(), painting.bounds(), painting.Sinks(true));
  return TRUE;
}

BOOL Arc(HDC dc, int left, int top, int right, int bottom, int x_start, int y_start, int x_end,
         int y_end) {
  return DrawArcFigure(dc, ArcKind::kArc, left, top, right, bottom, x_start, y_start, x_end, y_end);
}

BOOL Pie(HDC dc, int left, int top, int right, int bottom, int x_start, int y_start, int x_end,
         int y_end) {
  return DrawArcFigure(dc, ArcKind::kPie, left, top, right, bottom, x_start, y_start, x_end, y_end);
}

BOOL Chord(HDC dc, int left, int top, int right, int bottom, int x_start, int y_start, int x_end,
           int y_end) {
  return DrawArcFigure(dc, ArcKind::kChord, left, top, right, bottom, x_start, y_start, x_end, y_end);
}

BOOL Polygon(HDC dc, const POINT* points, int count) {
  return PolyPolygon(dc, points, &count, 1);
}

BOOL PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygon_count) {
  if (!ValidPolygons(dc, points, counts, polygon_count)) return FALSE;
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  const FillRule rule = painting.dc().state.poly_fill_mode == WINDING ? FillRule::kWinding
                                                                       : FillRule::kAlternate;
  RasterPolygonFigure(points, counts, polygon_count, rule, painting.pen(), painting.bounds(),
                      painting.Sinks(true));
  return TRUE;
}

int SetArcDirection(HDC dc, int direction) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (direction != AD_COUNTERCLOCKWISE && direction != AD_CLOCKWISE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int previous = context->state.arc_direction;
  context->state.arc_direction = direction;
  return previous;
}

int GetArcDirection(HDC dc) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return context->state.arc_direction;
}

}  // extern "C"
