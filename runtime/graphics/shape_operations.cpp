#include "runtime/graphics/shape_operations.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "runtime/graphics/surface_core.h"

namespace runtime {
namespace {

constexpr int kAttempts = 10;  // a GDI call that fails is tried this often in all
constexpr DWORD kRetryPause = 2;
constexpr double kRadialLength = 5000.0;

template <typename Call>
void WithRetries(Call call) {
  for (int attempt = 1; !call() && attempt < kAttempts; ++attempt) Sleep(kRetryPause);
}

RECT Ordered(POINT a, POINT b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

bool InclusiveEnds(const DialogState& surface) {
  return (surface.close_flags & INCLUSIVE_ENDS) != 0;
}

// Corner width and height of draw_box for an ordered box.
SIZE CornerSize(const RECT& box, std::int32_t percent) {
  if (percent == kEllipseCorners) return {box.right - box.left + 1, box.bottom - box.top + 1};
  const long long shorter = std::min(box.right - box.left, box.bottom - box.top);
  const LONG size = static_cast<LONG>(shorter * std::clamp(percent, 0, 100) / 100);
  return {size, size};
}

std::vector<POINT> DevicePoints(const DialogState& surface, std::span<const WorldPoint> points) {
  std::vector<POINT> device;
  device.reserve(points.size());
  for (const WorldPoint& p : points) device.push_back(to_device(surface, p.x, p.y, false));
  return device;
}

RECT Bounds(const std::vector<POINT>& points) {
  RECT r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const POINT& p : points) {
    r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x),
         std::max(r.bottom, p.y)};
  }
  return r;
}

RECT WholeBitmap(const DialogState& surface) {
  return {0, 0, surface.graphic.bitmap_size.cx, surface.graphic.bitmap_size.cy};
}

// GDI counts take int; more points than that are not drawn.
bool UsableCount(std::size_t count) { return count >= 2 && count <= 0x7FFFFFF; }

}  // namespace

void move_to(double x, double y, bool relative) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  set_current_position(surface, to_device(surface, x, y, relative));
}

void clear_surface(std::int32_t colour, std::int32_t fill_style) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  GraphicSurface& s = surface.graphic;
  if (colour == kForegroundColour) colour = s.default_back_color;
  const RECT all = WholeBitmap(surface);
  {
    const MadeTool brush = make_operation_brush(fill_colour(colour, 0), fill_style);
    WithRetries([&] { return FillRect(s.memory_dc, &all, static_cast<HBRUSH>(brush.object)) != 0; });
    if (brush.made) DeleteObject(brush.object);
  }
  surface.flags |= REDRAW_NOW;
  mark_dirty(surface, all, DirtyMode::kExact);
  set_current_position(surface, s.scroll);
}

void draw_line(double x, double y, std::int32_t colour, bool relative) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  GraphicSurface& s = surface.graphic;
  const POINT from = s.position;
  const POINT to = to_device(surface, x, y, relative);
  const std::int32_t c = line_colour(surface, colour);
  {
    SelectedTool pen(s.memory_dc, make_operation_pen(surface, c));
    WithRetries([&] { return LineTo(s.memory_dc, to.x, to.y) != 0; });
    if (InclusiveEnds(surface) && c != kNoColour) {
      SetPixelV(s.memory_dc, to.x, to.y, static_cast<COLORREF>(c));
    }
  }
  s.position = to;
  mark_dirty(surface, RECT{from.x, from.y, to.x, to.y}, DirtyMode::kPenWidth);
}

void draw_box(double x1, double y1, double x2, double y2, std::int32_t colour,
              std::int32_t corner_percent, std::int32_t fill, std::int32_t fill_style) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  HDC dc = surface.graphic.memory_dc;
  RECT box = Ordered(to_device(surface, x1, y1, false), to_device(surface, x2, y2, false));
  if (InclusiveEnds(surface)) {
    ++box.right;
    ++box.bottom;
  }
  const SIZE corner = CornerSize(box, corner_percent);
  const std::int32_t c = line_colour(surface, colour);
  {
    SelectedTool pen(dc, make_operation_pen(surface, c));
    SelectedTool brush(dc, make_operation_brush(fill_colour(fill, c), fill_style));
    RoundRect(dc, box.left, box.top, box.right, box.bottom, corner.cx, corner.cy);
  }
  mark_dirty(surface, box, DirtyMode::kPenWidth);
}

