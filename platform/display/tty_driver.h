// The display in a terminal. Every top-level window is drawn from the window tree in
// cells (window_cells.h, window_painter.h) on the alternate screen of the controlling
// terminal, in raw mode; keys and mouse clicks become input for the active window, and
// SIGINT, SIGTERM and SIGHUP its close requests. Where the terminal cannot show the
// windows (TERM=dumb, too small for them) or input is not a terminal, each window is
// asked line by line instead (line_prompts.h). Without any terminal or input, a window is
// announced on stderr and asked to close: it must not wait unseen for keys that never
// come. The terminal is put back when the last window goes, at exit and on signals.
//
// RunMessageBox draws a box of its own: message boxes come through it only where windows
// cannot be made (MessageBoxW shows a dialog window otherwise).
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/display/display_driver.h"
#include "platform/display/line_prompts.h"
#include "platform/display/message_box_model.h"
#include "platform/display/terminal_keys.h"
#include "platform/display/terminal_session.h"
#include "platform/display/terminal_writer.h"
#include "platform/display/window_cells.h"

namespace platform {

class TtyDriver : public DisplayDriver {
 public:
  TtyDriver();
  ~TtyDriver() override;

  DisplayKind kind() const override { return DisplayKind::kTty; }
  int RunMessageBox(const MessageBoxRequest& request) override;

  void WindowShown(const TopLevelWindowInfo& info) override;
  void WindowChanged(const TopLevelWindowInfo& info) override;
  void WindowPainted(HWND window, const RECT& damaged, const gdi::PixelSurface& pixels) override;
  void WindowActivated(HWND window) override;
  void WindowHidden(HWND window) override;
  bool PollInput(InputEvent* event) override;
  void WaitForInput(DWORD timeout_ms) override;
  bool InputEnded() const override { return input_ended_ && pending_.empty() && bytes_.empty(); }

 private:
  enum class Mode { kNone, kScreen, kPrompts, kClosing };

  void Start();
  void Stop();
  void Service(bool may_read);
  void ReadInput();
  void Decode(bool more_may_follow);
  void TakeLines();
  void OnMouse(const TerminalMouse& mouse);
  void Render();
  void SwitchToPrompts(const char* why);
  void Prompt();
  void OnLine(const std::string& line);
  void Say(std::string_view text);
  std::vector<HWND> BottomToTop() const;

  Mode mode_ = Mode::kNone;
  TerminalSession session_;
  int tty_fd_ = -1;  // the controlling terminal, when opened
  std::unique_ptr<TerminalWriter> writer_;
  ScreenLayout layout_;
  std::vector<HWND> shown_;
  std::deque<InputEvent> pending_;
  std::string bytes_;  // read, not yet decoded
  bool dirty_ = false;
  bool rendering_ = false;  // WindowPainted from our own reading back is no news
  bool input_ended_ = false;
  int signals_taken_ = 0;
  bool spanish_ = false;
  // Line prompts: the window asked, its questions and the one asked now.
  HWND asked_window_ = nullptr;
  std::vector<Question> questions_;
  std::size_t question_ = 0;
  int idle_polls_ = 0;
  bool said_anything_ = false;
  bool prompts_only_ = false;  // the terminal proved too small
};

// The screen of a box, `columns` x `rows` cells, as the bytes that draw it (exposed so
// the layout can be checked without a terminal).
std::string PaintMessageBox(const MessageBoxRequest& request, const MessageBoxModel& box,
                            int columns, int rows);

}  // namespace platform
