// Drawing operations on small graphic controls: exact pixels for the rules that matter,
// golden images for the look of each operation.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/gdi_object.h"
#include "runtime/graphics/operation_tools.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_settings.h"
#include "tests/platform/gdi/golden.h"
#include "tests/runtime/graphics/surface_fixture.h"

namespace runtime {
namespace {

using platform::gdi::testing::MatchesGolden;

constexpr std::int32_t kBlack = 0x000000;
constexpr std::int32_t kRed = 0x0000FF;
constexpr std::int32_t kBlue = 0xFF0000;
constexpr std::int32_t kWhite = 0xFFFFFF;

class ShapeTest : public testing::SurfaceTest {
 protected:
  // A white surface with black as the foreground colour.
  void White(int width, int height) {
    ASSERT_NE(MakeSurface(width, height), nullptr);
    set_background_colour(kWhite);
    set_foreground_colour(kBlack);
    clear_surface();
  }
};

TEST_F(ShapeTest, LineEndsWithoutOrWithItsLastPixel) {
  struct Case {
    bool inclusive;
    const char* row;
  } cases[] = {{false, "##########.."}, {true, "###########."}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.inclusive);
    White(12, 3);
    set_surface_close_flags(INCLUSIVE_ENDS, c.inclusive);
    move_to(0, 0, false);
    draw_line(10, 0, -1, false);
    EXPECT_EQ(Row(0, 0, 11), c.row);
    EXPECT_EQ(Record().graphic.position.x, 10);
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    set_graphic_target(nullptr);
  }
}

TEST_F(ShapeTest, RelativeLinesContinueFromTheEnd) {
  White(12, 12);
  move_to(1, 1, false);
  draw_line(5, 0, kRed, true);
  draw_line(0, 5, kRed, true);
  EXPECT_EQ(Record().graphic.position.x, 6);
  EXPECT_EQ(Record().graphic.position.y, 6);
  EXPECT_EQ(Pixel(3, 1), static_cast<COLORREF>(kRed));
  EXPECT_EQ(Pixel(6, 4), static_cast<COLORREF>(kRed));
}

// The same figure drawn straight onto a white bitmap of the surface's size, with a black
// one-pixel pen and no fill, for comparison.
template <typename Draw>
bool SameAsDirect(HDC surface, int width, int height, Draw draw) {
  HDC dc = CreateCompatibleDC(surface);
  HBITMAP bitmap = CreateCompatibleBitmap(surface, width, height);
  HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HPEN pen = CreatePen(PS_SOLID, 0, 0);
  HGDIOBJ old_pen = SelectObject(dc, pen);
  HGDIOBJ old_brush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  draw(dc);
  bool same = true;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) same = same && GetPixel(dc, x, y) == GetPixel(surface, x, y);
  }
  SelectObject(dc, old_brush);
  DeleteObject(SelectObject(dc, old_pen));
  DeleteObject(SelectObject(dc, old_bitmap));
  DeleteDC(dc);
  return same;
}

TEST_F(ShapeTest, EllipseAndHalfCornersOnAWideBox) {
  White(110, 50);
  draw_box(0, 0, 100, 40, kBlack, kEllipseCorners, kNoColour, 0);
  EXPECT_TRUE(SameAsDirect(Dc(), 110, 50, [](HDC dc) { RoundRect(dc, 0, 0, 100, 40, 101, 41); }));
  EXPECT_TRUE(MatchesGolden(Dc(), "box_ellipse"));

  clear_surface();
  draw_box(0, 0, 100, 40, kBlack, 50, kNoColour, 0);
  EXPECT_TRUE(SameAsDirect(Dc(), 110, 50, [](HDC dc) { RoundRect(dc, 0, 0, 100, 40, 20, 20); }));
  EXPECT_TRUE(MatchesGolden(Dc(), "box_half_corners"));

  clear_surface();
  draw_box(0, 0, 100, 40, kBlack, 500, kNoColour, 0);  // capped at 100 %
  EXPECT_TRUE(SameAsDirect(Dc(), 110, 50, [](HDC dc) { RoundRect(dc, 0, 0, 100, 40, 40, 40); }));
}

TEST_F(ShapeTest, MirroredWorldPutsTheOriginOnTheBottomRow) {
  White(10, 10);
  set_world(0, 0, 1, 1, MIRROR_Y);
  draw_box(0, 0, 10, 1, kRed, 0, kRed, 0);  // one unit high from the origin
  EXPECT_EQ(Pixel(3, 9), static_cast<COLORREF>(kRed));
  EXPECT_EQ(Pixel(3, 8), static_cast<COLORREF>(kWhite));
  move_to(0, 0, false);
  EXPECT_EQ(Record().graphic.position.y, 10);  // the edge below the bottom row
}

