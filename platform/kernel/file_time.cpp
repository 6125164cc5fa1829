// SystemTimeToFileTime and FileTimeToSystemTime: calendar time <-> 100-nanosecond units
// since 1 January 1601. Neither adjusts for a time zone.
#include <cstdint>

#include "platform/kernel/calendar.h"
#include "platform/win32.h"

extern "C" {

BOOL SystemTimeToFileTime(const SYSTEMTIME* system_time, FILETIME* file_time) {
  if (system_time == nullptr || file_time == nullptr ||
      !platform::IsValidSystemTime(*system_time)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const SYSTEMTIME& t = *system_time;
  const std::int64_t days = platform::DayNumber(t.wYear, t.wMonth, t.wDay);
  const std::int64_t milliseconds =
      ((days * 24 + t.wHour) * 60 + t.wMinute) * 60'000 + t.wSecond * 1000 + t.wMilliseconds;
  const auto units =
      static_cast<std::uint64_t>(milliseconds * platform::kFileTimeUnitsPerMillisecond);
  file_time->dwLowDateTime = static_cast<DWORD>(units);
  file_time->dwHighDateTime = static_cast<DWORD>(units >> 32);
  return TRUE;
}

BOOL FileTimeToSystemTime(const FILETIME* file_time, SYSTEMTIME* system_time) {
  if (file_time == nullptr || system_time == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::uint64_t units =
      (static_cast<std::uint64_t>(file_time->dwHighDateTime) << 32) | file_time->dwLowDateTime;
  // Windows refuses file times that would be negative as signed 64-bit values.
  if (units > static_cast<std::uint64_t>(INT64_MAX)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const auto value = static_cast<std::int64_t>(units);
  const std::int64_t days = value / platform::kFileTimeUnitsPerDay;
  const std::int64_t ms_of_day =
      (value % platform::kFileTimeUnitsPerDay) / platform::kFileTimeUnitsPerMillisecond;
  const platform::CalendarDate date = platform::DateOfDayNumber(days);
  system_time->wYear = static_cast<WORD>(date.year);
  system_time->wMonth = static_cast<WORD>(date.month);
  system_time->wDayOfWeek = static_cast<WORD>(date.day_of_week);
  system_time->wDay = static_cast<WORD>(date.day);
  system_time->wHour = static_cast<WORD>(ms_of_day / 3'600'000);
  system_time->wMinute = static_cast<WORD>(ms_of_day / 60'000 % 60);
  system_time->wSecond = static_cast<WORD>(ms_of_day / 1000 % 60);
  system_time->wMilliseconds = static_cast<WORD>(ms_of_day % 1000);
  return TRUE;
}

}  // extern "C"
