#include "platform/display/tty_driver.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "platform/display/calendar_cells.h"
#include "platform/display/key_strokes.h"
#include "platform/display/terminal_keys.h"
#include "platform/display/window_painter.h"
#include "platform/kernel/user_language.h"

namespace platform {
namespace {

// A lone ESC waits this long for the rest of a sequence.
constexpr int kEscapeWaitMs = 30;
// Empty polls in a row after which a program counts as waiting (line prompts).
constexpr int kIdlePollsBeforeAsking = 2;

bool DumbTerminal() {
  const char* term = std::getenv("TERM");
  return term == nullptr || *term == '\0' || std::string_view(term) == "dumb";
}

bool Usable(int fd) {
  return fcntl(fd, F_GETFD) != -1;
}

}  // namespace

TtyDriver::TtyDriver() : spanish_(UserLanguageIsSpanish()) {}

TtyDriver::~TtyDriver() {
  Stop();
}

void TtyDriver::Start() {
  if (mode_ != Mode::kNone) return;
  // Answers piped in are taken line by line, whatever terminal is around.
  bool piped = isatty(STDIN_FILENO) != 1 && Usable(STDIN_FILENO);
  if (!DumbTerminal() && !prompts_only_ && !piped) {
    tty_fd_ = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (tty_fd_ >= 0) {
      if (session_.Begin(tty_fd_, tty_fd_, true)) {
        mode_ = Mode::kScreen;
        writer_ = std::make_unique<TerminalWriter>(TraitsFromEnvironment());
        dirty_ = true;
        return;
      }
      close(tty_fd_);
      tty_fd_ = -1;
    }
  }
  // Line by line on standard input and output.
  if (Usable(STDIN_FILENO) && session_.Begin(STDIN_FILENO, STDOUT_FILENO, false)) {
    mode_ = Mode::kPrompts;
    dirty_ = true;
    return;
  }
  mode_ = Mode::kClosing;
  input_ended_ = true;
}

void TtyDriver::Stop() {
  session_.End();
  if (tty_fd_ >= 0) close(tty_fd_);
  tty_fd_ = -1;
  writer_.reset();
  // Lines typed ahead wait for the next window; half a key sequence does not.
  if (mode_ == Mode::kScreen) bytes_.clear();
  mode_ = Mode::kNone;
  asked_window_ = nullptr;
}

void TtyDriver::WindowShown(const TopLevelWindowInfo& info) {
  if ((info.style & WS_CHILD) != 0) return;
  if (std::find(shown_.begin(), shown_.end(), info.window) == shown_.end()) {
    shown_.push_back(info.window);
  }
  Start();
  if (mode_ == Mode::kClosing) {
    std::fprintf(stderr,
                 "vestralino: no terminal and no input for the window \"%s\"; it is closed "
                 "(run it in a terminal, on an X display, or headless with VESTRALINO_SCRIPT)\n",
                 info.title.c_str());
  }
  dirty_ = true;
}

void TtyDriver::WindowChanged(const TopLevelWindowInfo&) {
  dirty_ = true;
}

// Reading the screen back (GetDC, GetPixel) while drawing counts as painting too: it must
// not ask for yet another drawing.
void TtyDriver::WindowPainted(HWND, const RECT&, const gdi::PixelSurface&) {
  if (!rendering_) dirty_ = true;
}

void TtyDriver::WindowActivated(HWND) {
  dirty_ = true;
}

void TtyDriver::WindowHidden(HWND window) {
  shown_.erase(std::remove(shown_.begin(), shown_.end(), window), shown_.end());
  if (window == asked_window_) {
    asked_window_ = nullptr;
    if (mode_ == Mode::kPrompts) Say("\n");
  }
  dirty_ = true;
  // The last window gone: the terminal is the user's again.
  if (shown_.empty() && mode_ != Mode::kClosing) Stop();
}

std::vector<HWND> TtyDriver::BottomToTop() const {
  struct Collect {
    const std::vector<HWND>* shown;
    std::vector<HWND> order;
  } collect{&shown_, {}};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* c = reinterpret_cast<Collect*>(data);
        if (std::find(c->shown->begin(), c->shown->end(), window) != c->shown->end()) {
          c->order.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&collect));
  // Windows the enumeration missed keep the order they came in.
  for (HWND window : shown_) {
    if (std::find(collect.order.begin(), collect.order.end(), window) == collect.order.end()) {
      collect.order.insert(collect.order.begin(), window);
    }
  }
  std::reverse(collect.order.begin(), collect.order.end());
  return collect.order;
}

void TtyDriver::Say(std::string_view text) {
  if (!session_.active() || text.empty()) return;
  session_.Write(text.data(), text.size());
  said_anything_ = true;
}

