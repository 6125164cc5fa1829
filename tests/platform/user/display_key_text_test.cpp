// Keys from a display that says what each press types (x11 through XKB): the window
// system types exactly that, with Windows' rules for Ctrl, Alt, dead keys and repeats.
#include <deque>
#include <ostream>

#include "platform/display/display_session.h"
#include "tests/platform/user/window_test_fixture.h"

namespace {

using platform::InputEvent;
using platform::InputKind;
using platform::KeyText;

class KeysDisplay : public platform::DisplayDriver {
 public:
  explicit KeysDisplay(std::vector<InputEvent> events) : events_(events.begin(), events.end()) {}
  platform::DisplayKind kind() const override { return platform::DisplayKind::kHeadless; }
  int RunMessageBox(const platform::MessageBoxRequest&) override { return 0; }
  bool PollInput(InputEvent* event) override {
    if (events_.empty()) return false;
    *event = events_.front();
    events_.pop_front();
    return true;
  }
  void WaitForInput(DWORD) override {}

 private:
  std::deque<InputEvent> events_;
};

InputEvent Down(UINT vk, UINT scan, const char* text = "") {
  InputEvent e;
  e.kind = InputKind::kKeyDown;
  e.virtual_key = vk;
  e.scan_code = scan;
  e.key_text = KeyText::kGiven;
  e.text = text;
  return e;
}
InputEvent Up(UINT vk, UINT scan) {
  InputEvent e;
  e.kind = InputKind::kKeyUp;
  e.virtual_key = vk;
  e.scan_code = scan;
  return e;
}
InputEvent Dead(UINT vk, UINT scan, char32_t accent) {
  InputEvent e = Down(vk, scan);
  e.key_text = KeyText::kDeadKey;
  e.character = accent;
  return e;
}

struct Typed {
  UINT message;
  WPARAM wparam;
  bool operator==(const Typed&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Typed& t) {
    return out << MessageName(t.message) << " 0x" << std::hex << t.wparam << std::dec;
  }
};

class DisplayKeyTextTest : public WindowTest {
 protected:
  // The key and character messages a focused window gets from `events`.
  std::vector<Typed> Run(std::vector<InputEvent> events) {
    platform::UseDisplayDriver(std::make_unique<KeysDisplay>(std::move(events)));
    HWND top = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetFocus(top);
    Take();
    Pump();
    std::vector<Typed> out;
    for (const SeenMessage& m :
         Take({WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_SYSCHAR, WM_DEADCHAR})) {
      out.push_back({m.message, m.wparam});
    }
    return out;
  }
};

TEST_F(DisplayKeyTextTest, CharactersComeFromTheDisplay) {
  struct Row {
    const char* what;
    std::vector<InputEvent> events;
    std::vector<Typed> expected;
  };
  const Row rows[] = {
      {"a letter where the US layout has another",
       {Down('Q', 0x10, "a"), Up('Q', 0x10)},
       {{WM_KEYDOWN, 'Q'}, {WM_CHAR, 'a'}}},
      {"AltGr+2 on a Spanish keyboard",
       {Down(VK_CONTROL, 0x1D), Down(VK_MENU, 0x138), Down('2', 0x03, "@"), Up('2', 0x03),
        Up(VK_MENU, 0x138), Up(VK_CONTROL, 0x1D)},
       {{WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, VK_MENU}, {WM_KEYDOWN, '2'}, {WM_CHAR, '@'}}},
      {"a dead acute, then i",
       {Dead(VK_OEM_7, 0x28, U'\u00B4'), Up(VK_OEM_7, 0x28), Down('I', 0x17, "\u00ED"),
        Up('I', 0x17)},
       {{WM_KEYDOWN, VK_OEM_7}, {WM_DEADCHAR, 0xB4}, {WM_KEYDOWN, 'I'}, {WM_CHAR, 0xED}}},
      {"an accent that does not combine, then q",
       {Down('Q', 0x10, "\u00B4q"), Up('Q', 0x10)},
       {{WM_KEYDOWN, 'Q'}, {WM_CHAR, 0xB4}, {WM_CHAR, 'q'}}},
      {"a character beyond 16 bits",
       {Down('E', 0x12, "\U0001F600"), Up('E', 0x12)},
       {{WM_KEYDOWN, 'E'}, {WM_CHAR, 0xD83D}, {WM_CHAR, 0xDE00}}},
      {"Ctrl+A is a control character",
       {Down(VK_CONTROL, 0x1D), Down('A', 0x1E, "a"), Up('A', 0x1E), Up(VK_CONTROL, 0x1D)},
       {{WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, 'A'}, {WM_CHAR, 1}}},
      {"Alt+F is a system character",
       {Down(VK_MENU, 0x38), Down('F', 0x21, "f"), Up('F', 0x21), Up(VK_MENU, 0x38)},
       {{WM_SYSKEYDOWN, VK_MENU}, {WM_SYSKEYDOWN, 'F'}, {WM_SYSCHAR, 'f'}}},
      {"a key that types nothing",
       {Down(VK_LEFT, 0x14B), Up(VK_LEFT, 0x14B)},
       {{WM_KEYDOWN, VK_LEFT}}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Run(row.events), row.expected) << row.what;
    TearDown();  // each row on a fresh window and display
    SetUp();
  }
}

TEST_F(DisplayKeyTextTest, RepeatedPressesAreMarkedAndRightShiftIsKnown) {
  SHORT right_shift = 0;
  SHORT left_shift = 0;
  std::vector<LPARAM> presses;
  handler_ = [&](HWND, UINT m, WPARAM w, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_KEYDOWN && w == 'A') {
      presses.push_back(l);
      right_shift = GetKeyState(VK_RSHIFT);
      left_shift = GetKeyState(VK_LSHIFT);
    }
    return std::nullopt;
  };
  Run({Down(VK_SHIFT, 0x36), Down('A', 0x1E, "A"), Down('A', 0x1E, "A"), Up('A', 0x1E),
       Up(VK_SHIFT, 0x36)});
  ASSERT_EQ(presses.size(), 2u);
  EXPECT_EQ(presses[0] & (1 << 30), 0);
  EXPECT_NE(presses[1] & (1 << 30), 0);  // the key was already down: a repeat
  EXPECT_NE(right_shift & 0x8000, 0);
  EXPECT_EQ(left_shift & 0x8000, 0);
}

TEST_F(DisplayKeyTextTest, LockTogglesFollowWhatTheDisplayReports) {
  auto locked = [](InputEvent e, bool caps, bool num) {
    e.locks = platform::LockKeys{caps, num};
    return e;
  };
  std::vector<std::pair<SHORT, SHORT>> seen;  // Caps Lock, Num Lock at each 'A'
  handler_ = [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_KEYDOWN && w == 'A') seen.emplace_back(GetKeyState(VK_CAPITAL), GetKeyState(VK_NUMLOCK));
    return std::nullopt;
  };
  // Both locks were on before the program started; then Caps Lock is pressed (reported
  // as on before it acts) and switches off; an unreported key keeps what was known.
  Run({locked(Down('A', 0x1E, "A"), true, true), locked(Down(VK_CAPITAL, 0x3A), true, true),
       locked(Up(VK_CAPITAL, 0x3A), false, true), locked(Down('A', 0x1E, "a"), false, true),
       Down('A', 0x1E, "a")});
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].first & 1, 1);
  EXPECT_EQ(seen[0].second & 1, 1);
  EXPECT_EQ(seen[1].first & 1, 0);
  EXPECT_EQ(seen[1].second & 1, 1);
  EXPECT_EQ(seen[2].first & 1, 0);
}

}  // namespace
