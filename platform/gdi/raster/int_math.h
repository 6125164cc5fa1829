// Exact integer helpers for the rasterizer (platform-internal).
//
// Coordinates come in as 32-bit values that may be anywhere in their range, so differences
// need 33 bits and products of two differences need 66: the geometry works in 128-bit
// integers wherever a product is formed, which keeps every pixel decision exact and free
// of overflow.
#pragma once

#include <algorithm>
#include <cstdint>

#include "platform/win32.h"

namespace platform::gdi {

using Wide = __int128;

// floor(n / d) and ceil(n / d) for d != 0, rounding toward the infinities, not toward 0.
constexpr Wide FloorDiv(Wide n, Wide d) {
  // Most values fit 64 bits, where division is many times faster.
  if (n == static_cast<std::int64_t>(n) && d == static_cast<std::int64_t>(d) && d != -1) {
    std::int64_t a = static_cast<std::int64_t>(n), b = static_cast<std::int64_t>(d);
    std::int64_t q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0))) --q;
    return q;
  }
  if (d < 0) {
    n = -n;
    d = -d;
  }
  Wide q = n / d;
  if (n % d != 0 && n < 0) --q;
  return q;
}
constexpr Wide CeilDiv(Wide n, Wide d) { return -FloorDiv(-n, d); }

// A value clamped into [lo, hi] and narrowed: how a far-away coordinate becomes a bound.
constexpr std::int32_t ClampTo(Wide v, std::int32_t lo, std::int32_t hi) {
  if (v < lo) return lo;
  if (v > hi) return hi;
  return static_cast<std::int32_t>(v);
}

// floor(sqrt(n)) for n >= 0, exact.
inline std::uint64_t FloorSqrt(unsigned __int128 n) {
  if (n == 0) return 0;
  // A floating first guess, then corrected in exact arithmetic.
  long double guess = __builtin_sqrtl(static_cast<long double>(n));
  unsigned __int128 r = static_cast<unsigned __int128>(guess);
  while (r * r > n) --r;
  while ((r + 1) * (r + 1) <= n) ++r;
  return static_cast<std::uint64_t>(r);
}

// True when the rectangle holds no pixel.
inline bool IsEmptyBounds(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

}  // namespace platform::gdi
