// Ways a run on an X server ends without an answer: the window manager's close request
// (WM_DELETE_WINDOW), SIGTERM, the display going away, and no display at all. Each ends the
// pass promptly and writes nothing.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "tests/support/vestralino_sandbox.h"
#include "tests/support/x_display_test.h"

namespace {

using testing_support::ChildOptions;
using testing_support::PathExists;
using testing_support::RunOutcome;
using testing_support::Sandbox;
using testing_support::XRun;

using X11Ending = testing_support::XDisplayTest;

constexpr char kToday[] = "2026-12-05 10:00:00";

TEST_F(X11Ending, TheCloseRequestOfAWindowManagerWritesNothing) {
#ifndef SEND_CLOSE_REQUEST
  GTEST_SKIP() << "built without xcb: no close request sender";
#else
  Sandbox box;
  XRun run(server(), box, kToday);
  const std::string dialog = run.WaitForWindow("Vestralino");
  ASSERT_FALSE(dialog.empty()) << "no dialog window";
  auto sent = server().Tool({SEND_CLOSE_REQUEST, dialog});
  ASSERT_EQ(sent.exit_code, 0) << sent.err;
  EXPECT_TRUE(run.EndsWithin(5000));
  RunOutcome outcome = run.Finish();
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_FALSE(PathExists(box.log_path()));
#endif
}

TEST_F(X11Ending, SigtermWritesNothing) {
  Sandbox box;
  XRun run(server(), box, kToday);
  ASSERT_FALSE(run.WaitForWindow("Vestralino").empty()) << "no dialog window";
  kill(run.pid(), SIGTERM);
  EXPECT_TRUE(run.EndsWithin(5000));
  RunOutcome outcome = run.Finish();
  EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
  EXPECT_FALSE(PathExists(box.log_path()));
}

TEST_F(X11Ending, ADisplayThatGoesAwayEndsThePassWithOneLine) {
  Sandbox box;
  XRun run(server(), box, kToday);
  ASSERT_FALSE(run.WaitForWindow("Vestralino").empty()) << "no dialog window";
  StopServer();
  EXPECT_TRUE(run.EndsWithin(5000));
  RunOutcome outcome = run.Finish();
  EXPECT_NE(outcome.exit_code, 137) << "killed: it did not end by itself";
  EXPECT_FALSE(PathExists(box.log_path()));
  EXPECT_FALSE(outcome.err.empty());
  EXPECT_LE(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
}

// x11 asked for where no server answers (a display number nobody serves, or none at all):
// the program says so and falls back; with no terminal it ends the pass unanswered.
TEST(X11Absent, NoDisplayFallsBackAndEndsThePass) {
  if (testing_support::FakeTimeLibrary().empty()) GTEST_SKIP() << "no libfaketime";
  if (!testing_support::OnPath("timeout")) GTEST_SKIP() << "no timeout";
  for (const std::string& display : {":" + std::to_string(4000 + getpid() % 1000), std::string()}) {
    Sandbox box;
    ChildOptions options;
    options.environment = testing_support::XRunEnvironment(display, kToday, box.dir() + "/t");
    auto ended = testing_support::RunChild({"timeout", "-s", "KILL", "10", box.binary()}, options);
    EXPECT_EQ(ended.exit_code, 0) << display << ended.err;
    EXPECT_FALSE(ended.err.empty()) << display;
    EXPECT_FALSE(PathExists(box.log_path())) << display;
  }
}

}  // namespace
