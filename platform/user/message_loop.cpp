// PostMessage*, PostThreadMessageW, PostQuitMessage, PeekMessage*, GetMessage*,
// WaitMessage, MsgWaitForMultipleObjects, DispatchMessage*, GetMessagePos/Time,
// GetQueueStatus.
//
// A message is taken in this order (see message_queue.h): posted, input, WM_QUIT, WM_PAINT,
// WM_TIMER. When none is there the display is polled for input (never waiting), and the
// search runs again. GetMessageW then waits for the display or the next timer; nothing
// waits longer than that.
#include <algorithm>

#include "platform/display/display_session.h"
#include "platform/user/input.h"
#include "platform/user/painting_state.h"
#include "platform/user/timers.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace platform::user {
namespace {

struct Filter {
  HWND window = nullptr;  // null: any; (HWND)-1: thread messages only
  UINT min = 0;
  UINT max = 0;

  bool Accepts(const MSG& msg) const {
    if (min != 0 || max != 0) {
      if (msg.message < min || msg.message > max) return false;
    }
    if (window == reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1))) return msg.hwnd == nullptr;
    if (window == nullptr) return true;
    return msg.hwnd == window || (msg.hwnd != nullptr && IsChild(window, msg.hwnd));
  }
  bool AcceptsMessage(UINT message) const {
    return (min == 0 && max == 0) || (message >= min && message <= max);
  }
  HWND PaintFilter() const {
    return window == reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)) ? nullptr : window;
  }
};

bool TakeFrom(std::deque<MSG>& messages, const Filter& filter, MSG* out, bool remove) {
  for (auto it = messages.begin(); it != messages.end(); ++it) {
    if (!filter.Accepts(*it)) continue;
    *out = *it;
    if (remove) messages.erase(it);
    return true;
  }
  return false;
}

// One search of the queue, without polling the display.
bool Search(MessageQueue& queue, const Filter& filter, MSG* msg, bool remove) {
  bool from_input = false;
  {
    std::lock_guard hold(queue.lock);
    if (TakeFrom(queue.posted, filter, msg, remove)) {
      return true;
    }
    if (TakeFrom(queue.input, filter, msg, remove)) {
      from_input = true;
    } else if (queue.quit_posted && queue.posted.empty() && filter.AcceptsMessage(WM_QUIT)) {
      *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(queue.quit_code), 0, MessageTimeNow(),
                 queue.last_message_pos};
      if (remove) queue.quit_posted = false;
      return true;
    }
  }
  if (from_input) {
    if (remove) NoteTakenInput(queue, *msg);
    return true;
  }
  if (filter.AcceptsMessage(WM_PAINT) && filter.window != reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1))) {
    if (HWND window = NextWindowToPaint(filter.PaintFilter())) {
      *msg = MSG{window, WM_PAINT, 0, 0, MessageTimeNow(), queue.last_message_pos};
      return true;  // WM_PAINT stays until the window is validated
    }
  }
  if (filter.AcceptsMessage(WM_TIMER) && TakeDueTimer(queue, filter.PaintFilter(), msg, remove)) {
    return true;
  }
  return false;
}

bool Retrieve(MSG* msg, const Filter& filter, UINT remove_flags, bool blocking) {
  MessageQueue& queue = CurrentQueue();
  if (queue.send_depth == 0) ReleaseDeadWindows();
  bool remove = (remove_flags & PM_REMOVE) != 0;
  // Each poll may bring input; a few rounds let one poll's messages be found at once.
  for (int round = 0; round < 4; ++round) {
    if (Search(queue, filter, msg, remove)) {
      queue.idle_polls = 0;
      queue.last_message_time = msg->time;
      queue.last_message_pos = msg->pt;
      return true;
    }
    if (!PollDisplayInput(queue, blocking)) return false;
  }
  return false;
}

void WaitForSomething(MessageQueue& queue) {
  constexpr DWORD kLongestWait = 100;
  DWORD timeout = MillisecondsToNextTimer(queue).value_or(kLongestWait);
  timeout = std::min(timeout, kLongestWait);
  if (timeout == 0) return;
  if (queue.HasPostedOrInput()) return;
  CurrentDisplay().WaitForInput(timeout);
}

bool PostTo(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (window == HWND_BROADCAST) {
    for (HWND top : std::vector<HWND>(TopLevelWindows())) PostTo(top, message, wparam, lparam);
    return true;
  }
  std::shared_ptr<MessageQueue> target;
  if (window == nullptr) {
    CurrentQueue();  // made on first use
    target = QueueOfThread(GetCurrentThreadId());
  } else {
    Window* w = LiveWindow(window);
    if (w == nullptr) return false;
    target = QueueOfThread(w->thread_id);
    if (!target) {
      SetLastError(ERROR_INVALID_THREAD_ID);
      return false;
    }
  }
  target->Post(MSG{window, message, wparam, lparam, MessageTimeNow(), CursorPosition()});
  return true;
}

}  // namespace
}  // namespace platform::user

