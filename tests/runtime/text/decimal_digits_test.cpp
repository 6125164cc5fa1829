#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "runtime/text/decimal_digits.h"
#include "runtime/text/number_format.h"
#include "runtime/text/number_parse.h"

namespace runtime {
namespace {

long double FromFields(std::uint16_t biased_exponent, std::uint64_t significand) {
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &biased_exponent, 2);
  long double value;
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

// A positive normal value with a random significand; the exponent is drawn from the
// whole range half of the time and near 1 (where the exact fast path works) otherwise.
long double RandomMagnitude(std::mt19937_64& random) {
  std::uint64_t significand = random() | (std::uint64_t{1} << 63);
  std::uint16_t exponent;
  if (random() % 2 == 0) {
    exponent = static_cast<std::uint16_t>(1 + random() % 0x7FFE);
  } else {
    exponent = static_cast<std::uint16_t>(16383 - 300 + random() % 600);
  }
  return FromFields(exponent, significand);
}

TEST(LeadingDigits, FastPathMatchesTheExactReferenceOnRandomValues) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 100000; ++i) {
    long double value = RandomMagnitude(random);
    ASSERT_EQ(LeadingDigitsOf(value), LeadingDigitsReference(value)) << std::scientific << value;
  }
}

TEST(LeadingDigits, DenormalsMatchTheReference) {
  std::mt19937_64 random(7);
  for (int shift = 0; shift < 64; ++shift) {
    long double value = FromFields(0, (random() | 1) >> shift);
    ASSERT_EQ(LeadingDigitsOf(value), LeadingDigitsReference(value)) << "shift " << shift;
  }
}

TEST(LeadingDigits, PowersOfTenAndTheirNeighbours) {
  // Around every power of ten the decimal exponent estimate is most likely to be off.
  for (int e = -4900; e <= 4900; e += 1) {
    long double p = std::pow(10.0L, static_cast<long double>(e));
    for (long double value : {std::nextafter(p, 0.0L), p, std::nextafter(p, LDBL_MAX)}) {
      ASSERT_EQ(LeadingDigitsOf(value), LeadingDigitsReference(value)) << "10^" << e;
    }
  }
}

struct TieCase {
  long double value;
  std::uint64_t n;
  int exponent;
};

TEST(LeadingDigits, ExactTiesRoundToEven) {
  // 19 significant digits ending in 5, all exact in the 64-bit significand.
  const TieCase cases[] = {
      {1000000000000000005.0L, 100000000000000000, 19},
      {1000000000000000015.0L, 100000000000000002, 19},
      {123456789012345678.5L, 123456789012345678, 18},
      {123456789012345677.5L, 123456789012345678, 18},
      {12345678901234567.25L, 123456789012345672, 17},
      {12345678901234567.75L, 123456789012345678, 17},
  };
  for (const TieCase& c : cases) {
    EXPECT_EQ(LeadingDigitsOf(c.value), (LeadingDigits{c.n, c.exponent})) << std::fixed << c.value;
  }
}

std::string Text(long double value, int digits) {
  char text[kNumberTextCapacity];
  return std::string(text, FormatNumberText(value, digits, true, text));
}

// 18 digits always come back from a long double, so the 18-digit text read back gives a
// value whose 15-digit text is unchanged.
TEST(NumberTextRoundTrip, EighteenDigitTextReadsBackToTheSameFifteenDigitText) {
  std::mt19937_64 random(99);
  for (int i = 0; i < 50000; ++i) {
    long double value = RandomMagnitude(random);
    // Past 10^4932 reading caps the value, and below 10^-4931 precision thins out.
    if (value > 1e4931L || value < 1e-4930L) continue;
    if (random() % 2) value = -value;
    std::string long_text = Text(value, 18);
    long double back = ParseNumber(long_text.data(), long_text.size()).value;
    ASSERT_EQ(Text(back, 18), long_text);
    ASSERT_EQ(Text(back, 15), Text(value, 15)) << long_text;
  }
}

}  // namespace
}  // namespace runtime
