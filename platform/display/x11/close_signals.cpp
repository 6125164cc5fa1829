#include "platform/display/x11/close_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <iterator>

namespace platform::x11 {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
struct sigaction previous[std::size(kSignals)];
int pipe_ends[2] = {-1, -1};
std::atomic<bool> arrived{false};

void OnSignal(int) {
  int saved = errno;
  arrived = true;
  char byte = 1;
  if (pipe_ends[1] >= 0) {
    [[maybe_unused]] ssize_t written = write(pipe_ends[1], &byte, 1);
  }
  errno = saved;
}

}  // namespace

CloseSignals::CloseSignals() {
  if (pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0) pipe_ends[0] = pipe_ends[1] = -1;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &previous[i]);
}

CloseSignals::~CloseSignals() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &previous[i], nullptr);
  for (int& end : pipe_ends) {
    if (end >= 0) close(end);
    end = -1;
  }
  arrived = false;
}

int CloseSignals::fd() const { return pipe_ends[0]; }

bool CloseSignals::pending() const { return arrived.load(); }

bool CloseSignals::Take() {
  if (!arrived.exchange(false)) return false;
  char drain[64];
  while (pipe_ends[0] >= 0 && read(pipe_ends[0], drain, sizeof drain) > 0) {
  }
  return true;
}

}  // namespace platform::x11
