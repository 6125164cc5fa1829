// A run with a log on an X server: the question box answered from the keyboard (keys sent
// through XTEST to the focused box, as typed) appends today's record or deletes the log.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::LogRecord;
using testing_support::PathExists;
using testing_support::RunOutcome;
using testing_support::Sandbox;
using testing_support::XRun;

using X11DailyRun = testing_support::XDisplayTest;

TEST_F(X11DailyRun, TheQuestionAnsweredFromTheKeyboard) {
  const std::string first = LogRecord("01/12/2026", "01/12/2026");
  const std::string appended = first + LogRecord("05/12/2026", "01/12/2026");
  const struct {
    std::vector<std::string> keys;
    bool deletes;
  } cases[] = {
      {{"n"}, false},                // the mnemonic of "No"
      {{"y"}, true},                 // the mnemonic of "Yes"
      {{"Tab", "Return"}, false},    // from the default "Yes" to "No"
      {{"Return"}, true},            // the default "Yes"
      {{"Right", "space"}, false},
  };
  for (const auto& c : cases) {
    Sandbox box;
    box.SetLog(first);
    XRun run(server(), box, "2026-12-05 10:00:00");
    const std::string question = run.WaitForWindow("Varovozodoz");
    ASSERT_FALSE(question.empty()) << "no question box";
    run.Keys(question, c.keys);
    RunOutcome outcome = run.Finish();
    EXPECT_EQ(outcome.exit_code, 0) << c.keys[0] << outcome.err;
    ASSERT_EQ(outcome.MessageBoxes().size(), 1u) << c.keys[0] << outcome.err;
    EXPECT_EQ(outcome.MessageBoxes()[0]["text"].str(),
              "Comence el dia 01/12/2026\r\nLlevo 4 dias sin pecar\r\nHas pecado hoy ?");
    if (c.deletes) {
      EXPECT_FALSE(PathExists(box.log_path())) << c.keys[0];
    } else {
      EXPECT_EQ(box.Log(), appended) << c.keys[0];
    }
  }
}

}  // namespace
