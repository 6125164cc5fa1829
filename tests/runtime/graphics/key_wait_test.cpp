// Waiting for keys on a graphic control: the key texts, the allowed-key list, time-outs,
// and batched drawing painted while waiting; and the view's scrolling.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "runtime/graphics/key_wait.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_core.h"
#include "runtime/graphics/surface_settings.h"
#include "runtime/graphics/view_scrolling.h"
#include "tests/runtime/graphics/surface_fixture.h"

namespace runtime {
namespace {

const std::u16string kF1{0, 0x3B};

TEST(KeyTextTest, CharactersAndSpecialKeys) {
  EXPECT_EQ(key_text(0), u"");
  EXPECT_EQ(key_text('a'), u"a");
  EXPECT_EQ(key_text(0x3B0000), kF1);
  EXPECT_EQ(key_text(0x00E9), u"\u00e9");
}

TEST(KeyAllowedTest, EntriesOfOneTwoAndFourUnits) {
  const std::u16string digits{0xFF, u'0', u'9', 0};
  const std::u16string f1_or_y = std::u16string{0, 0x3B} + u"y";
  struct Case {
    std::u16string key;
    std::u16string allowed;
    bool accepted;
  } cases[] = {
      {u"x", u"", true},       {kF1, u"", true},          {u"y", u"yn", true},
      {u"Y", u"yn", false},    {u"y", f1_or_y, true},     {kF1, f1_or_y, true},
      {std::u16string{0, 0x3C}, f1_or_y, false},           {u"5", digits, true},
      {u"a", digits, false},   {kF1, digits, false},      {u"a", digits + u"a", true},
      {kF1, u";", false},      {u";", std::u16string{0, u';'}, false},
      {u"z", std::u16string{0xFF, u'a'}, false},  // a cut entry accepts nothing
  };
  for (const Case& c : cases) {
    EXPECT_EQ(key_allowed(c.key, c.allowed), c.accepted)
        << std::string(c.key.begin(), c.key.end());
  }
}

int g_draw_items = 0;
std::int32_t CountDrawItems(HWND, UINT message, WPARAM, LPARAM) {
  if (message == WM_DRAWITEM) ++g_draw_items;
  return 0;
}

class KeyWaitTest : public testing::SurfaceTest {};

TEST_F(KeyWaitTest, KeysArriveThroughTheInputProcedure) {
  ASSERT_NE(MakeSurface(20, 20), nullptr);
  PostMessageW(control_, WM_CHAR, 'q', 0);
  EXPECT_EQ(wait_for_key(2000), u"q");
  PostMessageW(control_, WM_KEYDOWN, VK_F1, 0x3B0001);
  EXPECT_EQ(wait_for_key(2000), kF1);
  EXPECT_EQ(Record().last_key, 0);
}

TEST_F(KeyWaitTest, KeysNotAllowedAreSkipped) {
  ASSERT_NE(MakeSurface(20, 20), nullptr);
  PostMessageW(control_, WM_CHAR, 'a', 0);
  PostMessageW(control_, WM_CHAR, 'n', 0);
  EXPECT_EQ(wait_for_key(2000, u"yn"), u"n");
}

TEST_F(KeyWaitTest, TimeOutGivesAnEmptyKey) {
  ASSERT_NE(MakeSurface(20, 20), nullptr);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(wait_for_key(60), u"");
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
}

TEST_F(KeyWaitTest, NoTargetGivesAnEmptyKeyAtOnce) {
  ASSERT_NE(MakeSurface(20, 20), nullptr);
  set_graphic_target(dialog_);
  EXPECT_EQ(wait_for_key(0), u"");
  set_graphic_target(nullptr);
  EXPECT_EQ(wait_for_key(0), u"");
}

TEST_F(KeyWaitTest, BatchedDrawingIsPaintedWhileWaiting) {
  ASSERT_NE(MakeSurface(20, 20, &CountDrawItems), nullptr);
  set_surface_flags(REDRAW_BATCHED, true);
  g_draw_items = 0;
  set_pixel(1, 1, 0);
  EXPECT_EQ(g_draw_items, 0);
  PostMessageW(control_, WM_CHAR, 'k', 0);
  EXPECT_EQ(wait_for_key(2000), u"k");
  EXPECT_EQ(g_draw_items, 1);
}

TEST_F(KeyWaitTest, ClearRepaintsABatchedSurfaceAtOnce) {
  ASSERT_NE(MakeSurface(20, 20, &CountDrawItems), nullptr);
  set_surface_flags(REDRAW_BATCHED, true);
  g_draw_items = 0;
  for (int i = 0; i < 249; ++i) set_pixel(1, 1, 0);
  EXPECT_EQ(g_draw_items, 0);
  clear_surface();
  EXPECT_EQ(g_draw_items, 1);
  for (int i = 0; i < 250; ++i) set_pixel(1, 1, 0);
  EXPECT_EQ(g_draw_items, 2);
}

TEST_F(KeyWaitTest, EngineMessagePaintsWhatIsPending) {
  ASSERT_NE(MakeSurface(20, 20, &CountDrawItems), nullptr);
  set_surface_flags(REDRAW_DEFERRED, true);
  g_draw_items = 0;
  set_pixel(1, 1, 0);
  EXPECT_EQ(g_draw_items, 0);
  SendMessageW(control_, 0x1403, 0, 0);
  EXPECT_EQ(g_draw_items, 1);
  SendMessageW(control_, 0x1403, 0, 0);  // nothing pending any more
  EXPECT_EQ(g_draw_items, 1);
}

TEST_F(KeyWaitTest, ArrowKeysScrollTheViewWhenItScrolls) {
  ASSERT_NE(MakeSurface(20, 20), nullptr);
  // A view of 20 x 20 on a bitmap of 20 x 60 (as a resize would leave it).
  Record().graphic.bitmap_size = {20, 60};
  const LONG line = Record().graphic.char_height + Record().graphic.external_leading;
  SendMessageW(control_, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(Record().graphic.scroll.y, 0);  // not without the flag
  set_view_scrolling(true);
  struct Step {
    WPARAM code;
    LONG expected;
  } steps[] = {{SB_LINEDOWN, line}, {SB_LINEUP, 0}, {SB_LINEUP, 0}, {SB_PAGEDOWN, 20},
               {SB_BOTTOM, 40},     {SB_PAGEDOWN, 40}, {SB_TOP, 0}, {MAKEWPARAM(SB_THUMBTRACK, 33), 33},
               {MAKEWPARAM(SB_THUMBPOSITION, 500), 40}};
  for (const Step& s : steps) {
    SendMessageW(control_, WM_VSCROLL, s.code, 0);
    EXPECT_EQ(Record().graphic.scroll.y, s.expected) << s.code;
  }
  SendMessageW(control_, WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_EQ(Record().graphic.scroll.x, 0);  // nothing to scroll across
}

}  // namespace
}  // namespace runtime
