// The edit control's text model: word moves, words under a double click, line breaking.
#include "platform/user/controls/edit_text.h"

#include <gtest/gtest.h>

namespace {

using platform::user::controls::BreakLines;
using platform::user::controls::EditLine;
using platform::user::controls::EditText;

// Every character 10 pixels wide.
std::vector<int> TenEach(std::u16string_view run) {
  std::vector<int> extents(run.size());
  for (std::size_t i = 0; i < run.size(); ++i) extents[i] = static_cast<int>(10 * (i + 1));
  return extents;
}

std::vector<std::u16string> Pieces(std::u16string_view text, bool wrap, int width) {
  std::vector<std::u16string> out;
  for (const EditLine& line : BreakLines(text, wrap, width, TenEach)) {
    out.emplace_back(text.substr(line.start, line.length));
  }
  return out;
}

TEST(EditTextTest, WordMoves) {
  EditText t;
  t.SetText(u"one two  three\r\nfour");
  struct Row { int from; int left; int right; };
  const Row rows[] = {{0, 0, 4}, {4, 0, 9}, {6, 4, 9}, {9, 4, 14}, {14, 9, 16}, {16, 14, 20}, {20, 16, 20}};
  for (const Row& r : rows) {
    EXPECT_EQ(t.WordLeft(r.from), r.left) << r.from;
    EXPECT_EQ(t.WordRight(r.from), r.right) << r.from;
  }
}

TEST(EditTextTest, CrLfIsOneStepAndNeverSplit) {
  EditText t;
  t.SetText(u"a\r\nb");
  EXPECT_EQ(t.CharRight(1), 3);
  EXPECT_EQ(t.CharLeft(3), 1);
  t.Select(2, 2);
  EXPECT_EQ(t.caret(), 1);
}

TEST(EditTextTest, DoubleClickWordTakesTrailingSpaces) {
  EditText t;
  t.SetText(u"hello   world");
  EXPECT_EQ(t.WordAt(2), std::make_pair(0, 8));
  EXPECT_EQ(t.WordAt(10), std::make_pair(8, 13));
}

TEST(EditTextTest, ReplaceSelectionPutsCaretAfterInsert) {
  EditText t;
  t.SetText(u"hello world");
  t.Select(6, 11);
  t.ReplaceSelection(u"there");
  EXPECT_EQ(t.text(), u"hello there");
  EXPECT_EQ(t.caret(), 11);
  EXPECT_FALSE(t.has_selection());
}

TEST(EditTextTest, LinesBreakAtSpacesThatFit) {
  struct Row { std::u16string text; bool wrap; int width; std::vector<std::u16string> lines; };
  const Row rows[] = {
      {u"", true, 100, {u""}},
      {u"one\r\ntwo", false, 10, {u"one", u"two"}},
      {u"aaa bbb ccc", false, 50, {u"aaa bbb ccc"}},
      {u"aaa bbb ccc", true, 70, {u"aaa bbb ", u"ccc"}},
      {u"aaa bbb ccc", true, 40, {u"aaa ", u"bbb ", u"ccc"}},
      {u"abcdefgh", true, 30, {u"abc", u"def", u"gh"}},
      {u"ab   ", true, 30, {u"ab   "}},
      {u"ab\r\n\r\ncd", true, 100, {u"ab", u"", u"cd"}},
  };
  for (const Row& r : rows) EXPECT_EQ(Pieces(r.text, r.wrap, r.width), r.lines);
}

// A slow reference: every wrapped line fits or is one unbreakable piece, the lines cover
// the text in order, and no line could have taken the next word.
TEST(EditTextTest, WrappedLinesCoverTheTextAndFit) {
  std::srand(7);
  for (int round = 0; round < 200; ++round) {
    std::u16string text;
    int n = std::rand() % 40;
    for (int i = 0; i < n; ++i) text += (std::rand() % 4 == 0) ? u' ' : static_cast<char16_t>(u'a' + std::rand() % 3);
    int width = 10 * (1 + std::rand() % 8);
    auto lines = BreakLines(text, true, width, TenEach);
    int expected_start = 0;
    for (const EditLine& line : lines) {
      ASSERT_EQ(line.start, expected_start);
      std::u16string_view piece = std::u16string_view(text).substr(line.start, line.length);
      std::size_t visible = piece.find_last_not_of(u' ');
      int ink = visible == std::u16string_view::npos ? 0 : static_cast<int>(visible + 1);
      if (piece.find(u' ') != std::u16string_view::npos || ink * 10 <= width) {
        EXPECT_LE(ink * 10, width) << std::string(text.begin(), text.end());
      }
      expected_start = line.end();
    }
    EXPECT_EQ(expected_start, static_cast<int>(text.size()));
  }
}

}  // namespace
