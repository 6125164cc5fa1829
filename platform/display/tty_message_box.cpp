// The terminal's own message box, for where MessageBoxW cannot make a dialog window: a box
// drawn with ANSI sequences, driven by MessageBoxModel.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/display/terminal_keys.h"
#include "platform/display/tty_driver.h"

namespace platform {
namespace {

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
  // Windows already on the terminal lend their session; otherwise the box opens its own.
  TerminalSession own;
  TerminalSession* session = &session_;
  int fd = -1;
  if (!(session_.active() && session_.full_screen())) {
    fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
      std::fprintf(stderr, "vestralino: no terminal to show the message box on\n");
      return 0;
    }
    if (!own.Begin(fd, fd, true)) {
      close(fd);
      return 0;
    }
    session = &own;
  }
  int answer = 0;
  int signals = TerminalSession::CloseSignals();
  std::string pending;
  bool redraw = true;
  while (answer == 0) {
    if (TerminalSession::CloseSignals() != signals) {
      answer = box.OnCloseRequest();
      signals = TerminalSession::CloseSignals();
      if (answer != 0) break;
    }
    if (redraw || TerminalSession::TakeResize()) {
      int columns = 80, rows = 24;
      session->Size(&columns, &rows);
      std::string screen = PaintMessageBox(request, box, columns, rows);
      session->Write(screen.data(), screen.size());
      redraw = false;
    }
    // A lone ESC is the Escape key unless the rest of a sequence follows at once.
    bool ready = session->Wait(pending.empty() ? 1000 : 50);
    if (ready) {
      char bytes[64];
      ssize_t n = read(session->input(), bytes, sizeof bytes);
      if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
      if (n <= 0) break;  // the terminal went away: the box cannot wait any longer
      pending.append(bytes, static_cast<std::size_t>(n));
    }
    while (!pending.empty() && answer == 0) {
      DecodedKey decoded = DecodeTerminalKey(pending, ready);
      if (decoded.status == DecodeStatus::kNeedMore) break;
      pending.erase(0, decoded.used);
      if (decoded.status != DecodeStatus::kKey) continue;
      int focus_before = box.focus();
      answer = box.OnKey(decoded.key);
      if (box.focus() != focus_before) redraw = true;
    }
  }
  if (session == &own) {
    own.End();
    close(fd);
  } else if (writer_) {
    writer_->Invalidate();
    dirty_ = true;
  }
  return answer;
}

}  // namespace platform
