// The fields of an x87 extended value and the exact integer helpers that the number text
// routines share: they work on the 64-bit significand as an integer, so that decimal
// scaling can be done exactly instead of with rounded floating multiplications.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

namespace runtime {

using Uint128 = unsigned __int128;

// An 80-bit extended value taken apart. The significand carries its integer bit
// explicitly, so patterns exist that no arithmetic produces (unnormals, pseudo-NaNs,
// pseudo-infinities, pseudo-denormals); Classify() names them so callers can decide.
struct ExtendedFields {
  bool negative = false;
  std::uint16_t biased_exponent = 0;  // 15 bits
  std::uint64_t significand = 0;      // bit 63 is the integer bit

  static constexpr int kBias = 16383;
  static constexpr std::uint16_t kMaxExponent = 0x7FFF;
  static constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

  enum class Kind { kZero, kFinite, kInfinite, kInvalid };

  static ExtendedFields Of(long double value) {
    static_assert(sizeof(long double) >= 10, "long double must be the x87 extended type");
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &value, sizeof(long double));
    ExtendedFields fields;
    std::memcpy(&fields.significand, bytes, 8);
    std::uint16_t top;
    std::memcpy(&top, bytes + 8, 2);
    fields.negative = (top & 0x8000) != 0;
    fields.biased_exponent = top & 0x7FFF;
    return fields;
  }

  // Unnormals, pseudo-NaNs and pseudo-infinities are invalid operands to the FPU; it
  // treats them as NaN, and so do we. Pseudo-denormals are read as the value they encode.
  Kind Classify() const {
    if (biased_exponent == kMaxExponent) {
      return significand == kIntegerBit ? Kind::kInfinite : Kind::kInvalid;
    }
    if (biased_exponent == 0) return significand == 0 ? Kind::kZero : Kind::kFinite;
    return (significand & kIntegerBit) != 0 ? Kind::kFinite : Kind::kInvalid;
  }

  // |value| = significand x 2^BinaryExponent() for finite values (denormals included).
  int BinaryExponent() const { return (biased_exponent == 0 ? 1 : biased_exponent) - kBias - 63; }
};

// 5^k for k = 0..27, the powers that fit in 64 bits; 10^k = 5^k x 2^k.
inline constexpr int kMaxExactPowerOfFive = 27;
inline constexpr std::uint64_t PowerOfFive(int k) {
  std::uint64_t p = 1;
  for (int i = 0; i < k; ++i) p *= 5;
  return p;
}

inline int BitLength(Uint128 x) {
  std::uint64_t high = static_cast<std::uint64_t>(x >> 64);
  if (high != 0) return 128 - std::countl_zero(high);
  return 64 - std::countl_zero(static_cast<std::uint64_t>(x));
}

// x / 2^shift rounded to nearest, ties to even; shift in 1..127. `sticky` says that
// bits below x (already dropped) were not all zero.
inline Uint128 ShiftRightRounded(Uint128 x, int shift, bool sticky = false) {
  Uint128 kept = x >> shift;
  Uint128 dropped = x & ((Uint128{1} << shift) - 1);
  Uint128 half = Uint128{1} << (shift - 1);
  bool up = dropped > half || (dropped == half && (sticky || (kept & 1) != 0));
  return kept + (up ? 1 : 0);
}

}  // namespace runtime
