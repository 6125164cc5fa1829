#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

#include "runtime/frame/error_state.h"
#include "runtime/text/numeric_conversion.h"

namespace runtime {
namespace {

constexpr long double kInf = std::numeric_limits<long double>::infinity();
constexpr long double kNaN = std::numeric_limits<long double>::quiet_NaN();

TEST(IntegerDivide, RoundsBothOperandsThenTruncatesTheQuotient) {
  struct Case {
    long double a, b, quotient;
  };
  const Case cases[] = {
      {72, 24, 3},
      {71, 24, 2},
      {2.5L, 1, 2},  // 2.5 rounds to 2 first
      {-7, 2, -3},
      {7.5L, 2.5L, 4},  // 8 / 2
      {9223372036854775807.0L, 3, 3074457345618258602.0L},
      {-9223372036854775807.0L - 1, 1, -9223372036854775807.0L - 1},
  };
  for (const Case& c : cases) {
    ErrorState errors;
    EXPECT_EQ(IntegerDivide(errors, c.a, c.b), c.quotient) << c.a << " \\ " << c.b;
    EXPECT_EQ(errors.ErrorCode(), error::kNone);
  }
}

TEST(IntegerDivide, ADivisorThatRoundsToZeroIsDivisionByZero) {
  for (long double b : {0.0L, -0.0L, 0.4L, 0.5L, -0.5L}) {
    ErrorState errors;
    EXPECT_EQ(IntegerDivide(errors, 72, b), 0) << b;
    EXPECT_EQ(errors.ErrorCode(), error::kDivisionByZero) << b;
  }
}

TEST(IntegerDivide, TheIndefiniteValueOverMinusOneIsOverflow) {
  for (long double a : {kNaN, kInf, 1e30L, -0x1p63L}) {
    ErrorState errors;
    EXPECT_EQ(IntegerDivide(errors, a, -1), 0) << a;
    EXPECT_EQ(errors.ErrorCode(), error::kOverflow) << a;
  }
}

TEST(ToInteger, RoundsToEvenAndKeepsTheLowBits) {
  struct Case {
    long double value;
    std::int64_t as64;
    std::int32_t as32;
    std::int16_t as16;
    std::int8_t as8;
  };
  const Case cases[] = {
      {2.5L, 2, 2, 2, 2},
      {3.5L, 4, 4, 4, 4},
      {-2.5L, -2, -2, -2, -2},
      {70000, 70000, 70000, 4464, 112},
      {65535, 65535, 65535, -1, -1},
      {300, 300, 300, 300, 44},
      {0x1p32L + 5, 0x100000005ll, 5, 5, 5},
      {0x1p63L - 1, INT64_MAX, -1, -1, -1},
      {-0x1p63L, INT64_MIN, 0, 0, 0},
      // Not representable in 64 bits: the indefinite integer, whose low bits are 0.
      {0x1p63L, INT64_MIN, 0, 0, 0},
      {1e300L, INT64_MIN, 0, 0, 0},
      {kInf, INT64_MIN, 0, 0, 0},
      {kNaN, INT64_MIN, 0, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToInteger64(c.value), c.as64) << c.value;
    EXPECT_EQ(ToInteger32(c.value), c.as32) << c.value;
    EXPECT_EQ(ToInteger16(c.value), c.as16) << c.value;
    EXPECT_EQ(ToInteger8(c.value), c.as8) << c.value;
  }
}

TEST(ToSingle, RoundsAndSaturatesToInfinity) {
  constexpr float kFloatInf = std::numeric_limits<float>::infinity();
  EXPECT_EQ(ToSingle(1.0L / 3), 1.0f / 3);
  EXPECT_EQ(ToSingle(FLT_MAX), FLT_MAX);
  // Below the midpoint between FLT_MAX and 2^128 the value rounds down to FLT_MAX...
  EXPECT_EQ(ToSingle(static_cast<long double>(FLT_MAX) + 0x1p102L), FLT_MAX);
  // ...and the midpoint itself rounds to even, which is the infinity.
  EXPECT_EQ(ToSingle(static_cast<long double>(FLT_MAX) + 0x1p103L), kFloatInf);
  EXPECT_EQ(ToSingle(1e39L), kFloatInf);
  EXPECT_EQ(ToSingle(-1e4000L), -kFloatInf);
  EXPECT_EQ(ToSingle(kInf), kFloatInf);
  EXPECT_EQ(ToSingle(1e-50L), 0.0f);
  EXPECT_TRUE(std::isnan(ToSingle(kNaN)));
}

}  // namespace
}  // namespace runtime
