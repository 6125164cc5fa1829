// The local date and time as fixed-form text, the local clock set from text, and the
// clock readings the drawing subsystem's timed waits are built on.
//
// Every reading lands in one process-wide SYSTEMTIME record; concurrent callers on
// several threads are not provided for. Date and time text calls go through
// GuardedOsCall, so they are serialised with the file services' OS calls.
#pragma once

#include <cstdint>

#include "platform/win32.h"
#include "runtime/text/work_stack.h"

namespace runtime {

// Pushes today's date as an owned 10-byte text MM-DD-YYYY (12-05-2026).
void DateText(StringWorkStack& stack);
// Pushes the time of day as an owned 8-byte text HH:MM:SS (07:04:09).
void TimeText(StringWorkStack& stack);

enum class ClockPart { kDate, kTime };
// Pops slot 0 and sets the local clock from it; a refused change is not reported.
// kDate: month, day, year, each separated by "-" or "/" (1/2/26, 12-05-2026); the time
//   of day is kept; a year below 1980 gets 1900 added, and 100 more if still below.
// kTime: hour, then optionally ":" minute, then optionally ":" second; what is left out
//   becomes 0, and so do the milliseconds.
// A field without a digit (also one after a trailing separator) leaves the clock as it
// was.
void SetClockFromText(StringWorkStack& stack, ClockPart part);

// The time of day in seconds, milliseconds included as the fraction.
long double SecondsSinceMidnight();

// Timed waits count milliseconds within the current hour (minute, second, millisecond).
inline constexpr std::int32_t kMillisecondsPerHour = 3600000;
inline constexpr std::int32_t kLongestDelay = 3590000;
inline constexpr std::int32_t kNoMark = -1;

// The mark a wait of `delay` ms ends at: kNoMark for no delay; the delay is capped at
// kLongestDelay (a negative one counts as large, as it would unsigned).
std::int32_t MillisecondMark(std::int32_t delay);
// Milliseconds left until `mark`: 0 when it passed less than a second ago; a mark
// further behind is taken as lying in the next hour.
std::int32_t MillisecondsUntil(std::int32_t mark);

// The same two, for a given clock reading `now` (milliseconds within the hour).
std::int32_t MillisecondMarkAt(std::int32_t now, std::int32_t delay);
std::int32_t MillisecondsUntilAt(std::int32_t now, std::int32_t mark);

}  // namespace runtime
