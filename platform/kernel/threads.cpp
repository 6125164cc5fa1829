// Sleep, GetTickCount and GetCurrentThreadId.
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include "platform/kernel/pause_work.h"
#include "platform/kernel/sleep_granularity.h"
#include "platform/win32.h"

namespace platform {
namespace {
thread_local bool owns_windows = false;

std::int64_t MonotonicNow() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

void SleepUntil(std::int64_t wake) {
  const timespec until{static_cast<time_t>(wake / 1'000'000'000),
                       static_cast<long>(wake % 1'000'000'000)};
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

// Sleeps until the first clock tick at or after `earliest`.
void SleepToTick(std::int64_t earliest) {
  const std::int64_t ticks = (earliest + kClockTickNanoseconds - 1) / kClockTickNanoseconds;
  SleepUntil(ticks * kClockTickNanoseconds);
}
}  // namespace

void MarkThreadOwnsWindows() {
  owns_windows = true;
}

}  // namespace platform

extern "C" {

void Sleep(DWORD milliseconds) {
  if (milliseconds == 0) {
    // Windows: give up the rest of the time slice.
    sched_yield();
    return;
  }
  if (milliseconds == INFINITE) {
    for (;;) pause();
  }
  // A window's thread sleeps to the clock's ticks, as Windows' does.
  const bool to_tick = platform::owns_windows && static_cast<long>(milliseconds) * 1'000'000 <
                                                     platform::kClockTickNanoseconds;
  if (milliseconds >= platform::kShortestWorkingPauseMs) {
    if (platform::PauseWork work = platform::TakePauseWork()) {
      const std::int64_t deadline =
          platform::MonotonicNow() + std::int64_t{milliseconds} * 1'000'000;
      work(deadline);
      to_tick ? platform::SleepToTick(deadline) : platform::SleepUntil(deadline);
      return;
    }
  }
  if (to_tick) {
    platform::SleepToTick(platform::MonotonicNow() + std::int64_t{milliseconds} * 1'000'000);
    return;
  }
  timespec remaining{static_cast<time_t>(milliseconds / 1000),
                     static_cast<long>(milliseconds % 1000) * 1'000'000};
  // A signal handler must not cut the sleep short.
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
}

DWORD GetTickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  // Milliseconds since boot, wrapping after 49.7 days as on Windows.
  const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000 +
                  static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000;
  return static_cast<DWORD>(ms);
}

DWORD GetCurrentThreadId() {
  return static_cast<DWORD>(syscall(SYS_gettid));
}

}  // extern "C"
