#include "runtime/frame/message_box.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/display/display_session.h"
#include "runtime/frame/routine_frame.h"
#include "tests/support/json.h"
#include "tests/support/temp_dir.h"

namespace runtime {
namespace {

using testing_support::Json;

// The run-time box on the headless display, answered by a script.
class ShowMessageBoxTest : public testing::Test {
 protected:
  void Run(const std::string& script) {
    testing_support::WriteBytes(dir_ / "script", script);
    setenv("VESTRALINO_DISPLAY", "headless", 1);
    setenv("VESTRALINO_SCRIPT", (dir_ / "script").c_str(), 1);
    setenv("VESTRALINO_TRANSCRIPT", (dir_ / "transcript").c_str(), 1);
    platform::ResetDisplaySession();
  }
  void TearDown() override {
    unsetenv("VESTRALINO_DISPLAY");
    unsetenv("VESTRALINO_SCRIPT");
    unsetenv("VESTRALINO_TRANSCRIPT");
    platform::ResetDisplaySession();
  }
  std::vector<Json> Transcript() { return testing_support::ReadTranscript(dir_ / "transcript"); }

  // Text and caption as a caller leaves them: both converted, the caption on top.
  static void Push(RoutineFrame& frame, const std::string& text, const std::string& caption) {
    frame.strings.PushCopy(text);
    frame.strings.SlotToWide(0);
    frame.strings.PushCopy(caption);
    frame.strings.SlotToWide(0);
  }

  testing_support::TempDir dir_;
};

TEST_F(ShowMessageBoxTest, ShowsTextAndCaptionAndConsumesThem) {
  Run("answer no\n");
  RoutineFrame frame;
  frame.strings.PushCopy("kept");
  Push(frame, "Comence el dia 01/12/2026\r\nLlevo 4 dias sin pecar\r\nHas pecado hoy ?",
       "Varovozodoz");
  EXPECT_EQ(ShowMessageBox(frame, MB_YESNO), IDNO);
  EXPECT_EQ(frame.strings.depth(), 1);
  EXPECT_EQ(frame.strings.View(0), "kept");
  EXPECT_EQ(frame.errors.word(), 0);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["caption"].str(), "Varovozodoz");
  EXPECT_EQ(lines[0]["text"].str(),
            "Comence el dia 01/12/2026\r\nLlevo 4 dias sin pecar\r\nHas pecado hoy ?");
  EXPECT_EQ(lines[0]["style"].number(), 4);
}

TEST_F(ShowMessageBoxTest, AnEmptyCaptionGetsTheDefaultOne) {
  Run("press OK\n");
  RoutineFrame frame;
  Push(frame, "Err:  52 Bad file name or number", "");
  EXPECT_EQ(ShowMessageBox(frame, MB_OK), IDOK);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["caption"].str(), "Vestralino");
}

TEST_F(ShowMessageBoxTest, ABoxNotShownGivesZeroAndNoError) {
  Run("");  // nothing to answer with
  RoutineFrame frame;
  Push(frame, "", "Varovozodoz");
  EXPECT_EQ(ShowMessageBox(frame, MB_YESNO), 0);
  EXPECT_EQ(frame.errors.word(), 0);
  EXPECT_EQ(frame.strings.depth(), 0);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["text"].str(), "");
  EXPECT_EQ(lines[0]["result"].number(), 0);
}

TEST_F(ShowMessageBoxTest, TheCallersRoundingModeSurvivesTheBox) {
  Run("answer yes\n");
  RoutineFrame frame;
  Push(frame, "x", "y");
  ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
  ShowMessageBox(frame, MB_YESNO);
  EXPECT_EQ(std::fegetround(), FE_UPWARD);
  std::fesetround(FE_TONEAREST);
}

}  // namespace
}  // namespace runtime
