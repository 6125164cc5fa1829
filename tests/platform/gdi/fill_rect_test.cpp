// FillRect, FrameRect, InvertRect and DrawFocusRect on tiny bitmaps.
#include <gtest/gtest.h>

#include "tests/platform/gdi/gdi_canvas.h"

namespace platform::gdi::testing {
namespace {

TEST(FillRect, RightAndBottomEdgesAreExcluded) {
  Canvas canvas(6, 4);
  RECT r{1, 1, 4, 3};
  HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  ASSERT_EQ(FillRect(canvas.dc, &r, black), 1);
  EXPECT_EQ(canvas.Row(0), "......");
  EXPECT_EQ(canvas.Row(1), ".###..");
  EXPECT_EQ(canvas.Row(2), ".###..");
  EXPECT_EQ(canvas.Row(3), "......");
}

TEST(FillRect, SystemColourIndexPlusOneAndFrameAndInvert) {
  Canvas canvas(5, 4);
  RECT r{0, 0, 5, 4};
  ASSERT_EQ(FillRect(canvas.dc, &r, reinterpret_cast<HBRUSH>(COLOR_BTNSHADOW + 1)), 1);
  EXPECT_EQ(canvas.At(4, 3), GetSysColor(COLOR_BTNSHADOW));
  canvas.Clear(RGB(255, 255, 255));
  ASSERT_EQ(FrameRect(canvas.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
  EXPECT_EQ(canvas.Row(0), "#####");
  EXPECT_EQ(canvas.Row(1), "#...#");
  EXPECT_EQ(canvas.Row(3), "#####");
  RECT inner{1, 1, 3, 2};
  ASSERT_TRUE(InvertRect(canvas.dc, &inner));
  EXPECT_EQ(canvas.Row(1), "###.#");
}

TEST(FillRect, FocusRectangleIsUndoneByDrawingItTwice) {
  Canvas canvas(6, 4);
  RECT r{0, 0, 6, 4};
  ASSERT_TRUE(DrawFocusRect(canvas.dc, &r));
  EXPECT_EQ(canvas.Row(0), "#.#.#.");
  EXPECT_EQ(canvas.Row(1), ".....#");
  ASSERT_TRUE(DrawFocusRect(canvas.dc, &r));
  for (int y = 0; y < 4; ++y) EXPECT_EQ(canvas.Row(y), "......");
}

TEST(FillRect, PatternBrushFollowsTheBrushOrigin) {
  const BYTE rows[16] = {0x7F, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0};
  HBITMAP pattern = CreateBitmap(8, 8, 1, 1, rows);  // one 0 bit at (0, 0)
  HBRUSH brush = CreatePatternBrush(pattern);
  DeleteObject(pattern);  // the brush keeps its own copy
  Canvas canvas(4, 2);
  RECT r{0, 0, 4, 2};
  FillRect(canvas.dc, &r, brush);  // 0 bits: text colour (black), 1 bits: background
  EXPECT_EQ(canvas.Row(0), "#...");
  SetBrushOrgEx(canvas.dc, 2, 1, nullptr);
  FillRect(canvas.dc, &r, brush);
  EXPECT_EQ(canvas.Row(0), "....");
  EXPECT_EQ(canvas.Row(1), "..#.");
  DeleteObject(brush);
}

}  // namespace
}  // namespace platform::gdi::testing
