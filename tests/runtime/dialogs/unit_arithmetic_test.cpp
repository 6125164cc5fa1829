#include "runtime/dialogs/unit_arithmetic.h"

#include <gtest/gtest.h>

#include <random>

namespace runtime {
namespace {

// The rounding rule written out over exact rationals.
std::int32_t ReferencePixelsToUnits(std::int32_t pixels, std::int32_t extent) {
  const long double exact = static_cast<long double>(pixels) * 1024 / extent;
  if (exact >= 0) {
    long double down = std::floor(exact);
    return static_cast<std::int32_t>(exact - down >= 0.5L ? down + 1 : down);
  }
  return static_cast<std::int32_t>(std::floor(exact));
}

TEST(UnitArithmeticTest, PixelsToUnitsRounding) {
  // 1024 units measure 1536 x 1664 pixels with base units 6 x 13.
  struct Row {
    std::int32_t pixels, extent, units;
  };
  const Row rows[] = {
      {15, 1536, 10}, {16, 1664, 10}, {0, 1536, 0},
      {-1, 1536, -1},  // a negative quotient with a remainder goes down: not 0
      {-15, 1536, -10}, {1, 2048, 1},  // exactly half: up
      {-3, 2048, -2}, {1, 2049, 0}, {7, 0, 0}, {7, -5, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(scale_pixels_to_units(r.pixels, r.extent), r.units) << r.pixels << "/" << r.extent;
  }
  std::mt19937 random(8);
  std::uniform_int_distribution<std::int32_t> pixels(-100000, 100000), extent(1, 5000);
  for (int i = 0; i < 2000; ++i) {
    std::int32_t p = pixels(random), e = extent(random);
    ASSERT_EQ(scale_pixels_to_units(p, e), ReferencePixelsToUnits(p, e)) << p << "/" << e;
  }
}

TEST(UnitArithmeticTest, HundredthsOfAMillimetre) {
  struct Row {
    std::int32_t value;
    std::uint32_t dpi;
    std::int32_t to_mm, from_mm;
  };
  const Row rows[] = {
      {96, 96, 2540, 4},  {1, 96, 26, 0},  {0, 96, 0, 0},
      // Values are read unsigned: -1 is 4294967295, too many pixels for a signed result,
      // while the hundredths it stands for still make a pixel count that fits.
      {-1, 96, -1, 162329473},
      {0x7FFFFFFF, 96, -1, 81164736}, {1270, 1, 3225800, 1},  // half up
  };
  for (const Row& r : rows) {
    EXPECT_EQ(pixels_to_hundredths_mm(r.value, r.dpi), r.to_mm) << r.value;
    EXPECT_EQ(hundredths_mm_to_pixels(r.value, r.dpi), r.from_mm) << r.value;
  }
  EXPECT_EQ(hundredths_mm_to_pixels(2540, 96), 96);
  EXPECT_EQ(pixels_to_hundredths_mm(5, 0), -1);
}

}  // namespace
}  // namespace runtime
