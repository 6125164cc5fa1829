// SetTimer, KillTimer, and the due-timer search used by the message loop.
#include "platform/user/timers.h"

#include <algorithm>

#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

// Ids handed out for timers without a window, as Windows does (never 0).
UINT_PTR next_thread_timer_id = 0x7FFF;

std::chrono::milliseconds Clamped(UINT elapse) {
  elapse = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  return std::chrono::milliseconds(elapse);
}

}  // namespace

bool TakeDueTimer(MessageQueue& queue, HWND filter, MSG* msg, bool remove) {
  Clock::time_point now = Clock::now();
  for (Timer& timer : queue.timers) {
    if (timer.due > now) continue;
    if (filter != nullptr && (timer.window == nullptr || !IsSelfOrAncestor(filter, timer.window))) {
      continue;
    }
    msg->hwnd = timer.window;
    msg->message = WM_TIMER;
    msg->wParam = timer.id;
    msg->lParam = reinterpret_cast<LPARAM>(timer.procedure);
    msg->time = MessageTimeNow();
    msg->pt = queue.last_message_pos;
    if (remove) timer.due = now + Clamped(timer.elapse_ms);
    return true;
  }
  return false;
}

std::optional<DWORD> MillisecondsToNextTimer(const MessageQueue& queue) {
  if (queue.timers.empty()) return std::nullopt;
  Clock::time_point now = Clock::now();
  Clock::time_point first = queue.timers.front().due;
  for (const Timer& timer : queue.timers) first = std::min(first, timer.due);
  if (first <= now) return 0;
  auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(first - now).count() + 1;
  return static_cast<DWORD>(std::min<long long>(wait, 0x7FFFFFFF));
}

}  // namespace platform::user

extern "C" {

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapse, TIMERPROC procedure) {
  using namespace platform::user;
  if (window != nullptr) {
    Window* w = LiveWindow(window);
    if (w == nullptr) return 0;
    if (w->thread_id != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  }
  MessageQueue& queue = CurrentQueue();
  if (window == nullptr) {
    // A thread timer: a new id unless `id` names one of this thread's thread timers.
    bool existing = std::any_of(queue.timers.begin(), queue.timers.end(), [&](const Timer& t) {
      return t.window == nullptr && t.id == id && id != 0;
    });
    if (!existing) {
      do {
        next_thread_timer_id = next_thread_timer_id >= 0xFFFF ? 0x8000 : next_thread_timer_id + 1;
      } while (std::any_of(queue.timers.begin(), queue.timers.end(),
                           [](const Timer& t) { return t.id == next_thread_timer_id; }));
      id = next_thread_timer_id;
    }
  }
  Timer timer;
  timer.window = window;
  timer.id = id;
  timer.elapse_ms = elapse;
  timer.procedure = procedure;
  timer.due = Clock::now() + Clamped(elapse);
  for (Timer& t : queue.timers) {
    if (t.window == window && t.id == id) {
      t = timer;  // the same window and id: replaced
      return window != nullptr ? 1 : id;
    }
  }
  queue.timers.push_back(timer);
  return window != nullptr ? (id != 0 ? id : 1) : id;
}

BOOL KillTimer(HWND window, UINT_PTR id) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  auto removed = std::erase_if(queue.timers,
                               [&](const Timer& t) { return t.window == window && t.id == id; });
  if (removed == 0) {
    if (window != nullptr && FindWindowRecord(window) == nullptr) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    } else {
      SetLastError(ERROR_INVALID_PARAMETER);
    }
    return FALSE;
  }
  // A WM_TIMER already generated is not queued, so nothing else to remove.
  return TRUE;
}

}  // extern "C"
