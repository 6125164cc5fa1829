// Programs written only against platform/win32.h, with no start-up call of ours, on an X
// server: clicks and keys reach their windows, the close button's request ends them, and a
// message box with an owner names the owner's X window (WM_TRANSIENT_FOR) and is modal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/support/x_display_test.h"

namespace {

using testing_support::Child;
using testing_support::ChildOptions;
using testing_support::ChildResult;
using testing_support::XRunEnvironment;
using ::testing::HasSubstr;

class X11PlainProgram : public testing_support::XDisplayTest {
 protected:
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

}  // namespace
