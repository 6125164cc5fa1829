#include "platform/gdi/raster/cosmetic_line.h"

#include <algorithm>
#include <cstdlib>

#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {

namespace {

// The line as major/minor axis steps: pixel i (0 <= i < length) lies at
// major = major0 + major_step * i, minor = minor0 + minor_step * Offset(i).
struct LineAxes {
  bool x_major;
  std::int64_t major0, minor0;
  int major_step, minor_step;
  std::int64_t d_major, d_minor;  // >= 0, d_minor <= d_major

  LineAxes(POINT from, POINT to) {
    std::int64_t dx = std::int64_t{to.x} - from.x, dy = std::int64_t{to.y} - from.y;
    x_major = std::llabs(dx) >= std::llabs(dy);
    std::int64_t dmaj = x_major ? dx : dy, dmin = x_major ? dy : dx;
    major0 = x_major ? from.x : from.y;
    minor0 = x_major ? from.y : from.x;
    major_step = dmaj < 0 ? -1 : 1;
    minor_step = dmin < 0 ? -1 : 1;
    d_major = std::llabs(dmaj);
    d_minor = std::llabs(dmin);
  }

  // The minor offset of pixel i, rounded to nearest with halves toward the smaller
  // coordinate: up for a line going down the minor axis, down for one going back.
  Wide Offset(Wide i) const {
    if (minor_step > 0) return CeilDiv(2 * i * d_minor - d_major, 2 * Wide{d_major});
    return FloorDiv(2 * i * d_minor + d_major, 2 * Wide{d_major});
  }

  // The first i in [lo, hi) whose offset is >= v (offsets never decrease), else hi.
  Wide FirstWithOffset(Wide v, Wide lo, Wide hi) const {
    while (lo < hi) {
      Wide mid = lo + (hi - lo) / 2;
      if (Offset(mid) >= v) hi = mid; else lo = mid + 1;
    }
    return lo;
  }

  // The steps i in [0, d_major) along `step` from `start` that land in [lo, hi).
  static void StepRange(std::int64_t start, int step, std::int64_t lo, std::int64_t hi,
                        Wide* first, Wide* last) {
    if (step > 0) {
      *first = Wide{lo} - start;
      *last = Wide{hi} - start;
    } else {
      *first = Wide{start} - hi + 1;
      *last = Wide{start} - lo + 1;
    }
  }
};

// Calls emit(first step, count, major of the first step, minor) for each run of pixels
// inside the bounds that share their minor coordinate, in drawing order.
template <class Emit>
void WalkLine(POINT from, POINT to, const RECT& bounds, Emit&& emit) {
  if (IsEmptyBounds(bounds)) return;
  LineAxes a(from, to);
  if (a.d_major == 0) return;
  std::int64_t maj_lo = a.x_major ? bounds.left : bounds.top;
  std::int64_t maj_hi = a.x_major ? bounds.right : bounds.bottom;
  std::int64_t min_lo = a.x_major ? bounds.top : bounds.left;
  std::int64_t min_hi = a.x_major ? bounds.bottom : bounds.right;

  Wide first, last;
  LineAxes::StepRange(a.major0, a.major_step, maj_lo, maj_hi, &first, &last);
  first = std::max<Wide>(first, 0);
  last = std::min<Wide>(last, a.d_major);
  if (first >= last) return;
  Wide off_lo, off_hi;  // offsets whose minor coordinate is inside
  LineAxes::StepRange(a.minor0, a.minor_step, min_lo, min_hi, &off_lo, &off_hi);
  first = a.FirstWithOffset(off_lo, first, last);
  last = a.FirstWithOffset(off_hi, first, last);
  if (first >= last) return;

  // Walk the visible steps with the Bresenham remainder, one run of equal offset at a time.
  const std::int64_t two_major = 2 * a.d_major, two_minor = 2 * a.d_minor;
  Wide q = a.Offset(first);
  std::int64_t rem;
  if (a.minor_step > 0) {
    rem = static_cast<std::int64_t>(q * two_major - (2 * first * a.d_minor - a.d_major));
  } else {
    rem = static_cast<std::int64_t>((2 * first * a.d_minor + a.d_major) - q * two_major);
  }
  std::int64_t i = static_cast<std::int64_t>(first);
  const std::int64_t end = static_cast<std::int64_t>(last);
  while (i < end) {
    std::int64_t run;
    if (two_minor == 0) {
      run = end - i;
    } else if (a.minor_step > 0) {
      run = rem / two_minor + 1;  // steps until the remainder goes below 0
    } else {
      run = (two_major - rem + two_minor - 1) / two_minor;  // until it reaches 2 * d_major
    }
    run = std::min(run, end - i);
    emit(i, run, a.major0 + a.major_step * i, a.minor0 + a.minor_step * static_cast<std::int64_t>(q));
    i += run;
    if (a.minor_step > 0) rem += two_major - run * two_minor; else rem += run * two_minor - two_major;
    ++q;
  }
}

// Sends part of a run — `count` pixels from step `skip` of a run — to a sink.
void EmitRunPart(bool x_major, int major_step, std::int64_t major_first, std::int64_t minor,
                 std::int64_t skip, std::int64_t count, SpanSink& sink) {
  std::int64_t a = major_first + major_step * skip;
  std::int64_t b = a + major_step * (count - 1);
  if (a > b) std::swap(a, b);
  if (x_major) {
    sink.Span(static_cast<std::int32_t>(minor), static_cast<std::int32_t>(a),
              static_cast<std::int32_t>(b + 1));
  } else {
    for (std::int64_t y = a; y <= b; ++y) sink.Pixel(static_cast<std::int32_t>(minor), static_cast<std::int32_t>(y));
  }
}

}  // namespace

std::uint64_t CosmeticLineLength(POINT from, POINT to) {
  return static_cast<std::uint64_t>(LineAxes(from, to).d_major);
}

void RasterCosmeticLine(POINT from, POINT to, const RECT& bounds, SpanSink& sink) {
  LineAxes axes(from, to);
  WalkLine(from, to, bounds,
           [&](std::int64_t, std::int64_t count, std::int64_t major, std::int64_t minor) {
             EmitRunPart(axes.x_major, axes.major_step, major, minor, 0, count, sink);
           });
}

void RasterStyledLine(POINT from, POINT to, const RECT& bounds, LineStyle& style, SpanSink& on,
                      SpanSink* gaps) {
  LineAxes axes(from, to);
  WalkLine(from, to, bounds,
           [&](std::int64_t step, std::int64_t count, std::int64_t major, std::int64_t minor) {
             for (std::int64_t k = 0; k < count;) {
               std::uint64_t s = static_cast<std::uint64_t>(step + k);
               std::int64_t part = static_cast<std::int64_t>(
                   std::min<std::uint64_t>(style.RunFrom(s), static_cast<std::uint64_t>(count - k)));
               SpanSink* sink = style.On(s) ? &on : gaps;
               if (sink != nullptr) EmitRunPart(axes.x_major, axes.major_step, major, minor, k, part, *sink);
               k += part;
             }
           });
  style.Advance(static_cast<std::uint64_t>(axes.d_major));
}

}  // namespace platform::gdi
