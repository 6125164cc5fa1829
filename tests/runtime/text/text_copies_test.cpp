// The short-copy path of joins and string results: every length around the word sizes
// it switches on, against std::string doing the same joins.
#include <gtest/gtest.h>

#include <string>

#include "runtime/frame/routine_frame.h"
#include "runtime/text/dyn_string.h"

namespace runtime {
namespace {

std::string Pattern(std::size_t n, char first) {
  std::string text;
  for (std::size_t i = 0; i < n; ++i) text += static_cast<char>(first + i % 23);
  return text;
}

TEST(TextCopiesTest, CopiesEveryLengthExactlyAndNoFurther) {
  for (std::size_t n = 0; n <= 80; ++n) {
    const std::string from = Pattern(n, 'a');
    std::string to(n + 2, '#');  // a guard byte on each side
    CopyTextBytes(to.data() + 1, from.data(), n);
    EXPECT_EQ(to, "#" + from + "#") << "length " << n;
  }
}

TEST(TextCopiesTest, JoinsOfEveryPairOfShortLengthsMatchStdString) {
  RoutineFrame frame;
  for (std::size_t la = 0; la <= 40; ++la) {
    for (std::size_t lb = 0; lb <= 40; ++lb) {
      const std::string a = Pattern(la, 'A');
      const std::string b = Pattern(lb, 'a');
      frame.strings.PushCopy(a);
      frame.strings.PushCopy(b);
      frame.strings.ConcatTop();
      ASSERT_EQ(frame.strings.View(0), a + b) << la << " + " << lb;
      ASSERT_EQ(frame.strings.Length(0), la + lb);
      if (la + lb > 0) {
        ASSERT_EQ(frame.strings.Text(0)[la + lb], '\0');
      }
      frame.strings.PopDiscard();
    }
  }
  EXPECT_EQ(frame.errors.ErrorCode(), 0);
}

}  // namespace
}  // namespace runtime
