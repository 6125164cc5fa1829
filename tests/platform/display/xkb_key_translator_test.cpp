// Keys through XKB keymaps built from layout names: virtual keys, scan codes, what each
// press types (AltGr, dead keys, compose sequences), and the US reading used before the
// keymap is loaded, checked against the US keymap itself.
#include <random>
#include <set>

#include "platform/display/x11/key_positions.h"
#include "platform/display/x11/us_fallback_keys.h"
#include "tests/platform/display/xkb_keyboard_fixture.h"

namespace {

using platform::InputKind;
using platform::KeyText;

constexpr int kShiftMask = 0x01, kLockMask = 0x02, kNumLockMask = 0x10;  // core state bits

struct KeyRow {
  std::uint32_t key;
  std::uint32_t held;  // a modifier key held down, 0 for none
  UINT vk;
  UINT scan;
  const char* text;
};

void CheckRows(SimulatedKeyboard& keyboard, const std::vector<KeyRow>& rows) {
  for (const KeyRow& row : rows) {
    if (row.held != 0) keyboard.Press(row.held);
    auto events = keyboard.Press(row.key);
    keyboard.Release(row.key);
    if (row.held != 0) keyboard.Release(row.held);
    ASSERT_EQ(events.size(), 1u) << "key " << row.key;
    EXPECT_EQ(events[0].kind, InputKind::kKeyDown);
    EXPECT_EQ(events[0].virtual_key, row.vk) << "key " << row.key << " held " << row.held;
    EXPECT_EQ(events[0].scan_code, row.scan) << "key " << row.key;
    EXPECT_EQ(events[0].key_text, KeyText::kGiven);
    EXPECT_EQ(events[0].text, row.text) << "key " << row.key << " held " << row.held;
  }
}

TEST_F(XkbKeyboardTest, UsKeysGiveTheirVirtualKeysScanCodesAndCharacters) {
  KEYBOARD_OR_SKIP(us, "us");
  using namespace evdev;
  // clang-format off
  CheckRows(*us, {
      {kA, 0, 'A', 0x1E, "a"},
      {kA, kLeftShift, 'A', 0x1E, "A"},
      {kZ, kRightShift, 'Z', 0x2C, "Z"},
      {kQ, kLeftCtrl, 'Q', 0x10, "q"},  // TranslateMessage makes Ctrl+Q a control character
      {k1, 0, '1', 0x02, "1"},
      {k1, kLeftShift, '1', 0x02, "!"},
      {k0, 0, '0', 0x0B, "0"},
      {kF1, 0, VK_F1, 0x3B, ""},
      {kF12, 0, VK_F12, 0x58, ""},
      {kF13, 0, VK_F13, 0x64, ""},  // a multimedia keysym on this layout: its position counts
      {kF24, 0, VK_F24, 0x76, ""},
      {kUp, 0, VK_UP, 0x148, ""},
      {kDown, 0, VK_DOWN, 0x150, ""},
      {kLeft, 0, VK_LEFT, 0x14B, ""},
      {kRight, 0, VK_RIGHT, 0x14D, ""},
      {kHome, 0, VK_HOME, 0x147, ""},
      {kEnd, 0, VK_END, 0x14F, ""},
      {kPageUp, 0, VK_PRIOR, 0x149, ""},
      {kPageDown, 0, VK_NEXT, 0x151, ""},
      {kInsert, 0, VK_INSERT, 0x152, ""},
      {kDelete, 0, VK_DELETE, 0x153, ""},
      {kEnter, 0, VK_RETURN, 0x1C, "\r"},
      {kKpEnter, 0, VK_RETURN, 0x11C, "\r"},
      {kKpSlash, 0, VK_DIVIDE, 0x135, "/"},
      {kKpAsterisk, 0, VK_MULTIPLY, 0x37, "*"},
      {kTab, 0, VK_TAB, 0x0F, "\t"},
      {kTab, kLeftShift, VK_TAB, 0x0F, "\t"},
      {kBackspace, 0, VK_BACK, 0x0E, "\b"},
      {kEscape, 0, VK_ESCAPE, 0x01, "\x1b"},
      {kSpace, 0, VK_SPACE, 0x39, " "},
      {kSemicolon, 0, VK_OEM_1, 0x27, ";"},
      {kApostrophe, kLeftShift, VK_OEM_7, 0x28, "\""},
      {kGrave, 0, VK_OEM_3, 0x29, "`"},
      {kEqual, 0, VK_OEM_PLUS, 0x0D, "="},
      {kMinus, 0, VK_OEM_MINUS, 0x0C, "-"},
      {kComma, 0, VK_OEM_COMMA, 0x33, ","},
      {kDot, 0, VK_OEM_PERIOD, 0x34, "."},
      {kSlash, 0, VK_OEM_2, 0x35, "/"},
      {kLeftBrace, 0, VK_OEM_4, 0x1A, "["},
      {kBackslash, 0, VK_OEM_5, 0x2B, "\\"},
      {kRightBrace, 0, VK_OEM_6, 0x1B, "]"},
      {kLeftShift, 0, VK_SHIFT, 0x2A, ""},
      {kRightShift, 0, VK_SHIFT, 0x36, ""},
      {kLeftCtrl, 0, VK_CONTROL, 0x1D, ""},
      {kRightCtrl, 0, VK_CONTROL, 0x11D, ""},
      {kLeftAlt, 0, VK_MENU, 0x38, ""},
      {kRightAlt, 0, VK_MENU, 0x138, ""},  // plain Alt on a US keyboard
      {kCapsLock, 0, VK_CAPITAL, 0x3A, ""},
      {kNumLock, 0, VK_NUMLOCK, 0x145, ""},
  });
  // clang-format on
}

TEST_F(XkbKeyboardTest, KeypadFollowsNumLock) {
  KEYBOARD_OR_SKIP(us, "us");
  using namespace evdev;
  CheckRows(*us, {{kKp7, 0, VK_HOME, 0x47, ""},
                  {kKp5, 0, VK_CLEAR, 0x4C, ""},
                  {kKpDot, 0, VK_DELETE, 0x53, ""}});
  us->Tap(kNumLock);
  CheckRows(*us, {{kKp7, 0, VK_NUMPAD7, 0x47, "7"},
                  {kKp5, 0, VK_NUMPAD5, 0x4C, "5"},
                  {kKpDot, 0, VK_DECIMAL, 0x53, "."},
                  {kKp7, kLeftShift, VK_HOME, 0x47, ""}});  // Shift reverses Num Lock
}

TEST_F(XkbKeyboardTest, CapsLockUppersLettersOnly) {
  KEYBOARD_OR_SKIP(us, "us");
  us->Tap(evdev::kCapsLock);
  EXPECT_EQ(us->Type(evdev::kA), "A");
  EXPECT_EQ(us->Type(evdev::k1), "1");
  us->Press(evdev::kLeftShift);
  EXPECT_EQ(us->Type(evdev::kA), "a");
}

TEST_F(XkbKeyboardTest, AltGrIsLeftCtrlWithRightAltAndReachesTheThirdLevel) {
  KEYBOARD_OR_SKIP(es, "es");
  auto down = es->Press(evdev::kRightAlt);
  ASSERT_EQ(down.size(), 2u);
  EXPECT_EQ(down[0].virtual_key, static_cast<UINT>(VK_CONTROL));
  EXPECT_EQ(down[0].scan_code, 0x1Du);
  EXPECT_EQ(down[1].virtual_key, static_cast<UINT>(VK_MENU));
  EXPECT_EQ(down[1].scan_code, 0x138u);
  auto at = es->Tap(evdev::k2);
  ASSERT_EQ(at.size(), 1u);
  EXPECT_EQ(at[0].virtual_key, static_cast<UINT>('2'));
  EXPECT_EQ(at[0].text, "@");
  EXPECT_EQ(es->Type(evdev::kE), "\u20AC");  // AltGr+E: the euro sign
  auto up = es->Release(evdev::kRightAlt);
  ASSERT_EQ(up.size(), 2u);
  EXPECT_EQ(up[0].kind, InputKind::kKeyUp);
  EXPECT_EQ(up[0].virtual_key, static_cast<UINT>(VK_MENU));
  EXPECT_EQ(up[1].virtual_key, static_cast<UINT>(VK_CONTROL));
  EXPECT_EQ(es->Type(evdev::k2), "2");
}

TEST_F(XkbKeyboardTest, SpanishLettersAndDeadAcute) {
  KEYBOARD_OR_SKIP(es, "es", true);
  EXPECT_EQ(es->Type(evdev::kSemicolon), "\u00F1");  // ñ
  auto accent = es->Tap(evdev::kApostrophe);
  ASSERT_EQ(accent.size(), 1u);
  EXPECT_EQ(accent[0].key_text, KeyText::kDeadKey);
  EXPECT_EQ(accent[0].character, U'\u00B4');
  EXPECT_EQ(es->Type(evdev::kI), "\u00ED");  // í
  es->Tap(evdev::kApostrophe);
  es->Press(evdev::kLeftShift);
  EXPECT_EQ(es->Type(evdev::kI), "\u00CD");  // Í
  es->Release(evdev::kLeftShift);
  es->Tap(evdev::kApostrophe);
  EXPECT_EQ(es->Type(evdev::kQ), "\u00B4q");  // no combination: the accent, then the letter
  EXPECT_EQ(es->Type(evdev::kQ), "q");
}

TEST_F(XkbKeyboardTest, DeadKeysWithoutComposeTableTypeTheirAccent) {
  KEYBOARD_OR_SKIP(es, "es");
  EXPECT_EQ(es->Type(evdev::kApostrophe), "\u00B4");
  EXPECT_EQ(es->Type(evdev::kI), "i");
}

TEST_F(XkbKeyboardTest, UsInternationalDeadKeys) {
  KEYBOARD_OR_SKIP(intl, "us(intl)", true);
  intl->Tap(evdev::kApostrophe);
  EXPECT_EQ(intl->Type(evdev::kE), "\u00E9");
  intl->Press(evdev::kLeftShift);
  intl->Tap(evdev::kApostrophe);  // dead diaeresis
  intl->Release(evdev::kLeftShift);
  EXPECT_EQ(intl->Type(evdev::kO), "\u00F6");
  intl->Tap(evdev::kApostrophe);
  EXPECT_EQ(intl->Type(evdev::kSpace), "'");
}

TEST_F(XkbKeyboardTest, ComposeKeySequences) {
  KEYBOARD_OR_SKIP(us, "us", true, "compose:ralt");
  EXPECT_EQ(us->Type(evdev::kRightAlt), "");  // Multi_key types nothing yet
  EXPECT_EQ(us->Type(evdev::kApostrophe), "");
  EXPECT_EQ(us->Type(evdev::kI), "\u00ED");
  us->Tap(evdev::kRightAlt);
  EXPECT_EQ(us->Type(evdev::kO), "");
  EXPECT_EQ(us->Type(evdev::kC), "\u00A9");
  EXPECT_EQ(us->Type(evdev::kA), "a");
}

TEST_F(XkbKeyboardTest, CtrlAndAltKeysDoNotEnterSequences) {
  KEYBOARD_OR_SKIP(es, "es", true);
  es->Press(evdev::kLeftCtrl);
  auto accent = es->Tap(evdev::kApostrophe);
  es->Release(evdev::kLeftCtrl);
  ASSERT_EQ(accent.size(), 1u);
  EXPECT_EQ(accent[0].key_text, KeyText::kGiven);
  EXPECT_EQ(es->Type(evdev::kI), "i");
}

TEST_F(XkbKeyboardTest, GermanLettersFollowTheLayout) {
  KEYBOARD_OR_SKIP(de, "de");
  using namespace evdev;
  CheckRows(*de, {{kY, 0, 'Z', 0x15, "z"},
                  {kZ, 0, 'Y', 0x2C, "y"},
                  {kSlash, 0, VK_OEM_MINUS, 0x35, "-"},
                  {kRightBrace, 0, VK_OEM_PLUS, 0x1B, "+"},
                  {kSemicolon, 0, VK_OEM_1, 0x27, "\u00F6"}});
  de->Press(kRightAlt);
  EXPECT_EQ(de->Type(kQ), "@");
}

// No two keys of the main block share a virtual key, whatever the layout puts on them.
TEST_F(XkbKeyboardTest, MainBlockKeysHaveDistinctVirtualKeys) {
  for (const char* layout : {"us", "es", "de", "fr", "us(intl)", "ru"}) {
    auto keyboard = Keyboard(layout);
    if (!keyboard) GTEST_SKIP() << "no XKB data";
    std::set<UINT> seen;
    for (std::uint32_t code = 0; code < 256; ++code) {
      const auto* position = platform::x11::KeyPositionOf(code);
      if (position == nullptr || !position->types_characters) continue;
      auto events = keyboard->Tap(code);
      ASSERT_EQ(events.size(), 1u) << layout << " key " << code;
      EXPECT_NE(events[0].virtual_key, 0u) << layout << " key " << code;
      EXPECT_TRUE(seen.insert(events[0].virtual_key).second)
          << layout << " key " << code << " repeats virtual key " << events[0].virtual_key;
    }
  }
}

TEST_F(XkbKeyboardTest, ReleasesTypeNothing) {
  KEYBOARD_OR_SKIP(us, "us");
  us->Press(evdev::kA);
  auto up = us->Release(evdev::kA);
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].kind, InputKind::kKeyUp);
  EXPECT_EQ(up[0].virtual_key, static_cast<UINT>('A'));
  EXPECT_EQ(up[0].key_text, KeyText::kFromLayout);
  EXPECT_TRUE(up[0].text.empty());
}

