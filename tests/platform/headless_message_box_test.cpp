// MessageBoxW on the headless display: scripted answers and the transcript. The keys'
// meanings are the box model's and are tested there.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"
#include "tests/platform/headless_display_fixture.h"

namespace {

using HeadlessMessageBoxTest = HeadlessDisplayTest;

TEST_F(HeadlessMessageBoxTest, EachActionGivesItsAnswer) {
  struct Case {
    UINT style;
    const char* script;
    int answer;
  };
  const Case cases[] = {
      {MB_YESNO, "press No", IDNO},
      {MB_CANCELTRYCONTINUE, "press Try Again", IDTRYAGAIN},
      {MB_ABORTRETRYIGNORE, "press Cancel\npress Ignore", IDIGNORE},  // no Cancel: next
      {MB_YESNOCANCEL, "click 2", IDCANCEL},
      {MB_YESNO, "click 1\nclick 7", IDNO},  // no button 1 here
      {MB_OKCANCEL, "answer yes\nanswer ok", IDOK},
      {MB_YESNO | MB_DEFBUTTON2, "key Enter", IDNO},
      {MB_YESNO, "key Escape\nkey Alt+F4\nclose\nkey y", IDYES},  // all ignored first
      {MB_RETRYCANCEL, "close", IDCANCEL},
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

TEST_F(HeadlessMessageBoxTest, OneScriptServesBoxesInTurnAndTheTranscriptDescribesThem) {
  const std::string shot = dir_ / "shot.png";
  UseScript("answer no\ncapture " + shot + "\nanswer yes\n");
  const WCHAR text[] = u"Comence el dia 01/12/2026\r\nLlevo 4 dias \"sin\" pecar\\\t\u00F1\r\n";
  EXPECT_EQ(MessageBoxW(nullptr, u"first", u"c", MB_YESNO), IDNO);
  EXPECT_EQ(MessageBoxW(nullptr, text, u"Varovozodoz", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBoxW(nullptr, u"third", u"c", MB_YESNO), 0);
  const std::string raw = testing_support::ReadBytes(dir_ / "transcript");
  EXPECT_NE(raw.find("{\"event\":\"messagebox\",\"caption\":\"Varovozodoz\","
                     "\"text\":\"Comence el dia 01/12/2026\\r\\nLlevo 4 dias \\\"sin\\\" "
                     "pecar\\\\\\t\xc3\xb1\\r\\n\",\"style\":4,\"buttons\":[\"Yes\",\"No\"],"
                     "\"result\":6}\n"),
            std::string::npos)
      << raw;
  auto lines = Transcript();
  ASSERT_EQ(lines.size(), 4u);
  // The box is a window: the capture writes it, and the box has no `window` line.
  EXPECT_EQ(lines[1]["event"].str(), "capture");
  EXPECT_EQ(lines[1]["window"].str(), "messagebox");
  EXPECT_EQ(lines[1]["caption"].str(), "Varovozodoz");
  EXPECT_TRUE(lines[1]["written"].boolean());
  EXPECT_TRUE(testing_support::PathExists(dir_ / "shot.png"));
  EXPECT_EQ(lines[3]["text"].str(), "third");
  EXPECT_EQ(lines[3]["result"].number(), 0);
}

TEST_F(HeadlessMessageBoxTest, NarrowBoxWithoutCaptionShowsErrorAndUnknownTypesAreRefused) {
  UseScript("press OK\npress OK\n");
  SetLastError(0);
  EXPECT_EQ(MessageBoxW(nullptr, u"t", u"c", 7), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_MSGBOX_STYLE);
  // The refused box left the script alone.
  EXPECT_EQ(MessageBoxA(nullptr, "Win98 No Support", nullptr, MB_TASKMODAL | MB_SETFOREGROUND),
            IDOK);
  auto lines = Transcript();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back()["caption"].str(), "Error");
  EXPECT_EQ(lines.back()["text"].str(), "Win98 No Support");
  EXPECT_EQ(lines.back()["style"].number(), 0x12000);
}

}  // namespace
