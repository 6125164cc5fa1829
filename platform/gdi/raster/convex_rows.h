// Figures with one run of pixels per row: ellipses, rectangles and round rectangles
// (platform-internal).
//
// Boxes are given in half-pixel units: pixel x covers [x, x + 1) and its centre is at
// 2x + 1, so a box from pixel l to r (exclusive) is [2l, 2r], and a pen path through the
// centres of its edge pixels is [2l + 1, 2r - 1]. Half units let the outlines of even pen
// widths fall between pixels without rounding. A pixel belongs to a figure when its
// centre does; ellipses include their boundary on both sides so they stay symmetric,
// rectangle edges are half-open (left and top in, right and bottom out).
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/win32.h"

namespace platform::gdi {

struct HalfBox {
  std::int64_t left, top, right, bottom;  // half-pixel units
};

class ConvexRows {
 public:
  virtual ~ConvexRows() = default;
  // The rows that may hold pixels: [first, end).
  virtual void RowRange(std::int64_t* first, std::int64_t* end) const = 0;
  // Row y's pixels [x0, x1); false when it has none.
  virtual bool Row(std::int64_t y, std::int64_t* x0, std::int64_t* x1) const = 0;
};

// The ellipse inscribed in a box. `at_least_centre`: every row the box spans keeps its
// middle pixel(s) and every column its middle row(s), so a thin ellipse stays a line
// instead of breaking up (used for the figures themselves, not for the hole of a ring).
class EllipseRows : public ConvexRows {
 public:
  EllipseRows(const HalfBox& box, bool at_least_centre);
  void RowRange(std::int64_t* first, std::int64_t* end) const override;
  bool Row(std::int64_t y, std::int64_t* x0, std::int64_t* x1) const override;
  bool empty() const { return empty_; }

 private:
  std::int64_t width_, height_, sum_x_, sum_y_;  // box size and left + right, top + bottom
  std::int64_t min_k_ = 0, min_m_ = 0;          // the smallest distances a centre can have
  bool empty_;
};

// A rectangle whose corners are quarters of an ellipse of `corner_width` x
// `corner_height` half-pixel units (0: square corners).
class RoundRectRows : public ConvexRows {
 public:
  RoundRectRows(const HalfBox& box, std::int64_t corner_width, std::int64_t corner_height,
                bool at_least_centre);
  void RowRange(std::int64_t* first, std::int64_t* end) const override;
  bool Row(std::int64_t y, std::int64_t* x0, std::int64_t* x1) const override;

 private:
  HalfBox box_;
  std::int64_t first_x_, end_x_;  // the pixels of a row between the corners
  std::int64_t corner_width_, corner_height_;
  EllipseRows top_left_, top_right_, bottom_left_, bottom_right_;
};

// Every pixel of the shape inside `bounds`.
void EmitRows(const ConvexRows& shape, const RECT& bounds, SpanSink& sink);

// The shape split into its one-pixel outline (pixels with a side neighbour outside the
// shape: a closed, 8-connected ring) and the rest (`interior`, may be null).
void EmitOutlineAndInterior(const ConvexRows& shape, const RECT& bounds, SpanSink& outline,
                            SpanSink* interior);

// The pixels of `outer` that are not in `inner`: the ring a wide pen draws.
void EmitRing(const ConvexRows& outer, const ConvexRows& inner, const RECT& bounds,
              SpanSink& sink);

}  // namespace platform::gdi
