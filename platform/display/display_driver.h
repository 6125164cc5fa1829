// The display: where windows and message boxes appear and where input comes from.
//
// One interface, several backends, one factory. The backend is chosen once per process
// by VESTRALINO_DISPLAY (x11, tty or headless); without it: x11 when an X display is
// reachable, else tty when stdin and stdout are terminals, else headless. A backend that
// is asked for but cannot work here gives way to the next in that order.
//
// Contract of every backend:
// - Calls come from the thread that owns the box; they block it until the box is done.
// - RunMessageBox shows a modal box with the request's caption, its text split into
//   lines at CR LF, and the buttons of the style's type, the default button focused; it
//   follows the input rules of MessageBoxModel and returns the id of the chosen button,
//   or 0 when the box cannot be shown or can no longer wait (no terminal, script used
//   up). It never hangs on a closed input.
// - Whatever a backend changes in the user's surroundings (terminal modes, the screen)
//   is put back before it returns, and also when the process ends or is interrupted.
// - Backends do not write the transcript's message-box lines: MessageBoxW does, the
//   same way for all of them.
#pragma once

#include <memory>
#include <string>

#include "platform/win32.h"

namespace platform {

class Transcript;

struct MessageBoxRequest {
  std::string caption;  // UTF-8
  std::string text;     // UTF-8, lines separated by CR LF
  UINT style = MB_OK;   // its type names a known button set
};

enum class DisplayKind { kX11, kTty, kHeadless };

class DisplayDriver {
 public:
  virtual ~DisplayDriver() = default;
  virtual DisplayKind kind() const = 0;
  virtual int RunMessageBox(const MessageBoxRequest& request) = 0;

  // The factory: the backend for this process's surroundings. `transcript` outlives it.
  static std::unique_ptr<DisplayDriver> Create(Transcript& transcript);
};

// The choice itself. `requested` is VESTRALINO_DISPLAY (null when unset); an unknown
// value counts as unset.
DisplayKind ChooseDisplayKind(const char* requested, bool x11_usable, bool in_terminal);

}  // namespace platform
