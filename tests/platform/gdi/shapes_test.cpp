// Lines, figures and flood fill through the Windows calls, on tiny 32-bpp DIB sections.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/device_context.h"
#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A canvas with a black one-pixel pen and a red brush selected; restores them after.
class ShapeCanvas : public Canvas {
 public:
  explicit ShapeCanvas(int width = 16, int height = 16) : Canvas(width, height) {
    pen_ = CreatePen(PS_SOLID, 1, kBlack);
    brush_ = CreateSolidBrush(kRed);
    old_pen_ = SelectObject(dc, pen_);
    old_brush_ = SelectObject(dc, brush_);
  }
  ~ShapeCanvas() {
    SelectObject(dc, old_pen_);
    SelectObject(dc, old_brush_);
    DeleteObject(pen_);
    DeleteObject(brush_);
  }
  void UsePen(HGDIOBJ pen) {
    SelectObject(dc, pen);
    DeleteObject(pen_);
    pen_ = static_cast<HPEN>(pen);
  }
  DcState& state() { return FindDc(dc)->state; }
  // '#' pen (black), 'o' brush (red), '.' white, '?' anything else.
  std::string Picture() const {
    std::string s;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        COLORREF c = At(x, y);
        s += c == kBlack ? '#' : c == kRed ? 'o' : c == kWhite ? '.' : '?';
      }
      s += '\n';
    }
    return s;
  }

 private:
  HPEN pen_;
  HBRUSH brush_;
  HGDIOBJ old_pen_, old_brush_;
};

TEST(LineTo, EndPointIsLeftOutAndThePositionMoves) {
  ShapeCanvas c(12, 2);
  ASSERT_TRUE(MoveToEx(c.dc, 0, 0, nullptr));
  ASSERT_TRUE(LineTo(c.dc, 10, 0));
  EXPECT_EQ(c.Row(0), "##########..");
  POINT previous;
  MoveToEx(c.dc, 3, 1, &previous);
  EXPECT_EQ(previous.x, 10);
  EXPECT_EQ(previous.y, 0);
  const POINT more[] = {{6, 1}, {8, 1}};
  ASSERT_TRUE(PolylineTo(c.dc, more, 2));
  EXPECT_EQ(c.Row(1), "...#####....");
  EXPECT_EQ(c.state().current_position.x, 8);
}

TEST(Rectangle, FrameAndFillFollowGdiRules) {
  ShapeCanvas c(12, 12);
  ASSERT_TRUE(Rectangle(c.dc, 1, 1, 11, 11));
  EXPECT_EQ(c.Row(1), ".##########.");
  EXPECT_EQ(c.Row(5, kRed), "..########..");
  EXPECT_EQ(c.Row(10), ".##########.");
  EXPECT_EQ(c.Row(11), "............");

  ShapeCanvas n(12, 12);
  n.UsePen(GetStockObject(NULL_PEN));
  ASSERT_TRUE(Rectangle(n.dc, 1, 1, 11, 11));
  EXPECT_EQ(n.Row(1, kRed), ".#########..");
  EXPECT_EQ(n.Row(9, kRed), ".#########..");
  EXPECT_EQ(n.Row(10, kRed), "............");
}

TEST(Ellipse, AndRoundRectAreSymmetric) {
  for (int width : {1, 3}) {
    ShapeCanvas e(15, 11), r(15, 11);
    e.UsePen(CreatePen(PS_SOLID, width, kBlack));
    r.UsePen(CreatePen(PS_SOLID, width, kBlack));
    ASSERT_TRUE(Ellipse(e.dc, 2, 1, 13, 10));
    ASSERT_TRUE(RoundRect(r.dc, 2, 1, 13, 10, 6, 4));
    for (Canvas* c : {static_cast<Canvas*>(&e), static_cast<Canvas*>(&r)}) {
      for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 15; ++x) {
          ASSERT_EQ(c->At(x, y), c->At(14 - x, y)) << x << "," << y;
          ASSERT_EQ(c->At(x, y), c->At(x, 10 - y)) << x << "," << y;
        }
    }
    EXPECT_EQ(e.At(7, 5), kRed);
  }
}

TEST(Polygon, FillModesDifferOnAStar) {
  const POINT star[] = {{15, 1}, {24, 28}, {1, 11}, {29, 11}, {6, 28}};
  ShapeCanvas alternate(31, 31), winding(31, 31);
  alternate.UsePen(GetStockObject(NULL_PEN));
  winding.UsePen(GetStockObject(NULL_PEN));
  winding.state().poly_fill_mode = WINDING;
  ASSERT_TRUE(Polygon(alternate.dc, star, 5));
  ASSERT_TRUE(Polygon(winding.dc, star, 5));
  EXPECT_EQ(alternate.At(15, 16), kWhite);
  EXPECT_EQ(winding.At(15, 16), kRed);
  EXPECT_EQ(alternate.At(15, 5), kRed);
}

