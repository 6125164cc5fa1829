// The engine's core: the graphic lock, the drawing target, world-to-device coordinates,
// the pens and brushes of one operation, and the redraw policies.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <random>
#include <thread>

#include "platform/gdi/gdi_object.h"
#include "runtime/graphics/surface_core.h"
#include "tests/runtime/graphics/surface_fixture.h"

namespace runtime {
namespace {

using testing::SurfaceTest;

TEST(GraphicLockTest, SecondTakerWaitsUntilRelease) {
  take_graphic_lock();
  std::atomic<bool> got{false};
  std::thread other([&] {
    take_graphic_lock();
    got = true;
    release_graphic_lock();
  });
  Sleep(20);
  EXPECT_FALSE(got.load());
  release_graphic_lock();
  other.join();
  EXPECT_TRUE(got.load());
  EXPECT_FALSE(graphic_lock_held());
}

TEST_F(SurfaceTest, BeginDrawingNeedsAGraphicTarget) {
  ASSERT_NE(MakeSurface(20, 10), nullptr);
  struct Case {
    const char* what;
    HWND target;
    bool draws;
  } cases[] = {{"none", nullptr, false}, {"dialog", dialog_, false},
               {"graphic control", control_, true},
               {"not a window", reinterpret_cast<HWND>(0x7777), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    set_graphic_target(c.target);
    DialogState* surface = begin_drawing();
    EXPECT_EQ(surface != nullptr, c.draws);
    EXPECT_EQ(graphic_lock_held(), c.draws);
    if (surface != nullptr) end_drawing();
    EXPECT_FALSE(graphic_lock_held());
  }
}

TEST_F(SurfaceTest, FirstGraphicControlBecomesTheTarget) {
  ASSERT_NE(MakeSurface(20, 10), nullptr);
  EXPECT_EQ(graphic_target(), control_);
}

// A surface record with the world settings of one table row.
DialogState World(float origin_x, float origin_y, float scale_x, float scale_y,
                  std::uint32_t flags, POINT offset = {0, 0}, POINT position = {0, 0}) {
  DialogState r{};
  r.flags = flags;
  r.graphic.visible_size = {100, 40};
  r.graphic.scroll = offset;
  r.graphic.position = position;
  r.graphic.origin_x = origin_x;
  r.graphic.origin_y = origin_y;
  r.graphic.units_scale_x = scale_x;
  r.graphic.units_scale_y = scale_y;
  return r;
}

TEST(DeviceCoordinatesTest, AbsoluteAndRelativePoints) {
  struct Case {
    const char* what;
    DialogState surface;
    double x, y;
    bool relative;
    POINT expected;
  } cases[] = {
      {"scale 0: pixels", World(5, 5, 0, 0, 0), 3.4, 7.6, false, {3, 8}},
      {"ties to even", World(0, 0, 0, 0, 0), 2.5, 3.5, false, {2, 4}},
      {"negative ties to even", World(0, 0, 0, 0, 0), -2.5, -0.5, false, {-2, 0}},
      {"origin and scale", World(10, 20, 2, 0.5f, 0), 13, 30, false, {6, 5}},
      {"pixel offset", World(0, 0, 0, 0, 0, {7, 9}), 1, 1, false, {8, 10}},
      {"mirrored y: origin at the bottom edge", World(0, 0, 1, 1, MIRROR_Y), 0, 0, false, {0, 40}},
      {"mirrored x", World(0, 0, 1, 1, MIRROR_X), 10, 5, false, {90, 5}},
      {"mirror then offset", World(0, 0, 1, 1, MIRROR_Y, {0, 3}), 0, 1, false, {0, 42}},
      {"relative step", World(0, 0, 2, 2, 0, {50, 50}, {5, 6}), 1.5, -1, true, {8, 4}},
      {"relative, scale 0", World(0, 0, 0, 0, 0, {0, 0}, {5, 6}), 2.5, 1, true, {7, 7}},
      {"relative mirrored", World(0, 0, 1, 1, MIRROR_X | MIRROR_Y, {0, 0}, {5, 6}), 2, 3, true,
       {3, 3}},
      {"huge", World(0, 0, 0, 0, 0), 1e30, -1e30, false, {kFarthestPixel, -kFarthestPixel}},
      {"NaN", World(0, 0, 0, 0, 0), std::nan(""), 1, false, {0, 1}},
      {"huge relative from far", World(0, 0, 0, 0, 0, {0, 0}, {kFarthestPixel, 0}), 1e30, 0, true,
       {kFarthestPixel, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const POINT p = to_device(c.surface, c.x, c.y, c.relative);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
  }
}

TEST(DeviceCoordinatesTest, RoundingMatchesPlainArithmeticOnRandomValues) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> value(-1e6, 1e6);
  for (int i = 0; i < 10000; ++i) {
    const double v = i % 2 == 0 ? value(random) : std::floor(value(random)) + 0.5;
    const double below = std::floor(v);
    const double fraction = v - below;
    double expected = fraction < 0.5 ? below : fraction > 0.5 ? below + 1 : below;
    if (fraction == 0.5 && std::fmod(below, 2.0) != 0) expected = below + 1;
    ASSERT_EQ(round_to_device(v), static_cast<LONG>(expected)) << v;
  }
}

TEST(OperationToolsTest, ColoursResolveAgainstForegroundAndLine) {
  DialogState r{};
  r.graphic.default_text_color = 0x123456;
  EXPECT_EQ(line_colour(r, kForegroundColour), 0x123456);
  EXPECT_EQ(line_colour(r, kNoColour), kNoColour);
  EXPECT_EQ(line_colour(r, 0x7F00FF00), 0x00FF00);
  EXPECT_EQ(fill_colour(kForegroundColour, 0x0000FF), 0x0000FF);
  EXPECT_EQ(fill_colour(kNoColour, 0x0000FF), kNoColour);
  EXPECT_EQ(fill_colour(0x01ABCDEF, 0), 0xABCDEF);
}

TEST(OperationToolsTest, StockToolsForNoColourAndNothingLeftBehind) {
  DialogState r{};
  HDC dc = CreateCompatibleDC(nullptr);
  const int before = platform::gdi::LiveObjectCount();
  for (int style : {-1, 0, 1, 6, 7}) {
    SelectedTool brush(dc, make_operation_brush(0xFF, style));
    SelectedTool pen(dc, make_operation_pen(r, 0xFF));
    EXPECT_NE(brush.object(), nullptr);
  }
  EXPECT_EQ(make_operation_pen(r, kNoColour).object, GetStockObject(NULL_PEN));
  EXPECT_EQ(make_operation_brush(kNoColour, 0).object, GetStockObject(NULL_BRUSH));
  EXPECT_EQ(platform::gdi::LiveObjectCount(), before);
  DeleteDC(dc);
}

// Repaints reach the dialog as WM_DRAWITEM of its graphic control.
int g_draw_items = 0;
std::int32_t CountDrawItems(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_DRAWITEM) ++g_draw_items;
  return 0;
}

class RedrawPolicyTest : public SurfaceTest {
 protected:
  // Marks one pixel dirty `count` times, as that many operations would.
  void Operations(int count) {
    for (int i = 0; i < count; ++i) {
      DrawingScope scope;
      ASSERT_TRUE(scope);
      mark_dirty(*scope.surface(), RECT{1, 1, 2, 2}, DirtyMode::kExact);
    }
  }
};

TEST_F(RedrawPolicyTest, EachPolicyRepaintsWhenItShould) {
  struct Case {
    const char* what;
    std::uint32_t policy;
    int operations;
    int repaints;
  } cases[] = {{"immediate", 0, 3, 3},
               {"deferred", REDRAW_DEFERRED, 300, 0},
               {"batched, 249", REDRAW_BATCHED, 249, 0},
               {"batched, 250", REDRAW_BATCHED, 250, 1},
               {"batched, 600", REDRAW_BATCHED, 600, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_NE(MakeSurface(30, 20, &CountDrawItems), nullptr);
    Record().flags |= c.policy;
    g_draw_items = 0;
    Operations(c.operations);
    EXPECT_EQ(g_draw_items, c.repaints);
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    set_graphic_target(nullptr);
  }
}

TEST_F(RedrawPolicyTest, RedrawNowRepaintsABatchAtOnce) {
  ASSERT_NE(MakeSurface(30, 20, &CountDrawItems), nullptr);
  Record().flags |= REDRAW_BATCHED;
  g_draw_items = 0;
  Operations(10);
  EXPECT_EQ(g_draw_items, 0);
  EXPECT_NE(Record().flags & REDRAW_PENDING, 0u);
  Record().flags |= REDRAW_NOW;
  Operations(1);
  EXPECT_EQ(g_draw_items, 1);
  EXPECT_EQ(Record().flags & (REDRAW_PENDING | REDRAW_NOW), 0u);
  EXPECT_EQ(Record().graphic.pending_count, 0);
}

TEST_F(RedrawPolicyTest, PendingRectangleIsNormalisedWidenedAndClipped) {
  ASSERT_NE(MakeSurface(30, 20), nullptr);
  Record().flags |= REDRAW_DEFERRED;
  Record().graphic.pen_width = 4;
  struct Case {
    RECT touched;
    DirtyMode mode;
    RECT pending;
  } cases[] = {
      {{8, 9, 3, 4}, DirtyMode::kExact, {3, 4, 8, 9}},
      {{5, 5, 6, 6}, DirtyMode::kPenWidth, {2, 2, 9, 9}},
      {{-50, -50, 500, 500}, DirtyMode::kExact, {0, 0, 30, 20}},
      {{40, 40, 50, 50}, DirtyMode::kExact, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Record().graphic.pending_redraw = RECT{};
    DrawingScope scope;
    mark_dirty(*scope.surface(), c.touched, c.mode);
    const RECT& p = scope.surface()->graphic.pending_redraw;
    EXPECT_EQ(p.left, c.pending.left);
    EXPECT_EQ(p.top, c.pending.top);
    EXPECT_EQ(p.right, c.pending.right);
    EXPECT_EQ(p.bottom, c.pending.bottom);
  }
}

TEST_F(RedrawPolicyTest, ThreadsDrawingOnOneSurfaceTakeTurns) {
  ASSERT_NE(MakeSurface(64, 2), nullptr);
  Record().flags |= REDRAW_DEFERRED;
  Record().close_flags |= INCLUSIVE_ENDS;
  auto draw_row = [this](int row, std::int32_t colour) {
    set_graphic_target(control_);  // the target is per thread
    for (int x = 0; x < 64; ++x) {
      DrawingScope scope;
      ASSERT_TRUE(scope);
      DialogState& surface = *scope.surface();
      // A read-modify-write of the position that the lock keeps whole.
      set_current_position(surface, POINT{x, row});
      SelectedTool pen(surface.graphic.memory_dc, make_operation_pen(surface, colour));
      LineTo(surface.graphic.memory_dc, x, row);
      SetPixelV(surface.graphic.memory_dc, x, row, static_cast<COLORREF>(colour));
      EXPECT_EQ(surface.graphic.position.y, row);
      mark_dirty(surface, RECT{x, row, x + 1, row + 1}, DirtyMode::kExact);
    }
  };
  std::thread first(draw_row, 0, 0x0000FF);
  std::thread second(draw_row, 1, 0xFF0000);
  first.join();
  second.join();
  for (int x = 0; x < 64; ++x) {
    EXPECT_EQ(Pixel(x, 0), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(x, 1), RGB(0, 0, 255));
  }
  EXPECT_FALSE(graphic_lock_held());
}

}  // namespace
}  // namespace runtime
