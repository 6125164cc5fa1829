#include "runtime/text/decimal_digits.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/text/extended_float.h"
#include "runtime/text/wide_integer.h"

namespace runtime {
namespace {

constexpr std::uint64_t kTenPow17 = 100000000000000000ull;
constexpr std::uint64_t kTenPow18 = 1000000000000000000ull;

// floor(b x log10(2)), give or take one near integers; the caller corrects the estimate.
int EstimateFloorLog10OfPowerOfTwo(int b) {
  constexpr std::int64_t kLog10Of2Times2Pow32 = 1292913986;
  return static_cast<int>((static_cast<std::int64_t>(b) * kLog10Of2Times2Pow32) >> 32);
}

// significand x 2^binary_exponent x 10^k rounded to an integer (ties to even), when
// exact 256-bit arithmetic can do it. False sends the caller to the slow path.
bool ScaleExactly(std::uint64_t significand, int binary_exponent, int k, Uint128* result) {
  if (k > kMaxWideDecimalExponent || k < -kMaxWideDecimalExponent) return false;
  UInt256 wide(significand);
  if (k >= 0) {
    wide.MultiplyByPowerOfFive(k);  // below 2^250
    int shift = binary_exponent + k;
    if (wide.BitLength() + shift > 127) return false;
    if (shift >= 0) {
      *result = wide.Bits128From(0) << shift;
    } else {
      if (-shift > 255) return false;
      *result = RoundedShiftRight(wide, -shift, false);
    }
    return true;
  }
  // significand x 2^(binary_exponent - q) / 5^q, computed as twice that, floored, so that
  // its last bit is the half that decides the rounding.
  int q = -k;
  int shift = binary_exponent - q + 1;
  int shift_after = 0;
  if (shift >= 0) {
    if (std::bit_width(significand) + shift > 255) return false;
    wide.ShiftLeft(shift);
  } else {
    shift_after = -shift;  // floor(floor(x / a) / b) = floor(x / ab)
    if (shift_after > 255) return false;
  }
  bool sticky = wide.DivideByPowerOfFive(q);
  if (wide.BitLength() - shift_after > 127) return false;
  sticky = sticky || wide.AnyBelow(shift_after);
  Uint128 twice = wide.Bits128From(shift_after);
  Uint128 floor = twice >> 1;
  bool up = (twice & 1) != 0 && (sticky || (floor & 1) != 0);
  *result = floor + (up ? 1 : 0);
  return true;
}

}  // namespace

LeadingDigits LeadingDigitsReference(long double magnitude) {
  // "%.17Le" prints exactly 18 significant digits, rounded from the exact binary value.
  char text[64];
  std::snprintf(text, sizeof text, "%.17Le", magnitude);
  LeadingDigits leading;
  leading.n = static_cast<std::uint64_t>(text[0] - '0');
  for (int i = 2; i < 19; ++i) leading.n = leading.n * 10 + static_cast<unsigned>(text[i] - '0');
  leading.exponent = static_cast<int>(std::strtol(text + 20, nullptr, 10)) + 1;
  return leading;
}

LeadingDigits LeadingDigitsOf(long double magnitude) {
  ExtendedFields fields = ExtendedFields::Of(magnitude);
  int binary_exponent = fields.BinaryExponent();
  int top_bit = std::bit_width(fields.significand) - 1 + binary_exponent;  // floor(log2)
  // 10^(E-1) <= magnitude < 10^E once corrected; at most two corrections are needed.
  int exponent = EstimateFloorLog10OfPowerOfTwo(top_bit) + 1;
  for (int attempt = 0; attempt < 3; ++attempt) {
    Uint128 n;
    if (!ScaleExactly(fields.significand, binary_exponent, kMaxSignificantDigits - exponent, &n)) {
      break;
    }
    if (n >= kTenPow18) {
      // Too many digits (or rounded up to 10^18): a coarser scale rounds correctly.
      ++exponent;
    } else if (n < kTenPow17) {
      --exponent;
    } else {
      return {static_cast<std::uint64_t>(n), exponent};
    }
  }
  return LeadingDigitsReference(magnitude);
}

DecimalDigitsResult DecimalDigits(long double value, int digits) {
  if (digits <= 0 || digits > kMaxSignificantDigits) digits = kMaxSignificantDigits;
  DecimalDigitsResult result;
  ExtendedFields fields = ExtendedFields::Of(value);
  switch (fields.Classify()) {
    case ExtendedFields::Kind::kZero:
    case ExtendedFields::Kind::kInvalid:
      return result;  // one digit 0, E = 1
    case ExtendedFields::Kind::kInfinite:
      result.negative = fields.negative;
      result.count = digits;
      result.exponent = 999;
      for (int i = 0; i < digits; ++i) result.digits[i] = '9';
      return result;
    case ExtendedFields::Kind::kFinite:
      break;
  }
  result.negative = fields.negative;
  // Rebuilt from the fields, so that a pseudo-denormal becomes the value it encodes.
  long double magnitude =
      std::ldexp(static_cast<long double>(fields.significand), fields.BinaryExponent());
  LeadingDigits leading = LeadingDigitsOf(magnitude);

  char all[kMaxSignificantDigits];
  std::uint64_t n = leading.n;
  for (int i = kMaxSignificantDigits - 1; i >= 0; --i) {
    all[i] = static_cast<char>('0' + n % 10);
    n /= 10;
  }
  result.exponent = leading.exponent;
  result.count = digits;
  for (int i = 0; i < digits; ++i) result.digits[i] = all[i];
  if (digits == kMaxSignificantDigits) return result;

  // Only the first dropped digit decides; an exact 5 rounds to an even last digit.
  char dropped = all[digits];
  bool up = dropped > '5' || (dropped == '5' && ((all[digits - 1] - '0') & 1) != 0);
  if (!up) return result;
  int i = digits - 1;
  while (i >= 0 && result.digits[i] == '9') result.digits[i--] = '0';
  if (i >= 0) {
    ++result.digits[i];
  } else {
    result.digits[0] = '1';  // 99..9 carried out: 100..0, one decade up
    ++result.exponent;
  }
  return result;
}

}  // namespace runtime
