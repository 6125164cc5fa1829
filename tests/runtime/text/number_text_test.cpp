#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "runtime/frame/routine_frame.h"
#include "runtime/text/decimal_digits.h"
#include "runtime/text/number_format.h"
#include "runtime/text/number_text.h"

namespace runtime {
namespace {

std::string Format(long double value, int digits, bool keep_sign_space = true) {
  char text[kNumberTextCapacity];
  std::size_t n = FormatNumberText(value, digits, keep_sign_space, text);
  EXPECT_LE(n, kNumberTextCapacity);
  return std::string(text, n);
}

struct FormatCase {
  long double value;
  int digits;
  const char* text;
};

class FormatTable : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatTable, WritesTheExpectedText) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(Format(c.value, c.digits), c.text) << "digits " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    FifteenDigits, FormatTable,
    ::testing::Values(
        FormatCase{0, 15, " 0"}, FormatCase{-0.25L, 15, "-.25"}, FormatCase{1e15L, 15, " 1E+15"},
        FormatCase{1e15L - 1, 15, " 999999999999999"}, FormatCase{1e-16L, 15, " 1E-16"},
        FormatCase{2.0L / 3, 15, " .666666666666667"}, FormatCase{-1234.5e20L, 15, "-1.2345E+23"},
        FormatCase{1e-15L, 15, " .000000000000001"}, FormatCase{120, 15, " 120"},
        FormatCase{-0.0L, 15, " 0"}));

INSTANTIATE_TEST_SUITE_P(
    OtherWidths, FormatTable,
    ::testing::Values(
        // Ties to even on the first dropped digit only.
        FormatCase{0.125L, 2, " .12"}, FormatCase{0.135L, 2, " .14"}, FormatCase{0.145L, 2, " .14"},
        FormatCase{0.5L, 0, " .5"},
        // A carry out of the first digit moves one decade up.
        FormatCase{9.9999L, 3, " 10"}, FormatCase{999.96L, 4, " 1000"},
        FormatCase{99999.5L, 5, " 1E+5"}, FormatCase{0.0999999L, 3, " .1"},
        FormatCase{1234567, 7, " 1234567"}, FormatCase{12345678, 7, " 1.234568E+7"},
        FormatCase{1e-8L, 7, " 1E-8"}, FormatCase{-3.25e-5L, 7, "-.0000325"},
        FormatCase{-3.25e-6L, 7, "-3.25E-6"}, FormatCase{1.0L / 3, 18, " .333333333333333333"},
        FormatCase{1.0L / 3, 0, " .333333333333333333"},
        FormatCase{1.0L / 3, 19, " .333333333333333333"},
        FormatCase{0x1p63L, 18, " 9.22337203685477581E+18"},
        FormatCase{999999999999999999.0L, 18, " 999999999999999999"}, FormatCase{-0.5L, 1, "-.5"},
        FormatCase{2.5L, 1, " 2"}, FormatCase{3.5L, 1, " 4"}));

INSTANTIATE_TEST_SUITE_P(SpecialValues, FormatTable,
                         ::testing::Values(FormatCase{std::numeric_limits<long double>::infinity(),
                                                      15, " 9.99999999999999E+998"},
                                           FormatCase{-std::numeric_limits<long double>::infinity(),
                                                      7, "-9.999999E+998"},
                                           FormatCase{std::numeric_limits<long double>::quiet_NaN(),
                                                      15, " 0"},
                                           FormatCase{LDBL_MAX, 15, " 1.18973149535723E+4932"},
                                           FormatCase{-LDBL_MAX, 18, "-1.18973149535723177E+4932"},
                                           FormatCase{LDBL_MIN, 15, " 3.36210314311209E-4932"},
                                           FormatCase{LDBL_TRUE_MIN, 15, " 3.64519953188247E-4951"},
                                           FormatCase{-LDBL_TRUE_MIN * 3, 7, "-1.09356E-4950"}));

TEST(FormatNumberText, TrimmedFormDropsOnlyTheSignSpace) {
  EXPECT_EQ(Format(0.5L, 15, false), ".5");
  EXPECT_EQ(Format(-7, 15, false), "-7");
}

// Bit patterns that no arithmetic produces: the FPU reads unnormals and pseudo-NaNs as
// NaN (text 0) and a pseudo-denormal as the value it encodes.
long double FromBits(std::uint16_t sign_exponent, std::uint64_t significand) {
  long double value = 0;
  unsigned char bytes[sizeof(long double)] = {};
  std::memcpy(bytes, &significand, 8);
  std::memcpy(bytes + 8, &sign_exponent, 2);
  std::memcpy(&value, bytes, sizeof value);
  return value;
}

TEST(FormatNumberText, OddEncodingsAreReadAsTheFpuReadsThem) {
  EXPECT_EQ(Format(FromBits(0x3FFF, 0x4000000000000000ull), 15), " 0");  // unnormal
  EXPECT_EQ(Format(FromBits(0x7FFF, 0x0000000000000001ull), 15), " 0");  // pseudo-NaN
  EXPECT_EQ(Format(FromBits(0x7FFF, 0), 15), " 0");                      // pseudo-infinity
  // Pseudo-denormal: exponent 0 with the integer bit set is 2^-16382, the smallest normal.
  EXPECT_EQ(Format(FromBits(0x0000, 0x8000000000000000ull), 15), Format(LDBL_MIN, 15));
  EXPECT_EQ(Format(FromBits(0x8000, 0x8000000000000000ull), 7), Format(-LDBL_MIN, 7));
}

TEST(NumberToText, PushesAnOwnedStringOfEachForm) {
  RoutineFrame frame;
  StringWorkStack& strings = frame.strings;
  NumberToText15(strings, 25);
  NumberToText15Trimmed(strings, 25);
  NumberToText7(strings, 2.0L / 3);
  NumberToText7Trimmed(strings, 2.0L / 3);
  NumberToTextDigits(strings, 0.135L, 2);
  ASSERT_EQ(strings.depth(), 5);
  EXPECT_EQ(strings.View(4), " 25");
  EXPECT_EQ(strings.View(3), "25");
  EXPECT_EQ(strings.View(2), " .6666667");
  EXPECT_EQ(strings.View(1), ".6666667");
  EXPECT_EQ(strings.View(0), " .14");
  for (int k = 0; k < 5; ++k) EXPECT_FALSE(strings.Slot(k).borrowed());
  for (int k = 0; k < 5; ++k) strings.PopDiscard();
  NumberToTextDigitsTrimmed(strings, -1e20L, 3);
  EXPECT_EQ(strings.View(0), "-1E+20");
  strings.PopDiscard();
  EXPECT_EQ(frame.errors.ErrorCode(), error::kNone);
}

}  // namespace
}  // namespace runtime
