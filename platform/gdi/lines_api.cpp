// MoveToEx, LineTo, Polyline and PolylineTo: lines with the selected pen.
#include "platform/gdi/raster/figures.h"
#include "platform/gdi/shape_painting.h"

using namespace platform::gdi;

namespace {

// Draws the polyline with the DC's pen; a dash pattern starts afresh with each call.
void DrawPolyline(ShapePainting& painting, const POINT* points, int count) {
  LineStyle style = LineStyle::ForPenStyle(painting.pen().style);
  RasterPolyline(points, count, painting.pen(), style, painting.bounds(), painting.pen_sink(),
                 painting.gap_sink());
}

}  // namespace

extern "C" {

BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous) {
  DeviceContext* context = FindDc(dc);
  if (context == nullptr) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (previous != nullptr) *previous = context->state.current_position;
  context->state.current_position = {x, y};
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  const POINT line[2] = {painting.dc().state.current_position, {x, y}};
  DrawPolyline(painting, line, 2);
  painting.dc().state.current_position = line[1];
  return TRUE;
}

BOOL Polyline(HDC dc, const POINT* points, int count) {
  if (points == nullptr || count < 2) {
    if (FindDc(dc) == nullptr) {
      SetLastError(ERROR_INVALID_HANDLE);
    } else {
      SetLastError(ERROR_INVALID_PARAMETER);
    }
    return FALSE;
  }
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  DrawPolyline(painting, points, count);
  return TRUE;
}

BOOL PolylineTo(HDC dc, const POINT* points, DWORD count) {
  if (points == nullptr || count == 0 || count > 0x7FFFFFFE) {
    SetLastError(FindDc(dc) == nullptr ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  ShapePainting painting(dc);
  if (!painting.ok()) return FALSE;
  // The current position first, then the points, in one polyline (the dashes carry on).
  std::vector<POINT> line;
  line.reserve(count + 1);
  line.push_back(painting.dc().state.current_position);
  line.insert(line.end(), points, points + count);
  DrawPolyline(painting, line.data(), static_cast<int>(line.size()));
  painting.dc().state.current_position = points[count - 1];
  return TRUE;
}

}  // extern "C"
