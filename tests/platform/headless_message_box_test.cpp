// MessageBoxW on the headless display: scripted answers and the transcript.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/display/display_session.h"
#include "platform/win32.h"
#include "tests/support/json.h"
#include "tests/support/temp_dir.h"

namespace {

using testing_support::Json;

class HeadlessMessageBoxTest : public testing::Test {
 protected:
  void UseScript(const std::string& script) {
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

  testing_support::TempDir dir_;
};

TEST_F(HeadlessMessageBoxTest, EachActionGivesItsAnswer) {
  struct Case {
    UINT style;
    const char* script;
    int answer;
  };
  const Case cases[] = {
      {MB_YESNO, "press Yes", IDYES},
      {MB_YESNO, "press No", IDNO},
      {MB_CANCELTRYCONTINUE, "press Try Again", IDTRYAGAIN},
      {MB_ABORTRETRYIGNORE, "press Cancel\npress Ignore", IDIGNORE},  // no Cancel: next
      {MB_YESNOCANCEL, "click 2", IDCANCEL},
      {MB_YESNO, "click 1\nclick 7", IDNO},  // no button 1 here
      {MB_YESNO, "answer yes", IDYES},
      {MB_OKCANCEL, "answer yes\nanswer ok", IDOK},
      {MB_YESNO, "key Enter", IDYES},
      {MB_YESNO | MB_DEFBUTTON2, "key Enter", IDNO},
      {MB_YESNO, "key Right\nkey Space", IDNO},
      {MB_YESNO, "key n", IDNO},
      {MB_YESNO, "key Escape\nkey Alt+F4\nclose\nkey y", IDYES},  // all ignored first
      {MB_OK, "key Escape", IDOK},
      {MB_RETRYCANCEL, "close", IDCANCEL},
      {MB_OK, "close", IDOK},
      {MB_OK, "type hello\nkey x\n# nothing yet\npress OK", IDOK},
      {MB_YESNO, "frobnicate\nanswer no", IDNO},
      {MB_YESNO, "type only", 0},  // used up while the box waits
      {MB_YESNO, "", 0},
  };
  for (const Case& c : cases) {
    UseScript(c.script);
    EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", c.style), c.answer) << c.script;
  }
}

TEST_F(HeadlessMessageBoxTest, OneScriptServesBoxesInTurn) {
  UseScript("answer no\nanswer yes\n");
  EXPECT_EQ(MessageBoxW(nullptr, u"first", u"c", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxW(nullptr, u"second", u"c", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBoxW(nullptr, u"third", u"c", MB_YESNO), 0);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2]["text"].str(), "third");
  EXPECT_EQ(lines[2]["result"].number(), 0);
}

TEST_F(HeadlessMessageBoxTest, TheTranscriptLineDescribesTheBox) {
  UseScript("answer yes\n");
  const WCHAR text[] = u"Comence el dia 01/12/2026\r\nLlevo 4 dias \"sin\" pecar\\\t\u00F1\r\n";
  EXPECT_EQ(MessageBoxW(nullptr, text, u"Varovozodoz", MB_YESNO), IDYES);
  std::string raw = testing_support::ReadBytes(dir_ / "transcript");
  EXPECT_EQ(raw,
            "{\"event\":\"messagebox\",\"caption\":\"Varovozodoz\","
            "\"text\":\"Comence el dia 01/12/2026\\r\\nLlevo 4 dias \\\"sin\\\" pecar\\\\\\t"
            "\xc3\xb1\\r\\n\",\"style\":4,\"buttons\":[\"Yes\",\"No\"],\"result\":6}\n");
}

TEST_F(HeadlessMessageBoxTest, NarrowBoxWithoutCaptionShowsError) {
  UseScript("press OK\n");
  EXPECT_EQ(MessageBoxA(nullptr, "Win98 No Support", nullptr, MB_TASKMODAL | MB_SETFOREGROUND),
            IDOK);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]["caption"].str(), "Error");
  EXPECT_EQ(lines[0]["text"].str(), "Win98 No Support");
  EXPECT_EQ(lines[0]["style"].number(), 0x12000);
}

TEST_F(HeadlessMessageBoxTest, AnUnknownTypeIsRefused) {
  UseScript("press OK\n");
  SetLastError(0);
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", 7), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MSGBOX_STYLE);
  // The script was not touched: the next box still gets its answer.
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", MB_OK), IDOK);
}

TEST_F(HeadlessMessageBoxTest, CaptureIsNotedInTheTranscript) {
  UseScript("capture shot.png\npress OK\n");
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"Varovozodoz", MB_OK), IDOK);
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]["event"].str(), "capture");
  EXPECT_EQ(lines[0]["file"].str(), "shot.png");
  EXPECT_FALSE(lines[0]["written"].boolean());
  EXPECT_EQ(lines[1]["event"].str(), "messagebox");
  EXPECT_FALSE(testing_support::PathExists(dir_ / "shot.png"));
}

}  // namespace
