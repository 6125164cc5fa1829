// One-pixel, styled and wide lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "platform/gdi/raster/cosmetic_line.h"
#include "platform/gdi/raster/figures.h"
#include "platform/gdi/raster/wide_line.h"
#include "tests/platform/gdi/raster/span_grid.h"

namespace platform::gdi {
namespace {

using testing::PixelSet;
using testing::SpanGrid;

const RECT kArea{-64, -64, 64, 64};

PixelSet Line(POINT a, POINT b, RECT bounds = kArea) {
  SpanGrid grid;
  RasterCosmeticLine(a, b, bounds, grid);
  EXPECT_LE(grid.MaxCount(), 1);
  return grid.Pixels();
}

// The diamond rule written out: per step along the major axis, the nearest pixel of the
// exact minor coordinate, halves going to the smaller coordinate.
PixelSet ReferenceLine(POINT a, POINT b) {
  PixelSet out;
  long long dx = b.x - a.x, dy = b.y - a.y;
  bool x_major = std::llabs(dx) >= std::llabs(dy);
  long long n = x_major ? std::llabs(dx) : std::llabs(dy);
  for (long long i = 0; i < n; ++i) {
    // minor = minor0 + i * dminor / n, compared in units of 1 / (2n).
    long long major = (x_major ? a.x : a.y) + (x_major ? (dx > 0 ? i : -i) : (dy > 0 ? i : -i));
    long long minor0 = x_major ? a.y : a.x, dminor = x_major ? dy : dx;
    long long exact2n = 2 * (minor0 * n + i * dminor);  // 2n * exact minor
    long long best = 0, best_distance = -1;
    for (long long cand = minor0 - std::llabs(dminor) - 1; cand <= minor0 + std::llabs(dminor) + 1; ++cand) {
      long long distance = std::llabs(cand * 2 * n - exact2n);
      if (best_distance < 0 || distance < best_distance) {  // ties keep the smaller
        best = cand;
        best_distance = distance;
      }
    }
    out.insert(x_major ? std::pair<int, int>(major, best) : std::pair<int, int>(best, major));
  }
  return out;
}

struct LineCase {
  POINT from, to;
  PixelSet pixels;
};

TEST(CosmeticLine, DrawsGdiPixels) {
  const LineCase cases[] = {
      {{0, 0}, {10, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {8, 0}, {9, 0}}},
      {{3, 3}, {3, 3}, {}},                                  // to itself: nothing
      {{0, 0}, {0, -3}, {{0, 0}, {0, -1}, {0, -2}}},        // end point left out going up
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},           // diagonal
      {{0, 0}, {4, 1}, {{0, 0}, {1, 0}, {2, 0}, {3, 1}}},   // half-way: the upper pixel
      {{4, 1}, {0, 0}, {{4, 1}, {3, 1}, {2, 0}, {1, 0}}},   // the same going back
      {{0, 0}, {1, 4}, {{0, 0}, {0, 1}, {0, 2}, {1, 3}}},   // half-way: the left pixel
      {{1, 4}, {0, 0}, {{1, 4}, {1, 3}, {0, 2}, {0, 1}}},
      {{0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(Line(c.from, c.to), c.pixels) << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
  }
}

TEST(CosmeticLine, MatchesTheDiamondReferenceAndClipsExactly) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> coordinate(-40, 40), edge(-30, 30);
  for (int round = 0; round < 3000; ++round) {
    POINT a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
    PixelSet full = Line(a, b);
    ASSERT_EQ(full, ReferenceLine(a, b)) << a.x << "," << a.y << " to " << b.x << "," << b.y;
    RECT bounds{edge(random), edge(random), 0, 0};
    bounds.right = bounds.left + 1 + (random() % 40);
    bounds.bottom = bounds.top + 1 + (random() % 40);
    PixelSet expected;
    for (auto [x, y] : full)
      if (x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom) expected.insert({x, y});
    ASSERT_EQ(Line(a, b, bounds), expected);
  }
}

TEST(CosmeticLine, FarEndPointsCostOnlyTheVisiblePart) {
  const RECT bounds{0, 0, 64, 64};
  PixelSet diagonal = Line({-(1 << 30), -(1 << 30)}, {1 << 30, 1 << 30}, bounds);
  EXPECT_EQ(diagonal.size(), 64u);
  EXPECT_TRUE(diagonal.count({17, 17}));
  PixelSet row = Line({INT32_MIN, 5}, {INT32_MAX, 5}, bounds);
  EXPECT_EQ(row.size(), 64u);
  EXPECT_TRUE(Line({0, 0}, {1 << 30, -(1 << 30)}, bounds) == PixelSet({{0, 0}}));
  // Steep and nearly vertical across the whole range.
  PixelSet steep = Line({INT32_MIN, INT32_MIN}, {INT32_MAX - 5, INT32_MAX}, bounds);
  EXPECT_FALSE(steep.empty());
  for (auto [x, y] : steep) EXPECT_LE(std::abs(x - y + 2), 1);  // y = x + 2.5 near the origin
}

TEST(StyledLine, DotsCarryOnAlongAPolyline) {
  SpanGrid on, gaps;
  LineStyle style = LineStyle::ForPenStyle(2);  // PS_DOT: 3 on, 3 off
  const POINT points[] = {{0, 0}, {4, 0}, {4, 10}};
  RasterPolyline(points, 3, OutlinePen{}, style, kArea, on, &gaps);
  EXPECT_EQ(on.Pixels(), PixelSet({{0, 0}, {1, 0}, {2, 0}, {4, 2}, {4, 3}, {4, 4}, {4, 8}, {4, 9}}));
  EXPECT_EQ(gaps.Pixels(), PixelSet({{3, 0}, {4, 0}, {4, 1}, {4, 5}, {4, 6}, {4, 7}}));
}

TEST(StyledLine, PatternsHaveTheDriverLengths) {
  struct Row {
    unsigned style;
    const char* pattern;  // one period, '#' drawn
  };
  const Row rows[] = {
      {1, "##################......"},
      {2, "###..."},
      {3, "#########......###......"},
      {4, "#########...###...###..."},
  };
  for (const Row& row : rows) {
    LineStyle style = LineStyle::ForPenStyle(row.style);
    std::string drawn;
    for (std::size_t i = 0; i < std::strlen(row.pattern) * 2; ++i) drawn += style.On(i) ? '#' : '.';
    EXPECT_EQ(drawn, std::string(row.pattern) + row.pattern) << row.style;
  }
  EXPECT_TRUE(LineStyle::ForPenStyle(0).solid());
}

PixelSet Capsule(POINT a, POINT b, int width, RECT bounds = kArea) {
  SpanGrid grid;
  RasterCapsule(a, b, width, bounds, grid);
  EXPECT_LE(grid.MaxCount(), 1);
  return grid.Pixels();
}

TEST(WideLine, HorizontalWidthsCoverTheirRows) {
  struct Row {
    int width, top, bottom;  // rows covered at x = 5
  };
  for (Row row : {Row{2, 4, 5}, Row{3, 4, 6}, Row{4, 3, 6}, Row{5, 3, 7}}) {
    PixelSet pixels = Capsule({0, 5}, {10, 5}, row.width);
    for (int y = 0; y < 12; ++y) {
      EXPECT_EQ(pixels.count({5, y}) == 1, y >= row.top && y <= row.bottom) << row.width << " y " << y;
    }
  }
  PixelSet three = Capsule({0, 5}, {10, 5}, 3);
  EXPECT_TRUE(three.count({-1, 5}) && three.count({11, 5}));  // round caps reach past the ends
  EXPECT_FALSE(three.count({-2, 5}) || three.count({12, 5}));
}

TEST(WideLine, MatchesDistanceToTheSegment) {
  std::mt19937 random(99);
  std::uniform_int_distribution<int> coordinate(-30, 30), width(2, 12);
  for (int round = 0; round < 400; ++round) {
    POINT a{coordinate(random), coordinate(random)}, b{coordinate(random), coordinate(random)};
    int w = width(random);
    PixelSet pixels = Capsule(a, b, w);
    for (int y = -64; y < 64; ++y) {
      for (int x = -64; x < 64; ++x) {
        double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
        double t = len2 == 0 ? 0 : std::clamp(((x - a.x) * dx + (y - a.y) * dy) / len2, 0.0, 1.0);
        double ex = a.x + t * dx - x, ey = a.y + t * dy - y;
        double distance = std::sqrt(ex * ex + ey * ey);
        if (std::abs(distance - w / 2.0) < 1e-6) continue;  // on the edge: the half-open rule decides
        ASSERT_EQ(pixels.count({x, y}) == 1, distance < w / 2.0) << x << "," << y << " width " << w;
      }
    }
  }
}

TEST(WideLine, FarSegmentIsClipped) {
  PixelSet pixels = Capsule({-(1 << 30), 10}, {1 << 30, 10}, 5, RECT{0, 0, 32, 32});
  EXPECT_EQ(pixels.size(), 32u * 5u);
}

}  // namespace
}  // namespace platform::gdi
