// The terminal while windows are shown on it: raw keys, the alternate screen and mouse
// reports (full screen), or the terminal as it is (line prompts). What it changes is put
// back when the session ends, and also when the process exits (ExitProcess, exit) or a
// signal ends it: the terminal is never left raw.
//
// SIGINT, SIGTERM and SIGHUP become close requests while a session is on (CloseSignals);
// a third one before the program has ended gives up: the terminal is put back and the
// signal does what it did before. SIGWINCH marks the screen for a new size. Both also wake
// whoever waits in Wait.
#pragma once

#include "platform/win32.h"

namespace platform {

class TerminalSession {
 public:
  TerminalSession() = default;
  ~TerminalSession() { End(); }
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // `input` is read, `output` written; full screen switches `output`'s terminal to raw
  // mode and the alternate screen. False when the terminal's modes cannot be read.
  bool Begin(int input, int output, bool full_screen);
  void End();
  bool active() const { return active_; }
  bool full_screen() const { return full_screen_; }
  int input() const { return input_; }
  int output() const { return output_; }

  // Waits until input is ready, a signal came or `timeout_ms` passed (negative: no limit).
  // True when input may be read.
  bool Wait(int timeout_ms);
  // Writes all of `bytes`; false once the terminal is gone.
  bool Write(const char* bytes, std::size_t size);

  // Ending signals since the session began.
  static int CloseSignals();
  static bool TakeResize();
  // The terminal's size in cells (80 x 24 when it does not say).
  void Size(int* columns, int* rows) const;

 private:
  bool active_ = false;
  bool full_screen_ = false;
  int input_ = -1;
  int output_ = -1;
};

}  // namespace platform
