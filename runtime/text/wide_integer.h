// A 256-bit unsigned integer with just the operations exact decimal scaling needs:
// multiplying and dividing by 64-bit factors (powers of five), shifting, and reading the
// bits that decide a rounding. Wide enough for a 64-bit significand times 10^80.
#pragma once

#include <bit>
#include <cstdint>

#include "runtime/text/extended_float.h"

namespace runtime {

class UInt256 {
 public:
  explicit UInt256(std::uint64_t value = 0) : limbs_{value, 0, 0, 0} {}

  // The caller keeps the product below 2^256.
  void MultiplyBy(std::uint64_t factor) {
    std::uint64_t carry = 0;
    for (std::uint64_t& limb : limbs_) {
      Uint128 product = Uint128{limb} * factor + carry;
      limb = static_cast<std::uint64_t>(product);
      carry = static_cast<std::uint64_t>(product >> 64);
    }
  }
  // Floor division; returns the remainder.
  std::uint64_t DivideBy(std::uint64_t divisor) {
    Uint128 remainder = 0;
    for (int i = 3; i >= 0; --i) {
      Uint128 part = (remainder << 64) | limbs_[i];
      limbs_[i] = static_cast<std::uint64_t>(part / divisor);
      remainder = part % divisor;
    }
    return static_cast<std::uint64_t>(remainder);
  }
  // Shifts by 0..255; the caller keeps the bits shifted out on the left zero.
  void ShiftLeft(int shift) {
    int limb_shift = shift / 64;
    int bit_shift = shift % 64;
    for (int i = 3; i >= 0; --i) {
      std::uint64_t high = i - limb_shift >= 0 ? limbs_[i - limb_shift] : 0;
      std::uint64_t low = i - limb_shift - 1 >= 0 ? limbs_[i - limb_shift - 1] : 0;
      limbs_[i] = bit_shift == 0 ? high : (high << bit_shift) | (low >> (64 - bit_shift));
    }
  }
  int BitLength() const {
    for (int i = 3; i >= 0; --i) {
      if (limbs_[i] != 0) return 64 * i + std::bit_width(limbs_[i]);
    }
    return 0;
  }
  bool Bit(int i) const { return i >= 0 && i < 256 && ((limbs_[i / 64] >> (i % 64)) & 1) != 0; }
  // True when any bit below position `end` is set.
  bool AnyBelow(int end) const {
    for (int i = 0; i < 4 && end > 0; ++i, end -= 64) {
      std::uint64_t mask = end >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << end) - 1;
      if ((limbs_[i] & mask) != 0) return true;
    }
    return false;
  }
  // The 128 bits starting at position `shift` (0..255).
  Uint128 Bits128From(int shift) const {
    Uint128 result = 0;
    for (int k = 0; k < 128; k += 64) {
      result |= Uint128{Limb64From(shift + k)} << k;
    }
    return result;
  }

  // x 5^k and / 5^k in steps whose factors fit 64 bits; Divide returns whether a
  // remainder was left (the quotient is the floor of the exact one).
  void MultiplyByPowerOfFive(int k) {
    for (; k > 0; k -= kMaxExactPowerOfFive) MultiplyBy(PowerOfFive(Step(k)));
  }
  bool DivideByPowerOfFive(int k) {
    bool remainder = false;
    for (; k > 0; k -= kMaxExactPowerOfFive) remainder |= DivideBy(PowerOfFive(Step(k))) != 0;
    return remainder;
  }

 private:
  static int Step(int k) { return k < kMaxExactPowerOfFive ? k : kMaxExactPowerOfFive; }
  std::uint64_t Limb64From(int shift) const {
    if (shift >= 256) return 0;
    int i = shift / 64;
    int b = shift % 64;
    std::uint64_t low = limbs_[i] >> b;
    if (b != 0 && i + 1 < 4) low |= limbs_[i + 1] << (64 - b);
    return low;
  }

  std::uint64_t limbs_[4];
};

// w / 2^shift rounded to nearest, ties to even, as long as the result fits 128 bits;
// `sticky` says that nonzero bits were already dropped below w.
inline Uint128 RoundedShiftRight(const UInt256& w, int shift, bool sticky) {
  if (shift <= 0) return w.Bits128From(0);
  Uint128 kept = w.Bits128From(shift);
  bool half = w.Bit(shift - 1);
  bool below = sticky || w.AnyBelow(shift - 1);
  bool up = half && (below || (kept & 1) != 0);
  return kept + (up ? 1 : 0);
}

}  // namespace runtime
