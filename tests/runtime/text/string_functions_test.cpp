// The string functions on the work stack: positions, windows, unsigned comparisons,
// and which results are the operand itself rather than a copy.
#include "runtime/text/string_functions.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <string_view>

#include "runtime/frame/routine_frame.h"

namespace runtime {
namespace {

class StringFunctionsTest : public ::testing::Test {
 protected:
  // The text left in slot 0, popped.
  std::string PopText() {
    std::string text(frame_.strings.View(0));
    frame_.strings.PopDiscard();
    return text;
  }
  DynString Text(std::string_view bytes) { return DynString::Copy(frame_.errors, bytes); }

  RoutineFrame frame_;
};

TEST_F(StringFunctionsTest, SubstringTakesOneBasedPiecesWithNegativeStartsAndCounts) {
  struct Case {
    std::string_view s;
    std::int32_t start, count;
    std::string_view expected;
  };
  const Case cases[] = {
      {"12-05-2026", 4, 2, "05"},  {"abcdef", 0, 5, ""},        // start 0
      {"abcdef", INT_MAX, 5, ""},                               // far past the end
      {"abcdef", -1, 1, "f"},                                   // -1 is the last byte
      {"abcdef", -7, 2, ""},                                    // before the first byte
      {"abcdef", INT_MIN, 2, ""},  {"abcdef", 2, -1, "bcdef"},  // count L - 1
      {"abcdef", 2, -6, ""},                                    // count 0
      {"abcdef", 2, -10, "bcdef"},  // still negative: unsigned, takes the rest
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "Substring(\"" << c.s << "\", " << c.start << ", " << c.count << ")");
    frame_.strings.PushCopy(c.s);
    Substring(frame_.strings, c.start, c.count);
    ASSERT_EQ(frame_.strings.depth(), 1);
    EXPECT_EQ(PopText(), c.expected);
  }
}

TEST_F(StringFunctionsTest, RightPartTakesTheLastBytes) {
  struct Case {
    std::string_view s;
    std::int32_t n;
    std::string_view expected;
  };
  const Case cases[] = {
      {"12-05-2026", 4, "2026"}, {"abcdef", 16, "abcdef"},  {"abcdef", -2, "cdef"},
      {"abcdef", -6, ""},        {"abcdef", -10, "abcdef"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "RightPart(\"" << c.s << "\", " << c.n << ")");
    frame_.strings.PushCopy(c.s);
    RightPart(frame_.strings, c.n);
    EXPECT_EQ(PopText(), c.expected);
  }
}

TEST_F(StringFunctionsTest, WholeTextResultsAreTheOperandItself) {
  DynString variable = Text("abcdef");
  const auto leaves_operand = [&](const char* what, auto&& apply) {
    SCOPED_TRACE(what);
    frame_.strings.PushBorrowed(variable);
    apply();
    ASSERT_EQ(frame_.strings.depth(), 1);
    EXPECT_TRUE(frame_.strings.Slot(0).borrowed());
    EXPECT_EQ(frame_.strings.Text(0), variable.data());
    frame_.strings.PopDiscard();
  };
  leaves_operand("Substring(s, 1, L)", [&] { Substring(frame_.strings, 1, 6); });
  leaves_operand("RightPart(s, L + 10)", [&] { RightPart(frame_.strings, 16); });
  leaves_operand("RemoveAll without a match", [&] {
    frame_.strings.PushCopy("zz");
    RemoveAll(frame_.strings);
  });
  leaves_operand("RemoveAll of a longer pattern", [&] {
    frame_.strings.PushCopy("abcdefg");
    RemoveAll(frame_.strings);
  });
  EXPECT_EQ(variable.view(), "abcdef");
}

// Pieces and removals of a borrowed variable are new, exactly sized, terminated strings.
TEST_F(StringFunctionsTest, PiecesOfABorrowedTextAreNewOwnedStrings) {
  DynString variable = Text(" 12-05-2026");
  frame_.strings.PushBorrowed(variable);
  Substring(frame_.strings, 5, 2);
  EXPECT_FALSE(frame_.strings.Slot(0).borrowed());
  EXPECT_EQ(frame_.strings.Text(0)[2], '\0');
  EXPECT_EQ(PopText(), "05");
  frame_.strings.PushBorrowed(variable);
  frame_.strings.PushCopy(" ");
  RemoveAll(frame_.strings);
  EXPECT_FALSE(frame_.strings.Slot(0).borrowed());
  EXPECT_EQ(frame_.strings.Length(0), 10u);
  EXPECT_EQ(frame_.strings.Text(0)[10], '\0');
  EXPECT_EQ(PopText(), "12-05-2026");
  EXPECT_EQ(variable.view(), " 12-05-2026");
}

TEST_F(StringFunctionsTest, FindTextSearchesForwardAndBackwardWindows) {
  const std::string_view path = "C:\\Programas\\Vestralino\\vestralino.exe";
  struct Case {
    std::string_view s, pattern;
    std::int32_t start;
    std::int32_t expected;
  };
  const Case cases[] = {
      {path, "\\", -1, 24},
      {path, "\\", 4, 13},
      {path, "\\", -16, 13},  // window 1..23 ends before the third backslash
      {path, "/", 1, 0},
      {path, "\\", 0, 0},  // start 0 finds nothing
      {"abcabc", "abc", 2, 4},
      {"abcabc", "abc", 7, 0},  // past the end
      {"abcabc", "abc", -1, 4},
      {"abcabc", "abc", -2, 1},  // 4..6 is not wholly inside 1..5
      {"abcabc", "abc", -7, 0},  // window ends before position 1
      {"abcabc", "abcabcd", 1, 0},
      {"aaaa", "aa", 2, 2},  // overlapping candidates
      {"aabaab", "ab", -2, 2},
      {"abcdef", "", 3, 3},  // empty pattern: the start itself
      {"abcdef", "", -1, 6},
      {"abcdef", "", -7, 0},
      {std::string_view("a\0b\0c", 5), std::string_view("\0c", 2), 1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "FindText(" << c.start << ", \"" << c.s << "\", \"" << c.pattern << "\")");
    frame_.strings.PushCopy(c.s);
    frame_.strings.PushCopy(c.pattern);
    EXPECT_EQ(FindText(frame_.strings, c.start), c.expected);
    EXPECT_EQ(frame_.strings.depth(), 0);
  }
}

TEST_F(StringFunctionsTest, RemoveAllCountAndLengthPopTheirOperands) {
  struct Case {
    std::string_view s, pattern;
    std::string_view removed;
    std::int32_t count;
  };
  const Case cases[] = {
      {" 1 000 000 ", " ", "1000000", 4},
      {"x--y--z", "--", "xyz", 2},
      {"aaaaa", "aa", "a", 2},
      {"abab", "ab", "", 2},
      {"ab", "abc", "ab", 0},
      {"abc", "", "abc", 0},
      {"0123456789abcdef 0123456789", " ", "0123456789abcdef0123456789", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "\"" << c.s << "\" without \"" << c.pattern << "\"");
    frame_.strings.PushCopy(c.s);
    frame_.strings.PushCopy(c.pattern);
    RemoveAll(frame_.strings);
    ASSERT_EQ(frame_.strings.depth(), 1);
    if (c.removed.empty()) {
      EXPECT_EQ(frame_.strings.Text(0), nullptr);
    }
    EXPECT_EQ(PopText(), c.removed);

    frame_.strings.PushCopy(c.s);
    frame_.strings.PushCopy(c.pattern);
    EXPECT_EQ(CountOccurrences(frame_.strings), c.count);
    EXPECT_EQ(frame_.strings.depth(), 0);

    frame_.strings.PushCopy(c.s);
    EXPECT_EQ(StringLength(frame_.strings), static_cast<std::int32_t>(c.s.size()));
    EXPECT_EQ(frame_.strings.depth(), 0);
  }
}

TEST_F(StringFunctionsTest, UnallocatablePieceLeavesTheSlotEmptyWithError7) {
  // A borrowed text claiming more bytes than a system string may hold; the piece is
  // refused before any byte of it is read.
  struct {
    alignas(4) std::uint32_t length = 0x7FFFFFF8u;
    char bytes[4] = "abc";
  } huge;
  frame_.strings.PushBorrowedText(huge.bytes);
  Substring(frame_.strings, 2, -1);
  ASSERT_EQ(frame_.strings.depth(), 1);
  EXPECT_EQ(frame_.strings.Text(0), nullptr);
  EXPECT_EQ(frame_.errors.ErrorCode(), error::kOutOfMemory);
  frame_.strings.PopDiscard();
}

}  // namespace
}  // namespace runtime
