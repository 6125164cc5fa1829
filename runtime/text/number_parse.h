// Reading a number from bytes: no allocation, no platform, never a byte past `length`.
//
// Decimal form: optional sign, digits with at most one ".", an optional exponent E/e/D/d
// with its own sign (capped at 9999). At most 18 significant digits are kept; the value is
// then the correctly rounded long double of that mantissa x 10^exponent. Radix form: "&H"
// hexadecimal, "&B" binary, "&O"/"&Q" octal, "&" and a digit octal, with an optional type
// suffix "%", "&", "&&" or one to three "?" that decides how the top bit is read.
// Unreadable text is 0; the scan stops at the first byte that does not fit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace runtime {

enum class NumberKind : std::uint8_t {
  kInteger,   // no point, no exponent; every radix form
  kFloating,  // a decimal point or an E exponent
  kDouble,    // a D exponent
};

struct ParsedNumber {
  long double value = 0;
  std::size_t consumed = 0;  // bytes read, the leading blanks included
  NumberKind kind = NumberKind::kInteger;
};

// Leading spaces, tabs, CR and LF are skipped.
ParsedNumber ParseNumber(const char* bytes, std::size_t length);

// mantissa x 10^exponent, correctly rounded (ties to even): exact integer arithmetic for
// |exponent| <= 80, the C library's correctly rounded strtold beyond.
long double ScaleByPowerOfTen(std::uint64_t mantissa, std::int64_t exponent);

}  // namespace runtime
