#include "platform/gdi/raster/convex_rows.h"

#include <algorithm>

#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {

namespace {

// The smallest |4v + 2 - sum| over integers v: how close a pixel centre can come to the
// middle of a box whose edges add up to `sum` (half units, doubled once more).
std::int64_t NearestCentreDistance(std::int64_t sum) {
  std::int64_t r = ((2 - sum) % 4 + 4) % 4;
  return std::min(r, 4 - r);
}

// Sends [x0, x1) of row y to the sink, clipped to the bounds.
void EmitClipped(std::int64_t y, std::int64_t x0, std::int64_t x1, const RECT& bounds,
                 SpanSink& sink) {
  x0 = std::max<std::int64_t>(x0, bounds.left);
  x1 = std::min<std::int64_t>(x1, bounds.right);
  if (x0 < x1) {
    sink.Span(static_cast<std::int32_t>(y), static_cast<std::int32_t>(x0),
              static_cast<std::int32_t>(x1));
  }
}

void VisibleRows(const ConvexRows& shape, const RECT& bounds, std::int64_t* first,
                 std::int64_t* end) {
  shape.RowRange(first, end);
  *first = std::max<std::int64_t>(*first, bounds.top);
  *end = std::min<std::int64_t>(*end, bounds.bottom);
}

}  // namespace

EllipseRows::EllipseRows(const HalfBox& box, bool at_least_centre)
    : width_(box.right - box.left),
      height_(box.bottom - box.top),
      sum_x_(box.left + box.right),
      sum_y_(box.top + box.bottom),
      empty_(width_ <= 0 || height_ <= 0) {
  if (at_least_centre) {
    min_k_ = NearestCentreDistance(sum_x_);
    min_m_ = NearestCentreDistance(sum_y_);
  } else {
    min_k_ = min_m_ = -1;  // no row or column is kept by force
  }
}

void EllipseRows::RowRange(std::int64_t* first, std::int64_t* end) const {
  if (empty_) {
    *first = *end = 0;
    return;
  }
  // Rows whose centre distance m = |4y + 2 - sum_y| is at most the height.
  *first = static_cast<std::int64_t>(CeilDiv(Wide{sum_y_} - 2 - height_, 4));
  *end = static_cast<std::int64_t>(FloorDiv(Wide{sum_y_} - 2 + height_, 4)) + 1;
}

bool EllipseRows::Row(std::int64_t y, std::int64_t* x0, std::int64_t* x1) const {
  if (empty_) return false;
  Wide m = Wide{4} * y + 2 - sum_y_;
  if (m < 0) m = -m;
  if (m > height_) return false;
  // The largest centre distance k with k^2 H^2 + m^2 W^2 <= W^2 H^2.
  Wide k;
  if (m == min_m_) {
    k = width_;  // a middle row spans the box
  } else {
    Wide n = (Wide{height_} - m) * (Wide{height_} + m);
    if (width_ < (std::int64_t{1} << 31) && height_ < (std::int64_t{1} << 31)) {
      unsigned __int128 w2 = static_cast<unsigned __int128>(width_) * width_;
      unsigned __int128 h2 = static_cast<unsigned __int128>(height_) * height_;
      k = FloorSqrt(w2 * static_cast<unsigned __int128>(n) / h2);
    } else {
      // Figures of a billion pixels and more: near enough, still symmetric.
      long double root = __builtin_sqrtl(static_cast<long double>(n));
      k = static_cast<Wide>(static_cast<long double>(width_) * root / height_);
    }
    k = std::max<Wide>(k, min_k_);
  }
  if (k < 0) return false;
  *x0 = static_cast<std::int64_t>(CeilDiv(Wide{sum_x_} - 2 - k, 4));
  *x1 = static_cast<std::int64_t>(FloorDiv(Wide{sum_x_} - 2 + k, 4)) + 1;
  return *x0 < *x1;
}

