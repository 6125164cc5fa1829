#include "platform/display/tty_driver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/display/terminal_keys.h"
#include "platform/kernel/exit_process.h"

namespace platform {
namespace {

// --- Putting the terminal back. Kept in plain globals because a signal handler and the
// process-exit hook use them; everything they do is async-signal-safe.
constexpr char kEnterScreen[] = "\x1b[?1049h\x1b[?25l";
constexpr char kLeaveScreen[] = "\x1b[0m\x1b[?25h\x1b[?1049l";

volatile sig_atomic_t terminal_changed = 0;
int terminal_fd = -1;
struct termios saved_modes;
volatile sig_atomic_t resized = 0;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction previous_actions[std::size(kEndingSignals)];
struct sigaction previous_winch;

void RestoreTerminal() {
  if (!terminal_changed) return;
  terminal_changed = 0;
  [[maybe_unused]] ssize_t ignored = write(terminal_fd, kLeaveScreen, sizeof kLeaveScreen - 1);
  tcsetattr(terminal_fd, TCSANOW, &saved_modes);
}

void OnEndingSignal(int signal_number) {
  RestoreTerminal();
  for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
    if (kEndingSignals[i] == signal_number) sigaction(signal_number, &previous_actions[i], nullptr);
  }
  raise(signal_number);
}

void OnResize(int) {
  resized = 1;
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

// Raw keys, no echo, the whole screen ours for as long as the box is up. Ctrl+C and
// friends still raise their signals (the handlers put the terminal back first);
// suspending is switched off, as a stopped process would leave the terminal raw.
class TerminalSession {
 public:
  explicit TerminalSession(int fd) {
    if (tcgetattr(fd, &saved_modes) != 0) return;
    static bool hook_registered = false;
    if (!hook_registered) {
      AtProcessExit(&RestoreTerminal);
      hook_registered = true;
    }
    terminal_fd = fd;
    struct sigaction on_end {};
    on_end.sa_handler = &OnEndingSignal;
    sigemptyset(&on_end.sa_mask);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      sigaction(kEndingSignals[i], &on_end, &previous_actions[i]);
    }
    struct sigaction on_resize {};
    on_resize.sa_handler = &OnResize;  // no SA_RESTART: the read returns to redraw
    sigemptyset(&on_resize.sa_mask);
    sigaction(SIGWINCH, &on_resize, &previous_winch);

    struct termios raw = saved_modes;
    raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO | IEXTEN);
    raw.c_iflag &= ~static_cast<tcflag_t>(IXON | ICRNL | INLCR | IGNCR);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    raw.c_cc[VSUSP] = _POSIX_VDISABLE;
    terminal_changed = 1;
    tcsetattr(fd, TCSANOW, &raw);
    WriteAll(fd, kEnterScreen);
    ready_ = true;
  }
  ~TerminalSession() {
    if (!ready_) return;
    RestoreTerminal();
    sigaction(SIGWINCH, &previous_winch, nullptr);
    for (std::size_t i = 0; i < std::size(kEndingSignals); ++i) {
      sigaction(kEndingSignals[i], &previous_actions[i], nullptr);
    }
  }
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;
  bool ready() const { return ready_; }

 private:
  bool ready_ = false;
};

// --- Layout

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int Columns(std::string_view utf8) {
  return static_cast<int>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return !IsContinuationByte(c); }));
}

// The longest prefix that fits `columns` cells, cut between characters.
std::string_view FitColumns(std::string_view utf8, int columns) {
  int used = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (IsContinuationByte(utf8[i])) continue;
    if (used == columns) return utf8.substr(0, i);
    ++used;
  }
  return utf8;
}

// Lines end at CR LF, and at a lone LF or CR as well; tabs and other controls become
// blanks so they cannot move the cursor.
std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c;
    }
  }
  return lines;
}

std::string Repeat(std::string_view piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

std::string MoveTo(int row, int column) {
  return "\x1b[" + std::to_string(row) + ";" + std::to_string(column) + "H";
}

}  // namespace

