// One run of the real program on an X server, driven as a user drives it: xdotool finds its
// windows, moves the pointer, clicks and types (XTEST input, as from a keyboard), xprop reads
// window properties back, import takes pictures. The program runs from a sandbox copy with a
// fake date (libfaketime preloaded into the program itself, so its pid is the one that
// started, and monotonic clocks left real) and writes a transcript.
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/json.h"
#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_server.h"

namespace testing_support {

struct XGeometry {
  int x = 0, y = 0, width = 0, height = 0;  // root coordinates
};

class XRun {
 public:
  // Starts the program now. `environment` adds NAME=VALUE entries (e.g. LANG).
  XRun(const XServer& server, const Sandbox& box, const std::string& date,
       const std::vector<std::string>& environment = {});
  ~XRun();  // a program still running is killed

  pid_t pid() const { return child_->pid(); }
  const std::string& transcript_path() const { return transcript_path_; }

  // The mapped window whose name is exactly `name`, as xdotool prints its id (decimal),
  // waiting up to 10 s; empty when none came.
  std::string WaitForWindow(const std::string& name) const;
  // The first transcript "window" line of that class, waiting up to 10 s.
  std::optional<Json> WaitForTranscriptWindow(const std::string& class_name) const;
  std::optional<Json> WaitForTranscriptMessageBox() const;
  std::optional<XGeometry> Geometry(const std::string& window) const;

  // A left click at (x, y) of the window's own coordinates (for a top-level window: its
  // client area), the pointer moved there first.
  void Click(const std::string& window, int x, int y) const;
  // Gives the window the input focus, then presses and releases each key (xdotool names).
  void Keys(const std::string& window, const std::vector<std::string>& keys) const;
  // xprop's text for one property (without type names), e.g. "WM_NAME = \"Vestralino\"".
  std::string Property(const std::string& window, const std::string& name) const;
  // The window's pixels as 0xRRGGBB, row by row; empty when the picture could not be taken.
  std::vector<std::uint32_t> Picture(const std::string& window, const XGeometry& size) const;

  // Whether the program ended within `ms`.
  bool EndsWithin(int ms) const;
  // Waits up to 10 s for the program to end (then kills it: exit code 137) and collects it.
  RunOutcome Finish();

 private:
  const XServer& server_;
  std::unique_ptr<Child> child_;
  std::string transcript_path_;
  bool finished_ = false;
};

// The environment of a run on `display`: the x11 display asked for, a transcript, the date
// faked for the program alone. Also used for runs that must not find a display.
std::vector<std::string> XRunEnvironment(const std::string& display, const std::string& date,
                                         const std::string& transcript_path);

// xdotool's decimal window id as the hexadecimal form xprop prints ("0x400001").
std::string HexWindowId(const std::string& decimal_id);

}  // namespace testing_support
