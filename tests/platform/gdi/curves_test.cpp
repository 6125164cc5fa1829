// PolyBezier, PolyBezierTo and ArcTo: the flattened curve checked point by point against
// the curve evaluated directly, and the pixels against a polyline through those points.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/gdi/raster/bezier.h"
#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi {
namespace {

using testing::Canvas;

// The slow way: the smallest step count by search, each point from the Bernstein form.
std::vector<POINT> ReferenceCurve(const POINT p[4]) {
  auto second = [](LONG a, LONG b, LONG c) { return std::llabs(static_cast<long long>(a) - 2LL * b + c); };
  long long d = std::max({second(p[0].x, p[1].x, p[2].x), second(p[0].y, p[1].y, p[2].y),
                          second(p[1].x, p[2].x, p[3].x), second(p[1].y, p[2].y, p[3].y)});
  long long n = 1;
  while (n * n < 3 * d && n < kMaxBezierSteps) ++n;
  std::vector<POINT> out;
  for (long long i = 1; i <= n; ++i) {
    auto at = [&](long long c0, long long c1, long long c2, long long c3) {
      const long long s = n - i;
      __int128 num = static_cast<__int128>(s * s * s) * c0 + static_cast<__int128>(3 * s * s * i) * c1 +
                     static_cast<__int128>(3 * s * i * i) * c2 + static_cast<__int128>(i * i * i) * c3;
      const __int128 den = static_cast<__int128>(n) * n * n;
      // Nearest, halves up: the largest k with 2k - 1 <= 2 num / den.
      __int128 k = num / den;
      while (2 * k * den > 2 * num + den) --k;
      while (2 * (k + 1) * den <= 2 * num + den) ++k;
      return static_cast<LONG>(k);
    };
    out.push_back(POINT{at(p[0].x, p[1].x, p[2].x, p[3].x), at(p[0].y, p[1].y, p[2].y, p[3].y)});
  }
  return out;
}

TEST(Bezier, FlatteningMatchesTheDirectCurveOnRandomCurves) {
  std::mt19937 random(20261207);
  for (int round = 0; round < 2000; ++round) {
    const int span = round % 3 == 0 ? 40 : round % 3 == 1 ? 4000 : 2000000;
    std::uniform_int_distribution<int> coordinate(-span, span);
    POINT p[4];
    for (POINT& q : p) q = POINT{coordinate(random), coordinate(random)};
    std::vector<POINT> fast;
    FlattenBezier(p, fast);
    std::vector<POINT> slow = ReferenceCurve(p);
    ASSERT_EQ(fast.size(), slow.size()) << round;
    for (std::size_t i = 0; i < fast.size(); ++i) {
      ASSERT_EQ(fast[i].x, slow[i].x) << round << " point " << i;
      ASSERT_EQ(fast[i].y, slow[i].y) << round << " point " << i;
    }
  }
}

TEST(Bezier, StraightCurvesAreOneSegmentAndWildOnesAreCapped) {
  const POINT straight[4] = {{0, 0}, {10, 10}, {20, 20}, {30, 30}};
  EXPECT_EQ(BezierSteps(straight), 1);
  const POINT wild[4] = {{INT32_MIN, INT32_MAX}, {INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MAX}, {0, 0}};
  EXPECT_EQ(BezierSteps(wild), kMaxBezierSteps);
  std::vector<POINT> points;
  FlattenBezier(wild, points);
  EXPECT_EQ(points.size(), static_cast<std::size_t>(kMaxBezierSteps));
  EXPECT_EQ(points.back().x, 0);
}

TEST(PolyBezier, PaintsThePolylineThroughTheCurvesPoints) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> coordinate(-8, 40);
  for (int round = 0; round < 200; ++round) {
    POINT p[7];
    for (POINT& q : p) q = POINT{coordinate(random), coordinate(random)};
    Canvas curve(32, 32), reference(32, 32);
    ASSERT_TRUE(PolyBezier(curve.dc, p, 7));
    std::vector<POINT> line{p[0]};
    for (const POINT* c = p; c + 3 < p + 7; c += 3) {
      std::vector<POINT> part = ReferenceCurve(c);
      line.insert(line.end(), part.begin(), part.end());
    }
    ASSERT_TRUE(Polyline(reference.dc, line.data(), static_cast<int>(line.size())));
    for (int y = 0; y < 32; ++y) ASSERT_EQ(curve.Row(y), reference.Row(y)) << round << " row " << y;
  }
}

TEST(PolyBezierTo, StartsAtAndMovesTheCurrentPosition) {
  Canvas canvas(16, 16);
  MoveToEx(canvas.dc, 1, 1, nullptr);
  const POINT p[3] = {{1, 1}, {14, 1}, {14, 1}};  // a straight run along row 1
  ASSERT_TRUE(PolyBezierTo(canvas.dc, p, 3));
  EXPECT_EQ(canvas.Row(1), ".#############..");
  POINT now{};
  MoveToEx(canvas.dc, 0, 0, &now);
  EXPECT_EQ(now.x, 14);
  EXPECT_EQ(now.y, 1);
}

TEST(PolyBezier, BadCountsAndHandlesFail) {
  Canvas canvas(8, 8);
  const POINT p[7] = {};
  struct Row {
    HDC dc;
    const POINT* points;
    DWORD count;
    bool to;
    DWORD error;
  } rows[] = {
      {canvas.dc, p, 3, false, ERROR_INVALID_PARAMETER}, {canvas.dc, p, 5, false, ERROR_INVALID_PARAMETER},
      {canvas.dc, nullptr, 4, false, ERROR_INVALID_PARAMETER}, {nullptr, p, 4, false, ERROR_INVALID_HANDLE},
      {canvas.dc, p, 0, true, ERROR_INVALID_PARAMETER},   {canvas.dc, p, 4, true, ERROR_INVALID_PARAMETER},
      {canvas.dc, p, 0xFFFFFFFF, true, ERROR_INVALID_PARAMETER},
  };
  for (const Row& row : rows) {
    SetLastError(0);
    EXPECT_FALSE(row.to ? PolyBezierTo(row.dc, row.points, row.count) : PolyBezier(row.dc, row.points, row.count));
    EXPECT_EQ(GetLastError(), row.error) << row.count;
  }
}

TEST(ArcTo, JoinsTheCurrentPositionToTheArcAndEndsOnIt) {
  Canvas with_line(24, 24), pieces(24, 24);
  MoveToEx(with_line.dc, 0, 12, nullptr);
  // The right half of a circle, counter-clockwise from the top to the bottom.
  ASSERT_TRUE(ArcTo(with_line.dc, 4, 4, 20, 20, 12, 0, 12, 24));
  POINT now{};
  MoveToEx(with_line.dc, 0, 0, &now);
  EXPECT_EQ(now.x, 12);
  EXPECT_EQ(now.y, 20);
  // The same as a line to the arc's start and Arc itself.
  MoveToEx(pieces.dc, 0, 12, nullptr);
  LineTo(pieces.dc, 12, 4);
  Arc(pieces.dc, 4, 4, 20, 20, 12, 0, 12, 24);
  for (int y = 0; y < 24; ++y) EXPECT_EQ(with_line.Row(y), pieces.Row(y)) << y;
  EXPECT_FALSE(ArcTo(nullptr, 0, 0, 1, 1, 0, 0, 1, 1));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace
}  // namespace platform::gdi
