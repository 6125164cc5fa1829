// A run with a log, from entry to exit: the question box, and what each answer does to
// the log bytes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/vestralino_sandbox.h"

namespace {

using testing_support::LogRecord;
using testing_support::PathExists;
using testing_support::RunOutcome;
using testing_support::Sandbox;

constexpr char kToday[] = "2026-12-05 10:00:00";

std::string Question(const std::string& start, const std::string& count) {
  return "Comence el dia " + start + "\r\nLlevo " + count + " dias sin pecar\r\nHas pecado hoy ?";
}

void ExpectQuestion(const RunOutcome& run, const std::string& start, const std::string& count) {
  auto boxes = run.MessageBoxes();
  ASSERT_GE(boxes.size(), 1u) << run.err;
  EXPECT_EQ(boxes[0]["caption"].str(), "Varovozodoz");
  EXPECT_EQ(boxes[0]["text"].str(), Question(start, count));
  EXPECT_EQ(boxes[0]["style"].number(), 4);
}

void ExpectWriteError(const RunOutcome& run, const std::string& text) {
  auto boxes = run.MessageBoxes();
  ASSERT_EQ(boxes.size(), 2u) << run.err;
  EXPECT_EQ(boxes[1]["caption"].str(), "Varovozodoz");
  EXPECT_EQ(boxes[1]["text"].str(), text);
  EXPECT_EQ(boxes[1]["style"].number(), 0);
}

TEST(DailyRun, NoAppendsTodayWithTheSameStartDay) {
  Sandbox box;
  const std::string first = LogRecord("01/12/2026", "01/12/2026");
  box.SetLog(first);
  RunOutcome run = box.Run(kToday, {"answer no"});
  EXPECT_EQ(run.exit_code, 0) << run.err;
  ExpectQuestion(run, "01/12/2026", "4");
  ASSERT_EQ(run.MessageBoxes().size(), 1u);
  EXPECT_EQ(run.MessageBoxes()[0]["result"].number(), 7);
  const std::string appended("05/12/2026\0\0" "01/12/2026\0\0", 24);
  EXPECT_EQ(box.Log(), first + appended);
}

TEST(DailyRun, TwoNoAnswersOnOneDayAppendTwoIdenticalRecords) {
  Sandbox box;
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  RunOutcome a = box.Run(kToday, {"answer no"});
  RunOutcome b = box.Run(kToday, {"answer no"});
  ExpectQuestion(a, "01/12/2026", "4");
  ExpectQuestion(b, "01/12/2026", "4");
  std::string log = box.Log();
  ASSERT_EQ(log.size(), 72u);
  EXPECT_EQ(log.substr(24, 24), log.substr(48, 24));
}

TEST(DailyRun, YesDeletesTheLogAlsoWhenReadOnly) {
  for (bool read_only : {false, true}) {
    Sandbox box;
    box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
    if (read_only) {
      ASSERT_EQ(chmod(box.log_path().c_str(), 0444), 0);
    }
    RunOutcome run = box.Run(kToday, {"answer yes"});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    ExpectQuestion(run, "01/12/2026", "4");
    EXPECT_EQ(run.MessageBoxes().size(), 1u);
    EXPECT_FALSE(PathExists(box.log_path())) << "read-only: " << read_only;
  }
}

TEST(DailyRun, AnUnansweredQuestionCountsAsNo) {
  Sandbox box;
  box.SetLog(LogRecord("01/12/2026", "01/12/2026"));
  RunOutcome run = box.Run(kToday, {});
  EXPECT_EQ(run.exit_code, 0);
  ASSERT_EQ(run.MessageBoxes().size(), 1u);
  EXPECT_EQ(run.MessageBoxes()[0]["result"].number(), 0);
  EXPECT_EQ(box.Log().size(), 48u);
}

TEST(DailyRun, CountsAcrossLeapDaysAndInvalidDates) {
  struct Case {
    const char* today;
    const char* start;
    const char* count;
  } cases[] = {
      {"2026-12-05 08:00:00", "05/12/2026", "0"},
      {"2024-03-01 08:00:00", "29/02/2024", "1"},
      {"2026-12-05 08:00:00", "10/12/2026", "5"},      // a start in the future counts too
      {"2026-12-05 08:00:00", "31/02/2024", "155566"},  // no such day: day 0
      {"2025-01-01 00:00:01", "31/12/2024", "1"},
  };
  for (const Case& c : cases) {
    Sandbox box;
    box.SetLog(LogRecord("01/01/2024", c.start));
    RunOutcome run = box.Run(c.today, {"answer yes"});
    ExpectQuestion(run, c.start, c.count);
  }
}

TEST(DailyRun, EmptyLogGivesAnEmptyStartAndTodaysDayNumber) {
  Sandbox box;
  box.SetLog("");
  RunOutcome run = box.Run(kToday, {"answer no"});
  ExpectQuestion(run, "", "155566");
  EXPECT_EQ(box.Log(), std::string("05/12/2026\0\0", 12) + std::string(12, '\0'));
}

TEST(DailyRun, TrailingPartialRecordIsIgnoredAndOverwritten) {
  Sandbox box;
  box.SetLog(LogRecord("02/12/2026", "01/12/2026") + "garbag");
  RunOutcome run = box.Run(kToday, {"answer no"});
  ExpectQuestion(run, "01/12/2026", "4");
  EXPECT_EQ(box.Log(),
            LogRecord("02/12/2026", "01/12/2026") + LogRecord("05/12/2026", "01/12/2026"));
}

TEST(DailyRun, SpareBytesOfTheLastRecordReadAreCarriedOver) {
  Sandbox box;
  std::string record("02/12/2026\0X01/12/2026\0Y", 24);
  box.SetLog(record);
  box.Run(kToday, {"answer no"});
  EXPECT_EQ(box.Log().substr(24), std::string("05/12/2026\0X01/12/2026\0Y", 24));
}

TEST(DailyRun, OnlyTheLastRecordsStartDayCounts) {
  Sandbox box;
  box.SetLog(LogRecord("01/11/2026", "01/11/2026") + LogRecord("02/12/2026", "01/12/2026"));
  RunOutcome run = box.Run(kToday, {"answer yes"});
  ExpectQuestion(run, "01/12/2026", "4");
}

TEST(DailyRun, StartFieldWithoutNulIsReadAsItsTwelveBytesOnly) {
  Sandbox box;
  std::string record = std::string("02/12/2026\0\0", 12) + "123456789012";
  box.SetLog(record);
  RunOutcome run = box.Run(kToday, {"answer no"});
  auto boxes = run.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u) << run.err;
  EXPECT_EQ(boxes[0]["text"].str().substr(0, 28), "Comence el dia 123456789012\r");
  // Written back cut to 11 bytes and a NUL.
  EXPECT_EQ(box.Log().substr(24), std::string("05/12/2026\0\0" "12345678901\0", 24));
}

TEST(DailyRun, DirectoryNamedLikeTheLogCountsAsALogButTakesNoRecord) {
  for (const char* answer : {"answer no", "answer yes"}) {
    Sandbox box;
    ASSERT_EQ(mkdir(box.log_path().c_str(), 0755), 0);
    RunOutcome run = box.Run(kToday, {answer});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    ExpectQuestion(run, "", "155566");
    if (std::string(answer) == "answer no") {
      ExpectWriteError(run, "Err:  52 Bad file name or number");
    } else {
      EXPECT_EQ(run.MessageBoxes().size(), 1u);
    }
    struct stat st;
    ASSERT_EQ(stat(box.log_path().c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
  }
}

}  // namespace
