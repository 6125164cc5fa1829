#include "runtime/frame/message_box.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <string>

#include "runtime/frame/routine_frame.h"
#include "tests/platform/headless_display_fixture.h"

namespace runtime {
namespace {

using ShowMessageBoxTest = HeadlessDisplayTest;

// Text and caption as a caller leaves them: both converted, the caption on top.
void Push(RoutineFrame& frame, const std::string& text, const std::string& caption) {
  frame.strings.PushCopy(text);
  frame.strings.SlotToWide(0);
  frame.strings.PushCopy(caption);
  frame.strings.SlotToWide(0);
}

TEST_F(ShowMessageBoxTest, ShowsTextAndCaptionConsumesThemAndNeverRaises) {
  struct Case {
    const char* script;
    std::string text, caption;
    UINT style;
    int answer;
    const char* shown_caption;
  } cases[] = {
      {"answer no\n", "Comence el dia 01/12/2026\r\nLlevo 4 dias sin pecar\r\nHas pecado hoy ?",
       "Varovozodoz", MB_YESNO, IDNO, "Varovozodoz"},
      {"press OK\n", "Err:  52 Bad file name or number", "", MB_OK, IDOK, "Vestralino"},
      {"", "", "Varovozodoz", MB_YESNO, 0, "Varovozodoz"},  // nothing answers it
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    UseScript(c.script);
    RoutineFrame frame;
    frame.strings.PushCopy("kept");
    Push(frame, c.text, c.caption);
    const int rounding = std::fegetround();
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    EXPECT_EQ(ShowMessageBox(frame, c.style), c.answer);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);  // the caller's rounding survives the box
    std::fesetround(rounding);
    EXPECT_EQ(frame.strings.depth(), 1);
    EXPECT_EQ(frame.strings.View(0), "kept");
    EXPECT_EQ(frame.errors.word(), 0);
    auto lines = Transcript();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["caption"].str(), c.shown_caption);
    EXPECT_EQ(lines[0]["text"].str(), c.text);
    EXPECT_EQ(lines[0]["style"].number(), c.style);
    EXPECT_EQ(lines[0]["result"].number(), c.answer);
  }
}

}  // namespace
}  // namespace runtime
