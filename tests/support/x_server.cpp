#include "tests/support/x_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace testing_support {
namespace {

using Clock = std::chrono::steady_clock;

// Reads the display number Xvfb writes on `fd` once it listens; empty after `seconds`.
std::string ReadDisplayNumber(int fd, int seconds) {
  std::string text;
  const auto deadline = Clock::now() + std::chrono::seconds(seconds);
  while (Clock::now() < deadline && text.find('\n') == std::string::npos) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char buffer[32];
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) break;  // the server ended before it was ready
    text.append(buffer, static_cast<std::size_t>(n));
  }
  std::size_t end = text.find('\n');
  return end == std::string::npos ? std::string() : text.substr(0, end);
}

// True once a client can connect to the server's local socket.
bool Answers(const std::string& number) {
  const std::string path = "/tmp/.X11-unix/X" + number;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  bool ok = connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(fd);
  return ok;
}

void Stop(pid_t pid) {
  kill(pid, SIGTERM);
  const auto deadline = Clock::now() + std::chrono::seconds(3);
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string dirs = path != nullptr ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    std::string candidate = dirs.substr(start, end - start) + "/" + program;
    if (access(candidate.c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

bool XServer::Installed() { return OnPath("Xvfb"); }

XServer::XServer() {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    int ready = dup(fds[1]);  // without close-on-exec: Xvfb writes its number there
    int quiet = open("/dev/null", O_RDWR);
    dup2(quiet, 0);
    dup2(quiet, 1);
    dup2(quiet, 2);
    setsid();
    prctl(PR_SET_PDEATHSIG, SIGKILL);  // a test killed half-way leaves no server behind
    const std::string ready_fd = std::to_string(ready);
    execlp("Xvfb", "Xvfb", "-displayfd", ready_fd.c_str(), "-screen", "0", "1280x800x24",
           "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number = pid_ > 0 ? ReadDisplayNumber(fds[0], 10) : std::string();
  close(fds[0]);
  for (int i = 0; i < 200 && !number.empty() && !Answers(number); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (!number.empty() && Answers(number)) display_ = ":" + number;
}

XServer::~XServer() {
  if (pid_ > 0) Stop(pid_);
}

ChildResult XServer::Tool(const std::vector<std::string>& argv) const {
  std::vector<std::string> bounded = {"timeout", "-s", "KILL", "10"};
  bounded.insert(bounded.end(), argv.begin(), argv.end());
  ChildOptions options;
  options.environment = {"DISPLAY=" + display_};
  return RunChild(bounded, options);
}

}  // namespace testing_support
