#include "app/dates.h"

#include "app/program_state.h"
#include "runtime/text/number_text.h"
#include "runtime/text/numeric_conversion.h"
#include "runtime/text/static_text.h"
#include "runtime/text/string_functions.h"
#include "runtime/text/text_to_number.h"

namespace app {

using runtime::DynString;
using runtime::RoutineFrame;

namespace {

constexpr runtime::StaticText kBlank{" "};

// 100-nanosecond intervals per minute, minutes per hour, hours per day, applied in
// that order.
constexpr long double kIntervalsPerMinute = 600000000.0L;
constexpr long double kMinutesPerHour = 60.0L;
constexpr long double kHoursPerDay = 24.0L;

WORD ReadField(RoutineFrame& frame) {
  return static_cast<WORD>(runtime::ToInteger16(runtime::TextToNumber(frame.strings, 1)));
}

long double DayNumber(runtime::ErrorState& errors, const FILETIME& time) {
  long double value = static_cast<long double>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  long double minutes = runtime::IntegerDivide(errors, value, kIntervalsPerMinute);
  long double hours = runtime::IntegerDivide(errors, minutes, kMinutesPerHour);
  return runtime::IntegerDivide(errors, hours, kHoursPerDay);
}

}  // namespace

DynString FormatToday(ProgramState& program, const DynString& month_first,
                      const DynString& separator) {
  RoutineFrame frame;
  auto& s = frame.strings;
  s.PushBorrowed(month_first);
  runtime::Substring(s, 4, 2);
  s.PopAssign(program.day_part);
  s.PushBorrowed(month_first);
  runtime::Substring(s, 1, 2);
  s.PopAssign(program.month_part);
  s.PushBorrowed(month_first);
  runtime::Substring(s, 7, 4);
  s.PopAssign(program.year_part);

  s.PushBorrowed(program.day_part);
  s.PushBorrowed(separator);
  s.ConcatTop();
  s.PushBorrowed(program.month_part);
  s.ConcatTop();
  s.PushBorrowed(separator);
  s.ConcatTop();
  s.PushBorrowed(program.year_part);
  s.ConcatTop();
  s.PushBorrowed(kBlank);
  runtime::RemoveAll(s);
  return s.PopOwned();
}

SYSTEMTIME ReadDateText(RoutineFrame& frame, const DynString& text) {
  SYSTEMTIME time{};
  auto& s = frame.strings;
  s.PushBorrowed(text);
  runtime::RightPart(s, 4);
  time.wYear = ReadField(frame);
  s.PushBorrowed(text);
  runtime::Substring(s, 4, 2);
  time.wMonth = ReadField(frame);
  s.PushBorrowed(text);
  runtime::Substring(s, 1, 2);
  time.wDay = ReadField(frame);
  return time;
}

std::int32_t DayDifference(const SYSTEMTIME& start_time, const SYSTEMTIME& today_time) {
  RoutineFrame frame;
  FILETIME start{};
  FILETIME today{};
  // A date that does not convert keeps its value 0; nothing is reported.
  SystemTimeToFileTime(&start_time, &start);
  SystemTimeToFileTime(&today_time, &today);
  long double difference = DayNumber(frame.errors, start) - DayNumber(frame.errors, today);
  if (difference < 0) difference = -difference;
  return runtime::ToInteger32(difference);
}

std::int32_t DaysSinceStart(const DynString& start_text, const DynString& today_text) {
  RoutineFrame frame;
  SYSTEMTIME start = ReadDateText(frame, start_text);
  SYSTEMTIME today = ReadDateText(frame, today_text);
  return DayDifference(start, today);
}

}  // namespace app