TEST(Arc, DirectionChoosesTheOtherSide) {
  ShapeCanvas ccw(21, 21), cw(21, 21);
  EXPECT_EQ(GetArcDirection(ccw.dc), AD_COUNTERCLOCKWISE);
  EXPECT_EQ(SetArcDirection(cw.dc, AD_CLOCKWISE), AD_COUNTERCLOCKWISE);
  EXPECT_EQ(SetArcDirection(cw.dc, 7), 0);
  ASSERT_TRUE(Pie(ccw.dc, 0, 0, 21, 21, 30, 10, 10, -5));
  ASSERT_TRUE(Pie(cw.dc, 0, 0, 21, 21, 30, 10, 10, -5));
  EXPECT_EQ(ccw.At(15, 5), kRed);
  EXPECT_EQ(ccw.At(5, 15), kWhite);
  EXPECT_EQ(cw.At(15, 5), kWhite);
  EXPECT_EQ(cw.At(5, 15), kRed);
  ASSERT_TRUE(Arc(ccw.dc, 0, 0, 21, 21, 0, 0, 0, 0));
  ASSERT_TRUE(Chord(ccw.dc, 0, 0, 21, 21, 0, 0, 0, 0));
}

TEST(FloodFill, StopsAtTheBorderColour) {
  ShapeCanvas c(10, 6);
  SelectObject(c.dc, GetStockObject(NULL_BRUSH));
  ASSERT_TRUE(Rectangle(c.dc, 1, 1, 6, 5));
  SelectObject(c.dc, CreateSolidBrush(kRed));  // the canvas deletes its own brush only
  ASSERT_TRUE(FloodFill(c.dc, 3, 2, kBlack));
  EXPECT_EQ(c.Picture(),
            "..........\n"
            ".#####....\n"
            ".#ooo#....\n"
            ".#ooo#....\n"
            ".#####....\n"
            "..........\n");
  EXPECT_FALSE(ExtFloodFill(c.dc, 1, 1, kBlack, FLOODFILLBORDER));  // seed on the border
  ASSERT_TRUE(ExtFloodFill(c.dc, 8, 0, kWhite, FLOODFILLSURFACE));
  EXPECT_EQ(c.Row(0, kRed), "##########");
  EXPECT_EQ(c.At(3, 3), kRed);
  DeleteObject(SelectObject(c.dc, GetStockObject(WHITE_BRUSH)));
}

// Every primitive drawn with a clip rectangle leaves everything outside it untouched.
TEST(Clipping, CutsEveryPrimitive) {
  using Draw = std::function<BOOL(HDC)>;
  const std::vector<std::pair<const char*, Draw>> primitives = {
      {"LineTo", [](HDC dc) { MoveToEx(dc, -5, -3, nullptr); return LineTo(dc, 40, 30); }},
      {"Polyline", [](HDC dc) {
         const POINT p[] = {{0, 15}, {30, 2}, {30, 29}, {2, 2}};
         return Polyline(dc, p, 4);
       }},
      {"Rectangle", [](HDC dc) { return Rectangle(dc, 1, 1, 30, 30); }},
      {"RoundRect", [](HDC dc) { return RoundRect(dc, 1, 1, 30, 30, 12, 9); }},
      {"Ellipse", [](HDC dc) { return Ellipse(dc, -10, 0, 40, 31); }},
      {"Arc", [](HDC dc) { return Arc(dc, 4, 10, 27, 40, 31, 25, 0, 25); }},
      {"Pie", [](HDC dc) { return Pie(dc, 0, 0, 31, 31, 31, 0, 0, 31); }},
      {"Chord", [](HDC dc) { return Chord(dc, 0, 0, 31, 31, 0, 31, 31, 0); }},
      {"Polygon", [](HDC dc) {
         const POINT p[] = {{15, -5}, {40, 30}, {-10, 30}};
         return Polygon(dc, p, 3);
       }},
      {"FloodFill", [](HDC dc) { return ExtFloodFill(dc, 12, 12, kWhite, FLOODFILLSURFACE); }},
  };
  for (int pen_width : {1, 5}) {
    for (const auto& [name, draw] : primitives) {
      ShapeCanvas c(31, 31);
      c.UsePen(CreatePen(PS_SOLID, pen_width, kBlack));
      IntersectClipRect(c.dc, 8, 9, 20, 22);
      ASSERT_TRUE(draw(c.dc)) << name;
      bool inside_touched = false;
      for (int y = 0; y < 31; ++y)
        for (int x = 0; x < 31; ++x) {
          bool inside = x >= 8 && x < 20 && y >= 9 && y < 22;
          if (!inside) {
            ASSERT_EQ(c.At(x, y), kWhite) << name << " width " << pen_width << " at " << x << "," << y;
          }
          inside_touched |= inside && c.At(x, y) != kWhite;
        }
      EXPECT_TRUE(inside_touched) << name;
    }
  }
}

