// Rectangles, ellipses, round rectangles, arcs, pies and chords as outline and interior.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "platform/gdi/raster/convex_rows.h"
#include "platform/gdi/raster/figures.h"
#include "tests/platform/gdi/raster/span_grid.h"

namespace platform::gdi {
namespace {

using testing::PixelSet;
using testing::SpanGrid;

const RECT kArea{-64, -64, 64, 64};

OutlinePen Cosmetic() { return OutlinePen{}; }
OutlinePen NoPen() { return OutlinePen{OutlinePen::Kind::kNone, 0, false, 0}; }
OutlinePen Wide(int width, bool inside_frame = false) {
  return OutlinePen{OutlinePen::Kind::kWide, width, inside_frame, 0};
}

// Outline and interior drawn into one grid and into their own.
struct Drawn {
  SpanGrid outline, interior, both;
  struct Tee : SpanSink {
    SpanSink* a;
    SpanSink* b;
    void Span(std::int32_t y, std::int32_t x0, std::int32_t x1) override {
      a->Span(y, x0, x1);
      b->Span(y, x0, x1);
    }
  } to_outline, to_interior;
  Drawn() {
    to_outline.a = &outline;
    to_outline.b = &both;
    to_interior.a = &interior;
    to_interior.b = &both;
  }
  FigureSinks sinks() { return {&to_outline, nullptr, &to_interior}; }
};

using Figure = std::function<void(const RECT& bounds, const FigureSinks&)>;

TEST(Rectangle, OnePixelPenFramesTheBoxAndTheBrushFillsInside) {
  Drawn d;
  RasterRectangle({0, 0, 10, 10}, Cosmetic(), kArea, d.sinks());
  EXPECT_EQ(d.both.Pixels().size(), 100u);
  EXPECT_EQ(d.outline.Pixels().size(), 36u);
  EXPECT_TRUE(d.outline.Has(9, 9) && d.outline.Has(0, 9) && !d.outline.Has(10, 10));
  EXPECT_EQ(d.interior.Pixels().size(), 64u);  // 1..8 square
  EXPECT_TRUE(d.interior.Has(1, 1) && d.interior.Has(8, 8));
  EXPECT_EQ(d.both.MaxCount(), 1);
}

TEST(Rectangle, WithoutPenIsOnePixelSmaller) {
  Drawn d;
  RasterRectangle({10, 10, 0, 0}, NoPen(), kArea, d.sinks());  // corners in either order
  EXPECT_EQ(d.interior.Pixels().size(), 81u);
  EXPECT_TRUE(d.interior.Has(0, 0) && d.interior.Has(8, 8) && !d.interior.Has(9, 9));
  EXPECT_TRUE(d.outline.Pixels().empty());
}

TEST(Rectangle, WidePenIsCentredWithRoundCornersOrInsideTheFrame) {
  Drawn centred;
  RasterRectangle({0, 0, 10, 10}, Wide(3), kArea, centred.sinks());
  EXPECT_TRUE(centred.outline.Has(-1, 5) && centred.outline.Has(1, 5) && centred.outline.Has(10, 5));
  Drawn five;
  RasterRectangle({0, 0, 10, 10}, Wide(5), kArea, five.sinks());
  EXPECT_FALSE(five.outline.Has(-2, -2));  // the round join
  EXPECT_TRUE(five.outline.Has(-2, 0) && five.outline.Has(-1, -1));
  EXPECT_TRUE(centred.interior.Has(2, 2) && !centred.interior.Has(1, 5));
  EXPECT_EQ(centred.both.MaxCount(), 1);

  Drawn inside;
  RasterRectangle({0, 0, 10, 10}, Wide(3, true), kArea, inside.sinks());
  for (auto [x, y] : inside.both.Pixels()) EXPECT_TRUE(x >= 0 && x < 10 && y >= 0 && y < 10) << x << "," << y;
  EXPECT_TRUE(inside.outline.Has(0, 5) && inside.outline.Has(2, 5) && inside.outline.Has(9, 5));
  EXPECT_TRUE(inside.interior.Has(3, 5) && inside.interior.Has(6, 5));
}

TEST(Rectangle, DashedFrameLeavesGaps) {
  SpanGrid on, gaps;
  RasterRectangle({0, 0, 40, 10}, OutlinePen{OutlinePen::Kind::kCosmetic, 1, false, 1}, kArea,
                  {&on, &gaps, nullptr});
  for (int x = 0; x < 30; ++x) {
    EXPECT_EQ(on.Has(x, 0), x < 18 || x >= 24) << x;  // PS_DASH: 18 on, 6 off
    EXPECT_EQ(gaps.Has(x, 0), !on.Has(x, 0)) << x;
  }
}

// Mirror symmetry and the split into outline and interior for row-convex figures.
void ExpectSymmetricSplit(const Figure& figure, const RECT& box) {
  Drawn d;
  figure(kArea, d.sinks());
  EXPECT_EQ(d.both.MaxCount(), 1);
  int sx = box.left + box.right - 1, sy = box.top + box.bottom - 1;
  for (auto [x, y] : d.both.Pixels()) {
    ASSERT_TRUE(d.both.Has(sx - x, y) && d.both.Has(x, sy - y)) << x << "," << y << "\n"
                                                               << d.both.Picture(box);
    ASSERT_EQ(d.outline.Has(x, y), d.outline.Has(sx - x, sy - y));
    // Outline pixels touch the outside; interior pixels do not.
    bool touches = !d.both.Has(x - 1, y) || !d.both.Has(x + 1, y) || !d.both.Has(x, y - 1) || !d.both.Has(x, y + 1);
    ASSERT_EQ(touches, d.outline.Has(x, y)) << x << "," << y << "\n" << d.outline.Picture(box);
  }
  // The figure reaches all four sides of its box.
  auto pixels = d.both.Pixels();
  int l = 1000, t = 1000, r = -1000, b = -1000;
  for (auto [x, y] : pixels) {
    l = std::min(l, x), t = std::min(t, y), r = std::max(r, x), b = std::max(b, y);
  }
  EXPECT_EQ(RECT({l, t, r + 1, b + 1}).left, box.left);
  EXPECT_EQ(t, box.top);
  EXPECT_EQ(r, box.right - 1);
  EXPECT_EQ(b, box.bottom - 1);
}

TEST(Ellipse, IsSymmetricAndSplitsIntoRingAndInside) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> corner(-40, 20), size(1, 40);
  for (int round = 0; round < 300; ++round) {
    RECT box{corner(random), corner(random), 0, 0};
    box.right = box.left + size(random);
    box.bottom = box.top + size(random);
    ExpectSymmetricSplit([&](const RECT& b, const FigureSinks& s) { RasterEllipse(box, Cosmetic(), b, s); }, box);
    int cw = size(random), ch = size(random);
    ExpectSymmetricSplit(
        [&](const RECT& b, const FigureSinks& s) { RasterRoundRect(box, cw, ch, Cosmetic(), b, s); }, box);
  }
}

TEST(Ellipse, CircleOfTenHasTheClassicShape) {
  Drawn d;
  RasterEllipse({0, 0, 10, 10}, Cosmetic(), kArea, d.sinks());
  EXPECT_EQ(d.both.Picture({0, 0, 10, 10}),
            "...####...\n"
            ".########.\n"
            ".########.\n"
            "##########\n"
            "##########\n"
            "##########\n"
            "##########\n"
            ".########.\n"
            ".########.\n"
            "...####...\n");
}

// The plain inscribed-ellipse test: a pixel is in when its centre is.
TEST(Ellipse, RowsMatchPointInEllipse) {
  std::mt19937 random(11);
  std::uniform_int_distribution<int> edge(-50, 50);
  for (int round = 0; round < 300; ++round) {
    HalfBox box{edge(random), edge(random), 0, 0};
    box.right = box.left + 1 + random() % 80;
    box.bottom = box.top + 1 + random() % 80;
    EllipseRows rows(box, false);
    SpanGrid grid;
    EmitRows(rows, kArea, grid);
    double cx = (box.left + box.right) / 4.0, cy = (box.top + box.bottom) / 4.0;
    double a = (box.right - box.left) / 4.0, b = (box.bottom - box.top) / 4.0;
    for (int y = -64; y < 64; ++y) {
      for (int x = -64; x < 64; ++x) {
        double u = (x + 0.5 - cx) / a, v = (y + 0.5 - cy) / b, f = u * u + v * v;
        if (std::abs(f - 1) < 1e-9) continue;
        ASSERT_EQ(grid.Has(x, y), f < 1) << x << "," << y;
      }
    }
  }
}

TEST(Ellipse, ThinBoxesStayUnbroken) {
  Drawn column;
  RasterEllipse({3, 0, 4, 20}, Cosmetic(), kArea, column.sinks());
  EXPECT_EQ(column.both.Pixels().size(), 20u);
  Drawn flat;
  RasterEllipse({0, 5, 30, 7}, Cosmetic(), kArea, flat.sinks());
  EXPECT_TRUE(flat.both.Has(0, 5) && flat.both.Has(29, 6));
}

TEST(Ellipse, WidePenRingIsSymmetric) {
  for (int width : {2, 3, 6}) {
    for (bool inside : {false, true}) {
      Drawn d;
      RECT box{0, 0, 30, 20};
      RasterEllipse(box, Wide(width, inside), kArea, d.sinks());
      EXPECT_EQ(d.both.MaxCount(), 1);
      if (inside) {
        for (auto [x, y] : d.both.Pixels()) ASSERT_TRUE(x >= 0 && x < 30 && y >= 0 && y < 20);
      }
      if (width % 2 == 1) {
        for (auto [x, y] : d.outline.Pixels()) ASSERT_TRUE(d.outline.Has(29 - x, 19 - y)) << width;
      }
      EXPECT_TRUE(d.interior.Has(15, 10));
    }
  }
}

TEST(RoundRect, SquareCornersEqualARectangleAndRoundOnesCutTheCorner) {
  Drawn square, rectangle, round;
  RasterRoundRect({0, 0, 12, 9}, 0, 0, Cosmetic(), kArea, square.sinks());
  RasterRectangle({0, 0, 12, 9}, Cosmetic(), kArea, rectangle.sinks());
  EXPECT_EQ(square.outline.Pixels(), rectangle.outline.Pixels());
  EXPECT_EQ(square.interior.Pixels(), rectangle.interior.Pixels());
  RasterRoundRect({0, 0, 12, 9}, 6, 6, Cosmetic(), kArea, round.sinks());
  EXPECT_FALSE(round.both.Has(0, 0) || round.both.Has(11, 8));
  EXPECT_TRUE(round.outline.Has(5, 0) && round.outline.Has(0, 4));
}

TEST(Arc, QuarterPieChordAndArc) {
  const RECT box{0, 0, 21, 21};
  const POINT right{30, 10}, top{10, -5};
  struct Row {
    ArcKind kind;
    bool clockwise;
    POINT in, out;  // an interior pixel and a pixel left outside
  };
  const Row rows[] = {
      {ArcKind::kPie, false, {15, 5}, {5, 15}},
      {ArcKind::kPie, true, {5, 15}, {15, 5}},
      {ArcKind::kChord, false, {16, 4}, {9, 11}},
  };
  for (const Row& row : rows) {
    Drawn d;
    RasterArcFigure(row.kind, box, right, top, row.clockwise, Cosmetic(), kArea, d.sinks());
    EXPECT_EQ(d.both.MaxCount(), 1);
    EXPECT_TRUE(d.interior.Has(row.in.x, row.in.y)) << d.both.Picture(box);
    EXPECT_FALSE(d.both.Has(row.out.x, row.out.y)) << d.both.Picture(box);
    EXPECT_TRUE(d.outline.Has(20, 10) && d.outline.Has(10, 0)) << d.both.Picture(box);
  }
  Drawn arc;
  RasterArcFigure(ArcKind::kArc, box, right, top, false, Cosmetic(), kArea, arc.sinks());
  EXPECT_TRUE(arc.interior.Pixels().empty());
  EXPECT_TRUE(arc.outline.Has(17, 3) && !arc.outline.Has(3, 17));
  Drawn pie_line;  // the pie's radials run to the centre
  RasterArcFigure(ArcKind::kPie, box, right, top, false, Cosmetic(), kArea, pie_line.sinks());
  EXPECT_TRUE(pie_line.outline.Has(10, 10) && pie_line.outline.Has(15, 10) && pie_line.outline.Has(10, 5));
}

TEST(Arc, EqualRadialsDrawTheWholeEllipse) {
  Drawn arc, ellipse;
  RasterArcFigure(ArcKind::kArc, {0, 0, 16, 12}, {20, 6}, {20, 6}, false, Cosmetic(), kArea, arc.sinks());
  RasterEllipse({0, 0, 16, 12}, Cosmetic(), kArea, ellipse.sinks());
  EXPECT_EQ(arc.outline.Pixels(), ellipse.outline.Pixels());
}

TEST(Arc, WidePenKeepsOutlineAndInteriorApart) {
  for (ArcKind kind : {ArcKind::kArc, ArcKind::kPie, ArcKind::kChord}) {
    Drawn d;
    RasterArcFigure(kind, {-20, -20, 20, 20}, {5, -30}, {-30, 5}, false, Wide(4), kArea, d.sinks());
    EXPECT_EQ(d.both.MaxCount(), 1);
    EXPECT_FALSE(d.outline.Pixels().empty());
  }
}

// Every figure with a clip: the same pixels as drawn whole and cut afterwards.
TEST(Figures, BoundsCutEveryFigureExactly) {
  const RECT box{-30, -20, 25, 28};
  const std::vector<std::pair<const char*, Figure>> figures = {
      {"rectangle", [&](const RECT& b, const FigureSinks& s) { RasterRectangle(box, Cosmetic(), b, s); }},
      {"wide rectangle", [&](const RECT& b, const FigureSinks& s) { RasterRectangle(box, Wide(5), b, s); }},
      {"ellipse", [&](const RECT& b, const FigureSinks& s) { RasterEllipse(box, Cosmetic(), b, s); }},
      {"wide ellipse", [&](const RECT& b, const FigureSinks& s) { RasterEllipse(box, Wide(4), b, s); }},
      {"round rect", [&](const RECT& b, const FigureSinks& s) { RasterRoundRect(box, 20, 14, Wide(3), b, s); }},
      {"pie", [&](const RECT& b, const FigureSinks& s) {
         RasterArcFigure(ArcKind::kPie, box, {40, 0}, {-5, -40}, false, Cosmetic(), b, s);
       }},
      {"chord", [&](const RECT& b, const FigureSinks& s) {
         RasterArcFigure(ArcKind::kChord, box, {40, 30}, {-5, -40}, true, Wide(3), b, s);
       }},
      {"polygon", [&](const RECT& b, const FigureSinks& s) {
         const POINT star[] = {{0, -30}, {18, 25}, {-28, -10}, {28, -10}, {-18, 25}};
         const int count = 5;
         RasterPolygonFigure(star, &count, 1, FillRule::kWinding, Wide(2), b, s);
       }},
  };
  const RECT clip{-7, -3, 11, 20};
  for (const auto& [name, figure] : figures) {
    Drawn whole, cut;
    figure(kArea, whole.sinks());
    figure(clip, cut.sinks());
    PixelSet expected;
    for (auto [x, y] : whole.both.Pixels())
      if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom) expected.insert({x, y});
    EXPECT_EQ(cut.both.Pixels(), expected) << name;
  }
}

