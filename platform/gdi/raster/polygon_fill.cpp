#include "platform/gdi/raster/polygon_fill.h"

#include <algorithm>
#include <vector>

#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {

namespace {

struct Edge {
  std::int64_t top, bottom;  // rows [top, bottom) cross it
  std::int64_t x_top, dx, dy;
  int direction;  // +1 drawn downwards, -1 upwards (the winding rule's count)

  // ceil of the exact x where row y crosses the edge.
  std::int64_t CrossingAt(std::int64_t y) const {
    std::int64_t rise = y - top;
    if (rise < (std::int64_t{1} << 31) && dx < (std::int64_t{1} << 31) &&
        dx > -(std::int64_t{1} << 31)) {
      std::int64_t n = rise * dx;
      std::int64_t q = n / dy;
      if (n % dy != 0 && n > 0) ++q;  // ceil (dy > 0)
      return x_top + q;
    }
    return static_cast<std::int64_t>(Wide{x_top} + CeilDiv(Wide{rise} * dx, dy));
  }
};

struct Crossing {
  std::int64_t x;
  int direction;
};

}  // namespace

void RasterPolygons(const POINT* points, const int* counts, int polygon_count, FillRule rule,
                    const RECT& bounds, SpanSink& sink) {
  if (IsEmptyBounds(bounds) || points == nullptr || counts == nullptr) return;
  std::vector<Edge> edges;
  const POINT* polygon = points;
  for (int p = 0; p < polygon_count; ++p) {
    int n = counts[p];
    for (int i = 0; i < n && n >= 2; ++i) {
      POINT a = polygon[i], b = polygon[(i + 1) % n];
      if (a.y == b.y) continue;  // horizontal edges cross no row
      int direction = 1;
      if (a.y > b.y) {
        std::swap(a, b);
        direction = -1;
      }
      edges.push_back({a.y, b.y, a.x, std::int64_t{b.x} - a.x, std::int64_t{b.y} - a.y, direction});
    }
    polygon += std::max(n, 0);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.top < b.top; });

  std::int64_t first = edges.front().top, end = edges.front().bottom;
  for (const Edge& e : edges) end = std::max(end, e.bottom);
  first = std::max<std::int64_t>(first, bounds.top);
  end = std::min<std::int64_t>(end, bounds.bottom);

  std::vector<const Edge*> active;
  std::vector<Crossing> crossings;
  std::size_t next = 0;
  for (std::int64_t y = first; y < end; ++y) {
    while (next < edges.size() && edges[next].top <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->bottom <= y; });
    crossings.clear();
    for (const Edge* e : active) crossings.push_back({e->CrossingAt(y), e->direction});
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.x < b.x; });

    // Runs between crossings where the rule says "inside", merged when they touch.
    std::int64_t run0 = 0, run1 = 0;
    bool have_run = false;
    int winding = 0;
    auto flush = [&] {
      std::int64_t x0 = std::max<std::int64_t>(run0, bounds.left);
      std::int64_t x1 = std::min<std::int64_t>(run1, bounds.right);
      if (have_run && x0 < x1) {
        sink.Span(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x0),
                  static_cast<std::int32_t>(x1));
      }
      have_run = false;
    };
    for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += rule == FillRule::kWinding ? crossings[i].direction : 1;
      bool inside = rule == FillRule::kWinding ? winding != 0 : winding % 2 != 0;
      std::int64_t x0 = crossings[i].x, x1 = crossings[i + 1].x;
      if (!inside || x0 >= x1) continue;
      if (have_run && run1 == x0) {
        run1 = x1;
      } else {
        flush();
        run0 = x0;
        run1 = x1;
        have_run = true;
      }
    }
    flush();
  }
}

}  // namespace platform::gdi
