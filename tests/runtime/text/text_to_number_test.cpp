#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <random>
#include <string>

#include "runtime/frame/routine_frame.h"
#include "runtime/text/number_parse.h"
#include "runtime/text/text_to_number.h"

namespace runtime {
namespace {

// The text in a heap block of exactly its size, so reading past the end is caught.
ParsedNumber Parse(const std::string& text) {
  std::unique_ptr<char[]> exact(new char[text.size() + 1]);
  std::memcpy(exact.get(), text.data(), text.size());
  return ParseNumber(text.empty() ? nullptr : exact.get(), text.size());
}

struct ParseCase {
  const char* text;
  long double value;
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, ReadsTheExpectedValue) {
  EXPECT_EQ(Parse(GetParam().text).value, GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseTable,
    ::testing::Values(ParseCase{"05", 5}, ParseCase{"2026", 2026}, ParseCase{"", 0},
                      ParseCase{"12abc", 12}, ParseCase{"1 000", 1}, ParseCase{"-3.5e2", -350},
                      ParseCase{" \t\r\n42", 42}, ParseCase{"+.5", 0.5L}, ParseCase{"1.2.3", 1.2L},
                      ParseCase{"1e+", 1}, ParseCase{"1D2", 100}, ParseCase{"2.5d-1", 0.25L},
                      ParseCase{"0.1", 0.1L},
                      ParseCase{"000000000000000000000001", 1},
                      ParseCase{"0.000000000000000000000000000000000000000000001", 1e-45L},
                      // 18 significant digits are kept: further integer digits only scale, further
                      // fraction digits are ignored.
                      ParseCase{"123456789012345678901", 123456789012345678000.0L},
                      ParseCase{"0.1234567890123456789", 0.123456789012345678L},
                      ParseCase{"1e4931", 1e4931L}, ParseCase{"9.9e4931", 9.9e4931L},
                      ParseCase{"1e-4932", 1e-4932L}, ParseCase{"1e-4933", 1e-4933L},
                      ParseCase{"0.001e-4935", 0},  // no integer digits: the exponent alone decides
                      // Exponent capped at 9999; past 4933 decades 2^127, below -4933 zero.
                      ParseCase{"1e4932", 0x1p127L}, ParseCase{"-1e99999999999", -0x1p127L},
                      ParseCase{"1234e4929", 0x1p127L}, ParseCase{"1e-4934", 0},
                      ParseCase{"123e-4936", 0}, ParseCase{"0e99999", 0}));

INSTANTIATE_TEST_SUITE_P(
    Radix, ParseTable,
    ::testing::Values(ParseCase{"&H10", 16}, ParseCase{"&HFFFF", -1}, ParseCase{"&HFFFF&", 65535},
                      ParseCase{"&H0FFFF", 65535}, ParseCase{"&B101", 5}, ParseCase{"&17", 15},
                      ParseCase{"&Q17", 15}, ParseCase{"&o17", 15}, ParseCase{"&hff", 255},
                      ParseCase{"&H8000", -32768},
                      ParseCase{"&H8000?", 32768}, ParseCase{"&H10000", 65536},
                      ParseCase{"&H80000000&", -2147483648.0L},
                      ParseCase{"&H80000000&&", 2147483648.0L},
                      ParseCase{"&H080000000", 2147483648.0L}, ParseCase{"&HFFFFFFFFFFFFFFFF", -1},
                      ParseCase{"&HFFFFFFFFFFFFFFFF?", 0},
                      ParseCase{"&H7FFFFFFFFFFFFFFF??", 9223372036854775807.0L},
                      ParseCase{"&H10000000000000000", 0},  // 65 bits
                      ParseCase{"&2777777777777777777777", 0}, ParseCase{"&", 0},
                      ParseCase{"&H", 0}, ParseCase{"&9", 0}, ParseCase{"  &H1F", 31}));

TEST(ParseNumber, ReportsKindAndBytesConsumed) {
  struct Case {
    const char* text;
    NumberKind kind;
    std::size_t consumed;
  };
  const Case cases[] = {
      {"12", NumberKind::kInteger, 2},      {"  12abc", NumberKind::kInteger, 4},
      {"1.5", NumberKind::kFloating, 3},    {"1e3x", NumberKind::kFloating, 3},
      {"1d3", NumberKind::kDouble, 3},      {"&H1F&&z", NumberKind::kInteger, 6},
      {"&HFF???", NumberKind::kInteger, 7}, {"&HFF????", NumberKind::kInteger, 7},
      {"", NumberKind::kInteger, 0},
  };
  for (const Case& c : cases) {
    ParsedNumber parsed = Parse(c.text);
    EXPECT_EQ(parsed.kind, c.kind) << c.text;
    EXPECT_EQ(parsed.consumed, c.consumed) << c.text;
  }
}

TEST(ParseNumber, StopsAtTheGivenLengthWithoutATerminator) {
  const char text[] = {'1', '2', '.', '5', 'e', '7'};
  EXPECT_EQ(ParseNumber(text, 2).value, 12);
  EXPECT_EQ(ParseNumber(text, 4).value, 12.5L);
  EXPECT_EQ(ParseNumber(text, 5).value, 12.5L);
  const char radix[] = {'&', 'H', 'F', 'F'};
  EXPECT_EQ(ParseNumber(radix, 3).value, 15);
}

TEST(ScaleByPowerOfTen, IsCorrectlyRoundedLikeStrtold) {
  std::mt19937_64 random(31337);
  for (int i = 0; i < 10000; ++i) {
    std::uint64_t mantissa = random() % 1000000000000000000ull;
    std::int64_t exponent = static_cast<std::int64_t>(random() % 201) - 100;
    char text[48];
    std::snprintf(text, sizeof text, "%" PRIu64 "e%" PRId64, mantissa, exponent);
    ASSERT_EQ(ScaleByPowerOfTen(mantissa, exponent), std::strtold(text, nullptr)) << text;
  }
}

TEST(ScaleByPowerOfTen, HalfwayCasesRoundToEven) {
  // m x 100 with m odd and m x 25 in [2^64, 2^65) lies exactly halfway between two
  // neighbouring long doubles (spacing 8 in [2^66, 2^67)).
  for (std::uint64_t m = 737869762948382065ull; m < 737869762948382065ull + 2000; m += 2) {
    char text[48];
    std::snprintf(text, sizeof text, "%" PRIu64 "e2", m);
    ASSERT_EQ(ScaleByPowerOfTen(m, 2), std::strtold(text, nullptr)) << text;
  }
}

TEST(TextToNumber, PopsTheTextAndStartsAtTheGivenPosition) {
  RoutineFrame frame;
  StringWorkStack& strings = frame.strings;
  struct Case {
    std::int32_t start;
    long double value;
  };
  const Case cases[] = {{4, 12}, {0, 5}, {-3, 5}, {3, 0}, {10, 6}, {11, 0}};
  for (const Case& c : cases) {
    strings.PushCopy("05/12/2026");
    EXPECT_EQ(TextToNumber(strings, c.start), c.value) << "start " << c.start;
    EXPECT_EQ(strings.depth(), 0);
  }
  strings.PushFromCString(nullptr);
  EXPECT_EQ(TextToNumber(strings), 0);
  EXPECT_EQ(frame.errors.ErrorCode(), error::kNone);
}

}  // namespace
}  // namespace runtime