RoundRectRows::RoundRectRows(const HalfBox& box, std::int64_t corner_width,
                             std::int64_t corner_height, bool at_least_centre)
    : box_(box),
      first_x_(static_cast<std::int64_t>(CeilDiv(Wide{box.left} - 1, 2))),
      end_x_(static_cast<std::int64_t>(CeilDiv(Wide{box.right} - 1, 2))),
      corner_width_(std::clamp<std::int64_t>(corner_width, 0, std::max<std::int64_t>(box.right - box.left, 0))),
      corner_height_(std::clamp<std::int64_t>(corner_height, 0, std::max<std::int64_t>(box.bottom - box.top, 0))),
      top_left_({box.left, box.top, box.left + corner_width_, box.top + corner_height_}, at_least_centre),
      top_right_({box.right - corner_width_, box.top, box.right, box.top + corner_height_}, at_least_centre),
      bottom_left_({box.left, box.bottom - corner_height_, box.left + corner_width_, box.bottom}, at_least_centre),
      bottom_right_({box.right - corner_width_, box.bottom - corner_height_, box.right, box.bottom}, at_least_centre) {}

void RoundRectRows::RowRange(std::int64_t* first, std::int64_t* end) const {
  // Rows whose centre 2y + 1 lies in [top, bottom).
  *first = static_cast<std::int64_t>(CeilDiv(Wide{box_.top} - 1, 2));
  *end = std::max(*first, static_cast<std::int64_t>(CeilDiv(Wide{box_.bottom} - 1, 2)));
}

bool RoundRectRows::Row(std::int64_t y, std::int64_t* x0, std::int64_t* x1) const {
  Wide centre = Wide{2} * y + 1;
  if (centre < box_.top || centre >= box_.bottom || box_.left >= box_.right) return false;
  *x0 = first_x_;
  *x1 = end_x_;
  if (corner_width_ > 0 && corner_height_ > 0) {
    const EllipseRows* left = nullptr;
    const EllipseRows* right = nullptr;
    if (2 * centre < 2 * Wide{box_.top} + corner_height_) {
      left = &top_left_;
      right = &top_right_;
    } else if (2 * centre > 2 * Wide{box_.bottom} - corner_height_) {
      left = &bottom_left_;
      right = &bottom_right_;
    }
    if (left != nullptr) {
      std::int64_t a, b;
      if (!left->Row(y, x0, &a) || !right->Row(y, &a, &b)) return false;
      *x1 = b;
    }
  }
  return *x0 < *x1;
}

void EmitRows(const ConvexRows& shape, const RECT& bounds, SpanSink& sink) {
  std::int64_t first, end;
  VisibleRows(shape, bounds, &first, &end);
  for (std::int64_t y = first; y < end; ++y) {
    std::int64_t x0, x1;
    if (shape.Row(y, &x0, &x1)) EmitClipped(y, x0, x1, bounds, sink);
  }
}

void EmitOutlineAndInterior(const ConvexRows& shape, const RECT& bounds, SpanSink& outline,
                            SpanSink* interior) {
  std::int64_t first, end;
  VisibleRows(shape, bounds, &first, &end);
  for (std::int64_t y = first; y < end; ++y) {
    std::int64_t x0, x1;
    if (!shape.Row(y, &x0, &x1)) continue;
    // Interior pixels have all four side neighbours in the shape; rows are single runs,
    // so they form one run too.
    std::int64_t in0 = x0 + 1, in1 = x1 - 1, a, b;
    for (std::int64_t neighbour : {y - 1, y + 1}) {
      if (shape.Row(neighbour, &a, &b)) {
        in0 = std::max(in0, a);
        in1 = std::min(in1, b);
      } else {
        in1 = in0;
      }
    }
    if (in0 >= in1) {
      EmitClipped(y, x0, x1, bounds, outline);
      continue;
    }
    EmitClipped(y, x0, in0, bounds, outline);
    if (interior != nullptr) EmitClipped(y, in0, in1, bounds, *interior);
    EmitClipped(y, in1, x1, bounds, outline);
  }
}

void EmitRing(const ConvexRows& outer, const ConvexRows& inner, const RECT& bounds,
              SpanSink& sink) {
  std::int64_t first, end;
  VisibleRows(outer, bounds, &first, &end);
  for (std::int64_t y = first; y < end; ++y) {
    std::int64_t x0, x1, h0, h1;
    if (!outer.Row(y, &x0, &x1)) continue;
    if (!inner.Row(y, &h0, &h1) || h0 >= x1 || h1 <= x0) {
      EmitClipped(y, x0, x1, bounds, sink);
      continue;
    }
    EmitClipped(y, x0, h0, bounds, sink);
    EmitClipped(y, h1, x1, bounds, sink);
  }
}

}  // namespace platform::gdi