// The plain frame's direct path against the general row geometry (a round rectangle with
// no corners), on random boxes and clips from a fixed seed.
TEST(Rectangle, PlainFrameEqualsTheRowGeometry) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<int> coordinate(-40, 40);
  for (int round = 0; round < 500; ++round) {
    const RECT box{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
    RECT clip{coordinate(random), coordinate(random), coordinate(random), coordinate(random)};
    if (round % 3 == 0) clip = kArea;
    if (clip.left > clip.right) std::swap(clip.left, clip.right);
    if (clip.top > clip.bottom) std::swap(clip.top, clip.bottom);
    Drawn fast, general;
    RasterRectangle(box, Cosmetic(), clip, fast.sinks());
    RasterRoundRect(box, 0, 0, Cosmetic(), clip, general.sinks());
    ASSERT_EQ(fast.outline.Pixels(), general.outline.Pixels()) << round;
    ASSERT_EQ(fast.interior.Pixels(), general.interior.Pixels()) << round;
  }
}

TEST(Figures, HugeFiguresCostOnlyTheirVisibleRows) {
  const RECT bounds{0, 0, 64, 64};
  const LONG big = 1 << 30;
  Drawn ellipse;
  RasterEllipse({-big, -big, big, big}, Cosmetic(), bounds, ellipse.sinks());
  EXPECT_EQ(ellipse.interior.Pixels().size(), 64u * 64u);  // deep inside
  Drawn edge;  // the left edge of a huge ellipse crosses the bounds
  RasterEllipse({0, -big, 2 * (big - 1), big}, Wide(7), bounds, edge.sinks());
  EXPECT_TRUE(edge.outline.Has(0, 0) && edge.interior.Has(40, 32));
  Drawn pie;
  RasterArcFigure(ArcKind::kPie, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {INT32_MAX, 0}, {0, INT32_MIN},
                  false, Wide(9), bounds, pie.sinks());
  EXPECT_EQ(pie.both.MaxCount(), 1);
  Drawn rectangle;
  RasterRoundRect({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, INT32_MAX, INT32_MIN, Wide(1000), bounds,
                  rectangle.sinks());
  EXPECT_EQ(rectangle.both.MaxCount(), 1);
}

}  // namespace
}  // namespace platform::gdi