bool TtyDriver::PollInput(InputEvent* event) {
  Service(true);
  if (pending_.empty() && input_ended_ && bytes_.empty() && !shown_.empty()) {
    *event = InputEvent{};
    event->kind = InputKind::kScriptEnded;
    return true;
  }
  if (pending_.empty()) {
    ++idle_polls_;
    if (mode_ == Mode::kPrompts) Prompt();
    return false;
  }
  idle_polls_ = 0;
  *event = pending_.front();
  pending_.pop_front();
  return true;
}

void TtyDriver::WaitForInput(DWORD timeout_ms) {
  if (!pending_.empty() || (input_ended_ && bytes_.empty())) return;
  if (dirty_) Service(false);
  if (mode_ == Mode::kPrompts) {
    idle_polls_ = kIdlePollsBeforeAsking;  // a blocking wait is waiting
    Prompt();
  }
  if (!session_.active()) {
    DisplayDriver::WaitForInput(timeout_ms);
    return;
  }
  int wait = timeout_ms == INFINITE ? -1 : static_cast<int>(std::min<DWORD>(timeout_ms, 1 << 30));
  if (!bytes_.empty()) wait = std::min(wait < 0 ? kEscapeWaitMs : wait, kEscapeWaitMs);
  session_.Wait(wait);
}

void TtyDriver::Service(bool may_read) {
  if (mode_ == Mode::kNone || mode_ == Mode::kClosing) return;
  while (signals_taken_ < TerminalSession::CloseSignals()) {
    ++signals_taken_;
    InputEvent close;
    close.kind = InputKind::kCloseRequest;
    pending_.push_back(close);  // to the active window
  }
  if (TerminalSession::TakeResize() && writer_) {
    writer_->Invalidate();
    dirty_ = true;
  }
  if (may_read || !bytes_.empty()) ReadInput();
  if (dirty_ && mode_ == Mode::kScreen) Render();
}

void TtyDriver::ReadInput() {
  bool ready = session_.Wait(0);
  if (ready) {
    char buffer[256];
    ssize_t n = read(session_.input(), buffer, sizeof buffer);
    if (n > 0) {
      bytes_.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
      input_ended_ = true;  // the terminal or the input went away
    }
  }
  if (mode_ == Mode::kPrompts) {
    TakeLines();
    return;
  }
  Decode(ready);
}

// Lines typed ahead wait for their question.
void TtyDriver::TakeLines() {
  while (asked_window_ != nullptr) {
    std::size_t end = bytes_.find('\n');
    if (end == std::string::npos && !(input_ended_ && !bytes_.empty())) return;
    std::string line = bytes_.substr(0, end);
    bytes_.erase(0, end == std::string::npos ? bytes_.size() : end + 1);
    OnLine(line);
  }
}

void TtyDriver::Decode(bool more_may_follow) {
  while (!bytes_.empty()) {
    DecodedKey decoded = DecodeTerminalKey(bytes_, more_may_follow);
    if (decoded.status == DecodeStatus::kNeedMore) break;
    bytes_.erase(0, std::max<std::size_t>(1, decoded.used));
    if (decoded.status == DecodeStatus::kMouse) {
      OnMouse(decoded.mouse);
    } else if (decoded.status == DecodeStatus::kKey) {
      for (const InputEvent& e : KeyStrokes(decoded.key, Layout())) pending_.push_back(e);
    }
  }
}

void TtyDriver::OnMouse(const TerminalMouse& mouse) {
  if ((mouse.button & 32) != 0) return;  // motion
  int column = mouse.column - 1, row = mouse.row - 1;
  const WindowView* window = layout_.WindowAt(column, row);
  if (window == nullptr) return;
  InputEvent event;
  event.window = window->window;
  if ((mouse.button & 64) != 0) {
    if (!mouse.pressed) return;
    event.kind = InputKind::kMouseWheel;
    event.wheel_delta = (mouse.button & 1) != 0 ? -WHEEL_DELTA : WHEEL_DELTA;
    event.point = layout_.ScreenPointOf(*window, column, row);
    pending_.push_back(event);
    return;
  }
  // The close box of the caption.
  if (window->caption && row == window->frame.top && column >= window->frame.right - 4 &&
      column < window->frame.right - 1) {
    if (!mouse.pressed) {
      event.kind = InputKind::kCloseRequest;
      pending_.push_back(event);
    }
    return;
  }
  int button = mouse.button & 3;
  event.button = button == 1   ? MouseButton::kMiddle
                 : button == 2 ? MouseButton::kRight
                               : MouseButton::kLeft;
  event.kind = mouse.pressed ? InputKind::kMouseDown : InputKind::kMouseUp;
  event.point = layout_.ScreenPointOf(*window, column, row);
  const ControlView* control = layout_.ControlAt(*window, column, row);
  if (control != nullptr && control->kind == ControlKind::kCalendar) {
    CalendarSpot spot = CalendarSpotAt(control->cells, ReadCalendar(control->window), column, row);
    POINT point{};
    if (!FindCalendarPoint(control->window, spot, &point)) return;
    ClientToScreen(control->window, &point);
    event.point = point;
  }
  pending_.push_back(event);
}

