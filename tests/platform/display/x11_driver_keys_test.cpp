// Keys typed with xdotool into a window of the x11 display reach the window system with
// what they type, on a Spanish keyboard set while the program runs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/display/x11/x11_driver.h"
#include "tests/platform/display/xvfb_server.h"

namespace platform::x11 {
namespace {

TEST(X11DriverKeysTest, DeadKeysAndAltGrFromXdotool) {
  XvfbServer server;
  SKIP_WITHOUT_XVFB(server);
  if (std::system("command -v xdotool >/dev/null && command -v setxkbmap >/dev/null") != 0) {
    GTEST_SKIP() << "no xdotool or setxkbmap";
  }
  std::unique_ptr<X11Connection> connection = X11Connection::Open();
  ASSERT_NE(connection, nullptr);
  X11Driver driver(std::move(connection));
  TopLevelWindowInfo info;
  info.window = reinterpret_cast<HWND>(static_cast<std::intptr_t>(0x1001));
  info.style = WS_POPUP | WS_CAPTION;
  info.rect = RECT{100, 100, 200, 160};
  info.client = RECT{103, 122, 197, 157};
  std::vector<std::uint32_t> pixels(100 * 60, 0xC0C0C0);
  driver.WindowShown(info);
  driver.WindowActivated(info.window);
  driver.WindowPainted(info.window, RECT{0, 0, 100, 60},
                       gdi::PixelSurface{pixels.data(), 100, 100, 60});
  InputEvent event;
  while (driver.PollInput(&event)) {
  }
  driver.WaitForInput(0);  // the first frame goes out; the keyboard starts loading

  ASSERT_EQ(std::system("setxkbmap -layout es && xdotool key dead_acute i ISO_Level3_Shift+2"), 0);
  std::string typed;
  int presses = 0;
  for (int i = 0; i < 100 && presses < 5; ++i) {
    while (driver.PollInput(&event)) {
      if (event.kind != InputKind::kKeyDown) continue;
      ++presses;
      EXPECT_EQ(event.window, info.window);
      if (event.key_text == KeyText::kDeadKey) typed += "[dead]";
      typed += event.text;
    }
    driver.WaitForInput(50);
  }
  // Five presses: the accent, i, and AltGr as Ctrl and Alt (as on Windows) before the 2.
  EXPECT_EQ(typed, "[dead]\u00ED@");
}

}  // namespace
}  // namespace platform::x11
