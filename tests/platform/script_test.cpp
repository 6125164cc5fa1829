// What the headless box tests leave to the parser: line numbers past blank and comment
// lines, CR LF and surrounding blanks, UTF-8 keys, and the lines it refuses.
#include "platform/display/script.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace platform {
namespace {

TEST(ScriptTest, ParsesLinesWithTheirNumbersAndTrimmedText) {
  ParsedScript parsed = ParseScript(
      "# answers for one run\n"
      "\n"
      "press Try Again  \r\n"
      "key \xc3\xb1\n"
      "   close\n"
      "type\n"
      "key Tab\n"
      "key alt+F4\n"
      "answer cancel\n"
      "type 05/12/2026 x\n"
      "capture out/box.png\n"
      "wait 2000\n"
      "key Alt+Down\n");
  EXPECT_TRUE(parsed.problems.empty());
  ASSERT_EQ(parsed.actions.size(), 11u);
  const auto& a = parsed.actions;
  EXPECT_EQ(a[0].text, "Try Again");
  EXPECT_EQ(a[0].line, 3);
  EXPECT_EQ(a[1].key, (BoxKey{KeyName::kCharacter, U'\u00F1'}));
  EXPECT_EQ(a[2].verb, ScriptVerb::kClose);
  EXPECT_EQ(a[3].verb, ScriptVerb::kType);
  EXPECT_EQ(a[3].text, "");
  EXPECT_EQ(a[4].key, (BoxKey{KeyName::kTab, 0}));
  EXPECT_EQ(a[5].key, (BoxKey{KeyName::kAltF4, 0}));
  EXPECT_EQ(a[6].number, IDCANCEL);
  EXPECT_EQ(a[7].text, "05/12/2026 x");
  EXPECT_EQ(a[8].verb, ScriptVerb::kCapture);
  EXPECT_EQ(a[8].text, "out/box.png");
  EXPECT_EQ(a[9].verb, ScriptVerb::kWait);
  EXPECT_EQ(a[9].number, 2000);
  EXPECT_EQ(a[10].key, (BoxKey{KeyName::kAltDown, 0}));
}

TEST(ScriptTest, BadLinesAreReportedAndLeftOut) {
  const char* bad_lines[] = {"frobnicate now", "click 12x", "key Insert", "key ab",
                             "answer maybe",   "close now", "press",
                             "wait",           "wait -1",   "wait 60001"};
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

TEST(ScriptTest, LoadsAWholeFileAndNothingFromAMissingOne) {
  testing_support::TempDir dir;
  std::string lines;
  for (int i = 0; i < 1000; ++i) lines += "key tab\n";  // more than one read's worth
  testing_support::WriteBytes(dir / "answers", "answer ok\r\n" + lines + "close");
  Script script = Script::Load(dir / "answers");
  int count = 0;
  while (script.Next() != nullptr) ++count;
  EXPECT_EQ(count, 1002);
  EXPECT_TRUE(Script::Load(dir / "missing").used_up());
  EXPECT_TRUE(Script::Load(dir.path()).used_up());  // a directory reads as nothing
}

}  // namespace
}  // namespace platform
