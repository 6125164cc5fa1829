// A private X server for a test: Xvfb on a display number of its own choosing, DISPLAY
// pointing at it while the object lives. Tests skip when Xvfb is not installed.
#pragma once

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

class XvfbServer {
 public:
  // Starts `Xvfb -displayfd` with one screen of `geometry` ("640x480x24"); running() tells
  // whether it answered.
  explicit XvfbServer(const char* geometry = "640x480x24") {
    const char* previous = std::getenv("DISPLAY");
    if (previous != nullptr) previous_ = previous, had_previous_ = true;
    if (access("/usr/bin/Xvfb", X_OK) != 0) return;
    int ends[2];
    if (pipe(ends) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      prctl(PR_SET_PDEATHSIG, SIGTERM);  // a test that crashes takes its server with it
      close(ends[0]);
      int null = open("/dev/null", O_RDWR);
      dup2(null, STDOUT_FILENO);
      dup2(null, STDERR_FILENO);
      std::string fd = std::to_string(ends[1]);
      execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", geometry,
            "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(ends[1]);
    char number[32] = {};
    std::size_t got = 0;
    while (got < sizeof number - 1) {
      ssize_t n = read(ends[0], number + got, sizeof number - 1 - got);
      if (n <= 0) break;
      got += static_cast<std::size_t>(n);
      if (number[got - 1] == '\n') break;
    }
    close(ends[0]);
    if (got == 0) {
      Stop();
      return;
    }
    display_ = ":" + std::string(number, number[got - 1] == '\n' ? got - 1 : got);
    setenv("DISPLAY", display_.c_str(), 1);
  }
  ~XvfbServer() {
    Stop();
    if (had_previous_) {
      setenv("DISPLAY", previous_.c_str(), 1);
    } else {
      unsetenv("DISPLAY");
    }
  }
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  bool running() const { return !display_.empty(); }
  const std::string& display() const { return display_; }

  // Ends the server (a display going away under a program).
  void Stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

 private:
  pid_t pid_ = -1;
  std::string display_;
  std::string previous_;
  bool had_previous_ = false;
};

#define SKIP_WITHOUT_XVFB(server)                                    \
  do {                                                               \
    if (!(server).running()) GTEST_SKIP() << "Xvfb is not available"; \
  } while (0)