void TtyDriver::Render() {
  dirty_ = false;
  if (!writer_) return;
  int columns = 80, rows = 24;
  session_.Size(&columns, &rows);
  layout_ = LayOutWindows(ReadWindows(BottomToTop(), GetActiveWindow()), columns, rows);
  if (!layout_.fits) {
    SwitchToPrompts("the terminal is too small for the window");
    return;
  }
  CellCanvas canvas(columns, rows,
                    writer_->traits().utf8 ? CellGlyphs::Unicode() : CellGlyphs::Ascii());
  rendering_ = true;
  PaintedCursor cursor = PaintWindows(canvas, layout_, GetFocus());
  rendering_ = false;
  dirty_ = false;
  std::string frame = writer_->Frame(canvas, cursor);
  if (!session_.Write(frame.data(), frame.size())) input_ended_ = true;
}

void TtyDriver::SwitchToPrompts(const char* why) {
  session_.End();
  writer_.reset();
  layout_ = ScreenLayout{};
  prompts_only_ = true;
  if (!session_.Begin(tty_fd_, tty_fd_, false)) {
    mode_ = Mode::kClosing;
    input_ended_ = true;
    return;
  }
  mode_ = Mode::kPrompts;
  bytes_.clear();
  std::string note = std::string("vestralino: ") + why + "; answer line by line\n";
  Say(note);
  idle_polls_ = kIdlePollsBeforeAsking;
  Prompt();
}

void TtyDriver::Prompt() {
  dirty_ = false;
  if ((input_ended_ && bytes_.empty()) || !pending_.empty()) return;
  // The active window is asked; without one, the topmost.
  HWND window = GetActiveWindow();
  if (window == nullptr || std::find(shown_.begin(), shown_.end(), window) == shown_.end()) {
    std::vector<HWND> order = BottomToTop();
    window = order.empty() ? nullptr : order.back();
  }
  if (window == nullptr) return;
  if (window == asked_window_) return;  // still waiting for its answer
  if (idle_polls_ < kIdlePollsBeforeAsking) return;
  std::vector<std::string> preamble;
  questions_ = QuestionsFor(window, spanish_, &preamble);
  asked_window_ = window;
  question_ = 0;
  int length = GetWindowTextLengthW(window);
  std::u16string title(static_cast<std::size_t>(std::max(0, length)) + 1, u'\0');
  GetWindowTextW(window, title.data(), length + 1);
  title.resize(static_cast<std::size_t>(std::max(0, length)));
  std::string text;
  for (char32_t c : Utf32FromUtf16(title)) AppendUtf8(text, c);
  // A blank line between one window's questions and the next's.
  text = (said_anything_ ? "\n" : "") + text + "\n";
  for (const std::string& line : preamble) text += line + "\n";
  if (questions_.empty()) {
    Question close;
    close.kind = QuestionKind::kButtons;
    close.prompt = spanish_ ? "[Intro para cerrar] " : "[Enter to close] ";
    questions_.push_back(close);
  }
  text += questions_.front().prompt;
  Say(text);
  TakeLines();
}

void TtyDriver::OnLine(const std::string& line) {
  if (asked_window_ == nullptr || !IsWindow(asked_window_) || question_ >= questions_.size()) {
    asked_window_ = nullptr;
    return;
  }
  // Answers that come from a file or a pipe are shown, so the dialogue reads as one.
  if (isatty(session_.input()) != 1) Say(line + "\n");
  const Question& question = questions_[question_];
  if (question.kind == QuestionKind::kButtons && question.ids.empty()) {
    InputEvent close;
    close.kind = InputKind::kCloseRequest;
    close.window = asked_window_;
    pending_.push_back(close);
    asked_window_ = nullptr;
    return;
  }
  AnswerResult result = Answer(question, line, spanish_);
  if (!result.accepted) {
    Say(result.complaint + "\n" + question.prompt);
    return;
  }
  if (result.click) pending_.push_back(*result.click);
  if (++question_ < questions_.size()) {
    Say(questions_[question_].prompt);
    return;
  }
  asked_window_ = nullptr;  // asked again if it is still there when the program next waits
  idle_polls_ = 0;
}

}  // namespace platform
