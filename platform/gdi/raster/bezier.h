// Cubic Bézier curves as polylines (platform-internal), for PolyBezier and PolyBezierTo.
//
// A curve from p0 to p3 pulled by p1 and p2 is cut into n equal steps of its parameter,
// n = ceil(sqrt(3 * d)) where d is the largest second difference of the control points
// (the Chebyshev length of p0 - 2p1 + p2 and p1 - 2p2 + p3): the chord of a step then
// strays from the curve by at most a quarter pixel. n is at least 1 and at most
// kMaxBezierSteps. Point i is the curve at t = i / n rounded to the nearest pixel (halves
// up), worked out exactly: n^3 * B(i / n) is an integer cubic in i, stepped by forward
// differences in 128-bit integers, so no rounding error builds up along the curve.
#pragma once

#include <vector>

#include "platform/win32.h"

namespace platform::gdi {

inline constexpr int kMaxBezierSteps = 1024;

int BezierSteps(const POINT control[4]);

// Appends the curve's points after p0 (p1 ... p3 of the polyline, n points, the last one
// p3 exactly) to `out`.
void FlattenBezier(const POINT control[4], std::vector<POINT>& out);

}  // namespace platform::gdi
