#include "platform/display/terminal_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iterator>

#include "platform/kernel/exit_process.h"

namespace platform {
namespace {

// --- What a signal handler and the exit hooks use: plain globals, async-signal-safe work.
constexpr char kEnterScreen[] = "\x1b[?1049h\x1b[?25l\x1b[?1000h\x1b[?1006h";
constexpr char kLeaveScreen[] = "\x1b[?1006l\x1b[?1000l\x1b[0m\x1b[?25h\x1b[?1049l";
constexpr int kGiveUpAfter = 3;

volatile sig_atomic_t screen_changed = 0;  // the alternate screen and mouse are on
volatile sig_atomic_t modes_changed = 0;   // raw mode is on
volatile sig_atomic_t close_signals = 0;
volatile sig_atomic_t resized = 0;
int restore_fd = -1;
struct termios saved_modes;
int wake_pipe[2] = {-1, -1};

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previous_actions[std::size(kEndingSignals)];
struct sigaction previous_winch;
struct sigaction previous_quit;
bool handlers_installed = false;

void PutTerminalBack() {
  if (screen_changed) {
    screen_changed = 0;
    [[maybe_unused]] ssize_t ignored = write(restore_fd, kLeaveScreen, sizeof kLeaveScreen - 1);
  }
  if (modes_changed) {
    modes_changed = 0;
    tcsetattr(restore_fd, TCSANOW, &saved_modes);
  }
}

void Wake() {
  if (wake_pipe[1] >= 0) {
    char byte = 1;
    [[maybe_unused]] ssize_t ignored = write(wake_pipe[1], &byte, 1);
  }
}

void RestoreHandlers() {
  if (!handlers_installed) return;
  handlers_installed = false;
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    sigaction(kEndingSignals[i], &previous_actions[i], nullptr);
  }
  sigaction(SIGWINCH, &previous_winch, nullptr);
  sigaction(SIGQUIT, &previous_quit, nullptr);
}

void OnEndingSignal(int signal_number) {
  if (close_signals + 1 < kGiveUpAfter) {
    close_signals = close_signals + 1;
    Wake();
    return;
  }
  PutTerminalBack();
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    if (kEndingSignals[i] == signal_number) sigaction(signal_number, &previous_actions[i], nullptr);
  }
  raise(signal_number);
}

// Ctrl+\ ends at once, as it always does; the terminal is put back first.
void OnQuit(int) {
  PutTerminalBack();
  sigaction(SIGQUIT, &previous_quit, nullptr);
  raise(SIGQUIT);
}

void OnResize(int) {
  resized = 1;
  Wake();
}

void InstallHandlers() {
  if (handlers_installed) return;
  handlers_installed = true;
  struct sigaction on_end {};
  on_end.sa_handler = &OnEndingSignal;  // no SA_RESTART: a wait returns to look
  sigemptyset(&on_end.sa_mask);
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    sigaction(kEndingSignals[i], &on_end, &previous_actions[i]);
  }
  struct sigaction on_quit {};
  on_quit.sa_handler = &OnQuit;
  sigemptyset(&on_quit.sa_mask);
  sigaction(SIGQUIT, &on_quit, &previous_quit);
  struct sigaction on_resize {};
  on_resize.sa_handler = &OnResize;
  sigemptyset(&on_resize.sa_mask);
  sigaction(SIGWINCH, &on_resize, &previous_winch);
}

void OnExit() {
  PutTerminalBack();
}

void RegisterExitHooks() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  AtProcessExit(&OnExit);
  std::atexit(&OnExit);
}

}  // namespace

bool TerminalSession::Begin(int input, int output, bool full_screen) {
  End();
  input_ = input;
  output_ = output;
  full_screen_ = full_screen;
  if (wake_pipe[0] < 0 && pipe2(wake_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    wake_pipe[0] = wake_pipe[1] = -1;
  }
  RegisterExitHooks();
  close_signals = 0;
  resized = 0;
  InstallHandlers();
  if (full_screen) {
    struct termios modes;
    if (tcgetattr(output, &modes) != 0) {
      RestoreHandlers();
      return false;
    }
    saved_modes = modes;
    restore_fd = output;
    struct termios raw = modes;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    raw.c_cc[VSUSP] = _POSIX_VDISABLE;  // a stopped process would leave the terminal raw
    modes_changed = 1;
    tcsetattr(output, TCSANOW, &raw);
    screen_changed = 1;
    Write(kEnterScreen, sizeof kEnterScreen - 1);
  }
  active_ = true;
  return true;
}

void TerminalSession::End() {
  if (!active_) return;
  active_ = false;
  if (full_screen_) PutTerminalBack();
  RestoreHandlers();
}

bool TerminalSession::Wait(int timeout_ms) {
  struct pollfd fds[2] = {{input_, POLLIN, 0}, {wake_pipe[0], POLLIN, 0}};
  int count = wake_pipe[0] >= 0 ? 2 : 1;
  if (resized) timeout_ms = 0;
  int ready = poll(fds, static_cast<nfds_t>(count), timeout_ms);
  if (ready <= 0) return false;
  if (count == 2 && (fds[1].revents & POLLIN)) {
    char drain[16];
    while (read(wake_pipe[0], drain, sizeof drain) > 0) {
    }
  }
  return (fds[0].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

bool TerminalSession::Write(const char* bytes, std::size_t size) {
  while (size > 0) {
    ssize_t n = write(output_, bytes, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

int TerminalSession::CloseSignals() {
  return close_signals;
}

bool TerminalSession::TakeResize() {
  bool was = resized != 0;
  resized = 0;
  return was;
}

void TerminalSession::Size(int* columns, int* rows) const {
  *columns = 80;
  *rows = 24;
  struct winsize size {};
  if (ioctl(output_, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
    *columns = size.ws_col;
    *rows = size.ws_row;
  }
}

}  // namespace platform
