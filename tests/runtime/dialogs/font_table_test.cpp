#include "runtime/dialogs/font_table.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/frame/built_in_fonts.h"
#include "runtime/frame/error_state.h"
#include "runtime/frame/thread_record.h"

namespace runtime {
namespace {

class FontTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    reset_font_table();
    CreateBuiltInFonts();  // start-up's own call
  }
  void TearDown() override {
    if (ThreadRecord* thread = CurrentThreadRecord()) thread->default_dialog_font = 1;
  }
  FontNumber Bold(float size, std::int32_t angle = 0, std::u16string_view face = u"MS Sans Serif") {
    return create_font(errors_, face, size, font_style::kBold, 0, 0, angle);
  }
  ErrorState errors_;
};

std::u16string FaceOf(const FontRecord& f) { return std::u16string(f.font.lfFaceName); }

TEST_F(FontTableTest, BuiltInFontsAreOneToThreeAndTheFirstUserFontIsFour) {
  struct Row {
    const char16_t* face;
    float size;
    BYTE pitch;
  };
  const Row rows[] = {{u"MS Sans Serif", 8.0f, 0}, {u"Lucida Console", 0.0f, 1},
                      {u"Lucida Console", 11.0f, 1}};
  for (int n = 1; n <= 3; ++n) {
    const FontRecord* f = find_font(n);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(FaceOf(*f), rows[n - 1].face);
    EXPECT_EQ(f->size, rows[n - 1].size);
    EXPECT_EQ(f->font.lfPitchAndFamily, rows[n - 1].pitch);
    EXPECT_EQ(f->font.lfWeight, 400);
    EXPECT_EQ(f->font.lfCharSet, 0);
    EXPECT_EQ(f->use_count, 1) << "built-ins start in use";
    EXPECT_EQ(f->origin, kCreatedFont);
    EXPECT_EQ(f->handle, nullptr);
  }
  // The start-day dialog's three fonts.
  EXPECT_EQ(Bold(18), 4);
  EXPECT_EQ(Bold(10), 5);
  EXPECT_EQ(Bold(8), 6);
  EXPECT_EQ(font_count(), 6u);
  EXPECT_EQ(find_font(4)->use_count, 0);
  EXPECT_EQ(find_font(4)->font.lfWeight, 700);
  EXPECT_EQ(find_font(7), nullptr);
  EXPECT_EQ(find_font(0), nullptr);
  EXPECT_EQ(errors_.ErrorCode(), 0);
}

TEST_F(FontTableTest, EqualDescriptionsShareOneNumber) {
  const FontNumber base = Bold(18);
  struct Row {
    const char* what;
    FontNumber number;
    bool same;
  };
  const Row rows[] = {
      {"same face, size and style", Bold(18), true},
      {"another angle", Bold(18, 900), false},
      {"face differing in case only", Bold(18, 0, u"ms sans serif"), false},
      {"another size", Bold(12), false},
      {"not bold", create_font(errors_, u"MS Sans Serif", 18, 0, 0, 0, 0), false},
      {"italic", create_font(errors_, u"MS Sans Serif", 18, 3, 0, 0, 0), false},
      {"another charset", create_font(errors_, u"MS Sans Serif", 18, 1, 2, 0, 0), false},
  };
  for (const Row& r : rows) EXPECT_EQ(r.number == base, r.same) << r.what;
  // The built-in description itself is found, not duplicated.
  EXPECT_EQ(create_font(errors_, u"MS Sans Serif", 8, 0, 0, 0, 0), 1);
}

TEST_F(FontTableTest, SizeZeroIsEightAndCellHeightNegatesAfterThatRule) {
  EXPECT_EQ(Bold(0), Bold(8));
  FontNumber cell = create_font(errors_, u"X", 0, font_style::kCellHeight, 0, 0, 0);
  EXPECT_EQ(find_font(cell)->size, -8.0f);
  FontNumber all = create_font(errors_, u"X", 9, 0x1F, 0, 0, 450);
  const LOGFONTW& f = find_font(all)->font;
  EXPECT_EQ(find_font(all)->size, -9.0f);
  EXPECT_EQ(f.lfWeight, 700);
  EXPECT_EQ(f.lfItalic, 1);
  EXPECT_EQ(f.lfUnderline, 1);
  EXPECT_EQ(f.lfStrikeOut, 1);
  EXPECT_EQ(f.lfEscapement, 450);
  EXPECT_EQ(f.lfOrientation, 450);
  EXPECT_EQ(f.lfHeight, 0) << "made only with the handle";
}

TEST_F(FontTableTest, FaceIsCutToThirtyOneCharacters) {
  const std::u16string forty(40, u'q');
  FontNumber n = Bold(8, 0, forty);
  EXPECT_EQ(FaceOf(*find_font(n)), forty.substr(0, 31));
  EXPECT_EQ(Bold(8, 0, forty.substr(0, 31)), n) << "only the kept characters compare";
}

TEST_F(FontTableTest, DefaultDialogFontIsPerThreadAndNeverMeetsCreatedFonts) {
  EXPECT_EQ(default_dialog_font(), 1);
  set_default_dialog_font(errors_, u"MS Sans Serif", 8, 0, 0);
  const FontNumber n = default_dialog_font();
  EXPECT_EQ(n, 4) << "origin 0 differs from the built-in's";
  EXPECT_EQ(find_font(n)->origin, 0u);
  set_default_dialog_font(errors_, u"Courier", 10, 0x23 | 0x40, 0);
  const FontRecord& f = *find_font(default_dialog_font());
  EXPECT_EQ(f.origin, 0x23u);
  EXPECT_EQ(f.font.lfWeight, 700);
  EXPECT_EQ(f.font.lfItalic, 0xFF);
  EXPECT_EQ(f.font.lfPitchAndFamily, 1);
  set_default_dialog_font(errors_, u"MS Sans Serif", 8, 0, 0);
  EXPECT_EQ(default_dialog_font(), n) << "found again, not appended";
}

TEST(FontHeightTest, PointsBecomeCharacterOrCellHeights) {
  struct Row {
    int dpi;
    float size;
    LONG height;
  };
  const Row rows[] = {
      {96, 8, -11}, {96, -12, 16}, {96, 0, 0}, {120, 8, -13}, {96, 18, -24},
      {72, 2.5f, -2}, {72, 3.5f, -4},  // halves go to even
  };
  for (const Row& r : rows) EXPECT_EQ(font_height_for(r.dpi, r.size), r.height) << r.size;
  EXPECT_EQ(first_graphic_font_height(96), -10) << "integer arithmetic, truncated";
  EXPECT_EQ(first_graphic_font_height(120), -13);
}

}  // namespace
}  // namespace runtime