extern "C" {

BOOL PostMessageW(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return platform::user::PostTo(window, message, wparam, lparam) ? TRUE : FALSE;
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return PostMessageW(window, message, wparam, lparam);
}

BOOL PostThreadMessageW(DWORD thread_id, UINT message, WPARAM wparam, LPARAM lparam) {
  using namespace platform::user;
  if (thread_id == GetCurrentThreadId()) CurrentQueue();
  std::shared_ptr<MessageQueue> target = QueueOfThread(thread_id);
  if (!target) {
    SetLastError(ERROR_INVALID_THREAD_ID);
    return FALSE;
  }
  target->Post(MSG{nullptr, message, wparam, lparam, MessageTimeNow(), CursorPosition()});
  return TRUE;
}

void PostQuitMessage(int exit_code) {
  platform::user::MessageQueue& queue = platform::user::CurrentQueue();
  {
    std::lock_guard hold(queue.lock);
    queue.quit_posted = true;
    queue.quit_code = exit_code;
  }
  queue.wake.notify_all();
}

BOOL PeekMessageW(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
  using namespace platform::user;
  if (msg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (window != nullptr && window != reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)) &&
      LiveWindow(window) == nullptr) {
    return FALSE;
  }
  return Retrieve(msg, Filter{window, filter_min, filter_max}, remove, false) ? TRUE : FALSE;
}

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove) {
  return PeekMessageW(msg, window, filter_min, filter_max, remove);
}

BOOL GetMessageW(LPMSG msg, HWND window, UINT filter_min, UINT filter_max) {
  using namespace platform::user;
  if (msg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  if (window != nullptr && window != reinterpret_cast<HWND>(static_cast<LONG_PTR>(-1)) &&
      LiveWindow(window) == nullptr) {
    return -1;
  }
  Filter filter{window, filter_min, filter_max};
  MessageQueue& queue = CurrentQueue();
  while (!Retrieve(msg, filter, PM_REMOVE, true)) WaitForSomething(queue);
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL GetMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max) {
  return GetMessageW(msg, window, filter_min, filter_max);
}

BOOL WaitMessage() {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  MSG msg;
  while (!Retrieve(&msg, Filter{}, PM_NOREMOVE, true)) WaitForSomething(queue);
  return TRUE;
}

DWORD MsgWaitForMultipleObjects(DWORD count, const HANDLE* /*handles*/, BOOL /*wait_all*/,
                                DWORD milliseconds, DWORD /*wake_mask*/) {
  using namespace platform::user;
  // Kernel objects are not waitable here: only the queue is watched.
  MessageQueue& queue = CurrentQueue();
  auto start = Clock::now();
  MSG msg;
  while (true) {
    if (Retrieve(&msg, Filter{}, PM_NOREMOVE, milliseconds == INFINITE)) return WAIT_OBJECT_0 + count;
    auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
    if (milliseconds != INFINITE && spent >= milliseconds) return WAIT_TIMEOUT;
    WaitForSomething(queue);
  }
}

LRESULT DispatchMessageW(const MSG* msg) {
  using namespace platform::user;
  if (msg == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (msg->message == WM_TIMER && msg->lParam != 0) {
    // A TIMERPROC is called only for a timer of this thread that still has it.
    auto procedure = reinterpret_cast<TIMERPROC>(msg->lParam);
    const auto& timers = CurrentQueue().timers;
    bool known = std::any_of(timers.begin(), timers.end(), [&](const Timer& t) {
      return t.window == msg->hwnd && t.id == msg->wParam && t.procedure == procedure;
    });
    if (!known) return 0;
    procedure(msg->hwnd, WM_TIMER, msg->wParam, MessageTimeNow());
    return 0;
  }
  if (msg->hwnd == nullptr) return 0;  // thread messages have no procedure
  Window* w = LiveWindow(msg->hwnd);
  if (w == nullptr) return 0;
  if (msg->message == WM_PAINT) {
    PaintNow(msg->hwnd, false);
    return 0;
  }
  return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (msg != nullptr && msg->hwnd != nullptr && msg->message != WM_PAINT &&
      !(msg->message == WM_TIMER && msg->lParam != 0)) {
    if (platform::user::LiveWindow(msg->hwnd) == nullptr) return 0;
    return SendMessageA(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  }
  return DispatchMessageW(msg);
}

DWORD GetMessagePos() {
  POINT p = platform::user::CurrentQueue().last_message_pos;
  return static_cast<DWORD>(MAKELONG(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
}

LONG GetMessageTime() {
  return static_cast<LONG>(platform::user::CurrentQueue().last_message_time);
}

DWORD GetQueueStatus(UINT flags) {
  using namespace platform::user;
  MessageQueue& queue = CurrentQueue();
  DWORD status = 0;
  {
    std::lock_guard hold(queue.lock);
    if (!queue.posted.empty() || queue.quit_posted) status |= QS_POSTMESSAGE | QS_ALLPOSTMESSAGE;
    for (const MSG& m : queue.input) {
      status |= (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) ? QS_KEY
                : m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE ? QS_MOUSEMOVE
                                                                         : QS_MOUSEBUTTON;
    }
  }
  if (NextWindowToPaint(nullptr) != nullptr) status |= QS_PAINT;
  if (MillisecondsToNextTimer(queue).value_or(1) == 0) status |= QS_TIMER;
  status &= flags;
  return (status << 16) | status;
}

}  // extern "C"
