// Dates as the date picker and the month calendar show them (platform-internal): the
// Gregorian arithmetic they need, the names of months and days in the user's language
// (Spanish for es_*, English otherwise), and the short (dd/MM/yyyy) and long formats cut
// into fields a user can select.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win32.h"

namespace platform::comctl {

int DaysInMonth(int year, int month);
// 0 = Sunday, as SYSTEMTIME::wDayOfWeek.
int DayOfWeek(int year, int month, int day);
// A date is valid when its month and day exist (years 1601-9999, as FILETIME allows).
bool IsValidDate(const SYSTEMTIME& date);
// -1, 0 or 1 comparing the dates only (the time of day is ignored).
int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b);
// The date with the day of the week filled in and the time of day kept.
SYSTEMTIME WithDayOfWeek(SYSTEMTIME date);
// The date moved by whole days / months (the day clamped to the new month's length).
SYSTEMTIME AddDays(SYSTEMTIME date, int days);
SYSTEMTIME AddMonths(SYSTEMTIME date, int months);

struct CalendarNames {
  bool spanish = false;
  std::u16string Month(int month) const;        // "diciembre" / "December"
  std::u16string Weekday(int day_of_week) const; // "lunes" / "Monday"
  std::u16string WeekdayShort(int day_of_week) const;  // "lu" / "Sun"
  int FirstDayOfWeek() const { return spanish ? 1 : 0; }  // Monday / Sunday
  std::u16string MonthTitle(int year, int month) const;  // "diciembre de 2026" / "December 2026"
  std::u16string TodayLabel() const;                      // "Hoy:" / "Today:"
};
CalendarNames UserCalendarNames();

// The displayed date cut into pieces: literal text and the editable fields.
// kCallback: a run of X in a picture string, shown and edited by the picker's parent.
enum class DateField { kNone, kDay, kMonth, kYear, kCallback };
struct DatePiece {
  DatePiece(std::u16string text = {}, DateField field = DateField::kNone,
            std::u16string callback = {})
      : text(std::move(text)), field(field), callback(std::move(callback)) {}
  std::u16string text;
  DateField field;
  std::u16string callback;  // kCallback: the run of X that names the field to the parent
};
std::vector<DatePiece> ShortDatePieces(const SYSTEMTIME& date);  // dd/MM/yyyy
std::vector<DatePiece> LongDatePieces(const SYSTEMTIME& date, const CalendarNames& names);
// A picture string of DTM_SETFORMAT: d dd (day), ddd dddd (weekday), M MM (month), MMM
// MMMM (its name), y yy yyy yyyy (year), h hh H HH m mm s ss t tt (the time of day, shown
// and not edited), X… (a callback field: its text is the run of X until the picker asks
// its parent), 'quoted text' ('' for a quote), anything else as it is. Day, month, year
// and callback pieces are the editable fields.
std::vector<DatePiece> FormatDatePieces(const SYSTEMTIME& date, std::u16string_view format,
                                        const CalendarNames& names);
std::u16string JoinPieces(const std::vector<DatePiece>& pieces);
std::u16string ShortDateText(const SYSTEMTIME& date);

}  // namespace platform::comctl
