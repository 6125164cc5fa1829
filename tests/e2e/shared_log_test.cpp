// Runs that meet another holder of the log: another program holding it open without
// sharing, and several runs started together.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "tests/support/child_process.h"
#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::HeldChild;
using testing_support::LogRecord;
using testing_support::RunOutcome;
using testing_support::Sandbox;

constexpr char kToday[] = "2026-12-05 10:00:00";

TEST(SharedLog, LogHeldWithoutSharingShowsTheErrorAndStaysUnchanged) {
  Sandbox box;
  const std::string log = LogRecord("01/12/2026", "01/12/2026");
  box.SetLog(log);
  HeldChild holder({VESTRALINO_TEST_HELPER, "hold", box.log_path(), "0"});
  ASSERT_EQ(holder.ReadLine(), "held");
  RunOutcome run = box.Run(kToday, {"answer no"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  auto boxes = run.MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u) << run.err;
  EXPECT_EQ(boxes[1]["text"].str(), "Err:  52 Bad file name or number");
  EXPECT_EQ(boxes[1]["caption"].str(), "Varovozodoz");
  holder.Release();
  EXPECT_EQ(box.Log(), log);
}

TEST(SharedLog, YesWhileTheLogIsHeldLeavesItInPlace) {
  Sandbox box;
  const std::string log = LogRecord("01/12/2026", "01/12/2026");
  box.SetLog(log);
  HeldChild holder({VESTRALINO_TEST_HELPER, "hold", box.log_path(), "0"});
  ASSERT_EQ(holder.ReadLine(), "held");
  RunOutcome run = box.Run(kToday, {"answer yes"});
  EXPECT_EQ(run.exit_code, 0);
  holder.Release();
  EXPECT_EQ(box.Log(), log);
}

// A hold that ends while the run waits: the run reads the true start day and appends
// its record instead of losing the streak's first day.
TEST(SharedLog, ABriefHoldIsWaitedFor) {
  Sandbox box;
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  HeldChild holder({VESTRALINO_TEST_HELPER, "hold", box.log_path(), "0"});
  ASSERT_EQ(holder.ReadLine(), "held");
  Sandbox::Pending pending = box.Start(kToday, {"answer no"});
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  holder.Release();
  RunOutcome run = Sandbox::Finish(pending);
  auto boxes = run.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u) << run.err;
  EXPECT_EQ(boxes[0]["text"].str().substr(0, 25), "Comence el dia 01/12/2026");
  EXPECT_EQ(box.Log(),
            LogRecord("01/12/2026", "01/12/2026") + LogRecord("05/12/2026", "01/12/2026"));
}

TEST(SharedLog, RunsStartedTogetherEachAppendOneWholeRecord) {
  constexpr int kRuns = 8;
  Sandbox box;
  const std::string first = LogRecord("01/12/2026", "01/12/2026");
  box.SetLog(first);
  std::vector<Sandbox::Pending> pending;
  for (int i = 0; i < kRuns; ++i) pending.push_back(box.Start(kToday, {"answer no"}));
  int error_boxes = 0;
  for (auto& p : pending) {
    RunOutcome run = Sandbox::Finish(p);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    auto boxes = run.MessageBoxes();
    ASSERT_GE(boxes.size(), 1u) << run.err;
    EXPECT_EQ(boxes[0]["text"].str().substr(0, 25), "Comence el dia 01/12/2026");
    if (boxes.size() == 2) {
      ++error_boxes;
      EXPECT_EQ(boxes[1]["text"].str().substr(0, 5), "Err: ");
    }
  }
  std::string log = box.Log();
  ASSERT_EQ(log.size() % 24, 0u);
  std::size_t records = log.size() / 24;
  EXPECT_EQ(records, 1u + kRuns - error_boxes);
  EXPECT_EQ(log.substr(0, 24), first);
  for (std::size_t r = 1; r < records; ++r) {
    EXPECT_EQ(log.substr(r * 24, 24), LogRecord("05/12/2026", "01/12/2026")) << "record " << r;
  }
  // Runs hold the log for milliseconds; each waits long enough for the others.
  EXPECT_EQ(error_boxes, 0);
}

}  // namespace
