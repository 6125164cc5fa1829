#include <cstring>
#include <ctime>
#include <random>

#include <gtest/gtest.h>

#include "platform/win32.h"

namespace {

constexpr std::int64_t kUnitsPerDay = 864'000'000'000;

SYSTEMTIME Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                int ms = 0) {
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(year);
  t.wMonth = static_cast<WORD>(month);
  t.wDay = static_cast<WORD>(day);
  t.wHour = static_cast<WORD>(hour);
  t.wMinute = static_cast<WORD>(minute);
  t.wSecond = static_cast<WORD>(second);
  t.wMilliseconds = static_cast<WORD>(ms);
  return t;
}

std::int64_t Units(const FILETIME& f) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(f.dwHighDateTime) << 32) |
                                   f.dwLowDateTime);
}

std::int64_t UnitsOf(const SYSTEMTIME& t) {
  FILETIME f{};
  EXPECT_TRUE(SystemTimeToFileTime(&t, &f));
  return Units(f);
}

// Days since 1 January 1601 the slow way: whole years, then whole months.
std::int64_t ReferenceDayNumber(int year, int month, int day) {
  auto leap = [](int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
  static const int kLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  std::int64_t days = 0;
  for (int y = 1601; y < year; ++y) days += leap(y) ? 366 : 365;
  for (int m = 1; m < month; ++m) days += kLengths[m - 1] + (m == 2 && leap(year) ? 1 : 0);
  return days + day - 1;
}

TEST(SystemTimeToFileTime, DayNumbers) {
  struct Case {
    SYSTEMTIME date;
    std::int64_t day_number;
  } cases[] = {
      {Date(1601, 1, 1), 0},
      {Date(1970, 1, 1), 134774},
      {Date(2026, 12, 5), 155566},
  };
  // wDayOfWeek is not looked at.
  SYSTEMTIME odd = Date(2026, 12, 5);
  odd.wDayOfWeek = 77;
  EXPECT_EQ(UnitsOf(odd), 155566 * kUnitsPerDay);
  for (const auto& c : cases) {
    EXPECT_EQ(UnitsOf(c.date), c.day_number * kUnitsPerDay) << c.date.wYear << "-" << c.date.wMonth;
  }
  // The time of day adds on top of the day, and no time zone is applied.
  EXPECT_EQ(UnitsOf(Date(1601, 1, 1, 23, 59, 59, 999)), kUnitsPerDay - 10'000);
}

TEST(SystemTimeToFileTime, AgreesWithCountingDaysOnRandomDates) {
  std::mt19937 random(1601);
  for (int i = 0; i < 200; ++i) {
    const int year = 1601 + static_cast<int>(random() % (30827 - 1601 + 1));
    const int month = 1 + static_cast<int>(random() % 12);
    const int day = 1 + static_cast<int>(random() % 28);
    EXPECT_EQ(UnitsOf(Date(year, month, day)), ReferenceDayNumber(year, month, day) * kUnitsPerDay)
        << year << "-" << month << "-" << day;
  }
}

TEST(SystemTimeToFileTime, RefusesInvalidTimesAndLeavesTheOutput) {
  const SYSTEMTIME invalid[] = {
      Date(1600, 12, 31), Date(30828, 1, 1), Date(2026, 13, 1),    Date(2026, 4, 31),
      Date(2023, 2, 29),  Date(1900, 2, 29), Date(2026, 1, 1, 24), Date(2026, 1, 1, 0, 0, 0, 1000),
      Date(2026, 1, 1, 0, 0, 60), Date(2026, 1, 0),  Date(2026, 1, 1, 0, 60),
  };
  for (const SYSTEMTIME& t : invalid) {
    FILETIME f{0x1234, 0x5678};
    SetLastError(0);
    EXPECT_FALSE(SystemTimeToFileTime(&t, &f)) << t.wYear << "-" << t.wMonth << "-" << t.wDay;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(f.dwLowDateTime, 0x1234u);
    EXPECT_EQ(f.dwHighDateTime, 0x5678u);
  }
  for (const SYSTEMTIME& leap_day : {Date(2000, 2, 29), Date(2024, 2, 29)}) {
    FILETIME f{};
    EXPECT_TRUE(SystemTimeToFileTime(&leap_day, &f)) << leap_day.wYear;
  }
}

TEST(FileTimeToSystemTime, IsTheInverseAndFillsTheDayOfWeek) {
  struct Case {
    SYSTEMTIME time;
    WORD day_of_week;
  } cases[] = {
      {Date(2026, 12, 5, 13, 14, 15, 167), 6},    // Saturday
      {Date(30827, 12, 31, 23, 59, 59, 999), 5},  // Friday
  };
  for (const auto& c : cases) {
    FILETIME f{};
    ASSERT_TRUE(SystemTimeToFileTime(&c.time, &f));
    SYSTEMTIME back{};
    ASSERT_TRUE(FileTimeToSystemTime(&f, &back));
    SYSTEMTIME expected = c.time;
    expected.wDayOfWeek = c.day_of_week;
    EXPECT_EQ(0, std::memcmp(&back, &expected, sizeof back)) << c.time.wYear;
  }
  std::mt19937 random(30827);
  for (int i = 0; i < 100; ++i) {
    const std::int64_t units = static_cast<std::int64_t>(random() % 10'000'000) * 91'234'567'891;
    const FILETIME f{static_cast<DWORD>(units), static_cast<DWORD>(units >> 32)};
    SYSTEMTIME t{};
    ASSERT_TRUE(FileTimeToSystemTime(&f, &t));
    EXPECT_EQ(UnitsOf(t), units - units % 10'000);
  }
  const FILETIME negative{0, 0x80000000u};
  SYSTEMTIME t{};
  SetLastError(0);
  EXPECT_FALSE(FileTimeToSystemTime(&negative, &t));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

// The local time of the real clock, in the same form.
SYSTEMTIME MachineLocalTime() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  tm local{};
  localtime_r(&now.tv_sec, &local);
  return Date(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
              local.tm_sec, static_cast<int>(now.tv_nsec / 1'000'000));
}

class LocalClock : public testing::Test {
 protected:
  // Put the process clock back on the machine's clock for the tests that follow.
  void TearDown() override {
    SYSTEMTIME now = MachineLocalTime();
    ASSERT_TRUE(SetLocalTime(&now));
  }
};

TEST_F(LocalClock, GetLocalTimeFollowsTheMachineClock) {
  SYSTEMTIME before = MachineLocalTime();
  SYSTEMTIME t{};
  GetLocalTime(&t);
  SYSTEMTIME after = MachineLocalTime();
  EXPECT_LE(UnitsOf(before) / 10'000'000, UnitsOf(t) / 10'000'000);
  EXPECT_LE(UnitsOf(t) / 10'000'000, UnitsOf(after) / 10'000'000);
}

TEST_F(LocalClock, SetLocalTimeMovesOnlyThisProcessClock) {
  struct Case {
    SYSTEMTIME target;
    WORD day_of_week;
  };
  const Case cases[] = {
      {Date(2001, 2, 3, 4, 5, 6, 7), 6},         // a Saturday
      {Date(1969, 12, 31, 23, 59, 59, 500), 3},  // before 1970: seconds are floored
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.target.wYear);
    ASSERT_TRUE(SetLocalTime(&c.target));
    SYSTEMTIME now{};
    GetLocalTime(&now);
    const std::int64_t ahead = UnitsOf(now) - UnitsOf(c.target);
    EXPECT_GE(ahead, 0);
    EXPECT_LT(ahead, 60LL * 10'000'000) << "the clock reads the time just set";
    EXPECT_LT(now.wMilliseconds, 1000);
    EXPECT_EQ(now.wDayOfWeek, c.day_of_week);
  }
}

TEST_F(LocalClock, SetLocalTimeRefusesInvalidTimesAndKeepsTheClock) {
  const SYSTEMTIME target = Date(2030, 6, 15, 12, 0, 0);
  ASSERT_TRUE(SetLocalTime(&target));
  const SYSTEMTIME bad = Date(2023, 2, 29);
  EXPECT_FALSE(SetLocalTime(&bad));
  EXPECT_FALSE(SetLocalTime(nullptr));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  SYSTEMTIME now{};
  GetLocalTime(&now);
  EXPECT_EQ(now.wYear, 2030);
  EXPECT_EQ(now.wMonth, 6);
  EXPECT_EQ(now.wDay, 15);
}

}  // namespace
