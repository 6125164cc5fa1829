// Cubic Bézier curves as polylines (see bezier.h).
#include "platform/gdi/raster/bezier.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/raster/int_math.h"

namespace platform::gdi {
namespace {

Wide Chebyshev(Wide x, Wide y) { return std::max(x < 0 ? -x : x, y < 0 ? -y : y); }

// n^3 * B(i / n) = a i^3 + b i^2 n + c i n^2 + d n^3 for one coordinate, with
// a = -p0 + 3p1 - 3p2 + p3, b = 3p0 - 6p1 + 3p2, c = -3p0 + 3p1, d = p0; stepped from i = 0
// by forward differences.
struct CubicSteps {
  Wide value, first, second, third;
  CubicSteps(Wide p0, Wide p1, Wide p2, Wide p3, Wide n) {
    const Wide a = -p0 + 3 * p1 - 3 * p2 + p3;
    const Wide b = (3 * p0 - 6 * p1 + 3 * p2) * n;
    const Wide c = (-3 * p0 + 3 * p1) * n * n;
    value = p0 * n * n * n;
    first = a + b + c;        // f(1) - f(0)
    second = 6 * a + 2 * b;   // the second difference at 0
    third = 6 * a;
  }
  void Step() {
    value += first;
    first += second;
    second += third;
  }
};

// The nearest integer to value / den (den > 0), halves rounded up.
LONG Nearest(Wide value, Wide den) {
  return static_cast<LONG>(FloorDiv(2 * value + den, 2 * den));
}

}  // namespace

int BezierSteps(const POINT p[4]) {
  const Wide d1 = Chebyshev(Wide{p[0].x} - 2 * Wide{p[1].x} + p[2].x, Wide{p[0].y} - 2 * Wide{p[1].y} + p[2].y);
  const Wide d2 = Chebyshev(Wide{p[1].x} - 2 * Wide{p[2].x} + p[3].x, Wide{p[1].y} - 2 * Wide{p[2].y} + p[3].y);
  const Wide d = std::max(d1, d2);
  if (d >= Wide{kMaxBezierSteps} * kMaxBezierSteps) return kMaxBezierSteps;
  // The smallest n with n * n >= 3d.
  const Wide need = 3 * d;
  Wide n = static_cast<Wide>(FloorSqrt(static_cast<unsigned __int128>(need)));
  if (n * n < need) ++n;
  return static_cast<int>(std::clamp<Wide>(n, 1, kMaxBezierSteps));
}

void FlattenBezier(const POINT p[4], std::vector<POINT>& out) {
  const int n = BezierSteps(p);
  const Wide den = Wide{n} * n * n;
  CubicSteps x(p[0].x, p[1].x, p[2].x, p[3].x, n);
  CubicSteps y(p[0].y, p[1].y, p[2].y, p[3].y, n);
  for (int i = 1; i < n; ++i) {
    x.Step();
    y.Step();
    out.push_back(POINT{Nearest(x.value, den), Nearest(y.value, den)});
  }
  out.push_back(p[3]);
}

}  // namespace platform::gdi
