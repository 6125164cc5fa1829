#include "platform/gdi/raster/wide_line.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {

namespace {

// Narrows [lo, hi) with the x where lo_value <= slope * x + offset <= hi_value.
void KeepWhereBetween(double slope, double offset, double lo_value, double hi_value, double* lo,
                      double* hi) {
  if (slope == 0) {
    if (offset < lo_value || offset > hi_value) *hi = -std::numeric_limits<double>::infinity();
    return;
  }
  double a = (lo_value - offset) / slope, b = (hi_value - offset) / slope;
  if (a > b) std::swap(a, b);
  *lo = std::max(*lo, a);
  *hi = std::min(*hi, b);
}

}  // namespace

void RasterCapsule(POINT from, POINT to, int width, const RECT& bounds, SpanSink& sink) {
  if (width < 1 || IsEmptyBounds(bounds)) return;
  const double radius = width / 2.0;
  const double x0 = from.x, y0 = from.y, x1 = to.x, y1 = to.y;
  const double dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
  const double length = std::sqrt(length2);

  double top = std::min(y0, y1) - radius, bottom = std::max(y0, y1) + radius;
  std::int64_t first_row = std::max<std::int64_t>(static_cast<std::int64_t>(std::ceil(top)), bounds.top);
  std::int64_t end_row = std::min<std::int64_t>(static_cast<std::int64_t>(std::ceil(bottom)), bounds.bottom);

  for (std::int64_t y = first_row; y < end_row; ++y) {
    const double row = static_cast<double>(y);
    double lo = std::numeric_limits<double>::infinity(), hi = -lo;
    // The round caps.
    for (const auto& [cx, cy] : {std::pair{x0, y0}, std::pair{x1, y1}}) {
      double h2 = radius * radius - (row - cy) * (row - cy);
      if (h2 < 0) continue;
      double h = std::sqrt(h2);
      lo = std::min(lo, cx - h);
      hi = std::max(hi, cx + h);
    }
    // The body: within the radius of the line, between the perpendiculars at the ends.
    if (length2 > 0) {
      double body_lo = -std::numeric_limits<double>::infinity(), body_hi = -body_lo;
      KeepWhereBetween(-dy, dx * (row - y0) + dy * x0, -radius * length, radius * length,
                       &body_lo, &body_hi);
      KeepWhereBetween(dx, dy * (row - y0) - dx * x0, 0, length2, &body_lo, &body_hi);
      if (body_lo <= body_hi) {
        lo = std::min(lo, body_lo);
        hi = std::max(hi, body_hi);
      }
    }
    if (!(lo <= hi)) continue;
    // Half-open: pixel x is in when lo <= x < hi.
    double left = std::max(std::ceil(lo), static_cast<double>(bounds.left));
    double right = std::min(std::ceil(hi), static_cast<double>(bounds.right));
    if (left < right) {
      sink.Span(static_cast<std::int32_t>(y), static_cast<std::int32_t>(left),
                static_cast<std::int32_t>(right));
    }
  }
}

}  // namespace platform::gdi
