// A run without a log, from entry to exit: the start-day dialog, and what each way of
// leaving it does to the log.
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::Json;
using testing_support::LogRecord;
using testing_support::PathExists;
using testing_support::RunOutcome;
using testing_support::Sandbox;

constexpr char kToday[] = "2026-12-05 10:00:00";

std::vector<Json> Windows(const RunOutcome& run) {
  std::vector<Json> windows;
  for (const auto& line : run.transcript) {
    if (line["event"].str() == "window") windows.push_back(line);
  }
  return windows;
}

TEST(FirstRun, TheStartDayDialogShowsItsFourControls) {
  Sandbox box;
  RunOutcome run = box.Run(kToday, {"press Cancelar"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  std::vector<Json> windows = Windows(run);
  ASSERT_EQ(windows.size(), 1u) << run.err;
  const Json& dialog = windows[0];
  EXPECT_EQ(dialog["caption"].str(), "Vestralino");
  EXPECT_EQ(dialog["class"].str(), "#32770");
  // The toolkit's default dialog style with DS_CENTER, created hidden, then shown.
  EXPECT_EQ(static_cast<std::uint32_t>(dialog["style"].number()) & ~0x10000000u, 0x80C008D4u);
  // 122 x 59 units of 8-point "MS Sans Serif" (6 x 13 base units) centred in 1024 x 768.
  const double width = dialog["right"].number() - dialog["left"].number();
  const double height = dialog["bottom"].number() - dialog["top"].number();
  EXPECT_NEAR(dialog["left"].number(), (1024 - width) / 2, 1);
  EXPECT_NEAR(dialog["top"].number(), (768 - height) / 2, 1);

  struct Control {
    int id;
    const char* class_name;
    const char* text;
    int left, top, right, bottom;  // pixels in the dialog's client area
  } expected[] = {
      {1001, "SysDateTimePick32", "05/12/2026", 15, 24, 173, 57},
      {1002, "Static", "Dia de Inicio", 15, 8, 173, 24},
      {1003, "Button", "Cancelar", 17, 65, 77, 89},
      {1004, "Button", "Aceptar", 110, 65, 170, 89},
  };
  const auto& controls = dialog["controls"].items();
  ASSERT_EQ(controls.size(), std::size(expected));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const Json& c = controls[i];
    const Control& e = expected[i];
    EXPECT_EQ(c["id"].number(), e.id) << i;
    EXPECT_EQ(c["class"].str(), e.class_name) << i;
    EXPECT_EQ(c["text"].str(), e.text) << i;
    EXPECT_EQ(c["left"].number(), e.left) << i;
    EXPECT_EQ(c["top"].number(), e.top) << i;
    EXPECT_EQ(c["right"].number(), e.right) << i;
    EXPECT_EQ(c["bottom"].number(), e.bottom) << i;
  }
}

TEST(FirstRun, AcceptWritesTodayAsTheStartDay) {
  Sandbox box;
  RunOutcome run = box.Run(kToday, {"press Aceptar"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_TRUE(run.MessageBoxes().empty());
  EXPECT_EQ(box.Log(), LogRecord("05/12/2026", "05/12/2026"));

  RunOutcome next = box.Run(kToday, {"answer no"});
  ASSERT_EQ(next.MessageBoxes().size(), 1u) << next.err;
  EXPECT_EQ(next.MessageBoxes()[0]["text"].str(),
            "Comence el dia 05/12/2026\r\nLlevo 0 dias sin pecar\r\nHas pecado hoy ?");
}

TEST(FirstRun, EveryOtherWayOutWritesNothing) {
  const std::vector<std::vector<std::string>> scripts = {
      {"press Cancelar"},
      {"close"},
      {"key Alt+F4"},
      {"key Escape"},  // no control has IDCANCEL: the dialog stays until the script ends
      {},
  };
  for (const auto& script : scripts) {
    Sandbox box;
    RunOutcome run = box.Run(kToday, script);
    const std::string name = script.empty() ? "(no script)" : script[0];
    EXPECT_EQ(run.exit_code, 0) << name << run.err;
    EXPECT_EQ(Windows(run).size(), 1u) << name;
    EXPECT_FALSE(PathExists(box.log_path())) << name;
  }
}

TEST(FirstRun, TheKeyboardChoosesAnotherStartDay) {
  struct Case {
    std::vector<std::string> script;
    const char* start;
  } cases[] = {
      {{"key Down", "press Aceptar"}, "04/12/2026"},
      {{"key Right", "key Up", "press Aceptar"}, "05/01/2026"},
      {{"type 17", "press Aceptar"}, "17/12/2026"},
      {{"key Right", "key Right", "type 2025", "press Aceptar"}, "05/12/2025"},
      // The drop-down calendar: the arrows move the day, Page Down the month, Enter picks;
      // Escape closes it and keeps the day.
      {{"key F4", "key Right", "key Enter", "press Aceptar"}, "06/12/2026"},
      {{"key Alt+Down", "key PageDown", "key Enter", "press Aceptar"}, "05/01/2027"},
      {{"key F4", "key Escape", "press Aceptar"}, "05/12/2026"},
  };
  for (const Case& c : cases) {
    Sandbox box;
    RunOutcome run = box.Run(kToday, c.script);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(box.Log(), LogRecord("05/12/2026", c.start)) << c.script[0];
  }
}

// The log's place cannot take a file (a name that leads into a missing directory, which
// holds for root too): "Aceptar" shows the "Err: " box over the dialog, the dialog ends,
// and nothing new is left behind.
TEST(FirstRun, ALogThatCannotBeWrittenShowsTheErrorBox) {
  Sandbox box;
  ASSERT_EQ(symlink("/nonexistent-vestralino-dir/quembral.log", box.log_path().c_str()), 0);
  RunOutcome run = box.Run(kToday, {"press Aceptar", "answer ok"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(Windows(run).size(), 1u);
  ASSERT_EQ(run.MessageBoxes().size(), 1u) << run.err;
  EXPECT_EQ(run.MessageBoxes()[0]["caption"].str(), "Varovozodoz");
  EXPECT_EQ(run.MessageBoxes()[0]["text"].str().substr(0, 5), "Err: ");
  EXPECT_FALSE(PathExists("/nonexistent-vestralino-dir"));
}

}  // namespace
