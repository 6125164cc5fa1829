// Flood fill by border and by surface colour.
#include "platform/gdi/raster/flood_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform::gdi {
namespace {

// A tiny picture: '#' is 0x000000, '.' 0xFFFFFF, 'r' 0x0000FF; the fill paints 'f' into it.
struct Picture : SpanSink {
  std::vector<std::string> rows;
  explicit Picture(std::vector<std::string> r) : rows(std::move(r)) {}
  RECT bounds() const { return {0, 0, static_cast<LONG>(rows[0].size()), static_cast<LONG>(rows.size())}; }
  PixelReader reader() const {
    return [this](std::int32_t x, std::int32_t y, std::uint32_t* pixel) {
      char c = rows[y][x];
      *pixel = c == '#' ? 0x000000u : c == 'r' ? 0x0000FFu : 0xFFFFFFu;
      return true;
    };
  }
  void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override {
    for (int x = x0; x < x1; ++x) {
      EXPECT_NE(rows[y][x], 'f') << "painted twice";
      rows[y][x] = 'f';
    }
  }
};

TEST(FloodFill, BorderFillStopsAtTheBorderColour) {
  Picture p({
      "..........",
      ".####.....",
      ".#..#.....",
      ".#.r#.....",
      ".####.....",
  });
  EXPECT_TRUE(RasterFloodFill(2, 2, 0x000000, FloodKind::kBorder, p.bounds(), p.reader(), p));
  EXPECT_EQ(p.rows[2], ".#ff#.....");
  EXPECT_EQ(p.rows[3], ".#ff#.....");  // other colours are filled over
  EXPECT_EQ(p.rows[0], "..........");
}

TEST(FloodFill, SurfaceFillSpreadsThroughOneColourOnly) {
  Picture p({
      "...#....",
      "...#.r..",
      "......#.",
      "####....",
  });
  // White regions left and right of the wall join underneath it.
  EXPECT_TRUE(RasterFloodFill(0, 0, 0xFFFFFF, FloodKind::kSurface, p.bounds(), p.reader(), p));
  EXPECT_EQ(p.rows[0], "fff#ffff");
  EXPECT_EQ(p.rows[1], "fff#frff");
  EXPECT_EQ(p.rows[2], "ffffff#f");
  EXPECT_EQ(p.rows[3], "####ffff");
}

TEST(FloodFill, RefusesASeedThatCannotBeFilled) {
  Picture p({"..#..", "..#.."});
  EXPECT_FALSE(RasterFloodFill(2, 0, 0x000000, FloodKind::kBorder, p.bounds(), p.reader(), p));
  EXPECT_FALSE(RasterFloodFill(2, 0, 0xFFFFFF, FloodKind::kSurface, p.bounds(), p.reader(), p));
  EXPECT_FALSE(RasterFloodFill(9, 0, 0x000000, FloodKind::kBorder, p.bounds(), p.reader(), p));
  EXPECT_EQ(p.rows[0], "..#..");
}

TEST(FloodFill, UnreadablePixelsActAsBorderAndBoundsLimitTheFill) {
  Picture p({"........", "........"});
  PixelReader left_half = [&](std::int32_t x, std::int32_t y, std::uint32_t* pixel) {
    return x < 6 && p.reader()(x, y, pixel);
  };
  EXPECT_TRUE(RasterFloodFill(0, 0, 0x000000, FloodKind::kBorder, RECT{0, 0, 8, 1}, left_half, p));
  EXPECT_EQ(p.rows[0], "ffffff..");
  EXPECT_EQ(p.rows[1], "........");
}

}  // namespace
}  // namespace platform::gdi
