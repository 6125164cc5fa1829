// Today's date text and the day count.
//
// Dates are kept only as text: today as DD/MM/YYYY, the start day as whatever the log
// holds. A date text is read back by character position (day 1-2, month 4-5, year the
// last four) and counted through the platform's file-time scale, so the count is the
// number of whole days between two calendar dates.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/frame/routine_frame.h"
#include "runtime/text/dyn_string.h"

namespace app {

struct ProgramState;

// MM-DD-YYYY (as DateText gives it) -> DD<sep>MM<sep>YYYY, blanks removed. The three
// parts are left in the program-wide date parts.
runtime::DynString FormatToday(ProgramState& program, const runtime::DynString& month_first,
                               const runtime::DynString& separator);

// Reads a day-first date text by position; fields that are not numbers read as 0.
SYSTEMTIME ReadDateText(runtime::RoutineFrame& frame, const runtime::DynString& text);

// The absolute number of days between two dates; a date the platform cannot convert
// counts as day 0 (1 January 1601).
std::int32_t DayDifference(const SYSTEMTIME& start_time, const SYSTEMTIME& today_time);

std::int32_t DaysSinceStart(const runtime::DynString& start_text,
                            const runtime::DynString& today_text);

}  // namespace app
