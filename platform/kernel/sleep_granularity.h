// How long Sleep really sleeps on a thread that owns windows (platform-internal).
//
// Windows wakes sleeping threads on the system clock's ticks, 64 a second by default, so
// Sleep(1) in a window's polling loop returns after up to 15.625 ms. Threads that own
// windows sleep the same way here: a dialog that polls with Sleep(1) wakes 64 times a
// second instead of a thousand, and answers input within one tick. Other threads (file
// retries, start-up) keep millisecond sleeps.
#pragma once

namespace platform {

inline constexpr long kClockTickNanoseconds = 15'625'000;

// Called by the window system when the calling thread creates its first window.
void MarkThreadOwnsWindows();

}  // namespace platform
