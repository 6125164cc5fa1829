// Sleep, GetTickCount and GetCurrentThreadId.
#include <sched.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>

#include "platform/win32.h"

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
