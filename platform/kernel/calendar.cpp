#include "platform/kernel/calendar.h"

namespace platform {
namespace {

// Floor division, so that days before the origin still fall in the right year.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days since 1 March of year 0, counting years from March so that the leap day is the
// last day of the counted year and the month lengths repeat in a 5-month pattern.
std::int64_t DaysSinceMarchYearZero(std::int64_t year, int month, int day) {
  if (month <= 2) --year;
  const int month_from_march = (month + 9) % 12;  // March = 0 ... February = 11
  const std::int64_t days_before_month = (153 * month_from_march + 2) / 5;
  return 365 * year + FloorDiv(year, 4) - FloorDiv(year, 100) + FloorDiv(year, 400) +
         days_before_month + day - 1;
}

const std::int64_t kOriginFromMarchYearZero = DaysSinceMarchYearZero(1601, 1, 1);

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLengths[month - 1];
}

std::int64_t DayNumber(int year, int month, int day) {
  return DaysSinceMarchYearZero(year, month, day) - kOriginFromMarchYearZero;
}

CalendarDate DateOfDayNumber(std::int64_t day_number) {
  const std::int64_t days = day_number + kOriginFromMarchYearZero;
  // 146097 days make 400 Gregorian years.
  const std::int64_t era = FloorDiv(days, 146097);
  const std::int64_t day_of_era = days - era * 146097;
  const std::int64_t year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const std::int64_t day_of_year =
      day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t month_from_march = (5 * day_of_year + 2) / 153;
  CalendarDate date;
  date.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  date.month =
      static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  date.year = static_cast<int>(era * 400 + year_of_era + (date.month <= 2 ? 1 : 0));
  // 1 January 1601 was a Monday.
  date.day_of_week = static_cast<int>(((day_number + 1) % 7 + 7) % 7);
  return date;
}

bool IsValidSystemTime(const SYSTEMTIME& time) {
  if (time.wYear < 1601 || time.wYear > 30827) return false;
  if (time.wMonth < 1 || time.wMonth > 12) return false;
  if (time.wDay < 1 || time.wDay > DaysInMonth(time.wYear, time.wMonth)) return false;
  return time.wHour < 24 && time.wMinute < 60 && time.wSecond < 60 && time.wMilliseconds < 1000;
}

}  // namespace platform