// Any key code in any state: at most two events (AltGr), a virtual key or a character for
// each, valid UTF-8 text, and the translator's tables never read out of bounds.
TEST_F(XkbKeyboardTest, AnyKeyInAnyStateGivesSaneEvents) {
  xkb_keymap* keymap = Keymap("es");
  if (keymap == nullptr || !compose_) GTEST_SKIP() << "no XKB data";
  platform::x11::XkbKeyTranslator es(keymap, compose_.get());
  std::mt19937 random(9);
  for (int i = 0; i < 20000; ++i) {
    auto code = static_cast<xkb_keycode_t>(random() % 300);
    auto state = static_cast<std::uint16_t>(random());
    bool press = random() % 2 == 0;
    auto events = es.Translate(code, state, press);
    ASSERT_LE(events.size(), 2u);
    for (const auto& e : events) {
      EXPECT_TRUE(e.virtual_key != 0 || e.character != 0) << "key " << code;
      EXPECT_EQ(e.kind, press ? InputKind::kKeyDown : InputKind::kKeyUp);
      std::size_t at = 0;
      while (at < e.text.size()) {  // lead bytes and continuation bytes in order
        auto lead = static_cast<unsigned char>(e.text[at]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        ASSERT_LE(at + length, e.text.size());
        for (std::size_t k = 1; k < length; ++k) {
          EXPECT_EQ(static_cast<unsigned char>(e.text[at + k]) & 0xC0, 0x80);
        }
        at += length;
      }
    }
  }
}

TEST(UsFallbackKeys, KnownAndUnknownKeys) {
  using platform::x11::TranslateAsUsKeyboard;
  EXPECT_TRUE(TranslateAsUsKeyboard(0, 0, true).empty());
  EXPECT_TRUE(TranslateAsUsKeyboard(XKeyCode(240), 0, true).empty());
  auto home = TranslateAsUsKeyboard(XKeyCode(evdev::kHome), 0, true);
  ASSERT_EQ(home.size(), 1u);
  EXPECT_EQ(home[0].virtual_key, static_cast<UINT>(VK_HOME));
  EXPECT_EQ(home[0].scan_code, 0x147u);
}

// Before the keymap is there keys read as on a US keyboard: the same as the US keymap
// gives, for every key in every state of Shift, Caps Lock and Num Lock.
TEST_F(XkbKeyboardTest, FallbackAgreesWithTheUsKeymap) {
  xkb_keymap* keymap = Keymap("us");
  if (keymap == nullptr) GTEST_SKIP() << "no XKB data";
  platform::x11::XkbKeyTranslator us(keymap, nullptr);
  for (int state : {0, kShiftMask, kLockMask, kNumLockMask, kShiftMask | kNumLockMask,
                    kShiftMask | kLockMask}) {
    for (std::uint32_t code = 1; code < 256; ++code) {
      if (platform::x11::KeyPositionOf(code) == nullptr) continue;
      if (code == evdev::k102nd) continue;  // the US layout has no key left of Z
      auto expected = us.Translate(XKeyCode(code), static_cast<std::uint16_t>(state), true);
      auto fallback = platform::x11::TranslateAsUsKeyboard(XKeyCode(code),
                                                           static_cast<std::uint16_t>(state), true);
      ASSERT_EQ(fallback.size(), expected.size()) << "key " << code;
      if (expected.empty()) continue;
      EXPECT_EQ(fallback[0].virtual_key, expected[0].virtual_key)
          << "key " << code << " state " << state;
      EXPECT_EQ(fallback[0].scan_code, expected[0].scan_code) << "key " << code;
      EXPECT_EQ(fallback[0].text, expected[0].text) << "key " << code << " state " << state;
    }
  }
}

}  // namespace
