// Date and time text against the platform clock. SetLocalTime moves only this process's
// offset from the machine clock, so each test sets the moment it needs and the fixture
// puts the clock back afterwards. Times are set on a whole second, which leaves the
// test most of that second before the text could change.
#include "runtime/text/date_text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "runtime/frame/routine_frame.h"

namespace runtime {
namespace {

SYSTEMTIME Moment(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME time{};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  time.wSecond = second;
  return time;
}

SYSTEMTIME Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now;
}

class DateTextTest : public ::testing::Test {
 protected:
  void SetUp() override { GetLocalTime(&saved_); }
  void TearDown() override { SetLocalTime(&saved_); }

  void SetClock(const SYSTEMTIME& moment) { ASSERT_TRUE(SetLocalTime(&moment)); }
  std::string PopText() {
    std::string text(frame_.strings.View(0));
    frame_.strings.PopDiscard();
    return text;
  }
  void SetFromText(std::string_view text, ClockPart part) {
    frame_.strings.PushCopy(text);
    SetClockFromText(frame_.strings, part);
    EXPECT_EQ(frame_.strings.depth(), 0);
  }

  SYSTEMTIME saved_;
  RoutineFrame frame_;
};

TEST_F(DateTextTest, DateTextIsMonthDayYear) {
  struct Case {
    SYSTEMTIME moment;
    std::string_view text;
  };
  const Case cases[] = {
      {Moment(2026, 12, 5, 10, 0, 0), "12-05-2026"},
      {Moment(2027, 1, 9, 23, 59, 0), "01-09-2027"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetClock(c.moment);
    DateText(frame_.strings);
    EXPECT_FALSE(frame_.strings.Slot(0).borrowed());
    EXPECT_EQ(PopText(), c.text);
  }
}

TEST_F(DateTextTest, TimeTextIsHoursMinutesSeconds) {
  SetClock(Moment(2026, 12, 5, 7, 4, 9));
  TimeText(frame_.strings);
  EXPECT_EQ(PopText(), "07:04:09");
}

TEST_F(DateTextTest, DateFormSetsTheDayAndKeepsTheTimeOfDay) {
  struct Case {
    std::string_view text;
    WORD year, month, day;
  };
  const Case cases[] = {
      {"3-4/85", 1985, 3, 4},
      {"6/7/79", 2079, 6, 7},
      {"6/7/1980", 1980, 6, 7},
      {"6/7/2026 garbage", 2026, 6, 7},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetClock(Moment(2030, 11, 20, 7, 4, 9));
    SetFromText(c.text, ClockPart::kDate);
    const SYSTEMTIME now = Now();
    EXPECT_EQ(now.wYear, c.year);
    EXPECT_EQ(now.wMonth, c.month);
    EXPECT_EQ(now.wDay, c.day);
    EXPECT_EQ(now.wHour, 7);
    EXPECT_EQ(now.wMinute, 4);
  }
}

TEST_F(DateTextTest, TimeFormSetsTheTimeOfDayWithLeftOutFieldsZero) {
  struct Case {
    std::string_view text;
    WORD hour, minute, second;
  };
  const Case cases[] = {
      {"10", 10, 0, 0},
      {"10:30:15", 10, 30, 15},
      {"1030", 23, 0, 0},  // no such hour: the clock refuses it and keeps 23:00
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetClock(Moment(2026, 12, 5, 23, 0, 0));
    SetFromText(c.text, ClockPart::kTime);
    const SYSTEMTIME now = Now();
    EXPECT_EQ(now.wYear, 2026);
    EXPECT_EQ(now.wDay, 5);
    EXPECT_EQ(now.wHour, c.hour);
    EXPECT_EQ(now.wMinute, c.minute);
    EXPECT_EQ(now.wSecond, c.second);
  }
}

TEST_F(DateTextTest, MissingFieldsLeaveTheClockUnchanged) {
  struct Case {
    std::string_view text;
    ClockPart part;
  };
  const Case cases[] = {
      {"10:", ClockPart::kTime},
      {"12-05", ClockPart::kDate},
      {"-1-2-26", ClockPart::kDate},
      {"99999999999-1-2026", ClockPart::kDate},  // no such month, however it is cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetClock(Moment(2026, 12, 5, 7, 4, 9));
    SetFromText(c.text, c.part);
    const SYSTEMTIME now = Now();
    EXPECT_EQ(now.wYear, 2026);
    EXPECT_EQ(now.wMonth, 12);
    EXPECT_EQ(now.wDay, 5);
    EXPECT_EQ(now.wHour, 7);
    EXPECT_EQ(now.wMinute, 4);
  }
}

TEST_F(DateTextTest, SecondsSinceMidnightCountsFromTheStartOfTheDay) {
  SetClock(Moment(2026, 12, 5, 7, 4, 9));
  const long double seconds = SecondsSinceMidnight();
  EXPECT_GE(seconds, 7 * 3600 + 4 * 60 + 9);
  EXPECT_LT(seconds, 7 * 3600 + 4 * 60 + 10);
}

TEST(MillisecondMarkTest, MarksWrapWithinTheHour) {
  struct Case {
    std::int32_t now, delay, mark;
  };
  const Case cases[] = {
      {1000, 500, 1501},        {1000, 0, kNoMark},  // no delay: no mark
      {3599000, 2000, 1001},                         // into the next hour
      {1000, 3590000, 3591001},                      // the longest delay
      {1000, -5, 3591001},                           // negative counts as large
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "now " << c.now << ", delay " << c.delay);
    EXPECT_EQ(MillisecondMarkAt(c.now, c.delay), c.mark);
  }
}

TEST(MillisecondMarkTest, TimeLeftUntilAMark) {
  struct Case {
    std::int32_t now, mark, left;
  };
  const Case cases[] = {
      {2500, 1501, 0},                      // passed 999 ms ago
      {2501, 1501, 3600000 - 2501 + 1501},  // a second behind: the next hour's
      {3599500, 1001, 3600000 - 3599500 + 1001},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "now " << c.now << ", mark " << c.mark);
    EXPECT_EQ(MillisecondsUntilAt(c.now, c.mark), c.left);
  }
}

TEST_F(DateTextTest, MarksFollowTheLocalClock) {
  SetClock(Moment(2026, 12, 5, 10, 20, 30));
  const std::int32_t mark = MillisecondMark(5000);
  EXPECT_GE(mark, 20 * 60000 + 35000 + 1);
  EXPECT_LT(mark, 20 * 60000 + 36000 + 1);
  const std::int32_t left = MillisecondsUntil(mark);
  EXPECT_GT(left, 4000);
  EXPECT_LE(left, 5001);
}

}  // namespace
}  // namespace runtime