std::string PaintMessageBox(const MessageBoxRequest& request, const MessageBoxModel& box,
                            int columns, int rows) {
  std::vector<std::string> lines = SplitLines(request.text);
  std::string caption = SplitLines(request.caption).front();
  int buttons_width = 0;
  for (const MessageBoxButton& button : box.buttons()) {
    buttons_width += Columns(button.text) + 4 + 2;  // "[ text ]" and a gap
  }
  buttons_width -= 2;

  int inner = std::max(Columns(caption), buttons_width);
  for (const std::string& line : lines) inner = std::max(inner, Columns(line));
  inner = std::clamp(inner + 2, 1, std::max(1, columns - 2));  // a blank each side
  int text_rows = std::clamp(static_cast<int>(lines.size()), 1, std::max(1, rows - 6));
  int height = text_rows + 6;  // border, caption, rule, text, gap, buttons, border
  int top = std::max(1, (rows - height) / 2 + 1);
  int left = std::max(1, (columns - inner - 2) / 2 + 1);

  std::string out = "\x1b[0m\x1b[2J";
  int row = top;
  auto line_at = [&](std::string_view content, std::string_view style = "") {
    std::string_view fitted = FitColumns(content, inner - 2);
    out += MoveTo(row++, left);
    out += "\xe2\x94\x82 ";  // │
    out += style;
    out += fitted;
    out += style.empty() ? "" : "\x1b[0m";
    out += std::string(static_cast<std::size_t>(inner - 2 - Columns(fitted)), ' ');
    out += " \xe2\x94\x82";
  };
  out += MoveTo(row++, left) + "\xe2\x94\x8c" + Repeat("\xe2\x94\x80", inner) + "\xe2\x94\x90";
  line_at(caption, "\x1b[1m");
  out += MoveTo(row++, left) + "\xe2\x94\x9c" + Repeat("\xe2\x94\x80", inner) + "\xe2\x94\xa4";
  for (int i = 0; i < text_rows; ++i) line_at(lines[static_cast<std::size_t>(i)]);
  line_at("");

  // The buttons centred on their row, the focused one in reverse video.
  std::string buttons;
  int pad = std::max(0, (inner - 2 - buttons_width) / 2);
  buttons += std::string(static_cast<std::size_t>(pad), ' ');
  for (std::size_t i = 0; i < box.buttons().size(); ++i) {
    if (i > 0) buttons += "  ";
    bool focused = static_cast<int>(i) == box.focus();
    if (focused) buttons += "\x1b[7m";
    buttons += std::string("[ ") + box.buttons()[i].text + " ]";
    if (focused) buttons += "\x1b[0m";
  }
  out += MoveTo(row++, left) + "\xe2\x94\x82 " + buttons;
  out += MoveTo(row - 1, left + inner + 1) + "\xe2\x94\x82";
  out += MoveTo(row, left) + "\xe2\x94\x94" + Repeat("\xe2\x94\x80", inner) + "\xe2\x94\x98";
  return out;
}

int TtyDriver::RunMessageBox(const MessageBoxRequest& request) {
  MessageBoxModel box(request.style);
  if (!box.valid()) return 0;
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    std::fprintf(stderr, "vestralino: no terminal to show the message box on\n");
    return 0;
  }
  int answer = 0;
  {
    TerminalSession session(fd);
    if (!session.ready()) {
      close(fd);
      return 0;
    }
    std::string pending;
    bool redraw = true;
    while (answer == 0) {
      if (redraw || resized) {
        resized = 0;
        struct winsize size {};
        int columns = 80, rows = 24;
        if (ioctl(fd, TIOCGWINSZ, &size) == 0 && size.ws_col > 0 && size.ws_row > 0) {
          columns = size.ws_col;
          rows = size.ws_row;
        }
        WriteAll(fd, PaintMessageBox(request, box, columns, rows));
        redraw = false;
      }
      // A lone ESC is the Escape key unless the rest of a sequence follows at once.
      int wait_ms = pending.empty() ? -1 : 50;
      struct pollfd ready {
        fd, POLLIN, 0
      };
      int polled = poll(&ready, 1, wait_ms);
      if (polled < 0) {
        if (errno == EINTR) continue;
        break;
      }
      if (polled > 0) {
        char bytes[64];
        ssize_t n = read(fd, bytes, sizeof bytes);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
        if (n <= 0) break;  // the terminal went away: the box cannot wait any longer
        pending.append(bytes, static_cast<std::size_t>(n));
      }
      bool more_may_follow = polled > 0;
      while (!pending.empty() && answer == 0) {
        DecodedKey decoded = DecodeTerminalKey(pending, more_may_follow);
        if (decoded.status == DecodeStatus::kNeedMore) break;
        pending.erase(0, decoded.used);
        if (decoded.status != DecodeStatus::kKey) continue;
        int focus_before = box.focus();
        answer = box.OnKey(decoded.key);
        if (box.focus() != focus_before) redraw = true;
      }
    }
  }
  close(fd);
  return answer;
}

void TtyDriver::WindowShown(const TopLevelWindowInfo& info) {
  if (info.message_box || (info.style & WS_CHILD) != 0 || info.owner != nullptr) return;
  std::fprintf(stderr,
               "vestralino: the window \"%s\" cannot be shown in a terminal yet; it is closed "
               "(run it on an X display, or headless with VESTRALINO_SCRIPT)\n",
               info.title.c_str());
  to_close_.push_back(info.window);
}

bool TtyDriver::PollInput(InputEvent* event) {
  if (to_close_.empty()) return false;
  *event = InputEvent{};
  event->kind = InputKind::kCloseRequest;
  event->window = to_close_.front();
  to_close_.erase(to_close_.begin());
  return true;
}

}  // namespace platform
