#include "platform/display/script.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(ScriptTest, ParsesEveryAction) {
  ParsedScript parsed = ParseScript(
      "# answers for one run\n"
      "\n"
      "press Try Again  \r\n"
      "click 7\n"
      "key Tab\n"
      "key alt+F4\n"
      "key y\n"
      "key \xc3\xb1\n"
      "answer YES\n"
      "answer cancel\n"
      "   close\n"
      "type 05/12/2026 x\n"
      "type\n"
      "capture out/box.png\n");
  EXPECT_TRUE(parsed.problems.empty());
  ASSERT_EQ(parsed.actions.size(), 12u);
  const auto& a = parsed.actions;
  EXPECT_EQ(a[0].verb, ScriptVerb::kPress);
  EXPECT_EQ(a[0].text, "Try Again");
  EXPECT_EQ(a[0].line, 3);
  EXPECT_EQ(a[1].verb, ScriptVerb::kClick);
  EXPECT_EQ(a[1].number, 7);
  EXPECT_EQ(a[2].key, (BoxKey{KeyName::kTab, 0}));
  EXPECT_EQ(a[3].key, (BoxKey{KeyName::kAltF4, 0}));
  EXPECT_EQ(a[4].key, (BoxKey{KeyName::kCharacter, U'y'}));
  EXPECT_EQ(a[5].key, (BoxKey{KeyName::kCharacter, U'\u00F1'}));
  EXPECT_EQ(a[6].verb, ScriptVerb::kAnswer);
  EXPECT_EQ(a[6].number, IDYES);
  EXPECT_EQ(a[7].number, IDCANCEL);
  EXPECT_EQ(a[8].verb, ScriptVerb::kClose);
  EXPECT_EQ(a[9].verb, ScriptVerb::kType);
  EXPECT_EQ(a[9].text, "05/12/2026 x");
  EXPECT_EQ(a[10].text, "");
  EXPECT_EQ(a[11].verb, ScriptVerb::kCapture);
  EXPECT_EQ(a[11].text, "out/box.png");
}

TEST(ScriptTest, BadLinesAreReportedAndLeftOut) {
  const char* bad_lines[] = {
      "frobnicate now", "click",     "click 12x", "key Home", "key ab",
      "answer maybe",   "close now", "press",     "capture",
  };
  for (const char* line : bad_lines) {
    ParsedScript parsed = ParseScript(std::string("answer no\n") + line + "\nanswer yes");
    ASSERT_EQ(parsed.problems.size(), 1u) << line;
    EXPECT_NE(parsed.problems[0].find("line 2"), std::string::npos) << parsed.problems[0];
    ASSERT_EQ(parsed.actions.size(), 2u) << line;
    EXPECT_EQ(parsed.actions[1].line, 3);
  }
}

TEST(ScriptTest, HandsOutActionsOnceEach) {
  Script script(ParseScript("close\nanswer ok\n").actions);
  ASSERT_NE(script.Next(), nullptr);
  ASSERT_NE(script.Next(), nullptr);
  EXPECT_TRUE(script.used_up());
  EXPECT_EQ(script.Next(), nullptr);
  EXPECT_EQ(Script().Next(), nullptr);
}

}  // namespace
}  // namespace platform
