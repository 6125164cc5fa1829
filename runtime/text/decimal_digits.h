// The decimal digits of a floating value: the first step of every number text.
//
// The leading 18 digits are the value correctly rounded (ties to even) at 18 significant
// digits, computed with exact integer arithmetic over the common range and with the C
// library's exact conversion elsewhere. The requested precision is then obtained by
// rounding on the one digit after it only, as the number text has always done: 0.125 to
// two digits gives .12 but 0.135 gives .14.
#pragma once

#include <cstdint>

namespace runtime {

inline constexpr int kMaxSignificantDigits = 18;

// The value is 0.d1d2...dn x 10^exponent.
struct DecimalDigitsResult {
  bool negative = false;
  int count = 1;                               // n
  int exponent = 1;                            // E
  char digits[kMaxSignificantDigits] = {'0'};  // ASCII '0'..'9'
};

// Zero and NaN give one digit 0 and E = 1; infinity gives `digits` nines and E = 999.
// digits of 0 or more than 18 means 18.
DecimalDigitsResult DecimalDigits(long double value, int digits);

// A positive finite value as n x 10^(exponent - 18) with 10^17 <= n < 10^18, n being the
// value correctly rounded to 18 significant digits (ties to even).
struct LeadingDigits {
  std::uint64_t n = 0;
  int exponent = 0;
  bool operator==(const LeadingDigits&) const = default;
};

// Exact integer scaling over the common range, the slow path beyond it.
LeadingDigits LeadingDigitsOf(long double magnitude);
// The slow, obviously right path: the C library's exact decimal conversion.
LeadingDigits LeadingDigitsReference(long double magnitude);

}  // namespace runtime
