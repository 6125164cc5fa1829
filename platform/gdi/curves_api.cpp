// PolyBezier, PolyBezierTo and ArcTo: curves with the selected pen.
//
// A Bézier call draws its curves as one polyline (a dash pattern runs on from one curve to
// the next), each curve flattened by FlattenBezier. ArcTo draws a line from the current
// position to where the arc starts, then the arc, and leaves the current position where
// the arc ends.
#include <cmath>
#include <vector>

#include "platform/gdi/raster/bezier.h"
#include "platform/gdi/raster/figures.h"
#include "platform/gdi/shape_painting.h"

using namespace platform::gdi;

namespace {

// The curves' points: `start`, then the flattened curves of the 3-point groups.
std::vector<POINT> BezierPolyline(POINT start, const POINT* points, DWORD count) {
  std::vector<POINT> line{start};
  POINT control[4] = {start, {}, {}, {}};
  for (DWORD i = 0; i + 3 <= count; i += 3) {
    control[1] = points[i];
    control[2] = points[i + 1];
    control[3] = points[i + 2];
    FlattenBezier(control, line);
    control[0] = control[3];
  }
  return line;
}

void DrawLine(ShapePainting& painting, const std::vector<POINT>& line) {
  LineStyle style = LineStyle::ForPenStyle(painting.pen().style);
  RasterPolyline(line.data(), static_cast<int>(line.size()), painting.pen(), style,
                 painting.bounds(), painting.pen_sink(), painting.gap_sink());
}

bool ValidCurveCall(HDC dc, const POINT* points, DWORD count, DWORD leading) {
  if (FindDc(dc) == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  if (points == nullptr || count < leading + 3 || (count - leading) % 3 != 0 || count > 0x7FFFFFFE / 4) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  return true;
}

// Where the radial from the box's centre through `radial` meets the ellipse in the box.
POINT OnEllipse(RECT box, POINT radial) {
  const double cx = (static_cast<double>(box.left) + box.right) / 2;
  const double cy = (static_cast<double>(box.top) + box.bottom) / 2;
  const double a = std::fabs(static_cast<double>(box.right) - box.left) / 2;
  const double b = std::fabs(static_cast<double>(box.bottom) - box.top) / 2;
  double dx = radial.x - cx, dy = radial.y - cy;
  if (a == 0 || b == 0 || (dx == 0 && dy == 0)) {
    dx = 1;  // no direction: the point at angle 0
    dy = 0;
  }
  const double scale = a == 0 || b == 0 ? 0 : 1 / std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
  return POINT{static_cast<LONG>(std::lround(cx + dx * scale)), static_cast<LONG>(std::lround(cy + dy * scale))};
}

}  // namespace

extern "C" {

BOOL PolyBezier(HDC dc, const POINT* points, DWORD count) {
  if (!ValidCurveCall(dc, points, count, 1)) return FALSE;
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  DrawLine(painting, BezierPolyline(points[0], points + 1, count - 1));
  return TRUE;
}

BOOL PolyBezierTo(HDC dc, const POINT* points, DWORD count) {
  if (!ValidCurveCall(dc, points, count, 0)) return FALSE;
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  DrawLine(painting, BezierPolyline(painting.dc().state.current_position, points, count));
  painting.dc().state.current_position = points[count - 1];
  return TRUE;
}

BOOL ArcTo(HDC dc, int left, int top, int right, int bottom, int x_radial1, int y_radial1,
           int x_radial2, int y_radial2) {
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  const RECT box{left, top, right, bottom};
  const POINT start = OnEllipse(box, {x_radial1, y_radial1});
  const POINT line[2] = {painting.dc().state.current_position, start};
  LineStyle style = LineStyle::ForPenStyle(painting.pen().style);
  RasterPolyline(line, 2, painting.pen(), style, painting.bounds(), painting.pen_sink(), painting.gap_sink());
  const bool clockwise = painting.dc().state.arc_direction == AD_CLOCKWISE;
  RasterArcFigure(ArcKind::kArc, box, {x_radial1, y_radial1}, {x_radial2, y_radial2}, clockwise,
                  painting.pen(), painting.bounds(), painting.Sinks(false));
  painting.dc().state.current_position = OnEllipse(box, {x_radial2, y_radial2});
  return TRUE;
}

}  // extern "C"
