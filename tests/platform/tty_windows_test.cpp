// The terminal draws only message boxes so far: any other top-level window is asked to
// close at once instead of waiting unseen.
#include <gtest/gtest.h>

#include "platform/display/tty_driver.h"

namespace {

TEST(TtyWindows, OnlyPlainTopLevelWindowsAreAskedToClose) {
  const auto handle = [](int n) { return reinterpret_cast<HWND>(static_cast<LONG_PTR>(n)); };
  struct Row {
    bool message_box;
    DWORD style;
    HWND owner;
    bool closed;
  } rows[] = {
      {false, WS_POPUP | WS_CAPTION, nullptr, true},
      {true, WS_POPUP | WS_CAPTION, nullptr, false},   // drawn by RunMessageBox
      {false, WS_POPUP, handle(7), false},              // a pop-up of a window that closes
      {false, WS_CHILD, nullptr, false},
  };
  for (const Row& row : rows) {
    platform::TtyDriver driver;
    platform::TopLevelWindowInfo info;
    info.window = handle(42);
    info.title = "Vestralino";
    info.message_box = row.message_box;
    info.style = row.style;
    info.owner = row.owner;
    testing::internal::CaptureStderr();
    driver.WindowShown(info);
    const std::string said = testing::internal::GetCapturedStderr();
    platform::InputEvent event;
    ASSERT_EQ(driver.PollInput(&event), row.closed);
    EXPECT_EQ(said.find("\"Vestralino\"") != std::string::npos, row.closed);
    if (row.closed) {
      EXPECT_EQ(event.kind, platform::InputKind::kCloseRequest);
      EXPECT_EQ(event.window, info.window);
      EXPECT_FALSE(driver.PollInput(&event));  // once
    }
  }
}

}  // namespace
