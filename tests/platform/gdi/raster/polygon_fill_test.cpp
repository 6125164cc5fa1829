// Polygon interiors by the alternate and winding rules.
#include "platform/gdi/raster/polygon_fill.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/platform/gdi/raster/span_grid.h"

namespace platform::gdi {
namespace {

using testing::PixelSet;
using testing::SpanGrid;

const RECT kArea{-64, -64, 64, 64};

PixelSet Fill(const std::vector<POINT>& points, FillRule rule, RECT bounds = kArea) {
  SpanGrid grid;
  int count = static_cast<int>(points.size());
  RasterPolygons(points.data(), &count, 1, rule, bounds, grid);
  EXPECT_LE(grid.MaxCount(), 1);
  return grid.Pixels();
}

// Crossings counted along the row to the left of each pixel, with exact rationals: an
// edge counts for rows in [top, bottom) when it crosses at or left of the pixel.
bool ReferenceInside(const std::vector<POINT>& p, FillRule rule, int x, int y) {
  int winding = 0, crossings = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    POINT a = p[i], b = p[(i + 1) % p.size()];
    int direction = 1;
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b), direction = -1;
    if (y < a.y || y >= b.y) continue;
    long long dy = b.y - a.y;
    if (static_cast<long long>(y - a.y) * (b.x - a.x) <= static_cast<long long>(x - a.x) * dy) {
      winding += direction;
      ++crossings;
    }
  }
  return rule == FillRule::kWinding ? winding != 0 : crossings % 2 == 1;
}

TEST(PolygonFill, SquareFillsLeftAndTopEdgesOnly) {
  PixelSet square = Fill({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, FillRule::kAlternate);
  EXPECT_EQ(square.size(), 100u);
  EXPECT_TRUE(square.count({0, 0}) && square.count({9, 9}) && !square.count({10, 5}));
}

TEST(PolygonFill, StarCentreDependsOnTheRule) {
  const std::vector<POINT> star = {{0, -30}, {18, 25}, {-28, -10}, {28, -10}, {-18, 25}};
  PixelSet alternate = Fill(star, FillRule::kAlternate), winding = Fill(star, FillRule::kWinding);
  EXPECT_FALSE(alternate.count({0, 0}));
  EXPECT_TRUE(winding.count({0, 0}));
  EXPECT_TRUE(alternate.count({0, -20}) && winding.count({0, -20}));  // a point of the star
}

TEST(PolygonFill, MatchesReferenceOnRandomPolygons) {
  std::mt19937 random(2024);
  std::uniform_int_distribution<int> coordinate(-60, 60), size(3, 9);
  for (int round = 0; round < 300; ++round) {
    std::vector<POINT> polygon(size(random));
    for (POINT& p : polygon) p = {coordinate(random), coordinate(random)};
    for (FillRule rule : {FillRule::kAlternate, FillRule::kWinding}) {
      PixelSet pixels = Fill(polygon, rule);
      for (int y = -64; y < 64; ++y)
        for (int x = -64; x < 64; ++x)
          ASSERT_EQ(pixels.count({x, y}) == 1, ReferenceInside(polygon, rule, x, y)) << x << "," << y;
      RECT bounds{coordinate(random) / 2, coordinate(random) / 2, 0, 0};
      bounds.right = bounds.left + 1 + random() % 50;
      bounds.bottom = bounds.top + 1 + random() % 50;
      PixelSet expected;
      for (auto [x, y] : pixels)
        if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom) expected.insert({x, y});
      ASSERT_EQ(Fill(polygon, rule, bounds), expected);
    }
  }
}

TEST(PolygonFill, SeveralPolygonsAndHugeCoordinates) {
  const POINT points[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}, {10, 10}, {12, 10}, {12, 12}};
  const int counts[] = {4, 3};
  SpanGrid grid;
  RasterPolygons(points, counts, 2, FillRule::kAlternate, kArea, grid);
  EXPECT_TRUE(grid.Has(3, 3) && grid.Has(11, 10) && !grid.Has(7, 7));

  PixelSet huge = Fill({{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {0, INT32_MAX}}, FillRule::kWinding,
                       RECT{0, 0, 16, 16});
  EXPECT_EQ(huge.size(), 256u);
}

}  // namespace
}  // namespace platform::gdi