TEST_F(ShapeTest, NoTargetOrADialogTargetChangesNothing) {
  White(8, 8);
  const int objects = platform::gdi::LiveObjectCount();
  const std::vector<WorldPoint> points{{0, 0}, {7, 7}, {0, 7}};
  for (HWND target : {static_cast<HWND>(nullptr), dialog_}) {
    set_graphic_target(target);
    clear_surface(kRed);
    move_to(0, 0, false);
    draw_line(7, 7, kRed, false);
    draw_box(0, 0, 7, 7, kRed, 0, kRed, 0);
    draw_arc(0, 0, 7, 7, 0, 3, kRed, kRed, 0, kArcPie);
    draw_polygon(points, kRed, kRed, 0, ALTERNATE);
    draw_polyline(points, kRed);
    flood_fill(3, 3, kRed, 0, -1);
    set_pixel(1, 1, kRed);
    set_background_colour(kRed);
    set_pen_width(5);
    EXPECT_EQ(read_pixel(1, 1), -1);
  }
  set_graphic_target(control_);
  for (int y = 0; y < 8; ++y) EXPECT_EQ(Row(y, 0, 7), "........");
  EXPECT_EQ(Record().graphic.pen_width, 0);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), objects);
}

TEST_F(ShapeTest, HugeCoordinatesAndWidthsDoNotCrash) {
  White(8, 8);
  set_world(0, 0, 0, 0, 0);
  move_to(-1e300, 1e300, false);
  draw_line(1e300, -1e300, kRed, false);
  draw_line(1e300, 1e300, kRed, true);
  draw_box(-1e20, -1e20, 1e20, 1e20, kRed, kEllipseCorners, kBlue, 3);
  draw_arc(-1e20, -1e20, 1e20, 1e20, 1, 2, kRed, kBlue, 0, kArcPie);
  set_pen_width(1 << 30);
  EXPECT_EQ(Record().graphic.pen_width, kWidestPen);
  draw_line(3, 3, kRed, false);
  set_world(0, 0, 0, 1e30f, 0);
  set_pixel(1, 1e30, kRed);
  SUCCEED();
}

TEST_F(ShapeTest, PixelsReadAndSetThroughTheWorld) {
  White(8, 8);
  set_world(0, 0, 2, 2, 0);
  set_pixel(1, 2, kBlue);
  EXPECT_EQ(Pixel(2, 4), static_cast<COLORREF>(kBlue));
  EXPECT_EQ(read_pixel(1, 2), kBlue);
  EXPECT_EQ(read_pixel(100, 100), -1);
}

TEST_F(ShapeTest, FloodFillOfAnAreaOrUpToABorder) {
  White(12, 12);
  draw_box(2, 2, 9, 9, kRed, 0, kNoColour, 0);
  flood_fill(5, 5, kBlue, 0, kRed);
  EXPECT_EQ(Pixel(5, 5), static_cast<COLORREF>(kBlue));
  EXPECT_EQ(Pixel(0, 0), static_cast<COLORREF>(kWhite));
  flood_fill(0, 0, kBlack, 0, -1);
  EXPECT_EQ(Pixel(0, 0), static_cast<COLORREF>(kBlack));
  EXPECT_EQ(Pixel(5, 5), static_cast<COLORREF>(kBlue));
}

// The look of every shape operation, one golden image each.
TEST_F(ShapeTest, GoldenShapes) {
  struct Case {
    const char* name;
    void (*draw)();
  } cases[] = {
      {"clear_hatched", [] { clear_surface(0x808000, 6); }},
      {"lines_styles",
       [] {
         for (int style = 0; style <= 4; ++style) {
           set_pen_style(style);
           move_to(2, 3 + style * 6, false);
           draw_line(37, 3 + style * 6, 0x800000, false);
         }
         set_pen_style(0);
         set_pen_width(3);
         move_to(4, 34, false);
         draw_line(36, 38, kRed, false);
       }},
      {"boxes",
       [] {
         draw_box(2, 2, 18, 18, kBlack, 0, 0x00C0C0, 0);
         draw_box(21, 2, 38, 18, kBlue, 30, -1, 5);
         draw_box(2, 21, 18, 38, kRed, kEllipseCorners, kNoColour, 0);
         draw_box(21, 21, 38, 38, kNoColour, kEllipseCorners, 0x008000, 0);
       }},
      {"arc_and_pie",
       [] {
         draw_arc(2, 2, 18, 18, 0.0f, 3.14159f, kBlack, -1, 0, 0);
         draw_arc(21, 2, 38, 18, 0.5f, 5.5f, kBlack, 0x00FFFF, 0, kArcPie);
         draw_arc(2, 21, 38, 38, 3.14159f, 6.28f, kBlue, kBlue, 2, kArcPie);
       }},
      {"polygon_polyline",
       [] {
         const std::vector<WorldPoint> star{{20, 2}, {30, 36}, {2, 14}, {38, 14}, {10, 36}};
         draw_polygon(star, kBlack, 0x00C000, 0, WINDING);
         const std::vector<WorldPoint> zigzag{{2, 38}, {8, 30}, {14, 38}, {20, 30}};
         draw_polyline(zigzag, kRed);
       }},
      {"world_mirrored",
       [] {
         set_world(0, 0, 4, 4, MIRROR_Y);
         draw_box(0, 0, 2, 8, kBlue, 0, kBlue, 0);
         draw_box(3, 0, 5, 5, kRed, 0, kRed, 0);
         draw_box(6, 0, 8, 3, 0x008000, 0, 0x008000, 0);
         move_to(0, 0, false);
         draw_line(10, 10, kBlack, false);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    White(40, 40);
    c.draw();
    EXPECT_TRUE(MatchesGolden(Dc(), std::string("shape_") + c.name));
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    set_graphic_target(nullptr);
  }
}

}  // namespace
}  // namespace runtime
