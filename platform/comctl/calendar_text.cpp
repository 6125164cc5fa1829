#include "platform/comctl/calendar_text.h"

#include <algorithm>

#include "platform/comctl/control_base.h"

namespace platform::comctl {
namespace {

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// Days since 1 January of year 0 of the proleptic Gregorian calendar.
long DayNumber(int year, int month, int day) {
  // Counting from March makes the leap day the last of the year.
  int y = month <= 2 ? year - 1 : year;
  int m = month <= 2 ? month + 9 : month - 3;
  long era_days = 365L * y + y / 4 - y / 100 + y / 400;
  return era_days + (306 * m + 5) / 10 + day - 1;
}

SYSTEMTIME FromDayNumber(long n, const SYSTEMTIME& keep_time) {
  // Inverse of DayNumber.
  long y = (10000 * n + 14780) / 3652425;
  long doy = n - (365 * y + y / 4 - y / 100 + y / 400);
  if (doy < 0) {
    --y;
    doy = n - (365 * y + y / 4 - y / 100 + y / 400);
  }
  long mi = (100 * doy + 52) / 3060;
  SYSTEMTIME out = keep_time;
  out.wYear = static_cast<WORD>(y + (mi + 2) / 12);
  out.wMonth = static_cast<WORD>((mi + 2) % 12 + 1);
  out.wDay = static_cast<WORD>(doy - (mi * 306 + 5) / 10 + 1);
  return WithDayOfWeek(out);
}

std::u16string Number(int value, int width) {
  std::u16string text;
  do {
    text.insert(text.begin(), static_cast<char16_t>(u'0' + value % 10));
    value /= 10;
  } while (value > 0);
  while (static_cast<int>(text.size()) < width) text.insert(text.begin(), u'0');
  return text;
}

constexpr const char16_t* kMonthsEs[] = {u"enero", u"febrero", u"marzo", u"abril",
                                         u"mayo", u"junio", u"julio", u"agosto",
                                         u"septiembre", u"octubre", u"noviembre", u"diciembre"};
constexpr const char16_t* kMonthsEn[] = {u"January", u"February", u"March", u"April",
                                         u"May", u"June", u"July", u"August",
                                         u"September", u"October", u"November", u"December"};
constexpr const char16_t* kDaysEs[] = {u"domingo", u"lunes", u"martes", u"mi\u00e9rcoles",
                                       u"jueves", u"viernes", u"s\u00e1bado"};
constexpr const char16_t* kDaysEn[] = {u"Sunday", u"Monday", u"Tuesday", u"Wednesday",
                                       u"Thursday", u"Friday", u"Saturday"};
constexpr const char16_t* kDaysShortEs[] = {u"do", u"lu", u"ma", u"mi", u"ju", u"vi", u"s\u00e1"};
constexpr const char16_t* kDaysShortEn[] = {u"Sun", u"Mon", u"Tue", u"Wed",
                                            u"Thu", u"Fri", u"Sat"};

}  // namespace

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

int DayOfWeek(int year, int month, int day) {
  // Day 0 of the count (1 March of year 0) was a Wednesday.
  long n = DayNumber(year, month, day);
  return static_cast<int>(((n + 3) % 7 + 7) % 7);
}

bool IsValidDate(const SYSTEMTIME& date) {
  return date.wYear >= 1601 && date.wYear <= 9999 && date.wMonth >= 1 && date.wMonth <= 12 &&
         date.wDay >= 1 && date.wDay <= DaysInMonth(date.wYear, date.wMonth);
}

int CompareDates(const SYSTEMTIME& a, const SYSTEMTIME& b) {
  auto key = [](const SYSTEMTIME& d) { return d.wYear * 10000L + d.wMonth * 100L + d.wDay; };
  long ka = key(a), kb = key(b);
  return ka < kb ? -1 : ka > kb ? 1 : 0;
}

SYSTEMTIME WithDayOfWeek(SYSTEMTIME date) {
  date.wDayOfWeek = static_cast<WORD>(DayOfWeek(date.wYear, date.wMonth, date.wDay));
  return date;
}

SYSTEMTIME AddDays(SYSTEMTIME date, int days) {
  return FromDayNumber(DayNumber(date.wYear, date.wMonth, date.wDay) + days, date);
}

SYSTEMTIME AddMonths(SYSTEMTIME date, int months) {
  int index = date.wYear * 12 + (date.wMonth - 1) + months;
  date.wYear = static_cast<WORD>(index / 12);
  date.wMonth = static_cast<WORD>(index % 12 + 1);
  date.wDay = static_cast<WORD>(std::min<int>(date.wDay, DaysInMonth(date.wYear, date.wMonth)));
  return WithDayOfWeek(date);
}

std::u16string CalendarNames::Month(int month) const {
  if (month < 1 || month > 12) return {};
  return spanish ? kMonthsEs[month - 1] : kMonthsEn[month - 1];
}
std::u16string CalendarNames::Weekday(int day) const {
  return spanish ? kDaysEs[day % 7] : kDaysEn[day % 7];
}
std::u16string CalendarNames::WeekdayShort(int day) const {
  return spanish ? kDaysShortEs[day % 7] : kDaysShortEn[day % 7];
}
std::u16string CalendarNames::MonthTitle(int year, int month) const {
  return spanish ? Month(month) + u" de " + Number(year, 4) : Month(month) + u" " + Number(year, 4);
}
std::u16string CalendarNames::TodayLabel() const { return spanish ? u"Hoy:" : u"Today:"; }

std::vector<DatePiece> ShortDatePieces(const SYSTEMTIME& date) {
  return {{Number(date.wDay, 2), DateField::kDay},
          {u"/", DateField::kNone},
          {Number(date.wMonth, 2), DateField::kMonth},
          {u"/", DateField::kNone},
          {Number(date.wYear, 4), DateField::kYear}};
}

std::vector<DatePiece> LongDatePieces(const SYSTEMTIME& date, const CalendarNames& names) {
  std::u16string weekday = names.Weekday(DayOfWeek(date.wYear, date.wMonth, date.wDay));
  if (names.spanish) {
    // "lunes, 7 de diciembre de 2026"
    return {{weekday + u", ", DateField::kNone},
            {Number(date.wDay, 1), DateField::kDay},
            {u" de ", DateField::kNone},
            {names.Month(date.wMonth), DateField::kMonth},
            {u" de ", DateField::kNone},
            {Number(date.wYear, 4), DateField::kYear}};
  }
  // "Monday, December 7, 2026"
  return {{weekday + u", ", DateField::kNone},
          {names.Month(date.wMonth), DateField::kMonth},
          {u" ", DateField::kNone},
          {Number(date.wDay, 1), DateField::kDay},
          {u", ", DateField::kNone},
          {Number(date.wYear, 4), DateField::kYear}};
}

std::vector<DatePiece> FormatDatePieces(const SYSTEMTIME& date, std::u16string_view format,
                                        const CalendarNames& names) {
  std::vector<DatePiece> pieces;
  auto literal = [&](std::u16string_view text) {
    if (text.empty()) return;
    if (pieces.empty() || pieces.back().field != DateField::kNone) pieces.push_back({u"", DateField::kNone});
    pieces.back().text += text;
  };
  const int hour12 = date.wHour % 12 == 0 ? 12 : date.wHour % 12;
  for (std::size_t i = 0; i < format.size();) {
    const char16_t c = format[i];
    if (c == u'\'') {
      // Quoted text up to the closing quote; a doubled quote stands for one.
      std::size_t j = i + 1;
      std::u16string text;
      while (j < format.size()) {
        if (format[j] == u'\'' && j + 1 < format.size() && format[j + 1] == u'\'') {
          text += u'\'';
          j += 2;
        } else if (format[j] == u'\'') {
          break;
        } else {
          text += format[j++];
        }
      }
      literal(text);
      i = std::min(format.size(), j + 1);
      continue;
    }
    std::size_t run = 1;
    while (i + run < format.size() && format[i + run] == c) ++run;
    const int n = static_cast<int>(run);
    switch (c) {
      case u'd':
        if (n <= 2) {
          pieces.push_back({Number(date.wDay, n), DateField::kDay});
        } else {
          std::u16string day = names.Weekday(DayOfWeek(date.wYear, date.wMonth, date.wDay));
          literal(n == 3 ? day.substr(0, 3) : day);
        }
        break;
      case u'M':
        if (n <= 2) {
          pieces.push_back({Number(date.wMonth, n), DateField::kMonth});
        } else {
          std::u16string month = names.Month(date.wMonth);
          pieces.push_back({n == 3 ? month.substr(0, 3) : month, DateField::kMonth});
        }
        break;
      case u'y':
        if (n == 1) pieces.push_back({Number(date.wYear % 10, 1), DateField::kYear});
        else if (n == 2) pieces.push_back({Number(date.wYear % 100, 2), DateField::kYear});
        else pieces.push_back({Number(date.wYear, 4), DateField::kYear});
        break;
      case u'X': {
        std::u16string run(static_cast<std::size_t>(n), u'X');
        pieces.push_back({run, DateField::kCallback, run});
        break;
      }
      case u'h': literal(Number(hour12, std::min(n, 2))); break;
      case u'H': literal(Number(date.wHour, std::min(n, 2))); break;
      case u'm': literal(Number(date.wMinute, std::min(n, 2))); break;
      case u's': literal(Number(date.wSecond, std::min(n, 2))); break;
      case u't': {
        std::u16string mark = date.wHour < 12 ? u"AM" : u"PM";
        literal(n == 1 ? mark.substr(0, 1) : mark);
        break;
      }
      default:
        literal(format.substr(i, run));
        break;
    }
    i += run;
  }
  return pieces;
}

std::u16string JoinPieces(const std::vector<DatePiece>& pieces) {
  std::u16string text;
  for (const DatePiece& p : pieces) text += p.text;
  return text;
}

std::u16string ShortDateText(const SYSTEMTIME& date) { return JoinPieces(ShortDatePieces(date)); }

CalendarNames UserCalendarNames() { return CalendarNames{platform::UserLanguageIsSpanish()}; }

}  // namespace platform::comctl
