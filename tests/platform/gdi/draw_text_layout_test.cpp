// DrawText's line breaking with a fixed-width measure: every character is 10 pixels.
#include "platform/gdi/draw_text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform::gdi {
namespace {

int TenEach(std::u16string_view text) { return static_cast<int>(text.size()) * 10; }

std::vector<std::u16string> Texts(const std::vector<DrawTextLine>& lines) {
  std::vector<std::u16string> texts;
  for (const DrawTextLine& line : lines) texts.push_back(line.text);
  return texts;
}

struct LayoutRow {
  const char16_t* text;
  UINT format;
  int max_width;
  std::vector<std::u16string> lines;
};

TEST(DrawTextLayout, BreaksLinesAsDrawTextDoes) {
  const std::vector<LayoutRow> rows = {
      {u"one two three", 0, 50, {u"one two three"}},
      {u"one two three", DT_WORDBREAK, 70, {u"one two", u"three"}},
      {u"one two three", DT_WORDBREAK, 1000, {u"one two three"}},
      {u"one   two", DT_WORDBREAK, 40, {u"one", u"two"}},
      {u"unbreakable word", DT_WORDBREAK, 30, {u"unbreakable", u"word"}},
      {u"a\r\nb\rc\nd", 0, 100, {u"a", u"b", u"c", u"d"}},
      {u"a\r\nb", DT_SINGLELINE, 100, {u"a\r\nb"}},
      {u"a\n", 0, 100, {u"a"}},
      {u"", 0, 100, {u""}},
      {u"one two\nthree four", DT_WORDBREAK, 50, {u"one", u"two", u"three", u"four"}},
      {u"abcdefgh", DT_END_ELLIPSIS, 50, {u"ab..."}},
      {u"abcd", DT_END_ELLIPSIS, 50, {u"abcd"}},
      {u"abcdefgh", DT_END_ELLIPSIS, 10, {u"..."}},
  };
  for (const LayoutRow& row : rows) {
    const std::vector<DrawTextLine> lines =
        LayoutDrawText(row.text, row.format, row.max_width, 80, TenEach);
    EXPECT_EQ(Texts(lines), row.lines) << "text " << std::string(row.text, row.text + std::char_traits<char16_t>::length(row.text));
    for (const DrawTextLine& line : lines) EXPECT_EQ(line.width, TenEach(line.text));
  }
}

TEST(DrawTextLayout, PrefixMarksUnderlineOneLetter) {
  struct Row {
    const char16_t* text;
    UINT format;
    std::u16string shown;
    int prefix;
  };
  for (const Row& row : {Row{u"&Aceptar", 0, u"Aceptar", 0}, Row{u"Can&celar", 0, u"Cancelar", 3},
                         Row{u"A && B", 0, u"A & B", -1}, Row{u"&&&x", 0, u"&x", 1},
                         Row{u"end&", 0, u"end", -1}, Row{u"&Aceptar", DT_NOPREFIX, u"&Aceptar", -1},
                         Row{u"&Aceptar", DT_HIDEPREFIX, u"Aceptar", 0}}) {
    const std::vector<DrawTextLine> lines = LayoutDrawText(row.text, row.format, 1000, 80, TenEach);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].text, row.shown);
    EXPECT_EQ(lines[0].prefix, row.prefix);
  }
}

TEST(DrawTextLayout, PrefixFollowsItsLetterAcrossWrappedLines) {
  const std::vector<DrawTextLine> lines =
      LayoutDrawText(u"one t&wo", DT_WORDBREAK, 40, 80, TenEach);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].prefix, -1);
  EXPECT_EQ(lines[1].text, u"two");
  EXPECT_EQ(lines[1].prefix, 1);
}

TEST(DrawTextLayout, TabsMoveToTheNextStop) {
  EXPECT_EQ(TabbedWidth(u"a\tb", DT_EXPANDTABS, 80, TenEach), 90);
  EXPECT_EQ(TabbedWidth(u"abcdefgh\tb", DT_EXPANDTABS, 80, TenEach), 170);
  EXPECT_EQ(TabbedWidth(u"a\tb", 0, 80, TenEach), 30);
}

}  // namespace
}  // namespace platform::gdi
