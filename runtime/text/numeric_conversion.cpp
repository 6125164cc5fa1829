#include "runtime/text/numeric_conversion.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "runtime/frame/error_state.h"

namespace runtime {

std::int64_t ToInteger64(long double value) {
  // Checked on the rounded value: a cast or llrint of an out-of-range value is undefined.
  long double rounded = std::nearbyint(value);
  if (!(rounded >= -0x1p63L && rounded < 0x1p63L)) return kIntegerIndefinite;  // NaN too
  return std::llrint(rounded);
}

float ToSingle(long double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  // Halfway between FLT_MAX and 2^128 rounds to the even neighbour, 2^128: an infinity.
  constexpr long double kOverflowsAt = static_cast<long double>(FLT_MAX) + 0x1p103L;
  if (std::fabs(value) >= kOverflowsAt) {
    return std::signbit(value) ? -std::numeric_limits<float>::infinity()
                               : std::numeric_limits<float>::infinity();
  }
  return static_cast<float>(value);
}

long double IntegerDivide(ErrorState& errors, long double a, long double b) {
  std::int64_t dividend = ToInteger64(a);
  std::int64_t divisor = ToInteger64(b);
  if (divisor == 0) {
    errors.RaiseError(error::kDivisionByZero);
    return 0;
  }
  if (divisor == -1 && dividend == INT64_MIN) {
    errors.RaiseError(error::kOverflow);
    return 0;
  }
  return static_cast<long double>(dividend / divisor);
}

}  // namespace runtime
