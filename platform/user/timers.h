// Timers of the calling thread (platform-internal): WM_TIMER is generated, not queued, when
// the queue is asked for a message and a timer is due; a due timer gives one WM_TIMER
// however late it is.
#pragma once

#include <optional>

#include "platform/user/message_queue.h"

namespace platform::user {

// The WM_TIMER of the first due timer matching the filter; with `remove` the timer's next
// time is set from now.
bool TakeDueTimer(MessageQueue& queue, HWND filter, MSG* msg, bool remove);

// How long until the next timer is due (0 when one is), or nothing without timers.
std::optional<DWORD> MillisecondsToNextTimer(const MessageQueue& queue);

}  // namespace platform::user
