// Work that a program's pause can do instead of idling (platform-internal).
//
// A program often pauses just before it shows its first window (the daily question waits
// 5 ms first). The display offers what that window will need, and the first Sleep long
// enough for it does that work, then sleeps what is left: the pause is as long as asked,
// and the window comes sooner.
#pragma once

#include <cstdint>

namespace platform {

// The work gets the end of the pause (CLOCK_MONOTONIC nanoseconds) and should return by it.
using PauseWork = void (*)(std::int64_t deadline_ns);

// Pauses shorter than this are left alone: the work would outlast them.
inline constexpr unsigned kShortestWorkingPauseMs = 3;

void OfferPauseWork(PauseWork work);
// The offered work, once; null afterwards or when none was offered.
PauseWork TakePauseWork();

}  // namespace platform
