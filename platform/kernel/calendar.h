// Proleptic Gregorian calendar arithmetic on the file-time scale (platform-internal).
#pragma once

#include <cstdint>

#include "platform/win32.h"

namespace platform {

inline constexpr std::int64_t kFileTimeUnitsPerMillisecond = 10'000;
inline constexpr std::int64_t kFileTimeUnitsPerDay = 864'000'000'000;
// Days from 1 January 1601 (the file-time origin) to 1 January 1970 (the Unix epoch).
inline constexpr std::int64_t kUnixEpochDayNumber = 134'774;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);
// Days since 1 January 1601; month 1-12, day 1-31, any year (earlier years give negatives).
std::int64_t DayNumber(int year, int month, int day);
struct CalendarDate {
  int year;
  int month;
  int day;
  int day_of_week;  // 0 = Sunday
};
CalendarDate DateOfDayNumber(std::int64_t day_number);

// Windows' rule for a SYSTEMTIME that can be converted or set: year 1601-30827, a real
// calendar day, a time of day below 24:00:00.000. wDayOfWeek is not looked at.
bool IsValidSystemTime(const SYSTEMTIME& time);

}  // namespace platform
