#include "platform/display/terminal_keys.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/display/tty_driver.h"

namespace platform {
namespace {

TEST(TerminalKeysTest, DecodesWhatTerminalsSend) {
  struct Case {
    std::string bytes;
    bool more_may_follow;
    DecodeStatus status;
    KeyName key;
    std::size_t used;
  };
  const Case cases[] = {
      {"\t", true, DecodeStatus::kKey, KeyName::kTab, 1},
      {"\r", true, DecodeStatus::kKey, KeyName::kEnter, 1},
      {"\n", true, DecodeStatus::kKey, KeyName::kEnter, 1},
      {" x", true, DecodeStatus::kKey, KeyName::kSpace, 1},
      {"\x1b[A", true, DecodeStatus::kKey, KeyName::kUp, 3},
      {"\x1b[B", true, DecodeStatus::kKey, KeyName::kDown, 3},
      {"\x1b[15~", true, DecodeStatus::kIgnored, KeyName::kCharacter, 5},  // F5
      {"\x1bOC", true, DecodeStatus::kKey, KeyName::kRight, 3},
      {"\x1b[D\x1b[C", true, DecodeStatus::kKey, KeyName::kLeft, 3},
      {"\x1b[Z", true, DecodeStatus::kKey, KeyName::kLeft, 3},
      {"\x1b[1;3S", true, DecodeStatus::kKey, KeyName::kAltF4, 6},
      {"\x1bOS", true, DecodeStatus::kIgnored, KeyName::kCharacter, 3},  // F4 alone
      {"\x1b", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\x1b", false, DecodeStatus::kKey, KeyName::kEscape, 1},
      {"\x1b[1;", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\x1b[1;", false, DecodeStatus::kIgnored, KeyName::kCharacter, 4},
      {"\x1bx", true, DecodeStatus::kKey, KeyName::kEscape, 1},
      {"\x03", true, DecodeStatus::kIgnored, KeyName::kCharacter, 1},
      {"\x7f", true, DecodeStatus::kIgnored, KeyName::kCharacter, 1},
      {"\xc3\xb1y", true, DecodeStatus::kIgnored, KeyName::kCharacter, 2},
      {"\xe2\x82", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\xe2\x82", false, DecodeStatus::kIgnored, KeyName::kCharacter, 2},
  };
  for (const Case& c : cases) {
    DecodedKey decoded = DecodeTerminalKey(c.bytes, c.more_may_follow);
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(decoded.status, c.status);
    EXPECT_EQ(decoded.used, c.used);
    if (c.status == DecodeStatus::kKey) {
      EXPECT_EQ(decoded.key.name, c.key);
    }
  }
  DecodedKey letter = DecodeTerminalKey("y", true);
  EXPECT_EQ(letter.key, (BoxKey{KeyName::kCharacter, U'y'}));
}

TEST(TerminalPainterTest, DrawsCaptionLinesAndTheFocusedButton) {
  MessageBoxRequest request{"Varovozodoz", "Comence el dia 01/12/2026\r\nLlevo 4 dias", MB_YESNO};
  MessageBoxModel box(MB_YESNO);
  box.OnKey({KeyName::kTab, 0});
  std::string screen = PaintMessageBox(request, box, 80, 24);
  EXPECT_NE(screen.find("Varovozodoz"), std::string::npos);
  EXPECT_NE(screen.find("Comence el dia 01/12/2026 "), std::string::npos);
  EXPECT_NE(screen.find("Llevo 4 dias"), std::string::npos);
  EXPECT_EQ(screen.find('\r'), std::string::npos);  // line breaks are cursor moves
  EXPECT_NE(screen.find("[ Yes ]"), std::string::npos);
  EXPECT_NE(screen.find("\x1b[7m[ No ]"), std::string::npos);
  // A tiny terminal still gets a box, its lines cut to fit.
  std::string tiny = PaintMessageBox(request, box, 12, 5);
  EXPECT_EQ(tiny.find("Comence el dia"), std::string::npos);
  EXPECT_NE(tiny.find("Comence"), std::string::npos);
}

}  // namespace
}  // namespace platform
