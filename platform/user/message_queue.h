// Per-thread message queues and the thread's input state (platform-internal).
//
// Each thread that uses windows gets a queue on first use. It holds, in the order that
// GetMessageW / PeekMessageW take them, as in Windows: posted messages, then input
// messages (keys and mouse, turned from the display's events), then WM_QUIT once
// PostQuitMessage was called and nothing is posted, then WM_PAINT for a window of the
// thread with an update region, then WM_TIMER for a timer that is due.
//
// The thread's focus, active window, capture, key state and caret live here too, since
// in Windows they are per-thread input state.
//
// PostMessageW may come from any thread: `lock` guards the two deques and the quit flag,
// and `wake` wakes a thread waiting in GetMessageW. Everything else is touched only by the
// owning thread.
#pragma once

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace platform::user {

using Clock = std::chrono::steady_clock;

struct Timer {
  HWND window = nullptr;
  UINT_PTR id = 0;
  UINT elapse_ms = 0;
  TIMERPROC procedure = nullptr;
  Clock::time_point due;
};

struct Caret {
  HWND window = nullptr;
  int width = 0;
  int height = 0;
  POINT position{0, 0};
  int hide_count = 1;  // shown when 0; CreateCaret leaves it hidden, as in Windows
  bool drawn = false;  // currently inverted on the window's pixels
};

class MessageQueue {
 public:
  explicit MessageQueue(DWORD thread_id) : thread_id(thread_id) {}

  const DWORD thread_id;

  std::mutex lock;
  std::condition_variable wake;
  std::deque<MSG> posted;  // guarded by lock
  std::deque<MSG> input;   // guarded by lock
  bool quit_posted = false;  // guarded by lock
  int quit_code = 0;         // guarded by lock

  std::vector<Timer> timers;
  HWND focus = nullptr;
  HWND active = nullptr;
  HWND capture = nullptr;
  std::array<BYTE, 256> key_state{};  // bit 7: down, bit 0: toggled (as of the messages taken)
  std::array<bool, 256> pending_down{};  // as of the input queued so far
  char32_t dead_key = 0;               // a dead key waiting for the next character
  // Key presses whose characters the display gave, until each is taken; then the press
  // taken last, for TranslateMessage (see input.cpp).
  struct GivenKeyText {
    MSG press{};
    bool dead = false;    // a dead key: `text` is its accent
    std::u16string text;  // what the press types
  };
  std::deque<GivenKeyText> given_key_texts;
  std::optional<GivenKeyText> taken_key_text;
  // Key messages with the lock keys the display reported for them, until each is taken.
  struct ReportedLocks {
    MSG key{};
    bool caps_lock = false;
    bool num_lock = false;
  };
  std::deque<ReportedLocks> reported_locks;
  int send_depth = 0;                 // > 0 inside a sent message (InSendMessage)
  DWORD last_message_time = 0;
  POINT last_message_pos{0, 0};
  Caret caret;

  // Double clicks: the last button press, to pair with the next one.
  UINT last_click_message = 0;
  HWND last_click_window = nullptr;
  DWORD last_click_time = 0;
  POINT last_click_point{0, 0};

  // Close requests in a row that left the same window standing (see input.cpp).
  HWND ignored_close_window = nullptr;
  int ignored_close_count = 0;
  int idle_polls = 0;  // polls in a row that found nothing (see input.cpp)

  void Post(const MSG& msg);
  void PostInput(const MSG& msg);
  bool HasPostedOrInput();
};

// The queue of the calling thread (made on first use) and of another thread (null when
// that thread has none).
MessageQueue& CurrentQueue();
std::shared_ptr<MessageQueue> QueueOfThread(DWORD thread_id);

// Drops posted and input messages and timers of a window being destroyed.
void ForgetWindowMessages(MessageQueue& queue, HWND window);

DWORD MessageTimeNow();  // GetTickCount's clock, for MSG::time

}  // namespace platform::user
