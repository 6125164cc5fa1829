// Settings of a surface: colours with their shared brushes, pen style and width, mix mode,
// stretch mode, clipping, the world, and the flags a program may change.
#include <gtest/gtest.h>

#include "platform/gdi/gdi_object.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_settings.h"
#include "tests/runtime/graphics/surface_fixture.h"

namespace runtime {
namespace {

class SettingsTest : public testing::SurfaceTest {
 protected:
  void White(int width, int height) {
    ASSERT_NE(MakeSurface(width, height), nullptr);
    set_background_colour(0xFFFFFF);
    set_foreground_colour(0x000000);
    clear_surface();
  }
};

TEST_F(SettingsTest, ForegroundColourMarkers) {
  ASSERT_NE(MakeSurface(8, 8), nullptr);
  const auto window_text = static_cast<std::int32_t>(GetSysColor(COLOR_WINDOWTEXT));
  struct Case {
    std::int32_t given;
    std::int32_t stored;
  } cases[] = {{0x7F112233, 0x112233}, {kKeepColour, 0x112233}, {kSystemColour, window_text}};
  for (const Case& c : cases) {
    set_foreground_colour(c.given);
    EXPECT_EQ(Record().graphic.default_text_color, c.stored);
    EXPECT_EQ(GetTextColor(Dc()), static_cast<COLORREF>(c.stored));
  }
}

TEST_F(SettingsTest, BackgroundColourMarkersAndTextMode) {
  ASSERT_NE(MakeSurface(8, 8), nullptr);
  const auto face = static_cast<std::int32_t>(GetSysColor(COLOR_BTNFACE));
  struct Case {
    std::int32_t given;
    std::int32_t stored;
    int mode;
  } cases[] = {{0x00C0FF, 0x00C0FF, OPAQUE},
               {kKeepColour, 0x00C0FF, OPAQUE},
               {kTransparentBackground, kTransparentBackground, TRANSPARENT},
               {kSystemColour, face, OPAQUE}};
  for (const Case& c : cases) {
    set_background_colour(c.given);
    EXPECT_EQ(Record().graphic.default_back_color, c.stored);
    EXPECT_EQ(GetBkMode(Dc()), c.mode);
    EXPECT_EQ(Record().graphic.default_brush != nullptr, c.stored >= 0);
  }
}

TEST_F(SettingsTest, BackgroundBrushesAreSharedAndLetGo) {
  ASSERT_NE(MakeSurface(8, 8), nullptr);
  // A second record keeps the colour 0x123456 alive.
  DialogState* other = find_record(dialog_);
  other->back_color = 0x123456;
  other->back_brush = CreateSolidBrush(0x123456);
  const int before = platform::gdi::LiveObjectCount();
  set_background_colour(0x123456);  // shared; the surface's first brush goes
  EXPECT_EQ(Record().graphic.default_brush, other->back_brush);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before - 1);
  set_background_colour(0x654321);  // a new brush; the shared one stays
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
  set_background_colour(0x000001);  // the old colour is no one's any more: its brush goes
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
  set_background_colour(kTransparentBackground);
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before - 1);
}

TEST_F(SettingsTest, PenStyleAndWidthAreHeldInRange) {
  ASSERT_NE(MakeSurface(8, 8), nullptr);
  struct Case {
    std::int32_t style, stored_style, width, stored_width;
  } cases[] = {{3, 3, 2, 2}, {4, 4, 0, 0}, {5, 0, -4, 0}, {-1, 0, 100000, kWidestPen}};
  for (const Case& c : cases) {
    set_pen_style(c.style);
    set_pen_width(c.width);
    EXPECT_EQ(Record().graphic.pen_style, c.stored_style);
    EXPECT_EQ(Record().graphic.pen_width, c.stored_width);
  }
}

TEST_F(SettingsTest, MixModeInvertsAndStretchModeIsKept) {
  White(8, 4);
  EXPECT_EQ(set_mix_mode(R2_NOT), R2_COPYPEN);
  EXPECT_EQ(set_mix_mode(0), 0);   // refused
  EXPECT_EQ(set_mix_mode(17), 0);
  move_to(0, 1, false);
  draw_line(8, 1, 0x0000FF, false);  // R2_NOT ignores the colour: white becomes black
  EXPECT_EQ(Pixel(3, 1), RGB(0, 0, 0));
  EXPECT_EQ(set_mix_mode(R2_COPYPEN), R2_NOT);
  const int previous = set_stretch_mode(HALFTONE);
  EXPECT_NE(previous, 0);
  EXPECT_EQ(set_stretch_mode(COLORONCOLOR), HALFTONE);
}

TEST_F(SettingsTest, ClipBoxLimitsDrawingUntilCleared) {
  White(8, 4);
  set_clip_box(6, 3, 2, 1);  // corners in any order
  clear_surface(0);
  EXPECT_EQ(read_pixel(0, 0), -1);  // outside the clip, as GetPixel reports it
  clear_clip();
  EXPECT_EQ(Row(0, 0, 7), "........");
  EXPECT_EQ(Row(1, 0, 7), "..####..");
  EXPECT_EQ(Row(3, 0, 7), "........");
  clear_surface(0);
  EXPECT_EQ(Row(3, 0, 7), "########");
}

TEST_F(SettingsTest, InclusiveEndsGrowBoxesByTheirLastRowAndColumn) {
  for (bool inclusive : {false, true}) {
    SCOPED_TRACE(inclusive);
    White(8, 8);
    set_surface_close_flags(INCLUSIVE_ENDS, inclusive);
    draw_box(0, 0, 3, 3, 0, 0, 0, 0);
    EXPECT_EQ(Row(0, 0, 5), inclusive ? "####.." : "###...");
    EXPECT_EQ(Row(3, 0, 5), inclusive ? "####.." : "......");
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    set_graphic_target(nullptr);
  }
}

TEST_F(SettingsTest, OnlyTheEngineFlagsCanBeChanged) {
  ASSERT_NE(MakeSurface(8, 8), nullptr);
  const std::uint32_t flags = Record().flags;
  set_surface_flags(0xFFFFFFFF, false);
  EXPECT_EQ(Record().flags & (IS_CONTROL | USES_PIXELS), flags & (IS_CONTROL | USES_PIXELS));
  set_surface_close_flags(CLOSE_DISABLED | INCLUSIVE_ENDS, true);
  EXPECT_EQ(Record().close_flags, INCLUSIVE_ENDS);
  set_world(1, 2, 3, 4, 0xFFFFFFFF);
  EXPECT_EQ(Record().flags & 0xFFFF, (flags & 0xFFFF) | MIRROR_X | MIRROR_Y);
  EXPECT_EQ(Record().graphic.units_scale_y, 4.0f);
}

}  // namespace
}  // namespace runtime
