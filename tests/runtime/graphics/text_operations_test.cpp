// Text on graphic controls: writing at the current position, clipping, measuring, new
// lines and the scrolling of the visible area.
#include <gtest/gtest.h>

#include "runtime/dialogs/font_table.h"
#include "runtime/frame/error_state.h"
#include "runtime/graphics/shape_operations.h"
#include "runtime/graphics/surface_settings.h"
#include "runtime/graphics/text_operations.h"
#include "tests/platform/gdi/golden.h"
#include "tests/runtime/graphics/surface_fixture.h"

namespace runtime {
namespace {

using platform::gdi::testing::MatchesGolden;

class TextTest : public testing::SurfaceTest {
 protected:
  void White(int width, int height) {
    ASSERT_NE(MakeSurface(width, height), nullptr);
    set_background_colour(0xFFFFFF);
    set_foreground_colour(0x000000);
    clear_surface();
  }
  LONG LineHeight() { return Record().graphic.char_height + Record().graphic.external_leading; }
};

TEST_F(TextTest, WritingMovesThePositionByTheTextWidth) {
  White(120, 40);
  const SIZE size = measure_text(u"Hola");
  EXPECT_GT(size.cx, 0);
  EXPECT_EQ(size.cy, Record().graphic.char_height);
  write_text(u"Hola");
  EXPECT_EQ(Record().graphic.position.x, size.cx);
  write_text(u" mundo");
  EXPECT_EQ(Record().graphic.position.x, measure_text(u"Hola mundo").cx);
  EXPECT_EQ(Record().graphic.position.y, 0);
  EXPECT_TRUE(MatchesGolden(Dc(), "text_two_writes"));
}

TEST_F(TextTest, CharactersThatFitAWidth) {
  White(60, 20);
  const LONG one = measure_text(u"W").cx;
  EXPECT_EQ(characters_that_fit(u"WWWWWW", one * 3), 3);
  EXPECT_EQ(characters_that_fit(u"WWWWWW", 0), 0);
  EXPECT_EQ(characters_that_fit(u"WW", -5), 0);
}

TEST_F(TextTest, ClippedTextStaysInsideTheVisibleArea) {
  White(30, 20);
  Record().graphic.visible_size = {20, 20};  // a visible area narrower than the bitmap
  set_surface_flags(TEXT_CLIPPED, true);
  write_text(u"MMMMMMMM");
  for (int y = 0; y < 20; ++y) EXPECT_EQ(Row(y, 20, 29), "..........") << y;
  EXPECT_TRUE(MatchesGolden(Dc(), "text_clipped"));
}

TEST_F(TextTest, NewLineGoesToTheLeftEdgeOneLineDown) {
  White(80, 60);
  write_text(u"abc");
  new_text_line();
  EXPECT_EQ(Record().graphic.position.x, 0);
  EXPECT_EQ(Record().graphic.position.y, LineHeight());
}

TEST_F(TextTest, LinesScrollTheVisibleAreaOnlyWithTheFlag) {
  for (bool scrolls : {false, true}) {
    SCOPED_TRACE(scrolls);
    White(60, 40);
    set_surface_close_flags(TEXT_SCROLLS, scrolls);
    const LONG line = LineHeight();
    const char16_t* lines[] = {u"uno", u"dos", u"tres", u"cuatro", u"cinco"};
    for (const char16_t* text : lines) {
      write_text(text);
      new_text_line();
    }
    if (scrolls) {
      EXPECT_EQ(Record().graphic.position.y, 40 - line);
      EXPECT_TRUE(MatchesGolden(Dc(), "text_scrolled"));
    } else {
      EXPECT_EQ(Record().graphic.position.y, 5 * line);  // below the visible area
    }
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    set_graphic_target(nullptr);
  }
}

TEST_F(TextTest, TransparentBackgroundLeavesWhatIsBehind) {
  White(60, 20);
  draw_box(0, 0, 60, 20, -2, 0, 0x00FFFF, 0);
  set_background_colour(kTransparentBackground);
  move_to(2, 2, false);
  write_text(u"Sin");
  set_background_colour(0xFFC0C0);
  write_text(u" fondo");
  EXPECT_TRUE(MatchesGolden(Dc(), "text_backgrounds"));
}

TEST_F(TextTest, SurfaceFontChangesLineSpacing) {
  White(120, 40);
  const LONG small = LineHeight();
  ErrorState errors;
  const FontNumber big = create_font(errors, u"Lucida Console", 16.0f, 0, 0, 1, 0);
  set_surface_font(big);
  EXPECT_EQ(Record().font_number, big);
  EXPECT_GT(LineHeight(), small);
  EXPECT_EQ(find_font(big)->use_count, 1);
  set_surface_font(9999);  // unknown: nothing changes
  EXPECT_EQ(Record().font_number, big);
  write_text(u"Grande");
  EXPECT_TRUE(MatchesGolden(Dc(), "text_big_font"));
  set_surface_font(0);
  EXPECT_EQ(find_font(big)->use_count, 0);
  EXPECT_EQ(LineHeight(), small);
}

}  // namespace
}  // namespace runtime

namespace runtime {
namespace {

// Lines of a wrapped text: the text position's row after each write, by wrapping mode.
TEST_F(TextTest, WrappingBreaksAtTheRightEdge) {
  struct Case {
    std::uint32_t mode;
    const char* golden;
  } cases[] = {{TEXT_WRAPS_CHARACTERS, "text_wrap_characters"}, {TEXT_WRAPS_WORDS, "text_wrap_words"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.golden);
    White(70, 60);
    set_surface_close_flags(c.mode, true);
    write_text(u"uno dos tres cuatro");
    EXPECT_GT(Record().graphic.position.y, 0);
    EXPECT_LE(Record().graphic.position.x, 70);
    EXPECT_TRUE(MatchesGolden(Dc(), c.golden));
    DestroyWindow(dialog_);
    dialog_ = nullptr;
    set_graphic_target(nullptr);
  }
}

TEST_F(TextTest, WrappingOnAnAreaNarrowerThanACharacterStillEnds) {
  White(3, 200);
  set_surface_close_flags(TEXT_WRAPS_WORDS, true);
  write_text(u"ab  cd");
  // One character a line: a, b, c, d (the spaces at the break are dropped).
  EXPECT_EQ(Record().graphic.position.y, 3 * LineHeight());
}

}  // namespace
}  // namespace runtime
