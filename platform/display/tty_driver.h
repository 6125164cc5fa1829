// The display in a terminal: boxes drawn with ANSI sequences on the controlling terminal
// (/dev/tty), driven by the keyboard in raw mode. The terminal's modes and screen are
// put back after each box, and also when a signal or ExitProcess ends the process while
// a box is up.
#pragma once

#include <string>
#include <vector>

#include "platform/display/display_driver.h"
#include "platform/display/message_box_model.h"

namespace platform {

class TtyDriver : public DisplayDriver {
 public:
  DisplayKind kind() const override { return DisplayKind::kTty; }
  int RunMessageBox(const MessageBoxRequest& request) override;

  // Only message boxes are drawn in the terminal so far. Any other window is announced on
  // stderr and then asked to close, as the window manager's close button would: it must
  // not wait unseen for keys that never reach it.
  void WindowShown(const TopLevelWindowInfo& info) override;
  bool PollInput(InputEvent* event) override;

 private:
  std::vector<HWND> to_close_;
};

// The screen of a box, `columns` x `rows` cells, as the bytes that draw it (exposed so
// the layout can be checked without a terminal).
std::string PaintMessageBox(const MessageBoxRequest& request, const MessageBoxModel& box,
                            int columns, int rows);

}  // namespace platform
