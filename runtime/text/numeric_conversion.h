// Integer division and the conversions between floating values and integers.
//
// Conversions to integers round to nearest with ties to even (the run-time rounding mode)
// into 64 bits and keep the low bits, without an overflow check. A NaN, an infinity or a
// value outside the 64-bit range becomes the FPU's "integer indefinite" 0x8000000000000000
// before the low bits are taken, exactly as a hardware store would, never undefined.
#pragma once

#include <cstdint>

namespace runtime {

class ErrorState;

inline constexpr std::int64_t kIntegerIndefinite = INT64_MIN;

// Rounded to nearest, ties to even; kIntegerIndefinite when it does not fit.
std::int64_t ToInteger64(long double value);
inline std::int8_t ToInteger8(long double value) {
  return static_cast<std::int8_t>(ToInteger64(value));
}
inline std::int16_t ToInteger16(long double value) {
  return static_cast<std::int16_t>(ToInteger64(value));
}
inline std::int32_t ToInteger32(long double value) {
  return static_cast<std::int32_t>(ToInteger64(value));
}

// Integer values are exact in the 64-bit significand.
inline long double FromInteger8(std::int8_t value) {
  return value;
}
inline long double FromInteger16(std::int16_t value) {
  return value;
}
inline long double FromUnsigned16(std::uint16_t value) {
  return value;
}
inline long double FromInteger32(std::int32_t value) {
  return value;
}
inline long double FromUnsigned32(std::uint32_t value) {
  return value;
}
inline long double FromInteger64(std::int64_t value) {
  return static_cast<long double>(value);
}

// The value as a 32-bit float argument: rounded to nearest even, too large becomes an
// infinity, NaN stays NaN.
float ToSingle(long double value);

// a and b rounded to integers (ties to even), the quotient truncated toward zero; exact
// for all 64-bit integers. A divisor that rounds to 0 raises error 11 (Division by zero)
// and a quotient that does not fit 64 bits (the indefinite value divided by -1) raises
// error 6 (Overflow); both return 0.
long double IntegerDivide(ErrorState& errors, long double a, long double b);

}  // namespace runtime
