#include "platform/display/terminal_keys.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

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
      {"\x7f", true, DecodeStatus::kKey, KeyName::kBackspace, 1},
      {"\x08", true, DecodeStatus::kKey, KeyName::kBackspace, 1},
      {"\x1b[A", true, DecodeStatus::kKey, KeyName::kUp, 3},
      {"\x1b[B", true, DecodeStatus::kKey, KeyName::kDown, 3},
      {"\x1b[1;3B", true, DecodeStatus::kKey, KeyName::kAltDown, 6},
      {"\x1b[1;2A", true, DecodeStatus::kKey, KeyName::kUp, 6},  // Shift+Up: Up
      {"\x1bOC", true, DecodeStatus::kKey, KeyName::kRight, 3},
      {"\x1b[D\x1b[C", true, DecodeStatus::kKey, KeyName::kLeft, 3},
      {"\x1b[Z", true, DecodeStatus::kKey, KeyName::kShiftTab, 3},
      {"\x1b[H", true, DecodeStatus::kKey, KeyName::kHome, 3},
      {"\x1bOF", true, DecodeStatus::kKey, KeyName::kEnd, 3},
      {"\x1b[1~", true, DecodeStatus::kKey, KeyName::kHome, 4},
      {"\x1b[4~", true, DecodeStatus::kKey, KeyName::kEnd, 4},
      {"\x1b[5~", true, DecodeStatus::kKey, KeyName::kPageUp, 4},
      {"\x1b[6~", true, DecodeStatus::kKey, KeyName::kPageDown, 4},
      {"\x1b[3~", true, DecodeStatus::kKey, KeyName::kDelete, 4},
      {"\x1b[2~", true, DecodeStatus::kIgnored, KeyName::kCharacter, 4},   // Insert
      {"\x1b[15~", true, DecodeStatus::kIgnored, KeyName::kCharacter, 5},  // F5
      {"\x1bOS", true, DecodeStatus::kKey, KeyName::kF4, 3},
      {"\x1b[14~", true, DecodeStatus::kKey, KeyName::kF4, 5},
      {"\x1b[[D", true, DecodeStatus::kKey, KeyName::kF4, 4},  // the Linux console
      {"\x1b[1;3S", true, DecodeStatus::kKey, KeyName::kAltF4, 6},
      {"\x1b[14;3~", true, DecodeStatus::kKey, KeyName::kAltF4, 7},
      {"\x1b[1;5S", true, DecodeStatus::kIgnored, KeyName::kCharacter, 6},  // Ctrl+F4
      {"\x1b", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\x1b", false, DecodeStatus::kKey, KeyName::kEscape, 1},
      {"\x1b[", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\x1b[", false, DecodeStatus::kIgnored, KeyName::kCharacter, 2},
      {"\x1b[1;", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\x1b[1;", false, DecodeStatus::kIgnored, KeyName::kCharacter, 4},
      {"\x1b[1\x01", true, DecodeStatus::kIgnored, KeyName::kCharacter, 3},  // broken off
      {"\x1bx", true, DecodeStatus::kKey, KeyName::kEscape, 1},
      {"\x03", true, DecodeStatus::kIgnored, KeyName::kCharacter, 1},
      {"\xc3\xb1y", true, DecodeStatus::kKey, KeyName::kCharacter, 2},
      {"\xe2\x82", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\xe2\x82", false, DecodeStatus::kIgnored, KeyName::kCharacter, 2},
      {"\xc3(", true, DecodeStatus::kIgnored, KeyName::kCharacter, 1},         // not a continuation
      {"\xc0\x80", true, DecodeStatus::kIgnored, KeyName::kCharacter, 2},      // overlong
      {"\xed\xa0\x80", true, DecodeStatus::kIgnored, KeyName::kCharacter, 3},  // surrogate
      {"\x80", true, DecodeStatus::kIgnored, KeyName::kCharacter, 1},
      {"\xff", true, DecodeStatus::kIgnored, KeyName::kCharacter, 1},
      {"\x1b[<0;10;5M", true, DecodeStatus::kMouse, KeyName::kCharacter, 10},
      {"\x1b[<0;10;5", true, DecodeStatus::kNeedMore, KeyName::kCharacter, 0},
      {"\x1b[<0;x;5M", true, DecodeStatus::kIgnored, KeyName::kCharacter, 6},
      {"\x1b[<0;10M", true, DecodeStatus::kIgnored, KeyName::kCharacter, 8},
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
  EXPECT_EQ(DecodeTerminalKey("\xc3\xad", true).key, (BoxKey{KeyName::kCharacter, U'\u00ed'}));
}

TEST(TerminalKeysTest, ReadsMouseReports) {
  struct Case {
    std::string bytes;
    int button;
    bool pressed;
    int column, row;
  } cases[] = {
      {"\x1b[<0;10;5M", 0, true, 10, 5}, {"\x1b[<0;10;5m", 0, false, 10, 5},
      {"\x1b[<2;1;1M", 2, true, 1, 1},   {"\x1b[<65;80;24M", 65, true, 80, 24},
      {"\x1b[<32;3;4M", 32, true, 3, 4},
  };
  for (const Case& c : cases) {
    DecodedKey decoded = DecodeTerminalKey(c.bytes, true);
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    ASSERT_EQ(decoded.status, DecodeStatus::kMouse);
    EXPECT_EQ(decoded.used, c.bytes.size());
    EXPECT_EQ(decoded.mouse.button, c.button);
    EXPECT_EQ(decoded.mouse.pressed, c.pressed);
    EXPECT_EQ(decoded.mouse.column, c.column);
    EXPECT_EQ(decoded.mouse.row, c.row);
  }
}

// Whatever the bytes, decoding moves on: every step uses at least one byte and no more
// than it has, or waits for more only while more may follow; a cut-off input ends.
TEST(TerminalKeysTest, RandomBytesAlwaysMoveOn) {
  std::mt19937 random(20261207);
  const std::string alphabet = "\x1b[O<;0123456789ABCDHFSZ~Mm\t\r \x7f\xc3\xa9\xe2\x82\xf0" "a";
  for (int round = 0; round < 2000; ++round) {
    std::string bytes;
    int length = 1 + static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) {
      bytes += random() % 4 == 0 ? static_cast<char>(random() % 256)
                                 : alphabet[random() % alphabet.size()];
    }
    std::string_view rest = bytes;
    int steps = 0;
    while (!rest.empty()) {
      DecodedKey decoded = DecodeTerminalKey(rest, false);
      ASSERT_NE(decoded.status, DecodeStatus::kNeedMore) << testing::PrintToString(bytes);
      ASSERT_GE(decoded.used, 1u);
      ASSERT_LE(decoded.used, rest.size());
      rest.remove_prefix(decoded.used);
      ASSERT_LT(++steps, 100);
    }
    DecodedKey waiting = DecodeTerminalKey(bytes, true);
    if (waiting.status != DecodeStatus::kNeedMore) {
      EXPECT_GE(waiting.used, 1u);
      EXPECT_LE(waiting.used, bytes.size());
    }
  }
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
