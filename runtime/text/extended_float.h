// The fields of an x87 extended value and the exact integer helpers that the number text
// routines share: they work on the 64-bit significand as an integer, so that decimal
// scaling can be done exactly instead of with rounded floating multiplications.
#pragma once

#include <array>
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
inline constexpr auto kPowersOfFive = [] {
  std::array<std::uint64_t, kMaxExactPowerOfFive + 1> powers{};
  std::uint64_t power = 1;
  for (std::uint64_t& p : powers) {
    p = power;
    power *= 5;
  }
  return powers;
}();
inline constexpr std::uint64_t PowerOfFive(int k) {
  return kPowersOfFive[k];
}

// Beyond this decimal exponent the number text leaves exact integer scaling to the C
// library: 10^80 times a 64-bit significand still fits 256 bits.
inline constexpr int kMaxWideDecimalExponent = 80;

}  // namespace runtime
