// The list box's own scroll bar: parts under the mouse, thumb size and travel.
#include "platform/user/controls/scroll_bar_parts.h"

#include <gtest/gtest.h>

namespace {

using namespace platform::user::controls;

const RECT kBar{0, 0, 16, 116};  // 16 px arrows, 84 px of track

TEST(ScrollBarPartsTest, PartsUnderThePoint) {
  ScrollRange range{0, 19, 5, 0};  // 20 items, 5 visible, at the top
  VerticalBarLayout layout = LayoutVerticalBar(kBar, range);
  EXPECT_EQ(layout.thumb.top, 16);
  EXPECT_EQ(layout.thumb.bottom - layout.thumb.top, 21);  // 84 * 5 / 20
  struct Row { int y; ScrollPart part; };
  const Row rows[] = {{0, ScrollPart::kLineUp}, {15, ScrollPart::kLineUp}, {20, ScrollPart::kThumb},
                      {50, ScrollPart::kPageDown}, {100, ScrollPart::kLineDown},
                      {115, ScrollPart::kLineDown}, {116, ScrollPart::kNone}};
  for (const Row& row : rows) EXPECT_EQ(HitVerticalBar(kBar, range, POINT{8, row.y}), row.part) << row.y;
  range.pos = 15;  // the last page
  layout = LayoutVerticalBar(kBar, range);
  EXPECT_EQ(layout.thumb.bottom, 100);
  EXPECT_EQ(HitVerticalBar(kBar, range, POINT{8, 30}), ScrollPart::kPageUp);
}

TEST(ScrollBarPartsTest, NothingToScrollHasNoThumb) {
  ScrollRange range{0, 3, 5, 0};
  EXPECT_FALSE(range.enabled());
  VerticalBarLayout layout = LayoutVerticalBar(kBar, range);
  EXPECT_EQ(layout.thumb.bottom - layout.thumb.top, 0);
  EXPECT_EQ(HitVerticalBar(kBar, range, POINT{8, 4}), ScrollPart::kNone);
}

// Dragging the thumb to where a position puts it gives that position back, for every
// position of many ranges.
TEST(ScrollBarPartsTest, ThumbTopAndPositionRoundTrip) {
  for (int count = 2; count < 300; count += 7) {
    for (int page = 1; page < count; page += 3) {
      for (int pos = 0; pos <= count - page; ++pos) {
        ScrollRange range{0, count - 1, page, pos};
        VerticalBarLayout layout = LayoutVerticalBar(kBar, range);
        int back = PositionFromThumbTop(kBar, range, layout.thumb.top);
        // A thumb pixel may stand for several positions: it maps back to one whose thumb
        // lands on the same pixel.
        ScrollRange again = range;
        again.pos = back;
        ASSERT_EQ(LayoutVerticalBar(kBar, again).thumb.top, layout.thumb.top)
            << count << " " << page << " " << pos;
      }
    }
  }
}

}  // namespace
