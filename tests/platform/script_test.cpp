// What the headless box tests leave to the parser: line numbers past blank and comment
// lines, CR LF and surrounding blanks, UTF-8 keys, and the lines it refuses.
#include "platform/display/script.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ScriptTest, ParsesLinesWithTheirNumbersAndTrimmedText) {
  ParsedScript parsed = ParseScript(
      "# answers for one run\n"
      "\n"
      "press Try Again  \r\n"
      "key \xc3\xb1\n"
      "   close\n"
      "type\n");
  EXPECT_TRUE(parsed.problems.empty());
  ASSERT_EQ(parsed.actions.size(), 4u);
  const auto& a = parsed.actions;
  EXPECT_EQ(a[0].text, "Try Again");
  EXPECT_EQ(a[0].line, 3);
  EXPECT_EQ(a[1].key, (BoxKey{KeyName::kCharacter, U'\u00F1'}));
  EXPECT_EQ(a[2].verb, ScriptVerb::kClose);
  EXPECT_EQ(a[3].verb, ScriptVerb::kType);
  EXPECT_EQ(a[3].text, "");
}

TEST(ScriptTest, BadLinesAreReportedAndLeftOut) {
  const char* bad_lines[] = {"frobnicate now", "click 12x", "key Home", "key ab",
                             "answer maybe",   "close now", "press"};
  for (const char* line : bad_lines) {
    ParsedScript parsed = ParseScript(std::string("answer no\n") + line + "\nanswer yes");
    ASSERT_EQ(parsed.problems.size(), 1u) << line;
    EXPECT_NE(parsed.problems[0].find("line 2"), std::string::npos) << parsed.problems[0];
    ASSERT_EQ(parsed.actions.size(), 2u) << line;
    EXPECT_EQ(parsed.actions[1].line, 3);
  }
}

}  // namespace
}  // namespace platform
