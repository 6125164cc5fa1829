// GetLocalTime and SetLocalTime. The clock is the machine's real-time clock (read with
// clock_gettime, so a test harness such as libfaketime can move it) plus a process-wide
// offset. SetLocalTime moves only that offset: a program must never be able to change the
// machine's clock through this platform.
#include <atomic>
#include <cstdint>
#include <ctime>

#include "platform/kernel/calendar.h"
#include "platform/win32.h"

namespace {

constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;

std::atomic<std::int64_t> clock_offset_ns{0};

std::int64_t RealClockNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int64_t>(now.tv_sec) * kNanosecondsPerSecond + now.tv_nsec;
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

extern "C" {

void GetLocalTime(SYSTEMTIME* time) {
  if (time == nullptr) return;
  const std::int64_t now = RealClockNanoseconds() + clock_offset_ns.load(std::memory_order_relaxed);
  const std::int64_t seconds = FloorDiv(now, kNanosecondsPerSecond);
  const std::int64_t nanoseconds = now - seconds * kNanosecondsPerSecond;
  const auto unix_seconds = static_cast<time_t>(seconds);
  tm local{};
  if (localtime_r(&unix_seconds, &local) == nullptr) {
    // Out of the C library's range: answer in UTC from our own calendar rather than fail.
    const platform::CalendarDate date =
        platform::DateOfDayNumber(platform::kUnixEpochDayNumber + FloorDiv(seconds, 86'400));
    const std::int64_t second_of_day = seconds - FloorDiv(seconds, 86'400) * 86'400;
    local.tm_year = date.year - 1900;
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_wday = date.day_of_week;
    local.tm_hour = static_cast<int>(second_of_day / 3600);
    local.tm_min = static_cast<int>(second_of_day / 60 % 60);
    local.tm_sec = static_cast<int>(second_of_day % 60);
  }
  time->wYear = static_cast<WORD>(local.tm_year + 1900);
  time->wMonth = static_cast<WORD>(local.tm_mon + 1);
  time->wDayOfWeek = static_cast<WORD>(local.tm_wday);
  time->wDay = static_cast<WORD>(local.tm_mday);
  time->wHour = static_cast<WORD>(local.tm_hour);
  time->wMinute = static_cast<WORD>(local.tm_min);
  // A leap second (tm_sec 60) is shown as the last second of its minute.
  time->wSecond = static_cast<WORD>(local.tm_sec > 59 ? 59 : local.tm_sec);
  time->wMilliseconds = static_cast<WORD>(nanoseconds / kNanosecondsPerMillisecond);
}

BOOL SetLocalTime(const SYSTEMTIME* time) {
  if (time == nullptr || !platform::IsValidSystemTime(*time)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  tm local{};
  local.tm_year = time->wYear - 1900;
  local.tm_mon = time->wMonth - 1;
  local.tm_mday = time->wDay;
  local.tm_hour = time->wHour;
  local.tm_min = time->wMinute;
  local.tm_sec = time->wSecond;
  local.tm_isdst = -1;  // let the time zone rules decide whether summer time applies
  local.tm_wday = -1;   // mktime fills it in on success; -1 is also a valid time
  const time_t target_seconds = mktime(&local);
  if (local.tm_wday < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const std::int64_t target = static_cast<std::int64_t>(target_seconds) * kNanosecondsPerSecond +
                              time->wMilliseconds * kNanosecondsPerMillisecond;
  clock_offset_ns.store(target - RealClockNanoseconds(), std::memory_order_relaxed);
  return TRUE;
}

}  // extern "C"
