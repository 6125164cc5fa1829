// A virtual X server for the tests that put the real program on an X display: Xvfb on a free
// display number (it reports the number itself, -displayfd), 1280 x 800 at 24 bits, local
// connections only, stopped when the object goes. Tests skip when Xvfb is not installed.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

#include "tests/support/child_process.h"

namespace testing_support {

class XServer {
 public:
  static bool Installed();

  // Starts the server and waits until it takes connections (at most 10 s); running() tells
  // whether it came up.
  XServer();
  ~XServer();
  XServer(const XServer&) = delete;
  XServer& operator=(const XServer&) = delete;

  bool running() const { return !display_.empty(); }
  const std::string& display() const { return display_; }  // ":N"

  // Runs an X client tool (xdotool, xprop, import...) against this server, killed after
  // 10 s so that a tool waiting for something that never comes cannot hang a test.
  ChildResult Tool(const std::vector<std::string>& argv) const;

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// Whether a program is on the PATH.
bool OnPath(const std::string& program);

}  // namespace testing_support