TEST(LineTo, EveryMixModeOnOnePixel) {
  const COLORREF pen = RGB(0xF0, 0x3C, 0x55), dest = RGB(0xAA, 0x0F, 0x33);
  auto expected = [&](int mode) -> COLORREF {
    const DWORD p = pen, d = dest;
    DWORD r = 0;
    switch (mode) {
      case R2_BLACK: r = 0; break;
      case R2_NOTMERGEPEN: r = ~(d | p); break;
      case R2_MASKNOTPEN: r = d & ~p; break;
      case R2_NOTCOPYPEN: r = ~p; break;
      case R2_MASKPENNOT: r = p & ~d; break;
      case R2_NOT: r = ~d; break;
      case R2_XORPEN: r = d ^ p; break;
      case R2_NOTMASKPEN: r = ~(d & p); break;
      case R2_MASKPEN: r = d & p; break;
      case R2_NOTXORPEN: r = ~(d ^ p); break;
      case R2_NOP: r = d; break;
      case R2_MERGENOTPEN: r = d | ~p; break;
      case R2_COPYPEN: r = p; break;
      case R2_MERGEPENNOT: r = p | ~d; break;
      case R2_MERGEPEN: r = d | p; break;
      case R2_WHITE: r = 0xFFFFFF; break;
    }
    return r & 0xFFFFFF;
  };
  for (int mode = R2_BLACK; mode <= R2_WHITE; ++mode) {
    ShapeCanvas c(3, 1);
    c.Clear(dest);
    c.UsePen(CreatePen(PS_SOLID, 1, pen));
    c.state().rop2 = mode;
    MoveToEx(c.dc, 1, 0, nullptr);
    ASSERT_TRUE(LineTo(c.dc, 2, 0));
    EXPECT_EQ(c.At(1, 0), expected(mode)) << "mode " << mode;
    EXPECT_EQ(c.At(0, 0), dest);
    EXPECT_EQ(c.At(2, 0), dest);
  }
}

TEST(Figures, XorPaintsEachPixelOnce) {
  ShapeCanvas c(20, 20);
  c.state().rop2 = R2_XORPEN;
  c.UsePen(CreatePen(PS_SOLID, 4, RGB(255, 255, 255)));
  ASSERT_TRUE(Pie(c.dc, 2, 2, 18, 18, 18, 10, 10, 2));
  ASSERT_TRUE(Pie(c.dc, 2, 2, 18, 18, 18, 10, 10, 2));  // twice: back to white
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(c.At(x, y), kWhite) << x << "," << y;
}

TEST(StyledPen, DashesWithOpaqueGaps) {
  ShapeCanvas c(30, 1);
  c.UsePen(CreatePen(PS_DOT, 1, kBlack));
  c.state().bk_mode = TRANSPARENT;
  MoveToEx(c.dc, 0, 0, nullptr);
  LineTo(c.dc, 14, 0);
  EXPECT_EQ(c.Row(0), "###...###...##................");
  c.state().bk_mode = OPAQUE;
  c.state().bk_color = kRed;
  MoveToEx(c.dc, 15, 0, nullptr);
  LineTo(c.dc, 27, 0);
  EXPECT_EQ(c.Row(0, kRed), "..................###...###...");
}

TEST(Shapes, DeadOrEmptyDcsFail) {
  HDC dead = CreateCompatibleDC(nullptr);
  DeleteDC(dead);
  const POINT p[] = {{0, 0}, {5, 5}};
  const std::vector<std::function<BOOL()>> calls = {
      [&] { return MoveToEx(dead, 0, 0, nullptr); },
      [&] { return LineTo(dead, 5, 5); },
      [&] { return Polyline(dead, p, 2); },
      [&] { return Rectangle(dead, 0, 0, 5, 5); },
      [&] { return Ellipse(dead, 0, 0, 5, 5); },
      [&] { return Pie(dead, 0, 0, 5, 5, 0, 0, 5, 5); },
      [&] { return Polygon(dead, p, 2); },
      [&] { return FloodFill(dead, 0, 0, 0); },
  };
  for (const auto& call : calls) {
    SetLastError(0);
    EXPECT_FALSE(call());
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
  EXPECT_EQ(GetArcDirection(dead), 0);

  HDC empty = MakeSurfaceDC([] { return PixelSurface{}; }, {0, 0}, RECT{0, 0, 10, 10}, nullptr);
  EXPECT_FALSE(Rectangle(empty, 0, 0, 5, 5));
  EXPECT_FALSE(LineTo(empty, 5, 5));
  DeleteDC(empty);

  ShapeCanvas c;
  SetLastError(0);
  EXPECT_FALSE(Polygon(c.dc, p, 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(Polyline(c.dc, nullptr, 2));
  EXPECT_FALSE(ExtFloodFill(c.dc, 0, 0, 0, 9));
}

}  // namespace
}  // namespace platform::gdi::testing