void draw_arc(double x1, double y1, double x2, double y2, float start, float end,
              std::int32_t colour, std::int32_t fill, std::int32_t fill_style,
              std::uint32_t arc_flags) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  HDC dc = surface.graphic.memory_dc;
  const RECT box = Ordered(to_device(surface, x1, y1, false), to_device(surface, x2, y2, false));
  const double centre_x = (static_cast<double>(box.left) + box.right + 1) * 0.5;
  const double centre_y = (static_cast<double>(box.top) + box.bottom + 1) * 0.5;
  auto radial = [&](float angle) {
    return POINT{round_to_device(centre_x + kRadialLength * std::cos(angle)),
                 round_to_device(centre_y - kRadialLength * std::sin(angle))};
  };
  const POINT from = radial(start);
  const POINT to = radial(end);
  const std::int32_t c = line_colour(surface, colour);
  {
    SelectedTool pen(dc, make_operation_pen(surface, c));
    if ((arc_flags & kArcPie) != 0) {
      SelectedTool brush(dc, make_operation_brush(fill_colour(fill, c), fill_style));
      Pie(dc, box.left, box.top, box.right, box.bottom, from.x, from.y, to.x, to.y);
    } else {
      Arc(dc, box.left, box.top, box.right, box.bottom, from.x, from.y, to.x, to.y);
    }
  }
  mark_dirty(surface, box, DirtyMode::kPenWidth);
}

void draw_polygon(std::span<const WorldPoint> points, std::int32_t colour, std::int32_t fill,
                  std::int32_t fill_style, std::int32_t fill_mode) {
  if (!UsableCount(points.size())) return;
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  HDC dc = surface.graphic.memory_dc;
  const std::vector<POINT> device = DevicePoints(surface, points);
  const std::int32_t c = line_colour(surface, colour);
  {
    SelectedTool pen(dc, make_operation_pen(surface, c));
    SelectedTool brush(dc, make_operation_brush(fill_colour(fill, c), fill_style));
    SetPolyFillMode(dc, fill_mode == WINDING ? WINDING : ALTERNATE);
    Polygon(dc, device.data(), static_cast<int>(device.size()));
  }
  mark_dirty(surface, Bounds(device), DirtyMode::kPenWidth);
}

void draw_polyline(std::span<const WorldPoint> points, std::int32_t colour) {
  if (!UsableCount(points.size())) return;
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  HDC dc = surface.graphic.memory_dc;
  const std::vector<POINT> device = DevicePoints(surface, points);
  const std::int32_t c = line_colour(surface, colour);
  {
    SelectedTool pen(dc, make_operation_pen(surface, c));
    Polyline(dc, device.data(), static_cast<int>(device.size()));
    if (InclusiveEnds(surface) && c != kNoColour) {
      SetPixelV(dc, device.back().x, device.back().y, static_cast<COLORREF>(c));
    }
  }
  mark_dirty(surface, Bounds(device), DirtyMode::kPenWidth);
}

void flood_fill(double x, double y, std::int32_t fill, std::int32_t fill_style,
                std::int32_t border_colour) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  HDC dc = surface.graphic.memory_dc;
  const POINT p = to_device(surface, x, y, false);
  const std::int32_t c = fill_colour(fill, line_colour(surface, kForegroundColour));
  {
    SelectedTool brush(dc, make_operation_brush(c, fill_style));
    if (border_colour == kForegroundColour) {
      ExtFloodFill(dc, p.x, p.y, GetPixel(dc, p.x, p.y), FLOODFILLSURFACE);
    } else {
      ExtFloodFill(dc, p.x, p.y, static_cast<COLORREF>(border_colour & 0xFFFFFF), FLOODFILLBORDER);
    }
  }
  mark_dirty(surface, WholeBitmap(surface), DirtyMode::kExact);
}

std::int32_t read_pixel(double x, double y) {
  DrawingScope scope;
  if (!scope) return -1;
  DialogState& surface = *scope.surface();
  const POINT p = to_device(surface, x, y, false);
  return static_cast<std::int32_t>(GetPixel(surface.graphic.memory_dc, p.x, p.y));
}

void set_pixel(double x, double y, std::int32_t colour) {
  DrawingScope scope;
  if (!scope) return;
  DialogState& surface = *scope.surface();
  const POINT p = to_device(surface, x, y, false);
  const std::int32_t c = line_colour(surface, colour);
  if (c == kNoColour) return;
  SetPixelV(surface.graphic.memory_dc, p.x, p.y, static_cast<COLORREF>(c));
  mark_dirty(surface, RECT{p.x, p.y, p.x + 1, p.y + 1}, DirtyMode::kExact);
}

}  // namespace runtime
