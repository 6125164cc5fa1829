// The program in a real terminal: tmux with a fixed 80 x 24 window, driven with send-keys
// and read back with capture-pane, compared with golden text (written afresh where missing
// or when VESTRALINO_UPDATE_GOLDEN is set). Skipped where tmux is not installed.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::LogRecord;
using testing_support::PathExists;
using testing_support::ReadBytes;
using testing_support::Sandbox;

constexpr char kToday[] = "2026-12-07 10:00:00";

std::string Quoted(const std::string& text) {
  std::string out = "'";
  for (char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The output of a shell command.
std::string Shell(const std::string& command, int* status = nullptr) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return out;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
  int result = pclose(pipe);
  if (status != nullptr) *status = result;
  return out;
}

bool HaveTmux() {
  return Shell("command -v tmux >/dev/null 2>&1 && echo yes") == "yes\n";
}

// A tmux server of its own, with one 80 x 24 session running `command`.
class Terminal {
 public:
  explicit Terminal(const std::string& command) {
    static int count = 0;
    socket_ = "vestralino-test-" + std::to_string(getpid()) + "-" + std::to_string(++count);
    Tmux("-f /dev/null new-session -d -x 80 -y 24 -s run " + Quoted(command));
    Tmux("set-option -t run remain-on-exit on");
  }
  ~Terminal() { Tmux("kill-server"); }

  std::string Tmux(const std::string& arguments, int* status = nullptr) const {
    return Shell("tmux -L " + socket_ + " " + arguments + " 2>/dev/null", status);
  }
  // The pane's text, without tmux's own note once the program has ended.
  std::string Screen() const {
    std::string screen = Tmux("capture-pane -p -t run");
    std::size_t note = screen.find("Pane is dead");
    if (note != std::string::npos) screen.erase(note, screen.find('\n', note) + 1 - note);
    return screen;
  }
  // Everything the pane has shown, its scrolled-off lines included, without the blank lines
  // after the last: what line-by-line questions leave.
  std::string Dialogue() const {
    std::string text = Tmux("capture-pane -p -S - -t run");
    std::size_t note = text.find("Pane is dead");
    if (note != std::string::npos) text.erase(note);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text + "\n";
  }
  // Where `text` first shows: 1-based column and row; {0, 0} when it does not.
  std::pair<int, int> Find(const std::string& text) const {
    std::istringstream lines(Screen());
    std::string line;
    for (int row = 1; std::getline(lines, line); ++row) {
      std::size_t at = line.find(text);
      if (at == std::string::npos) continue;
      int column = 1;  // count characters, not bytes
      for (std::size_t i = 0; i < at; ++i)
        column += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
      return {column, row};
    }
    return {0, 0};
  }
  // A left click as the terminal reports it (SGR 1006): press and release.
  void Click(std::pair<int, int> cell) const {
    std::string at = std::to_string(cell.first) + ";" + std::to_string(cell.second);
    Tmux("send-keys -t run -l " + Quoted("\x1b[<0;" + at + "M\x1b[<0;" + at + "m"));
  }
  void Keys(const std::string& keys) const { Tmux("send-keys -t run " + keys); }
  bool Dead() const { return Tmux("display-message -p -t run '#{pane_dead}'") == "1\n"; }

  // Waits up to 10 s for the screen to show `text` (or, with `gone`, to stop showing it).
  bool WaitFor(const std::string& text, bool gone = false) const {
    for (int i = 0; i < 200; ++i) {
      bool shown = Screen().find(text) != std::string::npos;
      if (shown != gone) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // let it settle
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  bool WaitForChange(const std::string& before) const {
    for (int i = 0; i < 200; ++i) {
      if (Screen() != before) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
  }
  bool WaitUntilDead() const {
    for (int i = 0; i < 200 && !Dead(); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return Dead();
  }

 private:
  std::string socket_;
};

// Sanitizer builds: libfaketime is preloaded ahead of the AddressSanitizer runtime,
// which AddressSanitizer refuses unless told that the order is fine. The tmux server does
// not pass on the test's environment, so the options travel in the command.
std::string SanitizerOptions() {
  const char* asan = std::getenv("ASAN_OPTIONS");
  std::string options = asan != nullptr && *asan != '\0' ? std::string(asan) + ":" : "";
  return "ASAN_OPTIONS=" + Quoted(options + "verify_asan_link_order=0") + " ";
}

std::string FakeDate() {
  std::string words;
  for (const auto& entry : testing_support::FakeDateEnvironment(kToday)) words += Quoted(entry) + " ";
  return words;
}

std::string ProgramCommand(const Sandbox& box, const std::string& extra = "") {
  return "cd " + Quoted(box.dir()) +
         " && env VESTRALINO_DISPLAY=tty LANG=es_ES.UTF-8 LC_ALL= FAKETIME_DONT_FAKE_MONOTONIC=1 " +
         SanitizerOptions() + extra + " " + FakeDate() + "./vestralino";
}

void ExpectGolden(const std::string& name, const std::string& screen) {
  std::filesystem::path path = std::filesystem::path(VESTRALINO_SOURCE_DIR) / "tests/e2e/golden" / name;
  std::ifstream in(path, std::ios::binary);
  if (std::getenv("VESTRALINO_UPDATE_GOLDEN") != nullptr) {
    std::ofstream(path, std::ios::binary) << screen;
    std::printf("wrote %s\n", path.c_str());
    return;
  }
  ASSERT_TRUE(in) << "no stored screen " << path << " (VESTRALINO_UPDATE_GOLDEN=1 writes it)";
  std::stringstream stored;
  stored << in.rdbuf();
  EXPECT_EQ(stored.str(), screen) << "screen:\n" << screen;
}

class TerminalRun : public testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTmux()) GTEST_SKIP() << "tmux is not installed";
  }
};

TEST_F(TerminalRun, FirstRunDrivenByKeys) {
  Sandbox box;
  Terminal terminal(ProgramCommand(box));
  ASSERT_TRUE(terminal.WaitFor("Aceptar")) << terminal.Screen();
  ExpectGolden("tty_first_run.txt", terminal.Screen());
  // F4 drops the calendar down; Escape takes it away again.
  terminal.Keys("F4");
  ASSERT_TRUE(terminal.WaitFor("Hoy:")) << terminal.Screen();
  ExpectGolden("tty_first_run_calendar.txt", terminal.Screen());
  terminal.Keys("Escape");
  ASSERT_TRUE(terminal.WaitFor("Hoy:", true)) << terminal.Screen();
  // Tab to Aceptar, Enter: the first record.
  terminal.Keys("Tab");
  terminal.Keys("Tab");
  ASSERT_TRUE(terminal.WaitFor("[>Aceptar<]")) << terminal.Screen();
  terminal.Keys("Enter");
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  EXPECT_EQ(box.Log(), LogRecord("07/12/2026", "07/12/2026"));
}

TEST_F(TerminalRun, ADayPickedFromTheCalendarWithTheKeyboard) {
  Sandbox box;
  Terminal terminal(ProgramCommand(box));
  ASSERT_TRUE(terminal.WaitFor("Aceptar")) << terminal.Screen();
  terminal.Keys("M-Down");  // Alt+Down drops the calendar down too
  ASSERT_TRUE(terminal.WaitFor("Hoy:")) << terminal.Screen();
  terminal.Keys("Up");  // a week back
  terminal.Keys("Enter");
  ASSERT_TRUE(terminal.WaitFor("30/11/2026")) << terminal.Screen();
  terminal.Keys("Tab");
  terminal.Keys("Tab");
  terminal.Keys("Enter");
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  EXPECT_EQ(box.Log(), LogRecord("07/12/2026", "30/11/2026"));
}

TEST_F(TerminalRun, ClicksPickADayAndPressAceptar) {
  Sandbox box;
  Terminal terminal(ProgramCommand(box));
  ASSERT_TRUE(terminal.WaitFor("Aceptar")) << terminal.Screen();
  std::pair<int, int> arrow = terminal.Find("\u25bc");  // the picker's drop-down button
  ASSERT_NE(arrow.first, 0);
  terminal.Click(arrow);
  ASSERT_TRUE(terminal.WaitFor("Hoy:")) << terminal.Screen();
  std::pair<int, int> day = terminal.Find(" 30 ");  // 30 November, in the first week
  ASSERT_NE(day.first, 0) << terminal.Screen();
  terminal.Click({day.first + 2, day.second});
  ASSERT_TRUE(terminal.WaitFor("30/11/2026")) << terminal.Screen();
  ASSERT_TRUE(terminal.WaitFor("Hoy:", true)) << terminal.Screen();
  std::pair<int, int> accept = terminal.Find("Aceptar");
  terminal.Click({accept.first + 1, accept.second});
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  EXPECT_EQ(box.Log(), LogRecord("07/12/2026", "30/11/2026"));
}

TEST_F(TerminalRun, TheCloseBoxClosesTheDialog) {
  Sandbox box;
  Terminal terminal(ProgramCommand(box));
  ASSERT_TRUE(terminal.WaitFor("Aceptar")) << terminal.Screen();
  std::pair<int, int> close = terminal.Find("[x]");
  ASSERT_NE(close.first, 0);
  terminal.Click({close.first + 1, close.second});
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  EXPECT_FALSE(PathExists(box.log_path()));
}

TEST_F(TerminalRun, TheQuestionAnsweredWithKeys) {
  Sandbox box;
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  {
    Terminal terminal(ProgramCommand(box));
    ASSERT_TRUE(terminal.WaitFor("Has pecado hoy ?")) << terminal.Screen();
    ExpectGolden("tty_question.txt", terminal.Screen());
    terminal.Keys("Tab");  // to "No"
    terminal.Keys("Enter");
    ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  }
  EXPECT_EQ(box.Log(),
            LogRecord("01/12/2026", "01/12/2026") + LogRecord("07/12/2026", "01/12/2026"));
  {
    Terminal terminal(ProgramCommand(box));
    ASSERT_TRUE(terminal.WaitFor("Has pecado hoy ?")) << terminal.Screen();
    terminal.Keys("Enter");  // "Sí", the default
    ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  }
  EXPECT_FALSE(PathExists(box.log_path()));
}

TEST_F(TerminalRun, TermDumbAsksLineByLine) {
  Sandbox box;
  Terminal terminal(ProgramCommand(box, "TERM=dumb"));
  ASSERT_TRUE(terminal.WaitFor("[07/12/2026]:")) << terminal.Screen();
  terminal.Keys("'03/12/2026' Enter");
  ASSERT_TRUE(terminal.WaitFor("Cancelar/Aceptar [c/a]")) << terminal.Screen();
  terminal.Keys("a Enter");
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  ExpectGolden("tty_dumb_first_run.txt", terminal.Dialogue());
  EXPECT_EQ(box.Log(), LogRecord("07/12/2026", "03/12/2026"));
}

TEST_F(TerminalRun, ATinyTerminalAsksLineByLine) {
  Sandbox box;
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  Terminal terminal("stty cols 30 rows 8; " + ProgramCommand(box));
  ASSERT_TRUE(terminal.WaitFor("[S/n]")) << terminal.Screen();
  terminal.Keys("n Enter");
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  EXPECT_EQ(box.Log().size(), 48u);
}

TEST_F(TerminalRun, EndingSignalsCloseTheDialogAndPutTheTerminalBack) {
  for (int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal_number);
    Sandbox box;
    std::string inner = "echo $$ > pid; exec ./vestralino";
    std::string script =
        "cd " + Quoted(box.dir()) + " && stty -g > before && env VESTRALINO_DISPLAY=tty " +
        "LANG=C.UTF-8 sh -c " + Quoted(inner) + "; echo $? > status; stty -g > after";
    Terminal terminal(script);
    ASSERT_TRUE(terminal.WaitFor("Aceptar")) << terminal.Screen();
    EXPECT_EQ(terminal.Tmux("display-message -p -t run '#{alternate_on}'"), "1\n");
    std::string pid = ReadBytes(box.dir() + "/pid");
    ASSERT_FALSE(pid.empty());
    ASSERT_EQ(kill(std::stoi(pid), signal_number), 0);
    ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
    EXPECT_EQ(ReadBytes(box.dir() + "/status"), "0\n");  // a close request: the dialog cancelled
    EXPECT_EQ(ReadBytes(box.dir() + "/before"), ReadBytes(box.dir() + "/after"));
    EXPECT_EQ(terminal.Tmux("display-message -p -t run '#{alternate_on}'"), "0\n");
    EXPECT_FALSE(PathExists(box.log_path()));
  }
}

TEST_F(TerminalRun, ANewSizeRedrawsAndATooSmallOneAsksLineByLine) {
  Sandbox box;
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  Terminal terminal(ProgramCommand(box));
  ASSERT_TRUE(terminal.WaitFor("Has pecado hoy ?")) << terminal.Screen();
  std::string before = terminal.Screen();
  terminal.Tmux("resize-window -t run -x 60 -y 16");
  ASSERT_TRUE(terminal.WaitForChange(before)) << terminal.Screen();
  ExpectGolden("tty_question_60x16.txt", terminal.Screen());
  terminal.Tmux("resize-window -t run -x 30 -y 8");
  ASSERT_TRUE(terminal.WaitFor("[S/n]")) << terminal.Screen();
  terminal.Keys("n Enter");
  ASSERT_TRUE(terminal.WaitUntilDead()) << terminal.Screen();
  EXPECT_EQ(box.Log().size(), 48u);
}

}  // namespace
