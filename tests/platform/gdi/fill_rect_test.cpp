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

}  // namespace
}  // namespace platform::gdi::testing
