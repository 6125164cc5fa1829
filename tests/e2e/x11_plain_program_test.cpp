// Programs written only against platform/win32.h, with no start-up call of ours, on an X
// server: clicks and keys reach their windows, the close button's request ends them, and a
// message box with an owner names the owner's X window (WM_TRANSIENT_FOR) and is modal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/x_display_test.h"

namespace {

using testing_support::Child;
using testing_support::ChildOptions;
using testing_support::ChildResult;
using testing_support::XRunEnvironment;
using ::testing::HasSubstr;

// One input to give the input echo program, and what it must report.
struct InputCase {
  std::string layout;                 // the X keyboard layout (setxkbmap)
  std::vector<std::string> xdotool;   // after "xdotool windowfocus WINDOW"; W: the window
  std::vector<std::string> expected;  // lines of the program's report, in this order
};

class X11PlainProgram : public testing_support::XDisplayTest {
 protected:
  // Runs the input echo program once per case: gives it the input `settle_ms` after its
  // window appeared, closes it, compares.
  void ExpectInput(const std::vector<InputCase>& cases, int settle_ms = 0);

  // The mapped window named `name`, waiting up to 10 s.
  std::string WaitForWindow(const std::string& name) {
    for (int i = 0; i < 500; ++i) {
      auto found = server().Tool({"xdotool", "search", "--onlyvisible", "--name", "^" + name + "$"});
      if (!found.out.empty()) return found.out.substr(0, found.out.find('\n'));
      usleep(20000);
    }
    return "";
  }
  ChildOptions Options() const {
    ChildOptions options;
    options.environment = {"DISPLAY=" + server().display(), "VESTRALINO_DISPLAY=x11"};
    return options;
  }
};

TEST_F(X11PlainProgram, ClicksKeysAndTheCloseRequestReachIt) {
#ifndef SEND_CLOSE_REQUEST
  GTEST_SKIP() << "built without xcb: no close request sender";
#else
  Child program({"timeout", "-s", "KILL", "20", PLAIN_WIN32_PROGRAM}, Options());
  const std::string window = WaitForWindow("Plain");
  ASSERT_FALSE(window.empty()) << "no window";
  // The child window sits at (10, 10) of the client area, 80 x 24.
  server().Tool({"xdotool", "mousemove", "--window", window, "30", "20", "click", "1"});
  server().Tool({"xdotool", "windowfocus", window, "type", "--delay", "30", "abc"});
  server().Tool({SEND_CLOSE_REQUEST, window});
  ChildResult result = program.Wait();
  EXPECT_EQ(result.exit_code, 1) << result.out << result.err;
  EXPECT_THAT(result.out, HasSubstr("clicked 1\n"));
  EXPECT_THAT(result.out, HasSubstr("typed abc\n"));
#endif
}

TEST_F(X11PlainProgram, AnOwnedMessageBoxNamesItsOwner) {
  Child program({"timeout", "-s", "KILL", "20", OWNED_BOX_PROGRAM}, Options());
  const std::string owner = WaitForWindow("Owner");
  const std::string box = WaitForWindow("Owned box");
  ASSERT_FALSE(owner.empty()) << "no owner window";
  ASSERT_FALSE(box.empty()) << "no box";
  const std::string transient =
      server().Tool({"xprop", "-notype", "-id", box, "WM_TRANSIENT_FOR"}).out;
  EXPECT_THAT(transient, HasSubstr(testing_support::HexWindowId(owner)));
  EXPECT_THAT(server().Tool({"xprop", "-notype", "-id", box, "_NET_WM_STATE"}).out,
              HasSubstr("_NET_WM_STATE_MODAL"));
  server().Tool({"xdotool", "windowfocus", box, "key", "Escape"});
  ChildResult result = program.Wait();
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_EQ(result.out, "answer 2\n");  // IDCANCEL
}

#ifdef SEND_CLOSE_REQUEST
void X11PlainProgram::ExpectInput(const std::vector<InputCase>& cases, int settle_ms) {
  for (const InputCase& c : cases) {
    const std::string name = c.xdotool.back();
    ASSERT_EQ(server().Tool({"setxkbmap", "-layout", c.layout}).exit_code, 0) << c.layout;
    Child program({"timeout", "-s", "KILL", "20", INPUT_ECHO_PROGRAM}, Options());
    const std::string window = WaitForWindow("Input echo");
    ASSERT_FALSE(window.empty()) << "no window";
    usleep(static_cast<useconds_t>(settle_ms) * 1000);
    std::vector<std::string> argv = {"xdotool", "windowfocus", window};
    for (const std::string& arg : c.xdotool) argv.push_back(arg == "W" ? window : arg);
    server().Tool(argv);
    usleep(100000);  // the input reaches the program before the close request does
    server().Tool({SEND_CLOSE_REQUEST, window});
    ChildResult result = program.Wait();
    EXPECT_EQ(result.exit_code, 0) << name << result.err;
    // The expected lines appear in order (other lines, like activation, may come between).
    std::istringstream report(result.out);
    std::size_t next = 0;
    for (std::string line; std::getline(report, line) && next < c.expected.size();) {
      if (line == c.expected[next]) ++next;
    }
    EXPECT_EQ(next, c.expected.size())
        << name << ": missing \"" << (next < c.expected.size() ? c.expected[next] : "")
        << "\" in:\n" << result.out;
  }
}

// Keys and buttons given through XTEST (as typed and clicked) arrive as the Windows messages a
// program expects: virtual-key and scan codes (bit 8: extended), characters, Shift seen by
// GetKeyState, clicks in client coordinates, double clicks, the wheel.
TEST_F(X11PlainProgram, KeysAndButtonsBecomeWindowsInput) {
  ExpectInput({
      {"us", {"key", "a"}, {"key 41 01E", "char U+0061 shift=0 caps=0"}},
      {"us", {"key", "shift+a"}, {"key 10 02A", "key 41 01E", "char U+0041 shift=1 caps=0"}},
      {"us", {"key", "Return"}, {"key 0D 01C", "char U+000D shift=0 caps=0"}},
      {"us", {"key", "Escape"}, {"key 1B 001", "char U+001B shift=0 caps=0"}},
      {"us", {"key", "F4"}, {"key 73 03E"}},
      {"us", {"key", "Left"}, {"key 25 14B"}},
      {"us", {"key", "Down"}, {"key 28 150"}},
      {"us", {"key", "End"}, {"key 23 14F"}},
      {"us", {"mousemove", "--window", "W", "50", "40", "click", "1"}, {"down 50 40", "up 50 40"}},
      {"us",
       {"mousemove", "--window", "W", "60", "30", "click", "--repeat", "2", "--delay", "60", "1"},
       {"down 60 30", "up 60 30", "double 60 30", "up 60 30"}},
      {"us", {"mousemove", "--window", "W", "60", "30", "click", "4"}, {"wheel 120"}},
      {"us", {"mousemove", "--window", "W", "60", "30", "click", "5"}, {"wheel -120"}},
  });
}

// Keys that need the X keyboard's own map: the keypad's End (Num Lock off) told from the End
// key by its scan code alone, a dead key composing with the next letter and a letter of a
// Spanish keyboard. The keyboard's map is read after the first frame, in the background: a
// key that comes before it is read as on a US keyboard, so these keys come half a second
// after the window, as a person's would.
TEST_F(X11PlainProgram, KeysOfTheKeyboardsOwnMap) {
  ExpectInput({
      {"us", {"key", "KP_End"}, {"key 23 04F"}},
      {"es", {"key", "dead_acute", "i"}, {"char U+00ED shift=0 caps=0"}},
      {"es", {"key", "ntilde"}, {"char U+00F1 shift=0 caps=0"}},
  }, 500);
  server().Tool({"setxkbmap", "-layout", "us"});
}

// Caps Lock switched on before the program started is on for GetKeyState too.
TEST_F(X11PlainProgram, ALockSwitchedOnBeforeTheStartIsSeen) {
  server().Tool({"xdotool", "key", "Caps_Lock"});
  ExpectInput({{"us", {"key", "a"}, {"char U+0041 shift=0 caps=1"}}}, 500);
  server().Tool({"xdotool", "key", "Caps_Lock"});
  ExpectInput({{"us", {"key", "a"}, {"char U+0061 shift=0 caps=0"}}}, 500);
}
#endif

}  // namespace
