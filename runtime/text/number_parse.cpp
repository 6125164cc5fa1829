#include "runtime/text/number_parse.h"

#include <array>
#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/text/extended_float.h"
#include "runtime/text/wide_integer.h"

namespace runtime {
namespace {

constexpr int kMaxKeptDigits = 18;
constexpr int kMaxExponentDigitsValue = 9999;
// A number of integer digits plus exponent at or past these is out of range.
constexpr std::int64_t kOverflowDecade = 4933;

// Cursor over the input that never reads past its end.
class Scanner {
 public:
  Scanner(const char* bytes, std::size_t length) : bytes_(bytes), length_(length) {}
  bool AtEnd() const { return pos_ >= length_; }
  // The current byte, or NUL past the end (NUL fits no rule, so the scan stops there).
  char Peek() const { return AtEnd() ? '\0' : bytes_[pos_]; }
  bool Take(char c) {
    if (AtEnd() || bytes_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  void Advance() { ++pos_; }
  std::size_t position() const { return pos_; }

 private:
  const char* bytes_;
  std::size_t length_;
  std::size_t pos_ = 0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// w x 2^binary_exponent as a long double, rounded to 64 bits once. `sticky` says that w
// was already cut short of nonzero bits below it.
long double RoundToExtended(const UInt256& w, int binary_exponent, bool sticky) {
  int excess = w.BitLength() - 64;
  if (excess < 0) excess = 0;
  Uint128 x = RoundedShiftRight(w, excess, sticky);
  if ((x >> 64) != 0) {  // rounded up to 2^64
    x >>= 1;
    ++excess;
  }
  return std::ldexp(static_cast<long double>(static_cast<std::uint64_t>(x)),
                    binary_exponent + excess);
}

// 10^0 .. 10^27, each exact in the 64-bit significand.
constexpr auto kExactPowersOfTen = [] {
  std::array<long double, kMaxExactPowerOfFive + 1> powers{};
  long double power = 1;
  for (long double& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

enum class Suffix { kNone, kPercent, kLong, kLongLong, kUnsigned };

Suffix TakeSuffix(Scanner& in) {
  if (in.Take('%')) return Suffix::kPercent;
  if (in.Take('&')) return in.Take('&') ? Suffix::kLongLong : Suffix::kLong;
  if (in.Take('?')) {
    if (in.Take('?')) in.Take('?');
    return Suffix::kUnsigned;
  }
  return Suffix::kNone;
}

long double ParseRadix(Scanner& in) {
  int bits_per_digit = 3;
  switch (in.Peek()) {
    case 'B':
    case 'b':
      bits_per_digit = 1;
      in.Advance();
      break;
    case 'H':
    case 'h':
      bits_per_digit = 4;
      in.Advance();
      break;
    case 'O':
    case 'o':
    case 'Q':
    case 'q':
      in.Advance();
      break;
    default:
      break;  // "&17": octal, and this character is the first digit
  }
  const int radix = 1 << bits_per_digit;
  std::uint64_t value = 0;
  int digit_count = 0;
  int first_digit = 0;
  bool too_wide = false;
  for (int d = DigitValue(in.Peek()); d < radix; d = DigitValue(in.Peek())) {
    if ((value >> (64 - bits_per_digit)) != 0) too_wide = true;
    value = (value << bits_per_digit) | static_cast<std::uint64_t>(d);
    if (digit_count++ == 0) first_digit = d;
    in.Advance();
  }
  Suffix suffix = TakeSuffix(in);
  if (too_wide || digit_count == 0) return 0;

  if (first_digit == 0) return static_cast<long double>(static_cast<std::int64_t>(value));
  if (suffix == Suffix::kUnsigned) {
    return (value >> 63) != 0 ? 0 : static_cast<long double>(value);
  }
  // A value that fits a 16- or 32-bit integer reads its top bit as that integer's sign.
  int width = std::bit_width(value);
  if (width <= 16 && (value & 0x8000) != 0 && suffix != Suffix::kLong &&
      suffix != Suffix::kLongLong) {
    return static_cast<long double>(static_cast<std::int64_t>(value) - 0x10000);
  }
  if (width >= 17 && width <= 32 && (value & 0x80000000u) != 0 && suffix != Suffix::kLongLong) {
    return static_cast<long double>(static_cast<std::int64_t>(value) - 0x100000000);
  }
  return static_cast<long double>(static_cast<std::int64_t>(value));
}

long double ParseDecimal(Scanner& in, NumberKind* kind) {
  bool negative = false;
  if (in.Take('-')) {
    negative = true;
  } else {
    in.Take('+');
  }
  std::uint64_t mantissa = 0;
  int kept = 0;                     // significant digits in the mantissa
  std::int64_t integer_digits = 0;  // integer digits after the leading zeros
  std::int64_t scale = 0;           // mantissa x 10^scale is the value read so far
  bool point = false;
  bool any_digit = false;
  for (;; in.Advance()) {
    char c = in.Peek();
    if (c == '.' && !point) {
      point = true;
      continue;
    }
    if (!IsDigit(c)) break;
    any_digit = true;
    bool leading_zero = kept == 0 && c == '0';
    if (!point) {
      if (leading_zero) continue;
      ++integer_digits;
      if (kept < kMaxKeptDigits) {
        mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
        ++kept;
      } else {
        ++scale;  // beyond 18 digits an integer digit only scales the value
      }
    } else if (leading_zero) {
      --scale;
    } else if (kept < kMaxKeptDigits) {
      mantissa = mantissa * 10 + static_cast<unsigned>(c - '0');
      ++kept;
      --scale;
    }  // further fraction digits are ignored
  }
  if (point) *kind = NumberKind::kFloating;

  int exponent = 0;
  char letter = in.Peek();
  if (any_digit && (letter == 'E' || letter == 'e' || letter == 'D' || letter == 'd')) {
    in.Advance();
    *kind = (letter == 'D' || letter == 'd') ? NumberKind::kDouble : NumberKind::kFloating;
    bool negative_exponent = false;
    if (in.Take('-')) {
      negative_exponent = true;
    } else {
      in.Take('+');
    }
    for (; IsDigit(in.Peek()); in.Advance()) {
      exponent = exponent * 10 + (in.Peek() - '0');
      if (exponent > kMaxExponentDigitsValue) exponent = kMaxExponentDigitsValue;
    }
    if (negative_exponent) exponent = -exponent;
  }

  long double magnitude;
  if (mantissa == 0) {
    magnitude = 0;
  } else if (integer_digits + exponent >= kOverflowDecade) {
    magnitude = 0x1p127L;
  } else if (integer_digits + exponent <= -kOverflowDecade) {
    magnitude = 0;
  } else {
    magnitude = ScaleByPowerOfTen(mantissa, scale + exponent);
  }
  return negative ? -magnitude : magnitude;
}

}  // namespace

long double ScaleByPowerOfTen(std::uint64_t mantissa, std::int64_t exponent) {
  if (mantissa == 0) return 0;
  if (exponent >= -kMaxExactPowerOfFive && exponent <= kMaxExactPowerOfFive) {
    // Both operands are exact (m < 2^64, 10^k = 5^k x 2^k with 5^k < 2^64), so the one
    // multiplication or division of the FPU rounds correctly.
    long double power = kExactPowersOfTen[exponent < 0 ? -exponent : exponent];
    long double m = static_cast<long double>(mantissa);
    return exponent < 0 ? m / power : m * power;
  }
  if (exponent >= 0 && exponent <= kMaxWideDecimalExponent) {
    // m x 5^e x 2^e: the product is exact in 256 bits, then one rounding to 64 bits.
    UInt256 product(mantissa);
    product.MultiplyByPowerOfFive(static_cast<int>(exponent));
    return RoundToExtended(product, static_cast<int>(exponent), false);
  }
  if (exponent < 0 && exponent >= -kMaxWideDecimalExponent) {
    // m / 5^q / 2^q: m is moved to the top of 256 bits so that the quotient keeps at least
    // 65 bits, and a remainder breaks what would look like a tie.
    int q = static_cast<int>(-exponent);
    int shift = 255 - (std::bit_width(mantissa) - 1);
    UInt256 quotient(mantissa);
    quotient.ShiftLeft(shift);
    bool sticky = quotient.DivideByPowerOfFive(q);
    return RoundToExtended(quotient, -shift - q, sticky);
  }
  char text[48];
  std::snprintf(text, sizeof text, "%" PRIu64 "e%" PRId64, mantissa, exponent);
  return std::strtold(text, nullptr);
}

ParsedNumber ParseNumber(const char* bytes, std::size_t length) {
  Scanner in(bytes, length);
  while (in.Peek() == ' ' || in.Peek() == '\t' || in.Peek() == '\r' || in.Peek() == '\n') {
    in.Advance();
  }
  ParsedNumber result;
  if (in.Take('&')) {
    result.value = ParseRadix(in);
  } else {
    result.value = ParseDecimal(in, &result.kind);
  }
  result.consumed = in.position();
  return result;
}

}  // namespace runtime
